#pragma once
// What the X thread asks of the window layer beyond the event sink. None of these
// waits for a window's thread: the X thread must stay free to answer the display.
#include <functional>
#include <string>

#include "platform/base/WinTypes.h"

namespace platform::x11 {

// A window's styles and class as the layer has them.
struct WindowFacts {
  DWORD exStyle = 0;
  std::wstring className;
};

struct LayerBridge {
  std::function<WindowFacts(HWND)> facts;
  // Another program (or the taskbar) asked to restore and activate the window.
  std::function<void(HWND)> restoreRequested;

  // The bridge to the real window layer.
  static LayerBridge ToWindowLayer();
};

}  // namespace platform::x11

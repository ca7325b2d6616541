#pragma once
// What a backend reports to the window layer. Calls may come from any thread (the
// X thread, or a test injecting input); the layer routes them to the owning thread.
#include <string>

#include "platform/backend/BackendTypes.h"

namespace platform::backend {

class EventSink {
 public:
  virtual ~EventSink() = default;
  virtual void PointerMoved(POINT screen) = 0;
  virtual void ButtonChanged(MouseButton button, bool down, POINT screen) = 0;
  // Delta in WHEEL_DELTA units (120 per notch), positive away from the user.
  virtual void WheelTurned(int delta, POINT screen) = 0;
  // A virtual-key code; `text` is what the key types with the modifiers held (may be empty).
  virtual void KeyChanged(UINT vk, bool down, const std::wstring& text) = 0;
  // Text committed by an input method, delivered as characters.
  virtual void TextCommitted(const std::wstring& text) = 0;
  // The program lost the keyboard to another program.
  virtual void FocusLeftProgram() = 0;
  // The keyboard came back from another program, to this window.
  virtual void FocusReturned(HWND hwnd) = 0;
  // The desktop asks to close a top-level window (a title-bar close on X11).
  virtual void CloseRequested(HWND hwnd) = 0;
  // Another program (or the taskbar) asks to restore and activate a top-level window.
  virtual void RestoreRequested(HWND hwnd) = 0;
};

}  // namespace platform::backend

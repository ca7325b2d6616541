#pragma once
// Plain values passed between the window layer and a backend.
#include <cstdint>
#include <string>

#include "platform/base/WinTypes.h"

namespace platform::backend {

// A backend's own id of a top-level surface; 0 is no surface.
typedef uint64_t SurfaceId;

struct MonitorDesc {
  RECT bounds;  // screen coordinates; the primary monitor's origin is (0,0)
  RECT work;    // the part not taken by panels and docks
  bool primary = false;
  std::wstring name;
};

// What a backend needs to map a top-level window the right way.
struct SurfaceDesc {
  HWND hwnd = nullptr;
  RECT rect{};             // screen coordinates
  SurfaceId owner = 0;     // the owner's surface, 0 when unowned
  bool popup = false;      // WS_POPUP
  bool toolWindow = false; // WS_EX_TOOLWINDOW: menus and drop-downs
  bool noActivate = false; // tooltips and shadows
  bool topmost = false;
  // The window's own extended style and class at creation: roles on a desktop are
  // decided once, when the surface is made.
  DWORD exStyle = 0;
  std::wstring className;
};

enum class ShowState { Hidden, Normal, Minimized, Maximized };

enum class MouseButton { Left, Right, Middle };

// The system cursor shapes LoadCursorW knows.
enum class CursorShape {
  Arrow, IBeam, Wait, Cross, UpArrow, SizeNWSE, SizeNESW, SizeWE, SizeNS, SizeAll, No, Hand,
  AppStarting, Help, Hidden
};

}  // namespace platform::backend

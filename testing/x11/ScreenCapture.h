#pragma once
// Reads what the X display shows, for tests: a part of the screen or a window as it
// appears there, as a cairo image, or saved as PNG. Uses a connection of its own, so
// it can be called from any thread while the X thread runs.
#include <cairo.h>

#include <string>

#include "platform/base/WinTypes.h"

namespace platform::x11 {

class ScreenCapture {
 public:
  // The screen's pixels in `area` (root coordinates), opaque ARGB32; null when the
  // display cannot be read. The caller destroys the surface.
  static cairo_surface_t* Grab(const RECT& area);
  // The whole screen.
  static cairo_surface_t* GrabScreen();
  // What lies on the screen where the layer has the window.
  static cairo_surface_t* GrabWindow(HWND hwnd);
  static bool SavePng(cairo_surface_t* image, const std::string& path);
  // The pixel at (x, y) of a grabbed image as 0xRRGGBB.
  static uint32_t PixelAt(cairo_surface_t* image, int x, int y);
};

}  // namespace platform::x11

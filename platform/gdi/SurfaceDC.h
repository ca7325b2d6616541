#pragma once
// Device contexts over an image owned by the window layer: GetDC, BeginPaint and
// their releases sit on these.
#include <cairo.h>

#include "platform/base/WinTypes.h"

namespace platform::gdi {

// A DC drawing into `surface` (a cairo image surface, ARGB32). `origin` is where the
// painted window's client area lies inside that image; the DC's coordinates are the
// window's client coordinates. `clip` (client coordinates, copied) limits every
// drawing and stays in force under SelectClipRgn; null means the whole surface.
// The surface must outlive the DC; the DC takes a reference on it.
HDC CreateSurfaceDC(cairo_surface_t* surface, POINT origin, HRGN clip);
void DeleteSurfaceDC(HDC hdc);

}  // namespace platform::gdi

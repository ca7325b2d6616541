#pragma once
// Reading what a device context holds, for presenting layered windows.
#include <cairo.h>

#include "platform/base/WinTypes.h"

namespace platform::gdi {

// A new ARGB32 image (premultiplied, top-down) holding the `width` x `height`
// pixels of the DC at logical (x, y); pixels outside what the DC holds are
// transparent. The caller destroys it. Null for an invalid DC or size.
cairo_surface_t* CopyDCPixels(HDC hdc, int x, int y, int width, int height);

}  // namespace platform::gdi

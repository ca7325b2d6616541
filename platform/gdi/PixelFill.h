#pragma once
// Filling device pixels directly, for the GDI calls whose result is exact (fills,
// gradients): no anti-aliasing and no rounding through a rasteriser.
#include <cstdint>

#include "platform/base/WinTypes.h"
#include "platform/gdi/PixRegion.h"

namespace platform::gdi {

class DrawScope;

// The premultiplied B, G, R, A pixel of an opaque COLORREF.
uint32_t OpaquePixel(COLORREF color);

// Writes `pixel` into every pixel of the logical rectangle that the scope's clip lets
// through.
void FillLogicalRect(DrawScope& scope, const RECT& rect, uint32_t pixel);

// The part of a logical rectangle that drawing may touch, in device coordinates.
PixRegion DeviceArea(const DrawScope& scope, const RECT& rect);

}  // namespace platform::gdi

#pragma once
// A copy of a presented window picture: premultiplied ARGB32, top-down, no padding.
#include <cairo.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform::x11 {

struct PixelImage {
  int width = 0;
  int height = 0;
  bool perPixelAlpha = false;
  std::vector<uint32_t> pixels;

  // Copies `image`; a picture that is not layered is made opaque on the way.
  static PixelImage Copy(cairo_surface_t* image, bool perPixelAlpha);
  uint32_t At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

}  // namespace platform::x11

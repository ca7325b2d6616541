#include "platform/backend/x11/PixelImage.h"

#include <cstring>

namespace platform::x11 {

PixelImage PixelImage::Copy(cairo_surface_t* image, bool perPixelAlpha) {
  PixelImage copy;
  copy.perPixelAlpha = perPixelAlpha;
  if (!image || cairo_surface_get_type(image) != CAIRO_SURFACE_TYPE_IMAGE) return copy;
  cairo_surface_flush(image);
  const unsigned char* data = cairo_image_surface_get_data(image);
  if (!data) return copy;
  copy.width = cairo_image_surface_get_width(image);
  copy.height = cairo_image_surface_get_height(image);
  const int stride = cairo_image_surface_get_stride(image);
  // The rows are appended, not copied over a zero-filled buffer first.
  copy.pixels.reserve(size_t(copy.width) * size_t(copy.height));
  for (int y = 0; y < copy.height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * size_t(stride));
    copy.pixels.insert(copy.pixels.end(), row, row + copy.width);
  }
  if (!perPixelAlpha) {
    for (uint32_t& pixel : copy.pixels) pixel |= 0xFF000000u;
  }
  return copy;
}

}  // namespace platform::x11

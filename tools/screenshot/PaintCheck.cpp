#include "tools/screenshot/PaintCheck.h"

#include <cstdint>
#include <cstring>

namespace screenshot {

bool PaintCheck::OneColour(cairo_surface_t* picture) {
  cairo_surface_flush(picture);
  const int width = cairo_image_surface_get_width(picture);
  const int height = cairo_image_surface_get_height(picture);
  const int stride = cairo_image_surface_get_stride(picture);
  const unsigned char* data = cairo_image_surface_get_data(picture);
  if (data == nullptr || width <= 0 || height <= 0) return true;
  const uint32_t first = *reinterpret_cast<const uint32_t*>(data);
  for (int y = 0; y < height; ++y) {
    const uint32_t* row = reinterpret_cast<const uint32_t*>(data + y * stride);
    for (int x = 0; x < width; ++x) {
      if (row[x] != first) return false;
    }
  }
  return true;
}

bool PaintCheck::Same(cairo_surface_t* first, cairo_surface_t* second) {
  cairo_surface_flush(first);
  cairo_surface_flush(second);
  const int width = cairo_image_surface_get_width(first);
  const int height = cairo_image_surface_get_height(first);
  if (width != cairo_image_surface_get_width(second) || height != cairo_image_surface_get_height(second)) {
    return false;
  }
  const int stride = cairo_image_surface_get_stride(first);
  if (stride != cairo_image_surface_get_stride(second)) return false;
  const unsigned char* a = cairo_image_surface_get_data(first);
  const unsigned char* b = cairo_image_surface_get_data(second);
  if (a == nullptr || b == nullptr) return false;
  return std::memcmp(a, b, static_cast<size_t>(stride) * static_cast<size_t>(height)) == 0;
}

}  // namespace screenshot

#include "platform/backend/headless/HeadlessSurface.h"

#include <cstdint>
#include <cstring>

namespace platform::headless {
namespace {

cairo_surface_t* CopySurface(cairo_surface_t* source) {
  const int width = cairo_image_surface_get_width(source);
  const int height = cairo_image_surface_get_height(source);
  cairo_surface_t* copy = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  cairo_surface_flush(source);
  const int srcStride = cairo_image_surface_get_stride(source);
  const int dstStride = cairo_image_surface_get_stride(copy);
  const unsigned char* src = cairo_image_surface_get_data(source);
  unsigned char* dst = cairo_image_surface_get_data(copy);
  for (int y = 0; y < height && src && dst; ++y) {
    std::memcpy(dst + y * dstStride, src + y * srcStride, size_t(width) * 4);
  }
  cairo_surface_mark_dirty(copy);
  return copy;
}

// A window that is not layered shows opaque, whatever alpha its pixels hold.
void MakeOpaque(cairo_surface_t* image) {
  unsigned char* data = cairo_image_surface_get_data(image);
  const int stride = cairo_image_surface_get_stride(image);
  const int width = cairo_image_surface_get_width(image);
  const int height = cairo_image_surface_get_height(image);
  for (int y = 0; y < height; ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = 0; x < width; ++x) row[x] |= 0xFF000000u;
  }
  cairo_surface_mark_dirty(image);
}

}  // namespace

HeadlessSurface::HeadlessSurface(const backend::SurfaceDesc& d) : desc(d) { pixman_region32_init(&shape_); }

HeadlessSurface::~HeadlessSurface() {
  if (image_) cairo_surface_destroy(image_);
  pixman_region32_fini(&shape_);
}

void HeadlessSurface::Present(cairo_surface_t* image, bool alpha) {
  if (image_) cairo_surface_destroy(image_);
  image_ = image ? CopySurface(image) : nullptr;
  perPixelAlpha = alpha;
  if (image_ && !alpha) MakeOpaque(image_);
  ++presentCount;
}

void HeadlessSurface::SetShape(const pixman_region32_t* shape) {
  hasShape = shape != nullptr;
  if (shape) {
    pixman_region32_copy(&shape_, const_cast<pixman_region32_t*>(shape));
  } else {
    pixman_region32_clear(&shape_);
  }
}

cairo_surface_t* HeadlessSurface::CopyImage() const { return image_ ? CopySurface(image_) : nullptr; }

bool HeadlessSurface::ShapeContains(int x, int y) const {
  if (!hasShape) return true;
  return pixman_region32_contains_point(const_cast<pixman_region32_t*>(&shape_), x, y, nullptr);
}

}  // namespace platform::headless

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

// Copies `source` into `target` of the same size, making it opaque on the way for a
// window that is not layered: such a window shows opaque whatever alpha its pixels hold.
void CopyPixels(cairo_surface_t* source, cairo_surface_t* target, bool opaque) {
  cairo_surface_flush(source);
  cairo_surface_flush(target);
  const int width = cairo_image_surface_get_width(source);
  const int height = cairo_image_surface_get_height(source);
  const int srcStride = cairo_image_surface_get_stride(source);
  const int dstStride = cairo_image_surface_get_stride(target);
  const unsigned char* src = cairo_image_surface_get_data(source);
  unsigned char* dst = cairo_image_surface_get_data(target);
  const uint32_t alpha = opaque ? 0xFF000000u : 0;
  for (int y = 0; y < height && src && dst; ++y) {
    const auto* from = reinterpret_cast<const uint32_t*>(src + size_t(y) * size_t(srcStride));
    auto* to = reinterpret_cast<uint32_t*>(dst + size_t(y) * size_t(dstStride));
    for (int x = 0; x < width; ++x) to[x] = from[x] | alpha;
  }
  cairo_surface_mark_dirty(target);
}

bool SameSize(cairo_surface_t* a, cairo_surface_t* b) {
  return cairo_image_surface_get_width(a) == cairo_image_surface_get_width(b) &&
         cairo_image_surface_get_height(a) == cairo_image_surface_get_height(b);
}

}  // namespace

HeadlessSurface::HeadlessSurface(const backend::SurfaceDesc& d) : desc(d) { pixman_region32_init(&shape_); }

HeadlessSurface::~HeadlessSurface() {
  if (image_) cairo_surface_destroy(image_);
  pixman_region32_fini(&shape_);
}

// The last picture's pixels are written over when the size stays: a fresh picture per
// frame cost an allocation and its first touch of every page.
void HeadlessSurface::Present(cairo_surface_t* image, bool alpha) {
  perPixelAlpha = alpha;
  ++presentCount;
  if (image_ && (!image || !SameSize(image_, image))) {
    cairo_surface_destroy(image_);
    image_ = nullptr;
  }
  if (!image) return;
  if (!image_) {
    image_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cairo_image_surface_get_width(image),
                                        cairo_image_surface_get_height(image));
  }
  CopyPixels(image, image_, !alpha);
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

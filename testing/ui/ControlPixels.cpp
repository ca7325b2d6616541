#include "testing/ui/ControlPixels.h"

#include <cairo.h>

#include <algorithm>

#include "platform/backend/headless/HeadlessBackend.h"

namespace controltest {

ControlPixels::ControlPixels(HWND hwnd, const RECT& rcControl) {
  platform::headless::HeadlessBackend* backend = platform::headless::HeadlessBackend::Instance();
  cairo_surface_t* image = backend != nullptr ? backend->CopyImage(hwnd) : nullptr;
  if (image == nullptr) return;
  cairo_surface_flush(image);
  const int imageWidth = cairo_image_surface_get_width(image);
  const int imageHeight = cairo_image_surface_get_height(image);
  const int stride = cairo_image_surface_get_stride(image);
  const unsigned char* data = cairo_image_surface_get_data(image);
  width_ = std::max(0, static_cast<int>(rcControl.right - rcControl.left));
  height_ = std::max(0, static_cast<int>(rcControl.bottom - rcControl.top));
  pixels_.assign(static_cast<size_t>(width_) * height_, 0xDEADBEEF);
  for (int y = 0; y < height_; ++y) {
    const int iy = rcControl.top + y;
    if (iy < 0 || iy >= imageHeight) continue;
    const uint32_t* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(iy) * stride);
    for (int x = 0; x < width_; ++x) {
      const int ix = rcControl.left + x;
      if (ix >= 0 && ix < imageWidth) pixels_[static_cast<size_t>(y) * width_ + x] = row[ix];
    }
  }
  cairo_surface_destroy(image);
}

uint32_t ControlPixels::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0xDEADBEEF;
  return pixels_[static_cast<size_t>(y) * width_ + x];
}

int ControlPixels::Count(uint32_t argb) const {
  return static_cast<int>(std::count(pixels_.begin(), pixels_.end(), argb));
}

RECT ControlPixels::InkBox(uint32_t background) const {
  RECT box = {width_, height_, 0, 0};
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (At(x, y) == background) continue;
      box.left = std::min<LONG>(box.left, x);
      box.top = std::min<LONG>(box.top, y);
      box.right = std::max<LONG>(box.right, x + 1);
      box.bottom = std::max<LONG>(box.bottom, y + 1);
    }
  }
  if (box.right <= box.left) return RECT{0, 0, 0, 0};
  return box;
}

}  // namespace controltest

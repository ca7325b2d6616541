#include "tests/platform/user/PresentedImage.h"

namespace test {

PresentedImage::PresentedImage(platform::headless::TestDriver& driver, HWND topLevel)
    : image_(driver.Backend().CopyImage(topLevel)) {}

PresentedImage::~PresentedImage() {
  if (image_) cairo_surface_destroy(image_);
}

uint32_t PresentedImage::At(int x, int y) const {
  if (!image_ || x < 0 || y < 0 || x >= cairo_image_surface_get_width(image_) ||
      y >= cairo_image_surface_get_height(image_)) {
    return 0;
  }
  const unsigned char* data = cairo_image_surface_get_data(image_);
  return *reinterpret_cast<const uint32_t*>(data + y * cairo_image_surface_get_stride(image_) + x * 4);
}

uint32_t PresentedImage::Opaque(COLORREF colour) {
  return 0xFF000000u | (uint32_t(GetRValue(colour)) << 16) | (uint32_t(GetGValue(colour)) << 8) | GetBValue(colour);
}

bool PresentedImage::Near(uint32_t a, uint32_t b, int tolerance) {
  for (int shift = 0; shift < 24; shift += 8) {
    const int d = int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF);
    if (d > tolerance || d < -tolerance) return false;
  }
  return true;
}

int PresentedImage::Count(const RECT& area, const std::function<bool(uint32_t)>& test) const {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (test(At(x, y))) ++count;
    }
  }
  return count;
}

int PresentedImage::RightmostInk(const RECT& area, uint32_t background) const {
  for (int x = area.right - 1; x >= area.left; --x) {
    for (int y = area.top; y < area.bottom; ++y) {
      if (At(x, y) != background) return x;
    }
  }
  return area.left - 1;
}

}  // namespace test

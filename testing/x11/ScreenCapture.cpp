#include "testing/x11/ScreenCapture.h"

#include "platform/backend/x11/XHeaders.h"
#include <X11/Xutil.h>

#include "platform/backend/x11/ErrorTrap.h"
#include "platform/user/User.h"

namespace platform::x11 {
namespace {

// A channel of a pixel given its mask, scaled to 8 bits.
uint32_t Channel(unsigned long pixel, unsigned long mask) {
  if (!mask) return 0;
  int shift = 0;
  while (!((mask >> shift) & 1ul)) ++shift;
  unsigned long width = 0;
  while ((mask >> (shift + int(width))) & 1ul) ++width;
  const unsigned long value = (pixel & mask) >> shift;
  const unsigned long top = (1ul << width) - 1;
  return uint32_t(value * 255 / top);
}

}  // namespace

cairo_surface_t* ScreenCapture::Grab(const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return nullptr;
  XInitThreads();
  Display* display = XOpenDisplay(nullptr);
  if (!display) return nullptr;
  const Window root = DefaultRootWindow(display);
  XImage* image = nullptr;
  {
    ErrorTrap trap(display);
    image = XGetImage(display, root, area.left, area.top, unsigned(width), unsigned(height), AllPlanes, ZPixmap);
  }
  cairo_surface_t* out = nullptr;
  if (image) {
    out = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    unsigned char* data = cairo_image_surface_get_data(out);
    const int stride = cairo_image_surface_get_stride(out);
    for (int y = 0; y < height; ++y) {
      uint32_t* row = reinterpret_cast<uint32_t*>(data + y * stride);
      for (int x = 0; x < width; ++x) {
        const unsigned long pixel = XGetPixel(image, x, y);
        row[x] = 0xFF000000u | (Channel(pixel, image->red_mask) << 16) | (Channel(pixel, image->green_mask) << 8) |
                 Channel(pixel, image->blue_mask);
      }
    }
    cairo_surface_mark_dirty(out);
    XDestroyImage(image);
  }
  XCloseDisplay(display);
  return out;
}

cairo_surface_t* ScreenCapture::GrabScreen() {
  XInitThreads();
  Display* display = XOpenDisplay(nullptr);
  if (!display) return nullptr;
  const RECT area{0, 0, DisplayWidth(display, DefaultScreen(display)), DisplayHeight(display, DefaultScreen(display))};
  XCloseDisplay(display);
  return Grab(area);
}

cairo_surface_t* ScreenCapture::GrabWindow(HWND hwnd) {
  RECT rect{};
  if (!GetWindowRect(hwnd, &rect)) return nullptr;
  return Grab(rect);
}

bool ScreenCapture::SavePng(cairo_surface_t* image, const std::string& path) {
  return image && cairo_surface_write_to_png(image, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

uint32_t ScreenCapture::PixelAt(cairo_surface_t* image, int x, int y) {
  if (!image || x < 0 || y < 0 || x >= cairo_image_surface_get_width(image) ||
      y >= cairo_image_surface_get_height(image)) {
    return 0;
  }
  cairo_surface_flush(image);
  const unsigned char* data = cairo_image_surface_get_data(image);
  const uint32_t pixel = *reinterpret_cast<const uint32_t*>(data + y * cairo_image_surface_get_stride(image) + x * 4);
  return pixel & 0x00FFFFFFu;
}

}  // namespace platform::x11

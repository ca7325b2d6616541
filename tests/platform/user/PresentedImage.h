#pragma once
// What a top-level window last handed the headless backend, read as 0xAARRGGBB
// pixels at window coordinates.
#include <cairo.h>

#include <cstdint>
#include <functional>

#include "testing/driver/TestDriver.h"

namespace test {

class PresentedImage {
 public:
  PresentedImage(platform::headless::TestDriver& driver, HWND topLevel);
  ~PresentedImage();
  PresentedImage(const PresentedImage&) = delete;
  PresentedImage& operator=(const PresentedImage&) = delete;

  bool Valid() const { return image_ != nullptr; }
  // 0 outside the picture.
  uint32_t At(int x, int y) const;
  // RGB(r, g, b) as the picture holds it, opaque.
  static uint32_t Opaque(COLORREF colour);
  // Every colour channel of `a` within `tolerance` of `b`'s (anti-aliased text has
  // few pixels of exactly its colour).
  static bool Near(uint32_t a, uint32_t b, int tolerance);
  // How many pixels of `area` satisfy `test`.
  int Count(const RECT& area, const std::function<bool(uint32_t)>& test) const;
  // The rightmost column of `area` holding a pixel unlike `background`; area.left - 1 when none.
  int RightmostInk(const RECT& area, uint32_t background) const;

 private:
  cairo_surface_t* image_;
};

}  // namespace test

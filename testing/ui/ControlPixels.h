#pragma once
// What a window presented over one control: its pixels as 0xAARRGGBB, read once, and
// the questions tests ask of them.
#include <cstdint>
#include <vector>

#include "platform/win32.h"

namespace controltest {

class ControlPixels {
 public:
  ControlPixels() = default;
  // `rcControl` in the window's client area, which is the presented picture.
  ControlPixels(HWND hwnd, const RECT& rcControl);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // 0xDEADBEEF outside the control or the picture.
  uint32_t At(int x, int y) const;
  int Count(uint32_t argb) const;
  // The smallest rectangle holding every pixel unlike `background`; empty when none.
  RECT InkBox(uint32_t background) const;

 private:
  std::vector<uint32_t> pixels_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace controltest

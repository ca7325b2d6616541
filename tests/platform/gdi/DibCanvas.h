#pragma once
// A memory DC with a 32-bit DIB section selected, for reading drawn pixels back.
#include <cstdint>

#include "platform/gdi/Gdi.h"

class DibCanvas {
 public:
  DibCanvas(int width, int height, bool bottomUp = false) : width_(width), height_(height), bottomUp_(bottomUp) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = bottomUp ? height : -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    previous_ = SelectObject(dc_, bitmap_);
  }
  ~DibCanvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  DibCanvas(const DibCanvas&) = delete;
  DibCanvas& operator=(const DibCanvas&) = delete;

  HDC dc() const { return dc_; }
  HBITMAP bitmap() const { return bitmap_; }
  uint32_t* bits() const { return bits_; }
  int width() const { return width_; }
  int height() const { return height_; }

  // The pixel at image row y (counted from the top), as 0xAARRGGBB.
  uint32_t At(int x, int y) const {
    int row = bottomUp_ ? height_ - 1 - y : y;
    return bits_[row * width_ + x];
  }
  void Set(int x, int y, uint32_t pixel) {
    int row = bottomUp_ ? height_ - 1 - y : y;
    bits_[row * width_ + x] = pixel;
  }
  void Fill(uint32_t pixel) {
    for (int i = 0; i < width_ * height_; ++i) bits_[i] = pixel;
  }
  // Pixels of the rectangle that differ from `background`.
  int CountNot(uint32_t background, RECT r) const {
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) count += At(x, y) != background;
    return count;
  }
  // The bounding box of pixels that differ from `background` (empty when none).
  RECT InkBox(uint32_t background) const {
    RECT box{width_, height_, 0, 0};
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x)
        if (At(x, y) != background) {
          if (x < box.left) box.left = x;
          if (y < box.top) box.top = y;
          if (x + 1 > box.right) box.right = x + 1;
          if (y + 1 > box.bottom) box.bottom = y + 1;
        }
    if (box.right == 0) box = RECT{0, 0, 0, 0};
    return box;
  }

 private:
  int width_;
  int height_;
  bool bottomUp_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  uint32_t* bits_ = nullptr;
};

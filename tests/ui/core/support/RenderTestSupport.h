#pragma once
// What the render engine's tests draw into and read back: a 32-bit DIB section in a
// memory DC, bitmaps painted from a colour function, PNG files written for the
// loader, and a temporary folder that vanishes with the test.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace rendertest {

// Premultiplied AARRGGBB of an opaque colour.
constexpr DWORD Opaque(DWORD rgb) { return 0xFF000000u | rgb; }

// A top-down 32-bit DIB section selected into a memory DC.
class Canvas {
 public:
  Canvas(int width, int height, DWORD fill = 0xFFFFFFFF);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC DC() const { return dc_; }
  // The stored pixel: premultiplied alpha, red, green, blue from the top byte down.
  DWORD Pixel(int x, int y) const { return bits_[y * width_ + x]; }
  void Fill(DWORD pixel);
  // How many pixels of the rectangle hold exactly this value.
  int Count(const RECT& rc, DWORD pixel) const;
  // True when no pixel outside the rectangle differs from the value.
  bool OnlyInside(const RECT& rc, DWORD background) const;

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  DWORD* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

// A top-down 32-bit DIB of premultiplied pixels given by pixel(x, y).
HBITMAP MakeBitmap(int width, int height, const std::function<DWORD(int, int)>& pixel);

// A folder under the system's temporary folder, removed with everything in it.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  // The folder with a final separator, as the skin folder is kept.
  std::wstring Path() const;
  std::wstring File(const std::wstring& name) const { return Path() + name; }

 private:
  std::string path_;
};

// Straight (not premultiplied) AARRGGBB pixels written as a PNG file, rows top down.
bool WritePng(const std::wstring& path, int width, int height, const std::vector<DWORD>& argb);

// Narrow text of a wide path (ASCII only, as the tests use).
std::string Narrow(const std::wstring& text);

}  // namespace rendertest

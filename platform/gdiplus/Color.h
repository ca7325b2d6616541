#pragma once
// A GDI+ colour: 32-bit ARGB, not premultiplied.
#include "platform/gdiplus/GdiPlusTypes.h"

namespace Gdiplus {

class Color {
 public:
  enum : ARGB {
    Black = 0xFF000000,
    White = 0xFFFFFFFF,
    Red = 0xFFFF0000,
    Green = 0xFF008000,
    Blue = 0xFF0000FF,
    Transparent = 0x00FFFFFF
  };
  enum { AlphaShift = 24, RedShift = 16, GreenShift = 8, BlueShift = 0 };

  Color() : argb_(Black) {}
  Color(BYTE r, BYTE g, BYTE b) : argb_(MakeARGB(255, r, g, b)) {}
  Color(BYTE a, BYTE r, BYTE g, BYTE b) : argb_(MakeARGB(a, r, g, b)) {}
  Color(ARGB argb) : argb_(argb) {}  // NOLINT: implicit as in GDI+

  BYTE GetA() const { return static_cast<BYTE>(argb_ >> AlphaShift); }
  BYTE GetR() const { return static_cast<BYTE>(argb_ >> RedShift); }
  BYTE GetG() const { return static_cast<BYTE>(argb_ >> GreenShift); }
  BYTE GetB() const { return static_cast<BYTE>(argb_ >> BlueShift); }
  BYTE GetAlpha() const { return GetA(); }
  BYTE GetRed() const { return GetR(); }
  BYTE GetGreen() const { return GetG(); }
  BYTE GetBlue() const { return GetB(); }
  ARGB GetValue() const { return argb_; }
  void SetValue(ARGB argb) { argb_ = argb; }
  void SetFromCOLORREF(COLORREF rgb) { argb_ = MakeARGB(255, GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)); }
  COLORREF ToCOLORREF() const { return RGB(GetR(), GetG(), GetB()); }

  static ARGB MakeARGB(BYTE a, BYTE r, BYTE g, BYTE b) {
    return static_cast<ARGB>(a) << AlphaShift | static_cast<ARGB>(r) << RedShift |
           static_cast<ARGB>(g) << GreenShift | static_cast<ARGB>(b) << BlueShift;
  }

 private:
  ARGB argb_;
};

}  // namespace Gdiplus

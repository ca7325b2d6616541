#pragma once
// A pen handle's object: style, width in pixels and colour.
#include "platform/base/WinTypes.h"
#include "platform/gdi/GdiObject.h"

namespace platform::gdi {

class PenObject : public GdiObject {
 public:
  PenObject(UINT style, int width, COLORREF color);

  static PenObject* FromHandle(HGDIOBJ handle);
  HPEN Handle() { return reinterpret_cast<HPEN>(static_cast<GdiObject*>(this)); }

  UINT Style() const { return style_; }
  int Width() const { return width_; }
  COLORREF Color() const { return color_; }
  bool Draws() const;

 private:
  UINT style_;
  int width_;
  COLORREF color_;
};

}  // namespace platform::gdi

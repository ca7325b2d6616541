#pragma once
// A brush handle's object: a solid colour, or the null brush that paints nothing.
#include "platform/base/WinTypes.h"
#include "platform/gdi/GdiObject.h"

namespace platform::gdi {

class BrushObject : public GdiObject {
 public:
  BrushObject(UINT style, COLORREF color);

  static BrushObject* FromHandle(HGDIOBJ handle);
  HBRUSH Handle() { return reinterpret_cast<HBRUSH>(static_cast<GdiObject*>(this)); }

  UINT Style() const { return style_; }
  COLORREF Color() const { return color_; }
  bool Paints() const;

 private:
  UINT style_;
  COLORREF color_;
};

}  // namespace platform::gdi

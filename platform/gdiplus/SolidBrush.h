#pragma once
// A brush of one colour.
#include "platform/gdiplus/Brush.h"
#include "platform/gdiplus/Color.h"

namespace Gdiplus {

class SolidBrush : public Brush {
 public:
  explicit SolidBrush(const Color& color) : color_(color) {}
  Brush* Clone() const override { return new SolidBrush(color_); }
  Status GetColor(Color* color) const;
  Status SetColor(const Color& color);
  cairo_pattern_t* NewPattern() const override;

 private:
  Color color_;
};

}  // namespace Gdiplus

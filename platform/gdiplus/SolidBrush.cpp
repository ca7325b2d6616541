#include "platform/gdiplus/SolidBrush.h"

namespace Gdiplus {

Status SolidBrush::GetColor(Color* color) const {
  if (!color) return InvalidParameter;
  *color = color_;
  return Ok;
}

Status SolidBrush::SetColor(const Color& color) {
  color_ = color;
  return Ok;
}

cairo_pattern_t* SolidBrush::NewPattern() const {
  return cairo_pattern_create_rgba(color_.GetR() / 255.0, color_.GetG() / 255.0, color_.GetB() / 255.0,
                                   color_.GetA() / 255.0);
}

}  // namespace Gdiplus

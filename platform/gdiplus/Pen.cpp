#include "platform/gdiplus/Pen.h"

#include <algorithm>

namespace Gdiplus {

Pen::Pen(const Color& color, REAL width) : color_(color), width_(width) {}

Pen::Pen(const Brush* brush, REAL width) : brush_(brush ? brush->Clone() : nullptr), width_(width) {}

Status Pen::SetWidth(REAL width) {
  width_ = width;
  return Ok;
}

Status Pen::GetColor(Color* color) const {
  if (!color) return InvalidParameter;
  *color = color_;
  return Ok;
}

Status Pen::SetColor(const Color& color) {
  color_ = color;
  brush_.reset();
  return Ok;
}

Status Pen::SetDashStyle(DashStyle dashStyle) {
  dashStyle_ = dashStyle;
  return Ok;
}

Status Pen::SetAlignment(PenAlignment alignment) {
  alignment_ = alignment;
  return Ok;
}

void Pen::Apply(cairo_t* cr) const {
  if (brush_) {
    cairo_pattern_t* pattern = brush_->NewPattern();
    cairo_set_source(cr, pattern);
    cairo_pattern_destroy(pattern);
  } else {
    cairo_set_source_rgba(cr, color_.GetR() / 255.0, color_.GetG() / 255.0, color_.GetB() / 255.0,
                          color_.GetA() / 255.0);
  }
  double width = std::max(width_, 1.0f / 64);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  // Dash lengths are multiples of the pen width.
  const double dash[] = {3 * width, width};
  const double dot[] = {width, width};
  const double dashDot[] = {3 * width, width, width, width};
  const double dashDotDot[] = {3 * width, width, width, width, width, width};
  switch (dashStyle_) {
    case DashStyleDash:
      cairo_set_dash(cr, dash, 2, 0);
      break;
    case DashStyleDot:
      cairo_set_dash(cr, dot, 2, 0);
      break;
    case DashStyleDashDot:
      cairo_set_dash(cr, dashDot, 4, 0);
      break;
    case DashStyleDashDotDot:
      cairo_set_dash(cr, dashDotDot, 6, 0);
      break;
    default:
      cairo_set_dash(cr, nullptr, 0, 0);
      break;
  }
}

}  // namespace Gdiplus

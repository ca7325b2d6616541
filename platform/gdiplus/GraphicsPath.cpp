#include "platform/gdiplus/GraphicsPath.h"

#include <cmath>

namespace Gdiplus {

void AppendArc(cairo_t* cr, double x, double y, double width, double height, double startDegrees,
               double sweepDegrees) {
  if (width <= 0 || height <= 0) return;
  const double toRadians = 3.14159265358979323846 / 180.0;
  double start = startDegrees * toRadians;
  double end = (startDegrees + sweepDegrees) * toRadians;
  cairo_save(cr);
  cairo_translate(cr, x + width / 2, y + height / 2);
  cairo_scale(cr, width / 2, height / 2);
  if (sweepDegrees >= 0)
    cairo_arc(cr, 0, 0, 1, start, end);
  else
    cairo_arc_negative(cr, 0, 0, 1, start, end);
  cairo_restore(cr);
}

Status GraphicsPath::AddLine(REAL x1, REAL y1, REAL x2, REAL y2) {
  segments_.push_back(Segment{Kind::Line, x1, y1, x2, y2, 0, 0});
  return Ok;
}

Status GraphicsPath::AddLine(INT x1, INT y1, INT x2, INT y2) {
  return AddLine(static_cast<REAL>(x1), static_cast<REAL>(y1), static_cast<REAL>(x2), static_cast<REAL>(y2));
}

Status GraphicsPath::AddArc(REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle) {
  if (width <= 0 || height <= 0) return InvalidParameter;
  segments_.push_back(Segment{Kind::Arc, x, y, width, height, startAngle, sweepAngle});
  return Ok;
}

Status GraphicsPath::AddArc(INT x, INT y, INT width, INT height, REAL startAngle, REAL sweepAngle) {
  return AddArc(static_cast<REAL>(x), static_cast<REAL>(y), static_cast<REAL>(width), static_cast<REAL>(height),
                startAngle, sweepAngle);
}

Status GraphicsPath::AddArc(const RectF& rect, REAL startAngle, REAL sweepAngle) {
  return AddArc(rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}

Status GraphicsPath::AddRectangle(const RectF& rect) {
  StartFigure();
  AddLine(rect.X, rect.Y, rect.X + rect.Width, rect.Y);
  AddLine(rect.X + rect.Width, rect.Y + rect.Height, rect.X, rect.Y + rect.Height);
  return CloseFigure();
}

Status GraphicsPath::AddRectangle(const Rect& rect) {
  return AddRectangle(RectF(static_cast<REAL>(rect.X), static_cast<REAL>(rect.Y), static_cast<REAL>(rect.Width),
                            static_cast<REAL>(rect.Height)));
}

Status GraphicsPath::AddEllipse(REAL x, REAL y, REAL width, REAL height) {
  StartFigure();
  AddArc(x, y, width, height, 0, 360);
  return CloseFigure();
}

Status GraphicsPath::AddEllipse(INT x, INT y, INT width, INT height) {
  return AddEllipse(static_cast<REAL>(x), static_cast<REAL>(y), static_cast<REAL>(width), static_cast<REAL>(height));
}

Status GraphicsPath::StartFigure() {
  segments_.push_back(Segment{Kind::Start, 0, 0, 0, 0, 0, 0});
  return Ok;
}

Status GraphicsPath::CloseFigure() {
  segments_.push_back(Segment{Kind::Close, 0, 0, 0, 0, 0, 0});
  return Ok;
}

Status GraphicsPath::Reset() {
  segments_.clear();
  return Ok;
}

void GraphicsPath::Replay(cairo_t* cr) const {
  cairo_new_path(cr);
  for (const Segment& s : segments_) {
    switch (s.kind) {
      case Kind::Line:
        if (cairo_has_current_point(cr))
          cairo_line_to(cr, s.a, s.b);
        else
          cairo_move_to(cr, s.a, s.b);
        cairo_line_to(cr, s.c, s.d);
        break;
      case Kind::Arc:
        AppendArc(cr, s.a, s.b, s.c, s.d, s.e, s.f);
        break;
      case Kind::Close:
        if (cairo_has_current_point(cr)) cairo_close_path(cr);
        cairo_new_sub_path(cr);
        break;
      case Kind::Start:
        cairo_new_sub_path(cr);
        break;
    }
  }
  cairo_set_fill_rule(cr, fillMode_ == FillModeWinding ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
}

}  // namespace Gdiplus

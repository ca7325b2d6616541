#pragma once
// A path of lines and elliptical arcs. Within a figure each segment is joined to the
// previous one, as GDI+ joins them.
#include <cairo.h>

#include <vector>

#include "platform/gdiplus/GdiPlusGeometry.h"

namespace Gdiplus {

class GraphicsPath {
 public:
  explicit GraphicsPath(FillMode fillMode = FillModeAlternate) : fillMode_(fillMode) {}

  Status AddLine(REAL x1, REAL y1, REAL x2, REAL y2);
  Status AddLine(INT x1, INT y1, INT x2, INT y2);
  Status AddLine(const PointF& a, const PointF& b) { return AddLine(a.X, a.Y, b.X, b.Y); }
  // An arc of the ellipse in (x, y, width, height), angles in degrees clockwise from +x.
  Status AddArc(REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
  Status AddArc(INT x, INT y, INT width, INT height, REAL startAngle, REAL sweepAngle);
  Status AddArc(const RectF& rect, REAL startAngle, REAL sweepAngle);
  Status AddRectangle(const RectF& rect);
  Status AddRectangle(const Rect& rect);
  Status AddEllipse(REAL x, REAL y, REAL width, REAL height);
  Status AddEllipse(INT x, INT y, INT width, INT height);
  Status StartFigure();
  Status CloseFigure();
  Status Reset();
  FillMode GetFillMode() const { return fillMode_; }
  Status GetLastStatus() const { return Ok; }

  // Builds the path on a cairo context.
  void Replay(cairo_t* cr) const;

 private:
  enum class Kind { Line, Arc, Close, Start };
  struct Segment {
    Kind kind;
    REAL a, b, c, d, e, f;
  };
  std::vector<Segment> segments_;
  FillMode fillMode_;
};

// Adds an elliptical arc to a cairo path, joined to the current point when there is one.
void AppendArc(cairo_t* cr, double x, double y, double width, double height, double startDegrees,
               double sweepDegrees);

}  // namespace Gdiplus

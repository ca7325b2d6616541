#pragma once
// A pen: colour (or brush), width in world units, dash style and alignment.
#include <cairo.h>

#include <memory>

#include "platform/gdiplus/Brush.h"
#include "platform/gdiplus/Color.h"

namespace Gdiplus {

class Pen {
 public:
  explicit Pen(const Color& color, REAL width = 1.0f);
  explicit Pen(const Brush* brush, REAL width = 1.0f);
  Pen(const Pen&) = delete;
  Pen& operator=(const Pen&) = delete;

  Status GetLastStatus() const { return Ok; }
  REAL GetWidth() const { return width_; }
  Status SetWidth(REAL width);
  Status GetColor(Color* color) const;
  Status SetColor(const Color& color);
  DashStyle GetDashStyle() const { return dashStyle_; }
  Status SetDashStyle(DashStyle dashStyle);
  PenAlignment GetAlignment() const { return alignment_; }
  Status SetAlignment(PenAlignment alignment);

  // Sets the stroke source, width and dashes on a cairo context.
  void Apply(cairo_t* cr) const;

 private:
  Color color_;
  std::unique_ptr<Brush> brush_;
  REAL width_;
  DashStyle dashStyle_ = DashStyleSolid;
  PenAlignment alignment_ = PenAlignmentCenter;
};

}  // namespace Gdiplus

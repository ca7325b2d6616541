#pragma once
// Points, sizes and rectangles in integer and floating-point forms.
#include "platform/gdiplus/GdiPlusTypes.h"

namespace Gdiplus {

class PointF {
 public:
  PointF() : X(0), Y(0) {}
  PointF(REAL x, REAL y) : X(x), Y(y) {}
  REAL X;
  REAL Y;
};

class Point {
 public:
  Point() : X(0), Y(0) {}
  Point(INT x, INT y) : X(x), Y(y) {}
  INT X;
  INT Y;
};

class SizeF {
 public:
  SizeF() : Width(0), Height(0) {}
  SizeF(REAL width, REAL height) : Width(width), Height(height) {}
  REAL Width;
  REAL Height;
};

class RectF {
 public:
  RectF() : X(0), Y(0), Width(0), Height(0) {}
  RectF(REAL x, REAL y, REAL width, REAL height) : X(x), Y(y), Width(width), Height(height) {}
  RectF(const PointF& location, const SizeF& size)
      : X(location.X), Y(location.Y), Width(size.Width), Height(size.Height) {}
  REAL GetLeft() const { return X; }
  REAL GetTop() const { return Y; }
  REAL GetRight() const { return X + Width; }
  REAL GetBottom() const { return Y + Height; }
  void GetBounds(RectF* rect) const { *rect = *this; }
  REAL X;
  REAL Y;
  REAL Width;
  REAL Height;
};

class Rect {
 public:
  Rect() : X(0), Y(0), Width(0), Height(0) {}
  Rect(INT x, INT y, INT width, INT height) : X(x), Y(y), Width(width), Height(height) {}
  INT GetLeft() const { return X; }
  INT GetTop() const { return Y; }
  INT GetRight() const { return X + Width; }
  INT GetBottom() const { return Y + Height; }
  INT X;
  INT Y;
  INT Width;
  INT Height;
};

}  // namespace Gdiplus

#pragma once
// Base of the brushes: what fills shapes and text.
#include <cairo.h>

#include "platform/gdiplus/GdiPlusTypes.h"

namespace Gdiplus {

class Brush {
 public:
  virtual ~Brush() = default;
  virtual Brush* Clone() const = 0;
  Status GetLastStatus() const { return status_; }
  // A new cairo pattern painting this brush in world coordinates.
  virtual cairo_pattern_t* NewPattern() const = 0;

 protected:
  Brush() = default;
  Brush(const Brush&) = default;
  Brush& operator=(const Brush&) = default;
  Status status_ = Ok;
};

}  // namespace Gdiplus

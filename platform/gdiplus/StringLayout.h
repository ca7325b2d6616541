#pragma once
// Lines of a string placed in a layout rectangle by a string format: wrapping (our own
// line breaking, as GDI's), ellipsis trimming, and the two alignments.
#include <string>
#include <vector>

#include "platform/gdiplus/GdiPlusGeometry.h"

namespace platform::gdi {
class FontObject;
}

namespace Gdiplus {

class StringFormat;

struct PlacedLine {
  std::wstring text;
  REAL x;
  REAL top;  // the line cell's top; the baseline is the font's ascent below it
  REAL width;
};

class StringLayout {
 public:
  // A layout rectangle of zero width or height leaves that direction unlimited.
  StringLayout(platform::gdi::FontObject& font, const WCHAR* text, INT length, const RectF& layout,
               const StringFormat* format);

  const std::vector<PlacedLine>& Lines() const { return lines_; }
  // The box the lines take.
  RectF Bounds() const { return bounds_; }
  REAL LineHeight() const { return lineHeight_; }

 private:
  std::vector<PlacedLine> lines_;
  RectF bounds_;
  REAL lineHeight_ = 0;
};

}  // namespace Gdiplus

#pragma once
// Draws one line of text the GDI way: glyphs anti-aliased in grey, blended in the
// text colour and left opaque; the cell's top-left at (x, y) and the baseline at the
// font's Windows ascent below it.
#include <cstddef>

#include "platform/base/WinTypes.h"

namespace platform::gdi {

class DrawScope;
class FontObject;

struct TextRun {
  const wchar_t* text;
  size_t count;
  int x;                    // logical cell left
  int y;                    // logical cell top
  COLORREF color;
  int underlined = -1;      // index of a character to underline (a menu prefix), or -1
  const RECT* clip = nullptr;  // logical rectangle that also clips, or null
};

class TextRenderer {
 public:
  static void Draw(DrawScope& scope, FontObject& font, const TextRun& run);
  // Fills the text cell (extent x height) with a colour, as the opaque background mode does.
  static void FillCell(DrawScope& scope, FontObject& font, const TextRun& run, COLORREF color);
};

}  // namespace platform::gdi

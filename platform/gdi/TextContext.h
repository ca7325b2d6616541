#pragma once
// The pango context text is shaped with, one per thread (pango contexts and the
// default font map are not shared between threads). Glyph positions are whole
// pixels, metrics are hinted, rendering is grey-scale anti-aliased.
#include <pango/pangocairo.h>

#include <string>

namespace platform::gdi {

class TextContext {
 public:
  static PangoContext* ForThread();
  // A new layout for `utf8` in `font`, with kerning and ligatures off, on one line.
  static PangoLayout* NewLayout(const std::string& utf8, const PangoFontDescription* font, bool underline,
                                bool strikeout);
  // The font options every text drawing uses.
  static const cairo_font_options_t* FontOptions();
};

}  // namespace platform::gdi

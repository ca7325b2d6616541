#pragma once
// The shaped one-line layouts of the texts drawn lately on the calling thread. Windows
// repaint the same captions and cells on every hover, and shaping is most of what a
// line of text costs: a text met again in the same font is drawn from its layout.
#include <pango/pango.h>

#include <cstddef>
#include <string>

namespace platform::gdi {

class LayoutCache {
 public:
  // Bytes [begin, end) of the text are underlined besides the font's own decoration (a
  // menu prefix); none when begin == end.
  struct Underline {
    size_t begin = 0;
    size_t end = 0;
  };

  // A new reference to the layout of `utf8` in `font`, as TextContext::NewLayout makes
  // it, with `underline` added. The caller unrefs it and must not change it.
  static PangoLayout* Get(const std::string& utf8, const PangoFontDescription* font, bool underlined,
                          bool struckOut, Underline underline);
};

}  // namespace platform::gdi

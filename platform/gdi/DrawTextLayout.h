#pragma once
// DrawTextW's line layout: prefix characters, paragraphs, word breaking (at spaces,
// and between Chinese characters; a longer word overflows whole unless the format
// asks for an edit control's break or a word ellipsis), the end ellipsis, and each
// line's width.
#include <string>
#include <vector>

#include "platform/base/WinTypes.h"

namespace platform::gdi {

class FontObject;

struct DrawTextLine {
  std::wstring text;
  int width = 0;
  int underlined = -1;  // index in `text` of the prefix-underlined character, or -1
};

class DrawTextLayout {
 public:
  DrawTextLayout(FontObject& font, const wchar_t* text, size_t count, UINT format, int width);

  const std::vector<DrawTextLine>& Lines() const { return lines_; }
  int MaxWidth() const;

  // Break opportunity rules, exposed for the line breaker's tests.
  static bool IsCjk(wchar_t ch);

 private:
  void StripPrefixes(const wchar_t* text, size_t count, UINT format);
  void AddParagraph(size_t begin, size_t end, UINT format);
  void AddLine(size_t begin, size_t end);
  void Ellipsise(DrawTextLine& line);
  // Where the word going on at `from` ends: at a space, a break between Chinese
  // characters, or `end`.
  size_t WordEnd(size_t from, size_t end) const;
  int Extent(size_t begin, size_t end);

  FontObject& font_;
  int width_;
  std::wstring text_;
  int underlined_ = -1;
  std::vector<DrawTextLine> lines_;
};

}  // namespace platform::gdi

#include "platform/gdi/DrawTextLayout.h"

#include <algorithm>

#include "platform/gdi/FontObject.h"
#include "platform/gdi/GdiConstants.h"

namespace platform::gdi {
namespace {

bool IsBreakSpace(wchar_t ch) { return ch == L' ' || ch == L'\t' || ch == 0x3000; }

bool IsLineEnd(wchar_t ch) { return ch == L'\n' || ch == L'\r'; }

// A line may end after position i - 1 and the next start at i: between two
// characters where one is Chinese.
bool BreakBetween(wchar_t before, wchar_t after) {
  return DrawTextLayout::IsCjk(before) || DrawTextLayout::IsCjk(after);
}

}  // namespace

bool DrawTextLayout::IsCjk(wchar_t ch) {
  return (ch >= 0x2E80 && ch <= 0x9FFF) || (ch >= 0xF900 && ch <= 0xFAFF) || (ch >= 0xFE30 && ch <= 0xFE4F) ||
         (ch >= 0xFF00 && ch <= 0xFFEF) || (ch >= 0x20000 && ch <= 0x2FFFF);
}

DrawTextLayout::DrawTextLayout(FontObject& font, const wchar_t* text, size_t count, UINT format, int width)
    : font_(font), width_(width) {
  StripPrefixes(text, count, format);
  if (format & DT_SINGLELINE) {
    std::wstring flat;
    int underlined = -1;
    for (size_t i = 0; i < text_.size(); ++i) {
      if (IsLineEnd(text_[i])) continue;
      if (static_cast<int>(i) == underlined_) underlined = static_cast<int>(flat.size());
      flat += text_[i];
    }
    text_ = flat;
    underlined_ = underlined;
    AddLine(0, text_.size());
  } else {
    size_t begin = 0;
    for (size_t i = 0; i <= text_.size(); ++i) {
      if (i < text_.size() && !IsLineEnd(text_[i])) continue;
      AddParagraph(begin, i, format);
      if (i + 1 < text_.size() && text_[i] == L'\r' && text_[i + 1] == L'\n') ++i;
      begin = i + 1;
    }
  }
  if (format & DT_END_ELLIPSIS) {
    for (DrawTextLine& line : lines_) Ellipsise(line);
  }
}

void DrawTextLayout::StripPrefixes(const wchar_t* text, size_t count, UINT format) {
  if (format & DT_NOPREFIX) {
    text_.assign(text, count);
    return;
  }
  for (size_t i = 0; i < count; ++i) {
    if (text[i] != L'&') {
      text_ += text[i];
      continue;
    }
    if (i + 1 >= count) break;  // a lone trailing prefix shows nothing
    ++i;
    if (text[i] != L'&' && underlined_ < 0 && !(format & DT_HIDEPREFIX))
      underlined_ = static_cast<int>(text_.size());
    text_ += text[i];
  }
}

int DrawTextLayout::Extent(size_t begin, size_t end) {
  return end > begin ? font_.Extent(text_.data() + begin, end - begin) : 0;
}

void DrawTextLayout::AddLine(size_t begin, size_t end) {
  DrawTextLine line;
  line.text = text_.substr(begin, end - begin);
  line.width = Extent(begin, end);
  if (underlined_ >= static_cast<int>(begin) && underlined_ < static_cast<int>(end))
    line.underlined = underlined_ - static_cast<int>(begin);
  lines_.push_back(std::move(line));
}

void DrawTextLayout::AddParagraph(size_t begin, size_t end, UINT format) {
  if (!(format & DT_WORDBREAK) || begin == end) {
    AddLine(begin, end);
    return;
  }
  size_t start = begin;
  while (start < end) {
    int used = 0;
    size_t breakEnd = start;   // where the line would end at the last opportunity
    size_t breakNext = start;  // where the next line would then start
    size_t i = start;
    for (; i < end; ++i) {
      wchar_t ch = text_[i];
      if (IsBreakSpace(ch)) {
        // Trailing spaces never push a line over: the line may end before them.
        size_t spaceEnd = i;
        while (i < end && IsBreakSpace(text_[i])) used += font_.Advance(text_[i++]);
        breakEnd = spaceEnd;
        breakNext = i;
        --i;
        continue;
      }
      if (i > start && BreakBetween(text_[i - 1], ch)) {
        breakEnd = i;
        breakNext = i;
      }
      used += font_.Advance(ch);
      if (used > width_ && i > start) break;
    }
    if (i >= end) {
      AddLine(start, std::min(end, breakNext == end ? breakEnd : end));
      break;
    }
    if (breakEnd > start) {
      AddLine(start, breakEnd);
      start = breakNext;
      continue;
    }
    if (format & DT_EDITCONTROL) {
      // An edit control breaks a word longer than the line where it overflows.
      AddLine(start, i);
      start = i;
      continue;
    }
    // A word longer than the line is kept whole and overflows (the drawing clips it),
    // or loses its end to an ellipsis.
    const size_t wordEnd = WordEnd(i, end);
    AddLine(start, wordEnd);
    if (format & DT_WORD_ELLIPSIS) Ellipsise(lines_.back());
    start = wordEnd;
    while (start < end && IsBreakSpace(text_[start])) ++start;
  }
}

size_t DrawTextLayout::WordEnd(size_t from, size_t end) const {
  size_t i = from + 1;
  while (i < end && !IsBreakSpace(text_[i]) && !BreakBetween(text_[i - 1], text_[i])) ++i;
  return i;
}

void DrawTextLayout::Ellipsise(DrawTextLine& line) {
  if (line.width <= width_) return;
  static const wchar_t kDots[] = L"...";
  int dots = font_.Extent(kDots, 3);
  size_t keep = line.text.size();
  while (keep > 0 && font_.Extent(line.text.data(), keep) + dots > width_) --keep;
  line.text.resize(keep);
  line.text += kDots;
  line.width = font_.Extent(line.text.data(), line.text.size());
  if (line.underlined >= static_cast<int>(keep)) line.underlined = -1;
}

int DrawTextLayout::MaxWidth() const {
  int widest = 0;
  for (const DrawTextLine& line : lines_) widest = std::max(widest, line.width);
  return widest;
}

}  // namespace platform::gdi

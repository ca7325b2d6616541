#include "platform/textservices/MultiLineEditor.h"

#include <algorithm>

#include "platform/base/Crt.h"
#include "platform/gdi/Gdi.h"
#include "platform/textservices/LineBreaker.h"

namespace platform::textservices {
namespace {

enum class CharClass { Space, Word, Other, Break };

CharClass ClassOf(wchar_t ch) {
  if (ch == MultiLineEditor::kBreak) return CharClass::Break;
  if (ch == L' ' || ch == L'\t' || ch == 0x3000) return CharClass::Space;
  if (ch == L'_' || IsCharAlphaNumericW(ch)) return CharClass::Word;
  return CharClass::Other;
}

bool IsSpace(wchar_t ch) { return ch == L' ' || ch == 0x3000; }

}  // namespace

MultiLineEditor::MultiLineEditor() : measureDc_(CreateCompatibleDC(nullptr)) { SetFont(nullptr); }

MultiLineEditor::~MultiLineEditor() {
  if (measureDc_) DeleteDC(measureDc_);
}

void MultiLineEditor::SetFont(HFONT font) {
  if (font_ == font && !lines_.empty()) return;
  font_ = font;
  advances_.clear();
  if (measureDc_) SelectObject(measureDc_, font_ ? HGDIOBJ(font_) : GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICW metrics{};
  lineHeight_ = measureDc_ && GetTextMetricsW(measureDc_, &metrics) ? metrics.tmHeight : 0;
  LayoutAll();
}

void MultiLineEditor::SetMultiLine(bool multiLine) {
  if (multiLine_ == multiLine) return;
  multiLine_ = multiLine;
  if (!multiLine_) {
    const size_t cut = text_.find(kBreak);
    if (cut != std::wstring::npos) text_.resize(cut);
    caret_ = std::min(caret_, text_.size());
    anchor_ = std::min(anchor_, text_.size());
  }
  LayoutAll();
}

void MultiLineEditor::SetWordWrap(bool wrap) {
  if (wrap_ == wrap) return;
  wrap_ = wrap;
  LayoutAll();
}

void MultiLineEditor::SetPasswordChar(wchar_t ch) {
  if (passwordChar_ == ch) return;
  passwordChar_ = ch;
  LayoutAll();
}

void MultiLineEditor::SetAlignment(Align align) {
  if (align_ == align) return;
  align_ = align;
  KeepCaretVisible();
}

void MultiLineEditor::SetViewSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == viewWidth_ && height == viewHeight_) return;
  const bool rewrap = Wraps() && width != viewWidth_;
  viewWidth_ = width;
  viewHeight_ = height;
  if (rewrap) {
    LayoutAll();
    return;
  }
  KeepCaretVisible();
}

std::wstring MultiLineEditor::Normalised(const std::wstring& text) const {
  std::wstring out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    wchar_t ch = text[i];
    if (ch == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
    if (ch == L'\n' || ch == L'\r') {
      if (!multiLine_) break;
      ch = kBreak;
    }
    out.push_back(ch);
  }
  return out;
}

void MultiLineEditor::SetText(const std::wstring& text) {
  text_ = Normalised(text);
  caret_ = anchor_ = 0;
  scrollX_ = scrollY_ = 0;
  goalX_ = -1;
  LayoutAll();
}

size_t MultiLineEditor::SelectionStart() const { return std::min(caret_, anchor_); }

size_t MultiLineEditor::SelectionEnd() const { return std::max(caret_, anchor_); }

std::wstring MultiLineEditor::SelectedText() const {
  return text_.substr(SelectionStart(), SelectionEnd() - SelectionStart());
}

void MultiLineEditor::Select(size_t anchor, size_t caret) {
  anchor_ = std::min(anchor, text_.size());
  caret_ = std::min(caret, text_.size());
  goalX_ = -1;
  KeepCaretVisible();
}

bool MultiLineEditor::ReplaceSelection(const std::wstring& text) {
  std::wstring insert = Normalised(text);
  const size_t kept = text_.size() - (SelectionEnd() - SelectionStart());
  const size_t room = limit_ - std::min(limit_, kept);
  if (insert.size() > room) insert.resize(room);
  return Replace(SelectionStart(), SelectionEnd(), insert);
}

bool MultiLineEditor::Type(wchar_t ch) {
  const size_t kept = text_.size() - (SelectionEnd() - SelectionStart());
  if (kept >= limit_) return false;
  return Replace(SelectionStart(), SelectionEnd(), std::wstring(1, ch));
}

bool MultiLineEditor::InsertBreak() {
  if (!multiLine_) return false;
  return Type(kBreak);
}

bool MultiLineEditor::DeleteBackward() {
  if (HasSelection()) return Replace(SelectionStart(), SelectionEnd(), L"");
  if (caret_ == 0) return false;
  return Replace(caret_ - 1, caret_, L"");
}

bool MultiLineEditor::DeleteForward() {
  if (HasSelection()) return Replace(SelectionStart(), SelectionEnd(), L"");
  if (caret_ == text_.size()) return false;
  return Replace(caret_, caret_ + 1, L"");
}

bool MultiLineEditor::Replace(size_t start, size_t end, const std::wstring& text) {
  if (start == end && text.empty()) return false;
  text_.replace(start, end - start, text);
  caret_ = anchor_ = start + text.size();
  goalX_ = -1;
  Relayout(start, end - start, text.size());
  return true;
}

bool MultiLineEditor::MoveCaret(Move move, bool extend) {
  const size_t oldCaret = caret_, oldAnchor = anchor_;
  const size_t line = LineOf(caret_);
  const int pageLines = std::max(1, lineHeight_ > 0 ? viewHeight_ / lineHeight_ : 1);
  size_t target = caret_;
  bool vertical = false;
  int lines = 0;
  switch (move) {
    case Move::Left:
      // Without Shift a selection collapses to the side the arrow points to.
      if (!extend && HasSelection()) target = SelectionStart();
      else if (caret_ > 0) target = caret_ - 1;
      break;
    case Move::Right:
      if (!extend && HasSelection()) target = SelectionEnd();
      else if (caret_ < text_.size()) target = caret_ + 1;
      break;
    case Move::LineStart: target = lines_[line].start; break;
    case Move::LineEnd: target = lines_[line].end; break;
    case Move::TextStart: target = 0; break;
    case Move::TextEnd: target = text_.size(); break;
    case Move::Up: vertical = true; lines = -1; break;
    case Move::Down: vertical = true; lines = 1; break;
    case Move::PageUp: vertical = true; lines = -pageLines; break;
    case Move::PageDown: vertical = true; lines = pageLines; break;
  }
  if (vertical) {
    const int goal = goalX_ >= 0 ? goalX_ : CaretPoint().x + scrollX_;
    const long next = std::clamp(long(line) + lines, 0L, long(lines_.size()) - 1);
    if (long(line) + lines < 0) target = 0;
    else if (long(line) + lines >= long(lines_.size())) target = text_.size();
    else target = IndexInLine(size_t(next), goal - scrollX_);
    caret_ = target;
    if (!extend) anchor_ = target;
    KeepCaretVisible();
    goalX_ = goal;
  } else {
    caret_ = target;
    if (!extend) anchor_ = target;
    goalX_ = -1;
    KeepCaretVisible();
  }
  return caret_ != oldCaret || anchor_ != oldAnchor;
}

void MultiLineEditor::PlaceCaretAt(POINT at, bool extend) {
  caret_ = IndexInLine(LineAtY(at.y), at.x);
  if (!extend) anchor_ = caret_;
  goalX_ = -1;
  KeepCaretVisible();
}

void MultiLineEditor::SelectWordAt(POINT at) {
  // Masked text shows no words: the whole of it is the one word.
  if (passwordChar_ || text_.empty()) {
    Select(0, text_.size());
    return;
  }
  const EditorLine& line = lines_[LineAtY(at.y)];
  size_t index = IndexInLine(LineAtY(at.y), at.x);
  if (index == line.end && index > line.start) --index;
  if (index >= text_.size()) {
    Select(index, index);
    return;
  }
  const CharClass kind = ClassOf(text_[index]);
  size_t start = index, end = index + 1;
  while (start > line.start && ClassOf(text_[start - 1]) == kind) --start;
  while (end < line.end && ClassOf(text_[end]) == kind) ++end;
  Select(start, end);
}

int MultiLineEditor::ContentWidth() const {
  int width = 0;
  for (const EditorLine& line : lines_) width = std::max(width, line.width);
  return width;
}

int MultiLineEditor::HeightForWidth(int width) {
  if (!Wraps() || width == viewWidth_) return ContentHeight();
  std::vector<EditorLine> lines;
  LayoutParagraphs(0, text_.size(), width, lines);
  return int(lines.size()) * lineHeight_;
}

int MultiLineEditor::MaxScrollY() const { return std::max(0, ContentHeight() - viewHeight_); }

bool MultiLineEditor::ScrollToY(int y) {
  const int next = std::clamp(y, 0, MaxScrollY());
  if (next == scrollY_) return false;
  scrollY_ = next;
  return true;
}

bool MultiLineEditor::ScrollToX(int x) {
  const int next = std::clamp(x, 0, std::max(0, ContentWidth() - viewWidth_ + 1));
  if (next == scrollX_) return false;
  scrollX_ = next;
  return true;
}

POINT MultiLineEditor::CaretPoint() const {
  const size_t line = LineOf(caret_);
  const EditorLine& l = lines_[line];
  int x = LineX(l);
  x += RunWidth(l.start, caret_);
  return POINT{x - scrollX_, int(line) * lineHeight_ - scrollY_};
}

wchar_t MultiLineEditor::ShownAt(size_t index) const {
  const wchar_t ch = text_[index];
  if (ch == kBreak) return ch;
  return passwordChar_ ? passwordChar_ : ch;
}

int MultiLineEditor::Advance(size_t index) const {
  const wchar_t ch = ShownAt(index);
  if (ch == kBreak) return 0;
  auto found = advances_.find(ch);
  if (found != advances_.end()) return found->second;
  SIZE size{};
  if (measureDc_) GetTextExtentPoint32W(measureDc_, &ch, 1, &size);
  advances_.emplace(ch, size.cx);
  return size.cx;
}

int MultiLineEditor::RunWidth(size_t start, size_t end) const {
  int width = 0;
  for (size_t i = start; i < end; ++i) width += Advance(i);
  return width;
}

void MultiLineEditor::LayoutAll() {
  lines_.clear();
  LayoutParagraphs(0, text_.size(), viewWidth_, lines_);
  KeepCaretVisible();
}

void MultiLineEditor::LayoutParagraphs(size_t from, size_t to, int width, std::vector<EditorLine>& out) {
  size_t start = from;
  for (;;) {
    const size_t found = text_.find(kBreak, start);
    const size_t end = found == std::wstring::npos || found >= to ? to : found;
    const bool paragraphEnd = end < text_.size() && text_[end] == kBreak;
    LayoutParagraph(start, end, paragraphEnd, width, out);
    if (end >= to) return;
    start = end + 1;
  }
}

void MultiLineEditor::LayoutParagraph(size_t start, size_t end, bool paragraphEnd, int width,
                                      std::vector<EditorLine>& out) {
  if (!Wraps() || width <= 0 || end == start) {
    out.push_back(EditorLine{start, end, paragraphEnd, RunWidth(start, end)});
    return;
  }
  std::wstring shown(end - start, L' ');
  for (size_t i = start; i < end; ++i) shown[i - start] = ShownAt(i);
  const std::vector<bool> breaks = LineBreaker::BreakOpportunities(shown.data(), shown.size());
  size_t lineStart = start;
  size_t lastBreak = start;
  int x = 0;
  for (size_t i = start; i < end; ++i) {
    if (i > lineStart && breaks[i - start]) lastBreak = i;
    const int advance = Advance(i);
    // Spaces hang past the edge; a word that does not fit goes to the next line, and
    // a word longer than the line is cut where it reaches the edge.
    if (x + advance > width && i > lineStart && !IsSpace(text_[i])) {
      const size_t cut = lastBreak > lineStart ? lastBreak : i;
      out.push_back(EditorLine{lineStart, cut, false, RunWidth(lineStart, cut)});
      lineStart = cut;
      lastBreak = cut;
      x = RunWidth(cut, i);
    }
    x += advance;
  }
  out.push_back(EditorLine{lineStart, end, paragraphEnd, RunWidth(lineStart, end)});
}

void MultiLineEditor::Relayout(size_t at, size_t removed, size_t inserted) {
  // The old lines still describe the text as it was: find the paragraphs the edit
  // touched there, lay out what they became, and shift the lines behind them.
  size_t first = LineOf(at);
  while (first > 0 && !lines_[first - 1].paragraphEnd) --first;
  size_t last = LineOf(at + removed);
  while (last + 1 < lines_.size() && !lines_[last].paragraphEnd) ++last;
  const size_t from = lines_[first].start;
  const long delta = long(inserted) - long(removed);
  const size_t to = size_t(long(lines_[last].end) + delta);
  std::vector<EditorLine> fresh;
  LayoutParagraphs(from, to, viewWidth_, fresh);
  for (size_t i = last + 1; i < lines_.size(); ++i) {
    lines_[i].start = size_t(long(lines_[i].start) + delta);
    lines_[i].end = size_t(long(lines_[i].end) + delta);
  }
  lines_.erase(lines_.begin() + long(first), lines_.begin() + long(last) + 1);
  lines_.insert(lines_.begin() + long(first), fresh.begin(), fresh.end());
  KeepCaretVisible();
}

size_t MultiLineEditor::LineOf(size_t index) const {
  auto after = std::upper_bound(lines_.begin(), lines_.end(), index,
                                [](size_t i, const EditorLine& line) { return i < line.start; });
  if (after == lines_.begin()) return 0;
  return size_t(after - lines_.begin()) - 1;
}

int MultiLineEditor::LineX(const EditorLine& line) const {
  if (line.width >= viewWidth_ || align_ == Align::Left) return 0;
  if (align_ == Align::Center) return (viewWidth_ - line.width) / 2;
  return viewWidth_ - line.width;
}

size_t MultiLineEditor::IndexInLine(size_t line, int x) const {
  const EditorLine& l = lines_[line];
  int left = LineX(l) - scrollX_;
  for (size_t i = l.start; i < l.end; ++i) {
    const int advance = Advance(i);
    if (x < left + (advance + 1) / 2) return i;
    left += advance;
  }
  // A soft-wrapped line's end is the next line's start: stay before the last character.
  if (!l.paragraphEnd && line + 1 < lines_.size() && l.end > l.start) return l.end - 1;
  return l.end;
}

size_t MultiLineEditor::LineAtY(int y) const {
  if (lineHeight_ <= 0) return 0;
  const int row = (y + scrollY_) / lineHeight_;
  if (y + scrollY_ < 0) return 0;
  return std::min(size_t(row), lines_.size() - 1);
}

void MultiLineEditor::ClampScroll() {
  scrollY_ = std::clamp(scrollY_, 0, MaxScrollY());
  if (Wraps()) scrollX_ = 0;
}

void MultiLineEditor::KeepCaretVisible() {
  if (lines_.empty()) return;
  const size_t line = LineOf(caret_);
  const int top = int(line) * lineHeight_;
  if (top < scrollY_) scrollY_ = top;
  if (top + lineHeight_ > scrollY_ + viewHeight_) scrollY_ = top + lineHeight_ - viewHeight_;
  ClampScroll();
  if (Wraps()) return;
  const EditorLine& l = lines_[line];
  const int caretX = LineX(l) + RunWidth(l.start, caret_);
  if (caretX < scrollX_) scrollX_ = caretX;
  if (caretX >= scrollX_ + viewWidth_) scrollX_ = caretX - viewWidth_ + 1;
  // No empty space at the right while text lies hidden at the left.
  if (l.width - scrollX_ < viewWidth_ - 1) scrollX_ = l.width - viewWidth_ + 1;
  scrollX_ = std::max(scrollX_, 0);
}

void MultiLineEditor::DrawRun(HDC hdc, int x, int y, size_t start, size_t end, COLORREF colour) {
  if (end <= start) return;
  std::wstring shown(end - start, L' ');
  for (size_t i = start; i < end; ++i) shown[i - start] = ShownAt(i);
  SetTextColor(hdc, colour);
  TextOutW(hdc, x, y, shown.c_str(), int(shown.size()));
}

void MultiLineEditor::Draw(HDC hdc, POINT origin, const RECT& clip, const EditorColors& colors) {
  if (lineHeight_ <= 0) return;
  const int saved = SaveDC(hdc);
  IntersectClipRect(hdc, clip.left, clip.top, clip.right, clip.bottom);
  SelectObject(hdc, font_ ? HGDIOBJ(font_) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(hdc, TRANSPARENT);
  const size_t selStart = colors.showSelection ? SelectionStart() : 0;
  const size_t selEnd = colors.showSelection ? SelectionEnd() : 0;
  const int firstRow = std::max(0, (clip.top - origin.y + scrollY_) / lineHeight_);
  for (size_t row = size_t(firstRow); row < lines_.size(); ++row) {
    const int y = origin.y + int(row) * lineHeight_ - scrollY_;
    if (y >= clip.bottom) break;
    const EditorLine& line = lines_[row];
    const int x = origin.x + LineX(line) - scrollX_;
    const size_t a = std::clamp(selStart, line.start, line.end);
    const size_t b = std::clamp(selEnd, line.start, line.end);
    DrawRun(hdc, x, y, line.start, a, colors.text);
    const int ax = x + RunWidth(line.start, a);
    const int bx = ax + RunWidth(a, b);
    // A selected paragraph break shows as a little band past the line's end.
    const bool breakSelected = line.paragraphEnd && selStart <= line.end && selEnd > line.end;
    if (b > a || breakSelected) {
      RECT band{ax, y, bx + (breakSelected ? lineHeight_ / 3 : 0), y + lineHeight_};
      HBRUSH back = CreateSolidBrush(colors.selectionBack);
      FillRect(hdc, &band, back);
      DeleteObject(back);
      DrawRun(hdc, ax, y, a, b, colors.selectionText);
    }
    DrawRun(hdc, bx, y, b, line.end, colors.text);
  }
  RestoreDC(hdc, saved);
}

}  // namespace platform::textservices

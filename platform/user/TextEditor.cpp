#include "platform/user/TextEditor.h"

#include <algorithm>

#include "platform/base/Crt.h"
#include "platform/gdi/Gdi.h"

namespace platform::user {
namespace {

enum class CharClass { Space, Word, Other };

CharClass ClassOf(wchar_t ch) {
  if (ch == L' ' || ch == L'\t' || ch == 0x3000) return CharClass::Space;
  if (ch == L'_' || IsCharAlphaNumericW(ch)) return CharClass::Word;
  return CharClass::Other;
}

bool IsDigit(wchar_t ch) { return ch >= L'0' && ch <= L'9'; }

}  // namespace

TextEditor::TextEditor() : measureDc_(CreateCompatibleDC(nullptr)) { Measure(); }

TextEditor::~TextEditor() {
  if (measureDc_) DeleteDC(measureDc_);
}

void TextEditor::SetText(const std::wstring& text) {
  text_ = text;
  caret_ = anchor_ = 0;
  scroll_ = 0;
  Measure();
}

void TextEditor::SetPasswordChar(wchar_t ch) {
  if (passwordChar_ == ch) return;
  passwordChar_ = ch;
  Measure();
  KeepCaretVisible();
}

size_t TextEditor::SelectionStart() const { return std::min(caret_, anchor_); }

size_t TextEditor::SelectionEnd() const { return std::max(caret_, anchor_); }

std::wstring TextEditor::SelectedText() const {
  return text_.substr(SelectionStart(), SelectionEnd() - SelectionStart());
}

void TextEditor::Select(size_t anchor, size_t caret) {
  anchor_ = std::min(anchor, text_.size());
  caret_ = std::min(caret, text_.size());
  KeepCaretVisible();
}

bool TextEditor::MoveCaret(Move move, bool extend) {
  const size_t oldCaret = caret_, oldAnchor = anchor_;
  size_t target = caret_;
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
    case Move::Home: target = 0; break;
    case Move::End: target = text_.size(); break;
  }
  caret_ = target;
  if (!extend) anchor_ = target;
  KeepCaretVisible();
  return caret_ != oldCaret || anchor_ != oldAnchor;
}

void TextEditor::PlaceCaretAt(int x, bool extend) {
  caret_ = IndexAt(x);
  if (!extend) anchor_ = caret_;
  KeepCaretVisible();
}

void TextEditor::SelectWordAt(int x) {
  // Masked text shows no words: the whole of it is the one word.
  if (passwordChar_ || text_.empty()) {
    SelectAll();
    return;
  }
  size_t at = IndexAt(x);
  if (at == text_.size()) --at;
  const CharClass kind = ClassOf(text_[at]);
  size_t start = at, end = at + 1;
  while (start > 0 && ClassOf(text_[start - 1]) == kind) --start;
  while (end < text_.size() && ClassOf(text_[end]) == kind) ++end;
  Select(start, end);
}

bool TextEditor::Type(wchar_t ch, const EditRules& rules) {
  if (rules.numberOnly && !IsDigit(ch)) return false;
  const size_t room = limit_ - std::min(limit_, text_.size() - (SelectionEnd() - SelectionStart()));
  if (room == 0) return false;
  return Replace(std::wstring(1, ch), rules);
}

bool TextEditor::Paste(const std::wstring& text, const EditRules& rules) {
  std::wstring line = text.substr(0, text.find_first_of(L"\r\n"));
  if (rules.numberOnly && !std::all_of(line.begin(), line.end(), IsDigit)) return false;
  const size_t kept = text_.size() - (SelectionEnd() - SelectionStart());
  const size_t room = limit_ - std::min(limit_, kept);
  if (line.size() > room) line.resize(room);
  if (line.empty()) return false;
  return Replace(line, rules);
}

bool TextEditor::DeleteBackward(const EditRules& rules) {
  if (rules.readOnly) return false;
  if (!HasSelection()) {
    if (caret_ == 0) return false;
    anchor_ = caret_ - 1;
  }
  return Replace(L"", rules);
}

bool TextEditor::DeleteForward(const EditRules& rules) {
  if (rules.readOnly) return false;
  if (!HasSelection()) {
    if (caret_ == text_.size()) return false;
    anchor_ = caret_ + 1;
  }
  return Replace(L"", rules);
}

bool TextEditor::DeleteSelection(const EditRules& rules) {
  if (!HasSelection()) return false;
  return Replace(L"", rules);
}

bool TextEditor::Replace(const std::wstring& text, const EditRules& rules) {
  if (rules.readOnly || (text.empty() && !HasSelection())) return false;
  const size_t start = SelectionStart();
  std::wstring next = text_;
  next.replace(start, SelectionEnd() - start, text);
  if (rules.fitView && WidthOf(next) > ViewWidth()) return false;
  text_ = std::move(next);
  caret_ = anchor_ = start + text.size();
  Measure();
  KeepCaretVisible();
  return true;
}

void TextEditor::SetFont(HFONT font) {
  font_ = font;
  Measure();
  KeepCaretVisible();
}

void TextEditor::SetMargins(int left, int right) {
  leftMargin_ = std::max(left, 0);
  rightMargin_ = std::max(right, 0);
  KeepCaretVisible();
}

void TextEditor::SetViewSize(int width, int height) {
  viewWidth_ = std::max(width, 0);
  viewHeight_ = std::max(height, 0);
  KeepCaretVisible();
}

int TextEditor::LineHeight() const {
  TEXTMETRICW metrics{};
  if (!measureDc_ || !GetTextMetricsW(measureDc_, &metrics)) return 0;
  return metrics.tmHeight;
}

POINT TextEditor::CaretPoint() const {
  return POINT{leftMargin_ + TextX(caret_) - scroll_, (viewHeight_ - LineHeight()) / 2};
}

std::wstring TextEditor::Shown() const { return Masked(text_); }

std::wstring TextEditor::Masked(const std::wstring& text) const {
  return passwordChar_ ? std::wstring(text.size(), passwordChar_) : text;
}

int TextEditor::WidthOf(const std::wstring& text) const {
  const std::wstring shown = Masked(text);
  SIZE size{};
  if (measureDc_ && !shown.empty()) GetTextExtentPoint32W(measureDc_, shown.c_str(), int(shown.size()), &size);
  return size.cx;
}

void TextEditor::Measure() {
  if (measureDc_) SelectObject(measureDc_, font_ ? HGDIOBJ(font_) : GetStockObject(DEFAULT_GUI_FONT));
  const std::wstring shown = Shown();
  offsets_.assign(shown.size() + 1, 0);
  // Advances are whole pixels and text is shaped without kerning, so a run is
  // exactly as wide as its characters and each boundary sits on a pixel.
  for (size_t i = 0; i < shown.size(); ++i) {
    SIZE size{};
    if (measureDc_) GetTextExtentPoint32W(measureDc_, &shown[i], 1, &size);
    offsets_[i + 1] = offsets_[i] + size.cx;
  }
}

int TextEditor::ViewWidth() const { return std::max(viewWidth_ - leftMargin_ - rightMargin_, 0); }

size_t TextEditor::IndexAt(int x) const {
  const int textX = x - leftMargin_ + scroll_;
  for (size_t i = 0; i + 1 < offsets_.size(); ++i) {
    if (textX < (offsets_[i] + offsets_[i + 1] + 1) / 2) return i;
  }
  return text_.size();
}

void TextEditor::KeepCaretVisible() {
  const int width = ViewWidth();
  const int caretX = TextX(caret_);
  if (caretX < scroll_) scroll_ = caretX;
  if (caretX >= scroll_ + width) scroll_ = caretX - width + 1;
  // No empty space at the right while text lies hidden at the left.
  const int total = offsets_.back();
  if (total - scroll_ < width - 1) scroll_ = total - width + 1;
  scroll_ = std::max(scroll_, 0);
}

void TextEditor::Draw(HDC hdc, const SelectionColors* selection) {
  const std::wstring shown = Shown();
  HGDIOBJ oldFont = SelectObject(hdc, font_ ? HGDIOBJ(font_) : GetStockObject(DEFAULT_GUI_FONT));
  const int saved = SaveDC(hdc);
  IntersectClipRect(hdc, leftMargin_, 0, viewWidth_ - rightMargin_, viewHeight_);
  const int x0 = leftMargin_ - scroll_;
  const int y = (viewHeight_ - LineHeight()) / 2;
  const size_t start = selection ? SelectionStart() : 0;
  const size_t end = selection ? SelectionEnd() : 0;
  if (start > 0) TextOutW(hdc, x0, y, shown.c_str(), int(start));
  if (end < shown.size()) TextOutW(hdc, x0 + TextX(end), y, shown.c_str() + end, int(shown.size() - end));
  if (end > start) {
    RECT band{x0 + TextX(start), y, x0 + TextX(end), y + LineHeight()};
    HBRUSH back = CreateSolidBrush(selection->back);
    FillRect(hdc, &band, back);
    DeleteObject(back);
    const int mode = SetBkMode(hdc, TRANSPARENT);
    const COLORREF colour = SetTextColor(hdc, selection->text);
    TextOutW(hdc, band.left, y, shown.c_str() + start, int(end - start));
    SetTextColor(hdc, colour);
    SetBkMode(hdc, mode);
  }
  RestoreDC(hdc, saved);
  SelectObject(hdc, oldFont);
}

}  // namespace platform::user

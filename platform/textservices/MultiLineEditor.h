#pragma once
// The text of a windowless edit, in paragraphs broken into lines: a caret and a
// selection anchor, moves by character, line and page, the scroll offsets that keep
// the caret in view, and measuring and drawing through the drawing layer's fonts, so
// the edited text lines up with the same text drawn by DrawTextW. A paragraph ends at
// '\r'; a single-line editor never holds one. Only the paragraphs an edit touches
// are laid out again, so typing into a long text costs what its paragraph costs.
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/base/WinTypes.h"

namespace platform::textservices {

// One line on the screen: text[start, end), then a paragraph break when `paragraphEnd`.
struct EditorLine {
  size_t start = 0;
  size_t end = 0;
  bool paragraphEnd = false;
  int width = 0;
};

struct EditorColors {
  COLORREF text = 0;
  COLORREF selectionText = 0;
  COLORREF selectionBack = 0;
  bool showSelection = true;
};

class MultiLineEditor {
 public:
  enum class Move { Left, Right, Up, Down, LineStart, LineEnd, TextStart, TextEnd, PageUp, PageDown };
  enum class Align { Left, Center, Right };

  static constexpr wchar_t kBreak = L'\r';

  MultiLineEditor();
  ~MultiLineEditor();
  MultiLineEditor(const MultiLineEditor&) = delete;
  MultiLineEditor& operator=(const MultiLineEditor&) = delete;

  // --- Settings; each lays the text out again when it changes ---
  void SetFont(HFONT font);
  HFONT Font() const { return font_; }
  // Going single-line keeps only the first paragraph.
  void SetMultiLine(bool multiLine);
  bool MultiLine() const { return multiLine_; }
  // Wrapping applies to a multi-line editor only; a single line scrolls sideways.
  void SetWordWrap(bool wrap);
  // 0 shows the text itself.
  void SetPasswordChar(wchar_t ch);
  wchar_t PasswordChar() const { return passwordChar_; }
  void SetAlignment(Align align);
  void SetLimit(size_t limit) { limit_ = limit; }
  size_t Limit() const { return limit_; }
  void SetViewSize(int width, int height);
  int ViewWidth() const { return viewWidth_; }
  int ViewHeight() const { return viewHeight_; }

  // --- Text and selection ---
  const std::wstring& Text() const { return text_; }
  // Line breaks of any kind ("\r\n", "\n", "\r") become paragraph breaks; a
  // single-line editor keeps the first line. The caret goes to the start. Not limited.
  void SetText(const std::wstring& text);
  size_t Caret() const { return caret_; }
  size_t Anchor() const { return anchor_; }
  size_t SelectionStart() const;
  size_t SelectionEnd() const;
  bool HasSelection() const { return caret_ != anchor_; }
  std::wstring SelectedText() const;
  // Both ends clamped to the text.
  void Select(size_t anchor, size_t caret);

  // --- Edits: each returns whether the text changed ---
  // The selection becomes `text` (breaks as SetText), cut to what the limit leaves room for.
  bool ReplaceSelection(const std::wstring& text);
  bool Type(wchar_t ch);
  // A paragraph break; refused by a single-line editor.
  bool InsertBreak();
  bool DeleteBackward();
  bool DeleteForward();

  // --- Moves: each returns whether the caret or the selection changed ---
  bool MoveCaret(Move move, bool extend);
  // `at` in view coordinates.
  void PlaceCaretAt(POINT at, bool extend);
  void SelectWordAt(POINT at);

  // --- Geometry, in view coordinates (the view's top-left is 0, 0) ---
  int LineHeight() const { return lineHeight_; }
  size_t LineCount() const { return lines_.size(); }
  const EditorLine& Line(size_t index) const { return lines_[index]; }
  int ContentHeight() const { return int(lines_.size()) * lineHeight_; }
  int ContentWidth() const;
  // The height the text takes when wrapped at `width` (unwrapped: the current layout's).
  int HeightForWidth(int width);
  int ScrollX() const { return scrollX_; }
  int ScrollY() const { return scrollY_; }
  int MaxScrollY() const;
  // Clamped; true when the offset changed.
  bool ScrollToY(int y);
  bool ScrollToX(int x);
  // The caret's top-left corner.
  POINT CaretPoint() const;

  // Draws the lines meeting `clip` with the view's top-left at `origin`, in the device
  // context's font-independent colours given, the selection in its own colours.
  void Draw(HDC hdc, POINT origin, const RECT& clip, const EditorColors& colors);

 private:
  bool Wraps() const { return multiLine_ && wrap_; }
  wchar_t ShownAt(size_t index) const;
  int Advance(size_t index) const;
  int RunWidth(size_t start, size_t end) const;
  void LayoutAll();
  // Lays out the paragraphs of text_[from, to), `to` a paragraph end.
  void LayoutParagraphs(size_t from, size_t to, int width, std::vector<EditorLine>& out);
  void LayoutParagraph(size_t start, size_t end, bool paragraphEnd, int width, std::vector<EditorLine>& out);
  // After text_[at, at + removed) was replaced by `inserted` characters.
  void Relayout(size_t at, size_t removed, size_t inserted);
  // Replaces text_[start, end) with `text`; the caret after it.
  bool Replace(size_t start, size_t end, const std::wstring& text);
  std::wstring Normalised(const std::wstring& text) const;
  size_t LineOf(size_t index) const;
  int LineX(const EditorLine& line) const;
  size_t IndexInLine(size_t line, int x) const;
  size_t LineAtY(int y) const;
  void KeepCaretVisible();
  void ClampScroll();
  void DrawRun(HDC hdc, int x, int y, size_t start, size_t end, COLORREF colour);

  std::wstring text_;
  std::vector<EditorLine> lines_;
  size_t caret_ = 0;
  size_t anchor_ = 0;
  size_t limit_ = 0x7FFF;
  int goalX_ = -1;  // where Up and Down aim, kept across vertical moves
  bool multiLine_ = true;
  bool wrap_ = true;
  wchar_t passwordChar_ = 0;
  Align align_ = Align::Left;
  HFONT font_ = nullptr;
  HDC measureDc_ = nullptr;
  mutable std::unordered_map<wchar_t, int> advances_;  // learnt as characters are met
  int lineHeight_ = 0;
  int viewWidth_ = 0;
  int viewHeight_ = 0;
  int scrollX_ = 0;
  int scrollY_ = 0;
};

}  // namespace platform::textservices

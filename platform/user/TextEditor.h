#pragma once
// One line of editable text, not tied to a window: the text counted in WCHARs, a
// caret and a selection anchor, the horizontal scroll that keeps the caret in view,
// the filters a style asks for, and measuring and drawing through the drawing
// layer's fonts, so edited text lines up with the same text drawn by DrawTextW.
#include <string>
#include <vector>

#include "platform/base/WinTypes.h"

namespace platform::user {

// What the window's style asks of an edit at the moment it is made.
struct EditRules {
  bool readOnly = false;
  bool numberOnly = false;
  // Without automatic scrolling the text must fit the view.
  bool fitView = false;
};

// The colours a line is drawn in; the unselected text takes the device context's own.
struct SelectionColors {
  COLORREF text = 0;
  COLORREF back = 0;
};

class TextEditor {
 public:
  enum class Move { Left, Right, Home, End };

  // A single-line edit's limit when none is set.
  static constexpr size_t kDefaultLimit = 0x7FFFFFFE;

  TextEditor();
  ~TextEditor();
  TextEditor(const TextEditor&) = delete;
  TextEditor& operator=(const TextEditor&) = delete;

  const std::wstring& Text() const { return text_; }
  // Replaces everything, whatever the limit and filters; the caret goes to the start.
  void SetText(const std::wstring& text);
  size_t Limit() const { return limit_; }
  void SetLimit(size_t limit) { limit_ = limit; }
  wchar_t PasswordChar() const { return passwordChar_; }
  // 0 shows the text itself.
  void SetPasswordChar(wchar_t ch);

  size_t Caret() const { return caret_; }
  size_t Anchor() const { return anchor_; }
  size_t SelectionStart() const;
  size_t SelectionEnd() const;
  bool HasSelection() const { return caret_ != anchor_; }
  std::wstring SelectedText() const;
  // Both ends are clamped to the text.
  void Select(size_t anchor, size_t caret);
  void SelectAll() { Select(0, text_.size()); }
  // True when the caret or the selection changed.
  bool MoveCaret(Move move, bool extend);
  // `x` in the view's coordinates.
  void PlaceCaretAt(int x, bool extend);
  void SelectWordAt(int x);

  // Each returns whether the text changed; a refused edit changes nothing.
  bool Type(wchar_t ch, const EditRules& rules);
  // The text up to its first line break, all of it digits for a numbers-only edit,
  // cut to what the limit leaves room for.
  bool Paste(const std::wstring& text, const EditRules& rules);
  bool DeleteBackward(const EditRules& rules);
  bool DeleteForward(const EditRules& rules);
  bool DeleteSelection(const EditRules& rules);

  HFONT Font() const { return font_; }
  void SetFont(HFONT font);
  int LeftMargin() const { return leftMargin_; }
  int RightMargin() const { return rightMargin_; }
  void SetMargins(int left, int right);
  // The view's client size; the text is centred vertically in it.
  void SetViewSize(int width, int height);
  int LineHeight() const;
  int ScrollOffset() const { return scroll_; }
  // The caret's top-left corner in the view.
  POINT CaretPoint() const;

  // Draws the text with the font, in the device context's text colour and background
  // mode, the selection (when shown) in its own colours, clipped between the margins.
  void Draw(HDC hdc, const SelectionColors* selection);

 private:
  std::wstring Shown() const;
  std::wstring Masked(const std::wstring& text) const;
  int WidthOf(const std::wstring& text) const;
  // Advances of the shown characters; offsets_[i] is where character i starts.
  void Measure();
  int TextX(size_t index) const { return offsets_[index]; }
  int ViewWidth() const;
  size_t IndexAt(int x) const;
  void KeepCaretVisible();
  // Puts `text` in place of the selection, the caret after it.
  bool Replace(const std::wstring& text, const EditRules& rules);

  std::wstring text_;
  size_t caret_ = 0;
  size_t anchor_ = 0;
  size_t limit_ = kDefaultLimit;
  wchar_t passwordChar_ = 0;
  HFONT font_ = nullptr;
  HDC measureDc_ = nullptr;
  std::vector<int> offsets_{0};
  int leftMargin_ = 0;
  int rightMargin_ = 0;
  int viewWidth_ = 0;
  int viewHeight_ = 0;
  int scroll_ = 0;
};

}  // namespace platform::user

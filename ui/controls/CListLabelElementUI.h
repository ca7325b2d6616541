#pragma once
// A row that shows one text: every entry of a combo box and of the time picker's
// lists. It draws nothing of a plain control, only its state's background and its
// text in the owner's look, and selects itself when pressed.
#include <cstdint>

#include "ui/controls/CListElementUI.h"

namespace SkinUI {

class CListLabelElementUI : public CListElementUI {
 public:
  CListLabelElementUI();
  ~CListLabelElementUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;
  void HandleEvent(UIEventRecord& event) override;
  // (0, 0) without an owner: the height comes from the owner's font and padding.
  SIZE MeasureSize(SIZE szAvailable) override;
  void Paint(HDC hDC, const RECT& rcPaint) override;

  // IListItemUI
  void DrawItemText(HDC hDC, const RECT& rcItem) override;

 protected:
  void DrawItemBackground(HDC hDC, const RECT& rcItem);

 private:
  // The text's width as last measured and what it was measured with: a drop-down
  // measures its rows for its height and again to lay them out, each time it opens,
  // and measuring a text is the dearest part of a row. The font is told by its handle,
  // which the drop-down's window shares with the combo's.
  struct MeasuredText {
    uint64_t hash = 0;
    int length = -1;
    HFONT font = nullptr;
    UINT style = 0;
    bool html = false;
    int height = 0;
    int width = 0;
  };

  int TextWidth(bool html, int font, UINT style, int height);

  MeasuredText m_measured;
};

}  // namespace SkinUI

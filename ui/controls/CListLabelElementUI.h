#pragma once
// A row that shows one text: every entry of a combo box and of the time picker's
// lists. It draws nothing of a plain control, only its state's background and its
// text in the owner's look, and selects itself when pressed.
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
};

}  // namespace SkinUI

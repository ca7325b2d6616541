#pragma once
// The list of one menu window: a list without a header whose rows are menu items
// only. An item's own sub-items stay hidden in it; they show in the sub-menu that
// the item opens.
#include "ui/controls/CListUI.h"

namespace SkinUI {

class CMenuUI : public CListUI {
 public:
  CMenuUI();
  ~CMenuUI() override;

  LPCTSTR GetClassName() const override;
  // "Menu", compared without regard to case; else the list's.
  LPVOID GetInterface(LPCTSTR pstrName) override;
  // As wide as its widest shown item, as high as its shown items together.
  SIZE MeasureSize(SIZE szAvailable) override;

  // Each refuses a control that is not a menu item (false, or -1 for the index).
  int GetItemIndex(CControlUI* pControl) const override;
  bool SetItemIndex(CControlUI* pControl, int iIndex) override;
  bool Add(CControlUI* pControl) override;
  bool AddAt(CControlUI* pControl, int iIndex) override;
  bool Remove(CControlUI* pControl) override;

  // Whether the control answers "MenuElement".
  static bool IsMenuItem(CControlUI* pControl);
  // Hides the item's own sub-items inside this list.
  static void HideSubItems(CControlUI* pItem);
};

}  // namespace SkinUI

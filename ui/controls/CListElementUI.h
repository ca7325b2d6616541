#pragma once
// The base of the rows that draw their own text (the label row and the multi-column
// text row): a control that is a list row, selected through its owner, activated by
// a double click or Enter, and handing every other input to its owner so that the
// owner's keys and wheel work while the row has the focus.
#include "ui/controls/CListItemState.h"
#include "ui/controls/IListItemUI.h"
#include "ui/core/control/CControlUI.h"

namespace SkinUI {

class CListElementUI : public CControlUI, public IListItemUI {
 public:
  CListElementUI();
  ~CListElementUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;
  UINT GetBehaviorFlags() const override;
  // Sends "itemactivate"; false for a hidden or disabled row.
  bool Activate() override;
  // A selected row that is hidden gives up the owner's selection, silently.
  void SetVisible(bool bVisible = true) override;
  void SetEnabled(bool bEnable = true) override;
  void HandleEvent(UIEventRecord& event) override;
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;

  // IListItemUI
  int GetIndex() const override;
  void SetIndex(int iIndex) override;
  IListOwnerUI* GetOwner() const override;
  void SetOwner(CControlUI* pOwner) override;
  bool IsSelected() const override;
  bool Select(bool bSelect = true) override;
  bool IsExpanded() const override;
  bool Expand(bool bExpand = true) override;

 protected:
  // Whether the event is one of the mouse's (move to wheel).
  static bool IsMouseEvent(const UIEventRecord& event);
  // Gives the event to the owner, or to the plain control without one.
  void PassToOwner(UIEventRecord& event);

  CListItemState m_state;
};

}  // namespace SkinUI

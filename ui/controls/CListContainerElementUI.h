#pragma once
// A row whose cells are child controls laid out from left to right, each cell placed
// under its column header when the row belongs to a list with a visible header. The
// pages' rows, the tree nodes and the menu items are built on it.
#include "ui/controls/CListItemState.h"
#include "ui/controls/IListItemUI.h"
#include "ui/core/control/CHorizontalLayoutUI.h"

namespace SkinUI {

class CListContainerElementUI : public CHorizontalLayoutUI, public IListItemUI {
 public:
  CListContainerElementUI();
  ~CListContainerElementUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;
  UINT GetBehaviorFlags() const override;
  // Sends "itemactivate"; false for a hidden or disabled row.
  bool Activate() override;
  void SetPos(RECT rc) override;
  // A selected row that is hidden gives up the owner's selection, silently.
  void SetVisible(bool bVisible = true) override;
  void SetEnabled(bool bEnable = true) override;
  void HandleEvent(UIEventRecord& event) override;
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;
  void Paint(HDC hDC, const RECT& rcPaint) override;

  virtual void DrawItemBackground(HDC hDC, const RECT& rcItem);

  // IListItemUI
  int GetIndex() const override;
  void SetIndex(int iIndex) override;
  IListOwnerUI* GetOwner() const override;
  void SetOwner(CControlUI* pOwner) override;
  bool IsSelected() const override;
  bool Select(bool bSelect = true) override;
  bool IsExpanded() const override;
  bool Expand(bool bExpand = true) override;
  // The cells draw themselves.
  void DrawItemText(HDC hDC, const RECT& rcItem) override;

 protected:
  // Gives the event to the owner, or to the layout without one.
  void PassToOwner(UIEventRecord& event);
  // The row's own handling; false for what goes on to the owner.
  bool HandleRowEvent(UIEventRecord& event);

  CListItemState m_state;

 private:
  // Puts each cell under the column header of the same index.
  void AlignCellsToColumns();
};

}  // namespace SkinUI

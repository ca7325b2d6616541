#pragma once
// The state every list row keeps for its owner (its index, selection, hover and the
// owner itself) and what of a row's look follows from it: the colours and picture of
// its state, the line under it, and repainting only the part of the row that shows
// inside its list. The label rows and the container rows share it.
#include "platform/win32.h"

namespace SkinUI {

class CControlUI;
class IListItemUI;
class IListOwnerUI;
struct ListItemInfo;
struct UIEventRecord;

class CListItemState {
 public:
  // A row wants Enter (the manager does not act on the bit; owners may read it).
  static constexpr UINT kRowBehaviorFlags = 4;

  int GetIndex() const { return m_iIndex; }
  void SetIndex(int iIndex) { m_iIndex = iIndex; }
  IListOwnerUI* GetOwner() const { return m_pOwner; }
  // The control behind the owner interface, for what the interface does not tell.
  CControlUI* GetOwnerControl() const { return m_pOwnerControl; }
  void SetOwner(CControlUI* pOwner);
  bool IsSelected() const { return m_bSelected; }
  void SetSelected(bool bSelected) { m_bSelected = bSelected; }
  bool IsHot() const { return m_bHot; }
  void SetHot(bool bHot) { m_bHot = bHot; }

  // The row's IListItemUI::Select: false for a disabled row. Selecting tells the
  // owner, which deselects the row it had and reports the change.
  bool Select(CControlUI& row, bool bSelect);
  // After the row's visibility changed: a row hidden while selected leaves its
  // owner without a selection, and nothing is reported.
  void AfterVisibilityChange(CControlUI& row);
  // The skin's "selected": "true" selects the row, anything else deselects it.
  void ApplySelectedAttribute(CControlUI& row, LPCTSTR pstrValue);
  // The mouse on a row: a press selects it, a release reports "itemclick", entering
  // and leaving make it hot and not. False for any other event, for the row to handle.
  bool HandleMouse(CControlUI& row, IListItemUI& item, UIEventRecord& event);

  // The owner's look; null without an owner.
  ListItemInfo* GetInfo() const;
  // Later states win: hot over normal, selected over hot, disabled over all.
  DWORD GetTextColor(const ListItemInfo& info, bool bEnabled) const;
  DWORD GetBkColor(const ListItemInfo& info, bool bEnabled) const;
  // The picture of the row's state (disabled, else selected, else hot), when it draws.
  bool DrawStateImage(CControlUI& row, HDC hDC, ListItemInfo& info, bool bEnabled) const;
  // Whether alternate rows leave this row without its background.
  bool IsBackgroundRow(const ListItemInfo& info) const;

  static void DrawBottomLine(HDC hDC, const RECT& rcItem, DWORD dwColor);
  // The row's text in one line inside the appearance's text padding, in the state's
  // colour, as markup when the appearance says so; nothing without text or a manager.
  void DrawItemText(CControlUI& row, HDC hDC, const RECT& rcItem) const;
  // Repaints the part of the row inside its container's scrolling area and every
  // ancestor, so that a row scrolled half out of view does not repaint over the
  // header or the scroll bars.
  static void InvalidateVisiblePart(CControlUI& row);

 private:
  int m_iIndex = -1;
  bool m_bSelected = false;
  bool m_bHot = false;
  IListOwnerUI* m_pOwner = nullptr;
  CControlUI* m_pOwnerControl = nullptr;
};

}  // namespace SkinUI

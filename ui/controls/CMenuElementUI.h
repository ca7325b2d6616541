#pragma once
// One item of a menu: a text with an optional icon and expand arrow, a separator
// line, or a check item whose state lives in the caller's check map under the item's
// name. An item whose children are items opens them as a sub-menu beside it; a leaf
// clicked reports its name to the window that opened the menu and closes every menu.
#include "ui/controls/CListContainerElementUI.h"
#include "ui/core/render/CImageAttribute.h"

namespace SkinUI {

class CMenuWnd;

class CMenuElementUI : public CListContainerElementUI {
 public:
  // A separator's height when the skin sets none (or the item's default).
  static constexpr int kSeparatorHeight = 6;
  static constexpr int kDefaultWidth = 130;
  static constexpr int kDefaultHeight = 30;

  CMenuElementUI();
  // An open sub-menu goes first, so that it gives the sub-items back.
  ~CMenuElementUI() override;

  LPCTSTR GetClassName() const override;
  // "MenuElement", compared without regard to case; else the row's.
  LPVOID GetInterface(LPCTSTR pstrName) override;
  void HandleEvent(UIEventRecord& event) override;
  // While the sub-menu is open its items are laid out there, not in this row.
  void SetPos(RECT rc) override;
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;
  // The children's size, or the text's without shown children; a fixed height wins
  // and a fixed width is the least. Written back as the fixed size.
  SIZE MeasureSize(SIZE szAvailable) override;
  void Paint(HDC hDC, const RECT& rcPaint) override;
  // The text in the menu's look, as a label row draws it.
  void DrawItemText(HDC hDC, const RECT& rcItem) override;

  // False unless a check item with a check map that holds its name.
  bool GetChecked() const;
  // Only for a check item with a check map.
  void SetChecked(bool bCheck);
  bool IsCheckItem() const { return m_bCheckItem; }
  void SetCheckItem(bool bCheckItem);
  bool IsLineType() const { return m_bLineType; }
  // Makes the item a separator: six pixels high unless the skin chose a height, and
  // deaf to the mouse.
  void SetLineType();
  void SetLineColor(DWORD dwColor);
  void SetLinePadding(RECT rc);
  void SetIcon(LPCTSTR pstrIcon);
  void SetIconSize(SIZE szIcon);
  void SetShowExplandIcon(bool bShow);

  // The sub-menu this item opened, or null.
  CMenuWnd* GetSubMenu() const { return m_pSubMenu; }
  // Whether any child is an item.
  bool HasSubItems() const;
  // Shows the sub-items and opens them as a sub-menu, unless one is open.
  void OpenSubMenu();

 private:
  friend class CMenuWnd;

  // The sub-menu tells its item it is gone.
  void OnSubMenuClosed() { m_pSubMenu = nullptr; }
  // As the pointer entering the item: select it, and open its sub-menu or close the
  // sub-menus of its siblings.
  void Enter();
  void Click();
  // The menu window this item shows in.
  HWND MenuWindow() const;
  void DrawSeparator(HDC hDC);
  void DrawIcon(HDC hDC);
  void DrawExplandIcon(HDC hDC);

  CMenuWnd* m_pSubMenu;  // the window object owns itself
  bool m_bLineType;
  DWORD m_dwLineColor;
  RECT m_rcLinePadding;
  SIZE m_szIconSize;
  bool m_bCheckItem;
  CImageAttribute m_diIcon;
  bool m_bShowExplandIcon;
  CImageAttribute m_diExpland;
};

}  // namespace SkinUI

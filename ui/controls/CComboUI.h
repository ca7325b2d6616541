#pragma once
// A drop-down list box. It holds its rows as its own children but never lays them
// out or paints them in place: its face shows the selected row, and activating it
// opens a drop-down window that lends the rows to a layout of its own and gives them
// back when it closes. It owns the rows' look and their one selection, like a list.
#include "ui/controls/IListOwnerUI.h"
#include "ui/controls/ListItemInfo.h"
#include "ui/core/control/CContainerUI.h"

namespace SkinUI {

class CComboWnd;

class CComboUI : public CContainerUI, public IListOwnerUI {
 public:
  // The height every row added with Add gets.
  static constexpr int kRowHeight = 40;

  CComboUI();
  // An open drop-down is destroyed first, so that it gives the rows back.
  ~CComboUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;
  UINT GetBehaviorFlags() const override;
  // Opens the drop-down; false for a hidden or disabled combo and while one is open.
  bool Activate() override;
  // The selected row's text; empty without a selection.
  CUIString GetText() const override;
  void SetPos(RECT rc) override;
  void SetEnabled(bool bEnable = true) override;
  void HandleEvent(UIEventRecord& event) override;
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;
  SIZE MeasureSize(SIZE szAvailable) override;
  void Paint(HDC hDC, const RECT& rcPaint) override;
  void DrawStateImages(HDC hDC) override;
  void DrawText(HDC hDC) override;

  // IContainerUI: the rows, renumbered and with the selection kept on its row.
  bool SetItemIndex(CControlUI* pControl, int iIndex) override;
  bool Add(CControlUI* pControl) override;
  bool AddAt(CControlUI* pControl, int iIndex) override;
  bool Remove(CControlUI* pControl) override;
  bool RemoveAt(int iIndex) override;
  // Leaves no selection and reports nothing.
  void RemoveAll() override;

  // IListOwnerUI
  ListItemInfo* GetListInfo() override;
  int GetCurSel() const override;
  // An index past the end selects the last row. Reports "itemselect" (wParam the new
  // index, lParam the old one) as its last step.
  bool SelectItem(int iIndex, bool bTakeFocus = false) override;

  bool IsDropped() const { return m_pWindow != nullptr; }
  // The open drop-down, or null.
  CComboWnd* GetDropDown() const { return m_pWindow; }

  const CUIString& GetDropBoxAttributeList() const { return m_sDropBoxAttributes; }
  void SetDropBoxAttributeList(LPCTSTR pstrList);
  SIZE GetDropBoxSize() const { return m_szDropBox; }
  void SetDropBoxSize(SIZE szDropBox);
  RECT GetTextPadding() const { return m_rcTextPadding; }
  void SetTextPadding(RECT rc);

  void SetItemFont(int index);
  void SetItemTextStyle(UINT uStyle);
  void SetItemTextPadding(RECT rc);
  void SetItemTextColor(DWORD dwTextColor);
  void SetItemBkColor(DWORD dwBkColor);
  void SetItemBkImage(LPCTSTR pStrImage);
  void SetAlternateBk(bool bAlternateBk);
  void SetSelectedItemTextColor(DWORD dwTextColor);
  void SetSelectedItemBkColor(DWORD dwBkColor);
  void SetSelectedItemImage(LPCTSTR pStrImage);
  void SetHotItemTextColor(DWORD dwTextColor);
  void SetHotItemBkColor(DWORD dwBkColor);
  void SetHotItemImage(LPCTSTR pStrImage);
  void SetDisabledItemTextColor(DWORD dwTextColor);
  void SetDisabledItemBkColor(DWORD dwBkColor);
  void SetDisabledItemImage(LPCTSTR pStrImage);
  void SetItemLineColor(DWORD dwLineColor);
  void SetItemShowHtml(bool bShowHtml = true);

 private:
  friend class CComboWnd;

  // The drop-down tells its combo it is gone.
  void OnDropDownClosed();
  // Tells the rows from the index on where they now are.
  void RenumberRows(int iFirst);
  // Removes the row at the index; a removed selected row hands the selection to the
  // nearest selectable row before it.
  bool RemoveRowAt(int iIndex);
  void SelectForKey(int iIndex);

  CComboWnd* m_pWindow;  // the window object owns itself
  int m_iCurSel;
  RECT m_rcTextPadding;
  CUIString m_sDropBoxAttributes;
  SIZE m_szDropBox;
  UINT m_uButtonState;
  ListItemInfo m_ListInfo;
};

}  // namespace SkinUI

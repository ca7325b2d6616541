#pragma once
// The framework's list: a header of columns above a scrolling body of rows. It keeps
// one selection, which follows its row through insertions, removals and moves; moves
// it with the arrow keys, Home, End and, when asked, the wheel; lines the rows' cells
// up with the columns; and holds the look every row draws itself with.
//
// Its own children are the header and the body. Its container operations sort what
// they are given: a header goes among its own children, a column header into the
// header, anything else is a row of the body.
#include "ui/controls/IListUI.h"
#include "ui/controls/ListItemInfo.h"
#include "ui/core/control/CVerticalLayoutUI.h"

namespace SkinUI {

class CListBodyUI;
class CListHeaderUI;

class CListUI : public CVerticalLayoutUI, public IListUI {
 public:
  CListUI();
  ~CListUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;
  UINT GetBehaviorFlags() const override;
  void SetPos(RECT rc) override;
  void HandleEvent(UIEventRecord& event) override;
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;

  // IContainerUI: the rows, and the header and its columns sorted out of them.
  CControlUI* GetItemAt(int iIndex) const override;
  int GetItemIndex(CControlUI* pControl) const override;
  bool SetItemIndex(CControlUI* pControl, int iIndex) override;
  int GetCount() const override;
  bool Add(CControlUI* pControl) override;
  bool AddAt(CControlUI* pControl, int iIndex) override;
  bool Remove(CControlUI* pControl) override;
  bool RemoveAt(int iIndex) override;
  // Leaves no selection and reports nothing.
  void RemoveAll() override;

  // The body's.
  int GetChildPadding() const override;
  void SetChildPadding(int iPadding) override;
  bool IsDelayedDestroy() const override;
  void SetDelayedDestroy(bool bDelayed) override;
  int FindSelectable(int iIndex, bool bForward = true) const override;
  void SetScrollStepSize(int nSize) override;
  int GetScrollStepSize() const override;
  SIZE GetScrollPos() const override;
  SIZE GetScrollRange() const override;
  void SetScrollPos(SIZE szPos) override;
  void ScrollLineUp() override;
  void ScrollLineDown() override;
  void ScrollPageUp() override;
  void ScrollPageDown() override;
  void ScrollToTop() override;
  void ScrollToBottom() override;
  void ScrollLineLeft() override;
  void ScrollLineRight() override;
  void ScrollPageLeft() override;
  void ScrollPageRight() override;
  void ScrollToLeft() override;
  void ScrollToRight() override;
  void EnableScrollBar(bool bEnableVertical = true, bool bEnableHorizontal = false) override;
  CScrollBarUI* GetVerticalScrollBar() const override;
  CScrollBarUI* GetHorizontalScrollBar() const override;

  // IListUI
  ListItemInfo* GetListInfo() override;
  int GetCurSel() const override;
  // Reports "itemselect" (wParam the new index, lParam the old one) as its last step.
  bool SelectItem(int iIndex, bool bTakeFocus = false) override;
  CListHeaderUI* GetHeader() const override;
  CContainerUI* GetList() const override;
  IListTextCallbackUI* GetTextCallback() const override;
  void SetTextCallback(IListTextCallbackUI* pCallback) override;
  bool ExpandItem(int iIndex, bool bExpand = true) override;
  int GetExpandedItem() const override;

  // Scrolls the body until the row shows whole.
  void EnsureVisible(int iIndex);
  void Scroll(int dx, int dy);

  bool IsScrollSelect() const;
  void SetScrollSelect(bool bScrollSelect);
  bool IsMultiExpandable() const;
  void SetMultiExpanding(bool bMultiExpandable);
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

 protected:
  // What a control given to the container operations is.
  enum class Kind { Header, Column, Row };
  static Kind KindOf(CControlUI* pControl);

  // Removes the row at the index and keeps the selection on its row: a removed
  // selected row hands the selection to the nearest selectable row before it.
  bool RemoveRowAt(int iIndex);
  // Tells the rows from the index on where they now are.
  void RenumberRows(int iFirst, int iLast);
  void UpdateColumnCount();
  // Moves the selection for a key or the wheel; keeps it when nothing is selectable.
  void SelectForNavigation(int iIndex);
  void SetColor(DWORD& field, DWORD dwColor);
  void SetImage(CImageAttribute& image, LPCTSTR pStrImage);

  bool m_bScrollSelect;
  int m_iCurSel;
  int m_iExpandedItem;
  IListTextCallbackUI* m_pCallback;  // not owned
  CListBodyUI* m_pList;              // a child of the list, owned through it
  CListHeaderUI* m_pHeader;          // a child of the list, owned through it; null once removed
  ListItemInfo m_ListInfo;
};

}  // namespace SkinUI

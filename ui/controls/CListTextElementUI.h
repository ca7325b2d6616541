#pragma once
// A row of several text cells, one per column of its list's header, each taking its
// text from the list's text callback. With markup on, the cells' links (at most
// eight in the row) show the hand cursor and report "link" when clicked.
#include "ui/controls/CListLabelElementUI.h"
#include "ui/core/types/CUIString.h"

namespace SkinUI {

class IListUI;

class CListTextElementUI : public CListLabelElementUI {
 public:
  static constexpr int kMaxLinks = 8;

  CListTextElementUI();
  ~CListTextElementUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;
  UINT GetBehaviorFlags() const override;
  void HandleEvent(UIEventRecord& event) override;
  // Without an owner list, the fixed size: the height comes from the list's font.
  SIZE MeasureSize(SIZE szAvailable) override;

  // IListItemUI
  void SetOwner(CControlUI* pOwner) override;
  void DrawItemText(HDC hDC, const RECT& rcItem) override;

  // The links of the last paint.
  int GetLinkCount() const { return m_nLinks; }
  RECT GetLinkRect(int iIndex) const;
  CUIString GetLinkText(int iIndex) const;

 private:
  // The link under the point, or -1.
  int FindLink(POINT pt) const;
  // The link handling before the label row's; true when the event ends there.
  bool HandleLinkEvent(UIEventRecord& event);

  int m_nLinks;
  RECT m_rcLinks[kMaxLinks];
  CUIString m_sLinks[kMaxLinks];
  int m_nHoverLink;
  IListUI* m_pOwnerList;
};

}  // namespace SkinUI

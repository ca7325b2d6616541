#pragma once
// A control that owns child controls: an ordered child list, an inner margin, a gap
// between children for the layouts, optional scroll bars, and the rules by which a
// tree is laid out, painted, hit-tested and scrolled. The plain container puts every
// child over its whole inner rectangle; the layouts derive from it.
#include "ui/core/control/CControlUI.h"
#include "ui/core/control/IContainerUI.h"
#include "ui/core/types/CUIPtrArray.h"

namespace SkinUI {

class CScrollBarUI;

class CContainerUI : public CControlUI, public IContainerUI {
 public:
  CContainerUI();
  ~CContainerUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;

  // IContainerUI
  CControlUI* GetItemAt(int iIndex) const override;
  int GetItemIndex(CControlUI* pControl) const override;
  bool SetItemIndex(CControlUI* pControl, int iIndex) override;
  int GetCount() const override;
  bool Add(CControlUI* pControl) override;
  bool AddAt(CControlUI* pControl, int iIndex) override;
  bool Remove(CControlUI* pControl) override;
  bool RemoveAt(int iIndex) override;
  void RemoveAll() override;

  void SetManager(CWindowManagerUI* pManager, CControlUI* pParent, bool bInit = true) override;
  void SetPos(RECT rc) override;
  void SetVisible(bool bVisible = true) override;
  void SetParentVisible(bool bVisible = true) override;
  void SetEnabled(bool bEnable = true) override;
  void SetMouseEnabled(bool bEnable = true) override;
  CControlUI* FindControl(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags) override;
  void HandleEvent(UIEventRecord& event) override;
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;
  void Paint(HDC hDC, const RECT& rcPaint) override;

  virtual RECT GetInset() const;
  virtual void SetInset(RECT rcInset);
  virtual int GetChildPadding() const;
  virtual void SetChildPadding(int iPadding);
  virtual bool IsAutoDestroy() const;
  virtual void SetAutoDestroy(bool bAuto);
  virtual bool IsDelayedDestroy() const;
  virtual void SetDelayedDestroy(bool bDelayed);
  virtual bool IsMouseChildEnabled() const;
  virtual void SetMouseChildEnabled(bool bEnable = true);
  virtual int FindSelectable(int iIndex, bool bForward = true) const;
  virtual SIZE GetScrollPos() const;
  virtual SIZE GetScrollRange() const;
  virtual void SetScrollPos(SIZE szPos);
  virtual void SetScrollStepSize(int nSize);
  virtual int GetScrollStepSize() const;
  virtual void ScrollLineUp();
  virtual void ScrollLineDown();
  virtual void ScrollPageUp();
  virtual void ScrollPageDown();
  virtual void ScrollToTop();
  virtual void ScrollToBottom();
  virtual void ScrollLineLeft();
  virtual void ScrollLineRight();
  virtual void ScrollPageLeft();
  virtual void ScrollPageRight();
  virtual void ScrollToLeft();
  virtual void ScrollToRight();
  virtual void EnableScrollBar(bool bEnableVertical = true, bool bEnableHorizontal = false);
  virtual CScrollBarUI* GetVerticalScrollBar() const;
  virtual CScrollBarUI* GetHorizontalScrollBar() const;
  virtual void SetFloatPos(int iIndex);
  virtual void UpdateScrollBars(RECT rc, int cxRequired, int cyRequired);

  // A descendant with that name, compared without regard to case; null when none.
  CControlUI* FindChildByName(LPCTSTR pstrName) const;

 protected:
  // The position less the inset and the room of each visible scroll bar.
  RECT GetInnerRect() const;
  bool IsBarShown(const CScrollBarUI* pBar) const;
  int VerticalLineStep() const;
  int HorizontalLineStep() const;
  // Deletes a child that has been taken out, or hands it to the manager to delete.
  void DestroyChild(CControlUI* pControl);
  // Applies the common part of Add and AddAt before the child joins the list.
  void PrepareChild(CControlUI* pControl);
  // Children under the inner clip; float ones under the outer clip again.
  void PaintChildren(HDC hDC, const RECT& rcPaint);

  CUIPtrArray m_items;  // CControlUI*, owned while auto destroy is on
  RECT m_rcInset;
  int m_iChildPadding;
  bool m_bAutoDestroy;
  bool m_bDelayedDestroy;
  bool m_bMouseChildEnabled;
  bool m_bScrollProcess;  // the relayout after showing the vertical bar is running
  int m_nScrollStepSize;
  CScrollBarUI* m_pVerticalScrollBar;    // owned
  CScrollBarUI* m_pHorizontalScrollBar;  // owned
};

}  // namespace SkinUI

#include "ui/core/control/CContainerUI.h"

#include <cstdlib>
#include <cwchar>

#include "ui/core/control/CScrollBarUI.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinClip.h"
#include "ui/core/render/CSkinRenderer.h"
#include "ui/core/types/CUIValueParser.h"

namespace SkinUI {

namespace {

// A row of a list answers this interface; FindSelectable looks for nothing else.
const wchar_t kListItemInterface[] = L"ListItem";

// The low word of a wheel event's wParam: a line up or down (SB_LINEUP, SB_LINEDOWN).
const WORD kWheelLineUp = 0;
const WORD kWheelLineDown = 1;

// Move, leave, enter, hover, the buttons, double click, context menu and wheel.
bool IsMouseEvent(int type) { return type >= UIEVENT_MOUSEMOVE && type <= UIEVENT_SCROLLWHEEL; }

}  // namespace

CContainerUI::CContainerUI()
    : m_rcInset{0, 0, 0, 0},
      m_iChildPadding(0),
      m_bAutoDestroy(true),
      m_bDelayedDestroy(true),
      m_bMouseChildEnabled(true),
      m_bScrollProcess(false),
      m_nScrollStepSize(0),
      m_pVerticalScrollBar(nullptr),
      m_pHorizontalScrollBar(nullptr) {}

CContainerUI::~CContainerUI() {
  // Children go with their container at once, never through the manager's queue.
  m_bDelayedDestroy = false;
  RemoveAll();
  delete m_pVerticalScrollBar;
  delete m_pHorizontalScrollBar;
}

LPCTSTR CContainerUI::GetClassName() const { return L"ContainerUI"; }

LPVOID CContainerUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr) {
    if (wcscmp(pstrName, L"IContainer") == 0) return static_cast<IContainerUI*>(this);
    if (wcscmp(pstrName, L"Container") == 0) return static_cast<CContainerUI*>(this);
  }
  return CControlUI::GetInterface(pstrName);
}

CControlUI* CContainerUI::GetItemAt(int iIndex) const {
  if (iIndex < 0 || iIndex >= m_items.GetSize()) return nullptr;
  return static_cast<CControlUI*>(m_items[iIndex]);
}

int CContainerUI::GetItemIndex(CControlUI* pControl) const {
  if (pControl == nullptr) return -1;
  return m_items.Find(pControl);
}

bool CContainerUI::SetItemIndex(CControlUI* pControl, int iIndex) {
  const int iOld = GetItemIndex(pControl);
  if (iOld < 0) return false;
  RequestLayout();
  m_items.RemoveAt(iOld);
  // An index outside the list would lose the child: it goes to the nearest end.
  if (iIndex < 0) iIndex = 0;
  if (iIndex > m_items.GetSize()) iIndex = m_items.GetSize();
  return m_items.InsertAt(iIndex, pControl);
}

int CContainerUI::GetCount() const { return m_items.GetSize(); }

void CContainerUI::PrepareChild(CControlUI* pControl) {
  if (m_pManager != nullptr) m_pManager->InitControls(pControl, this);
  if (IsVisible()) {
    RequestLayout();
  } else {
    pControl->SetParentVisible(false);
  }
}

bool CContainerUI::Add(CControlUI* pControl) {
  if (pControl == nullptr) return false;
  PrepareChild(pControl);
  return m_items.Add(pControl);
}

bool CContainerUI::AddAt(CControlUI* pControl, int iIndex) {
  if (pControl == nullptr) return false;
  PrepareChild(pControl);
  return m_items.InsertAt(iIndex, pControl);
}

void CContainerUI::DestroyChild(CControlUI* pControl) {
  if (m_bDelayedDestroy && m_pManager != nullptr) {
    m_pManager->AddDelayedCleanup(pControl);
  } else {
    delete pControl;
  }
}

bool CContainerUI::Remove(CControlUI* pControl) {
  const int iIndex = GetItemIndex(pControl);
  if (iIndex < 0) return false;
  RequestLayout();
  // Out of the list first: a child's destructor may look at its old parent.
  m_items.RemoveAt(iIndex);
  if (m_bAutoDestroy) DestroyChild(pControl);
  return true;
}

bool CContainerUI::RemoveAt(int iIndex) {
  CControlUI* pControl = GetItemAt(iIndex);
  if (pControl == nullptr) return false;
  return Remove(pControl);
}

void CContainerUI::RemoveAll() {
  // Detach the list before deleting, so that nothing a destructor does can reach a
  // child that is already gone.
  CUIPtrArray items(m_items);
  m_items.Empty();
  if (m_bAutoDestroy) {
    for (int i = 0; i < items.GetSize(); ++i) DestroyChild(static_cast<CControlUI*>(items[i]));
  }
  RequestLayout();
}

void CContainerUI::SetManager(CWindowManagerUI* pManager, CControlUI* pParent, bool bInit) {
  for (int i = 0; i < m_items.GetSize(); ++i) {
    static_cast<CControlUI*>(m_items[i])->SetManager(pManager, this, bInit);
  }
  if (m_pVerticalScrollBar != nullptr) m_pVerticalScrollBar->SetManager(pManager, this, bInit);
  if (m_pHorizontalScrollBar != nullptr) m_pHorizontalScrollBar->SetManager(pManager, this, bInit);
  CControlUI::SetManager(pManager, pParent, bInit);
}

void CContainerUI::SetPos(RECT rc) {
  CControlUI::SetPos(rc);
  if (m_items.IsEmpty()) return;
  RECT rcInner = m_rcItem;
  rcInner.left += m_rcInset.left;
  rcInner.top += m_rcInset.top;
  rcInner.right -= m_rcInset.right;
  rcInner.bottom -= m_rcInset.bottom;
  for (int i = 0; i < m_items.GetSize(); ++i) {
    CControlUI* pControl = static_cast<CControlUI*>(m_items[i]);
    if (!pControl->IsVisible()) continue;
    if (pControl->IsFloat()) {
      SetFloatPos(i);
    } else {
      pControl->SetPos(rcInner);
    }
  }
}

void CContainerUI::SetVisible(bool bVisible) {
  if (m_bVisible == bVisible) return;
  CControlUI::SetVisible(bVisible);
  for (int i = 0; i < m_items.GetSize(); ++i) static_cast<CControlUI*>(m_items[i])->SetParentVisible(IsVisible());
}

void CContainerUI::SetParentVisible(bool bVisible) {
  CControlUI::SetParentVisible(bVisible);
  for (int i = 0; i < m_items.GetSize(); ++i) static_cast<CControlUI*>(m_items[i])->SetParentVisible(IsVisible());
}

void CContainerUI::SetEnabled(bool bEnable) {
  if (m_bEnabled == bEnable) return;
  m_bEnabled = bEnable;
  for (int i = 0; i < m_items.GetSize(); ++i) static_cast<CControlUI*>(m_items[i])->SetEnabled(bEnable);
  Invalidate();
}

void CContainerUI::SetMouseEnabled(bool bEnable) {
  if (m_pVerticalScrollBar != nullptr) m_pVerticalScrollBar->SetMouseEnabled(bEnable);
  if (m_pHorizontalScrollBar != nullptr) m_pHorizontalScrollBar->SetMouseEnabled(bEnable);
  CControlUI::SetMouseEnabled(bEnable);
}

bool CContainerUI::IsBarShown(const CScrollBarUI* pBar) const { return pBar != nullptr && pBar->IsVisible(); }

RECT CContainerUI::GetInnerRect() const {
  RECT rc = m_rcItem;
  rc.left += m_rcInset.left;
  rc.top += m_rcInset.top;
  rc.right -= m_rcInset.right;
  rc.bottom -= m_rcInset.bottom;
  if (IsBarShown(m_pVerticalScrollBar)) rc.right -= m_pVerticalScrollBar->GetFixedWidth();
  if (IsBarShown(m_pHorizontalScrollBar)) rc.bottom -= m_pHorizontalScrollBar->GetFixedHeight();
  return rc;
}

CControlUI* CContainerUI::FindControl(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags) {
  if ((uFlags & UIFIND_VISIBLE) != 0 && !IsVisible()) return nullptr;
  if ((uFlags & UIFIND_ENABLED) != 0 && !IsEnabled()) return nullptr;
  const bool bHitTest = (uFlags & UIFIND_HITTEST) != 0;
  if (bHitTest) {
    if (pData == nullptr || !::PtInRect(&m_rcItem, *static_cast<const POINT*>(pData))) return nullptr;
  }
  CControlUI* pResult = nullptr;
  if (bHitTest && !m_bMouseChildEnabled) {
    if (m_pVerticalScrollBar != nullptr) pResult = m_pVerticalScrollBar->FindControl(Proc, pData, uFlags);
    if (pResult == nullptr && m_pHorizontalScrollBar != nullptr) {
      pResult = m_pHorizontalScrollBar->FindControl(Proc, pData, uFlags);
    }
    if (pResult == nullptr) pResult = CControlUI::FindControl(Proc, pData, uFlags);
    return pResult;
  }

  if (m_pVerticalScrollBar != nullptr) pResult = m_pVerticalScrollBar->FindControl(Proc, pData, uFlags);
  if (pResult != nullptr) return pResult;
  if (m_pHorizontalScrollBar != nullptr) pResult = m_pHorizontalScrollBar->FindControl(Proc, pData, uFlags);
  if (pResult != nullptr) return pResult;

  if ((uFlags & UIFIND_ME_FIRST) != 0) {
    pResult = CControlUI::FindControl(Proc, pData, uFlags);
    if (pResult != nullptr) return pResult;
  }

  const RECT rcInner = GetInnerRect();
  const int nCount = m_items.GetSize();
  const bool bTopFirst = (uFlags & UIFIND_TOP_FIRST) != 0;
  for (int n = 0; n < nCount; ++n) {
    const int i = bTopFirst ? nCount - 1 - n : n;
    pResult = static_cast<CControlUI*>(m_items[i])->FindControl(Proc, pData, uFlags);
    if (pResult == nullptr) continue;
    // A child scrolled out of the inner rectangle cannot be hit there.
    if (!bHitTest || pResult->IsFloat() || ::PtInRect(&rcInner, *static_cast<const POINT*>(pData))) {
      return pResult;
    }
  }

  if ((uFlags & UIFIND_ME_FIRST) == 0) return CControlUI::FindControl(Proc, pData, uFlags);
  return nullptr;
}

void CContainerUI::HandleEvent(UIEventRecord& event) {
  if (!m_bMouseEnabled && IsMouseEvent(event.Type)) {
    if (m_pParent != nullptr) {
      m_pParent->HandleEvent(event);
    } else {
      CControlUI::HandleEvent(event);
    }
    return;
  }
  if (event.Type == UIEVENT_SETFOCUS) {
    m_bFocused = true;
    return;
  }
  if (event.Type == UIEVENT_KILLFOCUS) {
    m_bFocused = false;
    return;
  }
  if (m_pVerticalScrollBar != nullptr && m_pVerticalScrollBar->IsVisible() && m_pVerticalScrollBar->IsEnabled()) {
    if (event.Type == UIEVENT_KEYDOWN) {
      switch (event.chKey) {
        case VK_PRIOR: ScrollPageUp(); return;
        case VK_NEXT: ScrollPageDown(); return;
        case VK_END: ScrollToBottom(); return;
        case VK_HOME: ScrollToTop(); return;
        case VK_UP: ScrollLineUp(); return;
        case VK_DOWN: ScrollLineDown(); return;
        default: break;
      }
    } else if (event.Type == UIEVENT_SCROLLWHEEL) {
      switch (LOWORD(event.wParam)) {
        case kWheelLineUp: ScrollLineUp(); return;
        case kWheelLineDown: ScrollLineDown(); return;
        default: break;
      }
    }
  } else if (m_pHorizontalScrollBar != nullptr && m_pHorizontalScrollBar->IsVisible() &&
             m_pHorizontalScrollBar->IsEnabled()) {
    if (event.Type == UIEVENT_KEYDOWN) {
      switch (event.chKey) {
        case VK_PRIOR: ScrollPageLeft(); return;
        case VK_NEXT: ScrollPageRight(); return;
        case VK_END: ScrollToRight(); return;
        case VK_HOME: ScrollToLeft(); return;
        case VK_UP: ScrollLineLeft(); return;
        case VK_DOWN: ScrollLineRight(); return;
        default: break;
      }
    } else if (event.Type == UIEVENT_SCROLLWHEEL) {
      switch (LOWORD(event.wParam)) {
        case kWheelLineUp: ScrollLineLeft(); return;
        case kWheelLineDown: ScrollLineRight(); return;
        default: break;
      }
    }
  }
  CControlUI::HandleEvent(event);
}

void CContainerUI::Paint(HDC hDC, const RECT& rcPaint) {
  RECT rcTemp = {0, 0, 0, 0};
  if (!::IntersectRect(&rcTemp, &rcPaint, &m_rcItem)) return;

  CSkinClip clip;
  CSkinRenderer::SetClip(hDC, rcTemp, clip);
  CControlUI::Paint(hDC, rcPaint);
  if (!m_items.IsEmpty()) PaintChildren(hDC, rcPaint);

  if (IsBarShown(m_pVerticalScrollBar) && ::IntersectRect(&rcTemp, &rcPaint, &m_pVerticalScrollBar->GetPos())) {
    m_pVerticalScrollBar->Paint(hDC, rcPaint);
  }
  if (IsBarShown(m_pHorizontalScrollBar) && ::IntersectRect(&rcTemp, &rcPaint, &m_pHorizontalScrollBar->GetPos())) {
    m_pHorizontalScrollBar->Paint(hDC, rcPaint);
  }
}

void CContainerUI::PaintChildren(HDC hDC, const RECT& rcPaint) {
  RECT rcTemp = {0, 0, 0, 0};
  const RECT rcInner = GetInnerRect();
  if (!::IntersectRect(&rcTemp, &rcPaint, &rcInner)) {
    // Only float children can show outside the inner rectangle.
    for (int i = 0; i < m_items.GetSize(); ++i) {
      CControlUI* pControl = static_cast<CControlUI*>(m_items[i]);
      if (!pControl->IsVisible() || !pControl->IsFloat()) continue;
      if (!::IntersectRect(&rcTemp, &rcPaint, &pControl->GetPos())) continue;
      if (!::IntersectRect(&rcTemp, &m_rcItem, &pControl->GetPos())) continue;
      pControl->Paint(hDC, rcPaint);
    }
    return;
  }

  CSkinClip childClip;
  CSkinRenderer::SetClip(hDC, rcTemp, childClip);
  for (int i = 0; i < m_items.GetSize(); ++i) {
    CControlUI* pControl = static_cast<CControlUI*>(m_items[i]);
    if (!pControl->IsVisible()) continue;
    if (!::IntersectRect(&rcTemp, &rcPaint, &pControl->GetPos())) continue;
    if (pControl->IsFloat()) {
      if (!::IntersectRect(&rcTemp, &m_rcItem, &pControl->GetPos())) continue;
      // A float child may stick out of the inset area, not out of the container.
      CSkinRenderer::UseOldClipBegin(hDC, childClip);
      pControl->Paint(hDC, rcPaint);
      CSkinRenderer::UseOldClipEnd(hDC, childClip);
    } else {
      if (!::IntersectRect(&rcTemp, &rcInner, &pControl->GetPos())) continue;
      pControl->Paint(hDC, rcPaint);
    }
  }
}

RECT CContainerUI::GetInset() const { return m_rcInset; }

void CContainerUI::SetInset(RECT rcInset) {
  m_rcInset = rcInset;
  RequestLayout();
}

int CContainerUI::GetChildPadding() const { return m_iChildPadding; }

void CContainerUI::SetChildPadding(int iPadding) {
  m_iChildPadding = iPadding;
  RequestLayout();
}

bool CContainerUI::IsAutoDestroy() const { return m_bAutoDestroy; }

void CContainerUI::SetAutoDestroy(bool bAuto) { m_bAutoDestroy = bAuto; }

bool CContainerUI::IsDelayedDestroy() const { return m_bDelayedDestroy; }

void CContainerUI::SetDelayedDestroy(bool bDelayed) { m_bDelayedDestroy = bDelayed; }

bool CContainerUI::IsMouseChildEnabled() const { return m_bMouseChildEnabled; }

void CContainerUI::SetMouseChildEnabled(bool bEnable) { m_bMouseChildEnabled = bEnable; }

int CContainerUI::FindSelectable(int iIndex, bool bForward) const {
  const int nCount = m_items.GetSize();
  if (nCount == 0) return -1;
  if (iIndex < 0) iIndex = 0;
  if (iIndex >= nCount) iIndex = nCount - 1;
  auto selectable = [this](int i) {
    CControlUI* pControl = static_cast<CControlUI*>(m_items[i]);
    return pControl->GetInterface(kListItemInterface) != nullptr && pControl->IsVisible() && pControl->IsEnabled();
  };
  if (bForward) {
    for (int i = iIndex; i < nCount; ++i) {
      if (selectable(i)) return i;
    }
    return -1;
  }
  for (int i = iIndex; i >= 0; --i) {
    if (selectable(i)) return i;
  }
  return FindSelectable(0, true);
}

SIZE CContainerUI::GetScrollPos() const {
  SIZE sz = {0, 0};
  if (IsBarShown(m_pVerticalScrollBar)) sz.cy = m_pVerticalScrollBar->GetScrollPos();
  if (IsBarShown(m_pHorizontalScrollBar)) sz.cx = m_pHorizontalScrollBar->GetScrollPos();
  return sz;
}

SIZE CContainerUI::GetScrollRange() const {
  SIZE sz = {0, 0};
  if (IsBarShown(m_pVerticalScrollBar)) sz.cy = m_pVerticalScrollBar->GetScrollRange();
  if (IsBarShown(m_pHorizontalScrollBar)) sz.cx = m_pHorizontalScrollBar->GetScrollRange();
  return sz;
}

void CContainerUI::SetScrollPos(SIZE szPos) {
  int cx = 0;
  int cy = 0;
  if (IsBarShown(m_pVerticalScrollBar)) {
    const int iLastScrollPos = m_pVerticalScrollBar->GetScrollPos();
    m_pVerticalScrollBar->SetScrollPos(szPos.cy);
    cy = m_pVerticalScrollBar->GetScrollPos() - iLastScrollPos;
  }
  if (IsBarShown(m_pHorizontalScrollBar)) {
    const int iLastScrollPos = m_pHorizontalScrollBar->GetScrollPos();
    m_pHorizontalScrollBar->SetScrollPos(szPos.cx);
    cx = m_pHorizontalScrollBar->GetScrollPos() - iLastScrollPos;
  }
  if (cx == 0 && cy == 0) return;
  for (int i = 0; i < m_items.GetSize(); ++i) {
    CControlUI* pControl = static_cast<CControlUI*>(m_items[i]);
    if (!pControl->IsVisible() || pControl->IsFloat()) continue;
    RECT rc = pControl->GetPos();
    rc.left -= cx;
    rc.right -= cx;
    rc.top -= cy;
    rc.bottom -= cy;
    pControl->SetPos(rc);
  }
  Invalidate();
}

void CContainerUI::SetScrollStepSize(int nSize) {
  if (nSize > 0) m_nScrollStepSize = nSize;
}

int CContainerUI::GetScrollStepSize() const { return m_nScrollStepSize; }

int CContainerUI::VerticalLineStep() const {
  if (m_nScrollStepSize > 0) return m_nScrollStepSize;
  if (m_pManager == nullptr) return 8;
  return 8 + m_pManager->GetDefaultFontInfo()->tm.tmHeight;
}

int CContainerUI::HorizontalLineStep() const { return m_nScrollStepSize > 0 ? m_nScrollStepSize : 8; }

void CContainerUI::ScrollLineUp() {
  SIZE sz = GetScrollPos();
  sz.cy -= VerticalLineStep();
  SetScrollPos(sz);
}

void CContainerUI::ScrollLineDown() {
  SIZE sz = GetScrollPos();
  sz.cy += VerticalLineStep();
  SetScrollPos(sz);
}

void CContainerUI::ScrollPageUp() {
  SIZE sz = GetScrollPos();
  int iOffset = m_rcItem.bottom - m_rcItem.top - m_rcInset.top - m_rcInset.bottom;
  if (IsBarShown(m_pHorizontalScrollBar)) iOffset -= m_pHorizontalScrollBar->GetFixedHeight();
  sz.cy -= iOffset;
  SetScrollPos(sz);
}

void CContainerUI::ScrollPageDown() {
  SIZE sz = GetScrollPos();
  int iOffset = m_rcItem.bottom - m_rcItem.top - m_rcInset.top - m_rcInset.bottom;
  if (IsBarShown(m_pHorizontalScrollBar)) iOffset -= m_pHorizontalScrollBar->GetFixedHeight();
  sz.cy += iOffset;
  SetScrollPos(sz);
}

void CContainerUI::ScrollToTop() {
  SIZE sz = GetScrollPos();
  sz.cy = 0;
  SetScrollPos(sz);
}

void CContainerUI::ScrollToBottom() {
  SIZE sz = GetScrollPos();
  sz.cy = GetScrollRange().cy;
  SetScrollPos(sz);
}

void CContainerUI::ScrollLineLeft() {
  SIZE sz = GetScrollPos();
  sz.cx -= HorizontalLineStep();
  SetScrollPos(sz);
}

void CContainerUI::ScrollLineRight() {
  SIZE sz = GetScrollPos();
  sz.cx += HorizontalLineStep();
  SetScrollPos(sz);
}

void CContainerUI::ScrollPageLeft() {
  SIZE sz = GetScrollPos();
  int iOffset = m_rcItem.right - m_rcItem.left - m_rcInset.left - m_rcInset.right;
  if (IsBarShown(m_pVerticalScrollBar)) iOffset -= m_pVerticalScrollBar->GetFixedWidth();
  sz.cx -= iOffset;
  SetScrollPos(sz);
}

void CContainerUI::ScrollPageRight() {
  SIZE sz = GetScrollPos();
  int iOffset = m_rcItem.right - m_rcItem.left - m_rcInset.left - m_rcInset.right;
  if (IsBarShown(m_pVerticalScrollBar)) iOffset -= m_pVerticalScrollBar->GetFixedWidth();
  sz.cx += iOffset;
  SetScrollPos(sz);
}

void CContainerUI::ScrollToLeft() {
  SIZE sz = GetScrollPos();
  sz.cx = 0;
  SetScrollPos(sz);
}

void CContainerUI::ScrollToRight() {
  SIZE sz = GetScrollPos();
  sz.cx = GetScrollRange().cx;
  SetScrollPos(sz);
}

void CContainerUI::EnableScrollBar(bool bEnableVertical, bool bEnableHorizontal) {
  if (bEnableVertical && m_pVerticalScrollBar == nullptr) {
    m_pVerticalScrollBar = new CScrollBarUI;
    m_pVerticalScrollBar->SetOwner(this);
    m_pVerticalScrollBar->SetManager(m_pManager, nullptr, false);
    if (m_pManager != nullptr) {
      LPCTSTR pDefaultAttributes = m_pManager->GetDefaultAttributeList(L"VScrollBar");
      if (pDefaultAttributes != nullptr) m_pVerticalScrollBar->SetAttributeList(pDefaultAttributes);
    }
  } else if (!bEnableVertical && m_pVerticalScrollBar != nullptr) {
    delete m_pVerticalScrollBar;
    m_pVerticalScrollBar = nullptr;
  }

  if (bEnableHorizontal && m_pHorizontalScrollBar == nullptr) {
    m_pHorizontalScrollBar = new CScrollBarUI;
    m_pHorizontalScrollBar->SetHorizontal(true);
    m_pHorizontalScrollBar->SetOwner(this);
    m_pHorizontalScrollBar->SetManager(m_pManager, nullptr, false);
    if (m_pManager != nullptr) {
      LPCTSTR pDefaultAttributes = m_pManager->GetDefaultAttributeList(L"HScrollBar");
      if (pDefaultAttributes != nullptr) m_pHorizontalScrollBar->SetAttributeList(pDefaultAttributes);
    }
  } else if (!bEnableHorizontal && m_pHorizontalScrollBar != nullptr) {
    delete m_pHorizontalScrollBar;
    m_pHorizontalScrollBar = nullptr;
  }

  RequestLayout();
}

CScrollBarUI* CContainerUI::GetVerticalScrollBar() const { return m_pVerticalScrollBar; }

CScrollBarUI* CContainerUI::GetHorizontalScrollBar() const { return m_pHorizontalScrollBar; }

void CContainerUI::SetFloatPos(int iIndex) {
  CControlUI* pControl = GetItemAt(iIndex);
  if (pControl == nullptr || !pControl->IsVisible() || !pControl->IsFloat()) return;

  const SIZE szXY = pControl->GetFixedXY();
  const SIZE sz = {pControl->GetFixedWidth(), pControl->GetFixedHeight()};
  RECT rcCtrl = {0, 0, 0, 0};
  if (szXY.cx >= 0) {
    rcCtrl.left = m_rcItem.left + szXY.cx;
    rcCtrl.right = m_rcItem.left + szXY.cx + sz.cx;
  } else {
    rcCtrl.left = m_rcItem.right + szXY.cx - sz.cx;
    rcCtrl.right = m_rcItem.right + szXY.cx;
  }
  if (szXY.cy >= 0) {
    rcCtrl.top = m_rcItem.top + szXY.cy;
    rcCtrl.bottom = m_rcItem.top + szXY.cy + sz.cy;
  } else {
    rcCtrl.top = m_rcItem.bottom + szXY.cy - sz.cy;
    rcCtrl.bottom = m_rcItem.bottom + szXY.cy;
  }

  if (pControl->IsRelativePos()) {
    const UIRelativePos tRelativePos = pControl->GetRelativePos();
    const SIZE szParent = {m_rcItem.right - m_rcItem.left, m_rcItem.bottom - m_rcItem.top};
    if (tRelativePos.szParent.cx != 0) {
      const int nIncrementX = szParent.cx - tRelativePos.szParent.cx;
      const int nIncrementY = szParent.cy - tRelativePos.szParent.cy;
      rcCtrl.left += nIncrementX * tRelativePos.nMoveXPercent / 100;
      rcCtrl.top += nIncrementY * tRelativePos.nMoveYPercent / 100;
      rcCtrl.right = rcCtrl.left + sz.cx + nIncrementX * tRelativePos.nZoomXPercent / 100;
      rcCtrl.bottom = rcCtrl.top + sz.cy + nIncrementY * tRelativePos.nZoomYPercent / 100;
    }
    pControl->SetRelativeParentSize(szParent);
  }
  pControl->SetPos(rcCtrl);
}

void CContainerUI::UpdateScrollBars(RECT rc, int /*cxRequired*/, int cyRequired) {
  if (IsBarShown(m_pHorizontalScrollBar)) {
    m_pHorizontalScrollBar->SetPos(
        RECT{rc.left, rc.bottom, rc.right, rc.bottom + m_pHorizontalScrollBar->GetFixedHeight()});
  }
  if (m_pVerticalScrollBar == nullptr) return;

  const int cyInner = rc.bottom - rc.top;
  if (cyRequired > cyInner && !m_pVerticalScrollBar->IsVisible()) {
    m_pVerticalScrollBar->SetVisible(true);
    m_pVerticalScrollBar->SetScrollRange(cyRequired - cyInner);
    m_pVerticalScrollBar->SetScrollPos(0);
    // Lay the content out again around the bar that has just taken its room.
    m_bScrollProcess = true;
    SetPos(m_rcItem);
    m_bScrollProcess = false;
    return;
  }
  if (!m_pVerticalScrollBar->IsVisible()) return;

  const int cyScroll = cyRequired - cyInner;
  if (cyScroll <= 0 && !m_bScrollProcess) {
    m_pVerticalScrollBar->SetVisible(false);
    m_pVerticalScrollBar->SetScrollPos(0);
    m_pVerticalScrollBar->SetScrollRange(0);
    SetPos(m_rcItem);
    return;
  }

  m_pVerticalScrollBar->SetPos(
      RECT{rc.right, rc.top, rc.right + m_pVerticalScrollBar->GetFixedWidth(), rc.bottom});
  if (m_pVerticalScrollBar->GetScrollRange() == cyScroll) return;
  const int iLastScrollPos = m_pVerticalScrollBar->GetScrollPos();
  m_pVerticalScrollBar->SetScrollRange(std::abs(cyScroll));
  if (m_pVerticalScrollBar->GetScrollRange() == 0) {
    m_pVerticalScrollBar->SetVisible(false);
    m_pVerticalScrollBar->SetScrollPos(0);
  }
  if (m_pVerticalScrollBar->GetScrollPos() < iLastScrollPos) SetPos(m_rcItem);
}

CControlUI* CContainerUI::FindChildByName(LPCTSTR pstrName) const {
  if (m_pManager == nullptr) return nullptr;
  return m_pManager->FindSubControlByName(const_cast<CContainerUI*>(this), pstrName);
}

void CContainerUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (wcscmp(pstrName, L"inset") == 0) {
    SetInset(CUIValueParser::ReadRect(pstrValue));
  } else if (wcscmp(pstrName, L"mousechild") == 0) {
    SetMouseChildEnabled(CUIValueParser::IsTrue(pstrValue));
  } else if (wcscmp(pstrName, L"vscrollbar") == 0) {
    EnableScrollBar(CUIValueParser::IsTrue(pstrValue), m_pHorizontalScrollBar != nullptr);
  } else if (wcscmp(pstrName, L"vscrollbarstyle") == 0) {
    EnableScrollBar(true, m_pHorizontalScrollBar != nullptr);
    if (m_pVerticalScrollBar != nullptr) m_pVerticalScrollBar->SetAttributeList(pstrValue);
  } else if (wcscmp(pstrName, L"hscrollbar") == 0) {
    EnableScrollBar(m_pVerticalScrollBar != nullptr, CUIValueParser::IsTrue(pstrValue));
  } else if (wcscmp(pstrName, L"hscrollbarstyle") == 0) {
    EnableScrollBar(m_pVerticalScrollBar != nullptr, true);
    if (m_pHorizontalScrollBar != nullptr) m_pHorizontalScrollBar->SetAttributeList(pstrValue);
  } else if (wcscmp(pstrName, L"childpadding") == 0) {
    SetChildPadding(CUIValueParser::ReadDecimal(pstrValue, nullptr));
  } else if (wcscmp(pstrName, L"scrollstepsize") == 0) {
    SetScrollStepSize(CUIValueParser::ReadDecimal(pstrValue, nullptr));
  } else {
    CControlUI::SetAttribute(pstrName, pstrValue);
  }
}

}  // namespace SkinUI

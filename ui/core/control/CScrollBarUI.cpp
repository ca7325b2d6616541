#include "ui/core/control/CScrollBarUI.h"

#include <algorithm>
#include <cwchar>

#include "ui/core/control/CContainerUI.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"
#include "ui/core/types/CUIValueParser.h"

namespace SkinUI {

namespace {

const UINT kStateDisabled = 0x04;
const UINT kStateHot = 0x08;
const UINT kStatePushed = 0x10;
const UINT kStateCaptured = 0x40;

// What a part without pictures shows.
const DWORD kFrameColor = 0xFF85E4FF;
const int kFrameSize = 2;

// A held button waits this many ticks before it repeats.
const int kRepeatAfterTicks = 5;

bool IsMouseEvent(int type) { return type >= UIEVENT_MOUSEMOVE && type <= UIEVENT_SCROLLWHEEL; }

bool IsZero(const RECT& rc) { return rc.left == 0 && rc.top == 0 && rc.right == 0 && rc.bottom == 0; }

RECT Relative(const RECT& rc, const RECT& rcOrigin) {
  return RECT{rc.left - rcOrigin.left, rc.top - rcOrigin.top, rc.right - rcOrigin.left, rc.bottom - rcOrigin.top};
}

}  // namespace

CScrollBarUI::CScrollBarUI()
    : m_pOwner(nullptr),
      m_bHorizontal(false),
      m_nRange(DEFAULT_RANGE),
      m_nScrollPos(0),
      m_nLineSize(DEFAULT_LINE_SIZE),
      m_ptLastMouse{0, 0},
      m_nLastScrollPos(0),
      m_nLastScrollOffset(0),
      m_nScrollRepeatDelay(0),
      m_bShowButton1(true),
      m_rcButton1{0, 0, 0, 0},
      m_uButton1State(0),
      m_bShowButton2(true),
      m_rcButton2{0, 0, 0, 0},
      m_uButton2State(0),
      m_rcThumb{0, 0, 0, 0},
      m_uThumbState(0) {
  m_cxyFixed.cx = DEFAULT_SCROLLBAR_SIZE;
}

CScrollBarUI::~CScrollBarUI() = default;

LPCTSTR CScrollBarUI::GetClassName() const { return L"ScrollBarUI"; }

LPVOID CScrollBarUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && wcscmp(pstrName, L"ScrollBar") == 0) return static_cast<CScrollBarUI*>(this);
  return CControlUI::GetInterface(pstrName);
}

CContainerUI* CScrollBarUI::GetOwner() const { return m_pOwner; }

void CScrollBarUI::SetOwner(CContainerUI* pOwner) { m_pOwner = pOwner; }

bool CScrollBarUI::IsHorizontal() const { return m_bHorizontal; }

void CScrollBarUI::SetHorizontal(bool bHorizontal) {
  if (m_bHorizontal == bHorizontal) return;
  m_bHorizontal = bHorizontal;
  // The thickness moves to the other axis unless the skin gave one there already.
  if (m_bHorizontal) {
    if (m_cxyFixed.cy == 0) {
      m_cxyFixed.cx = 0;
      m_cxyFixed.cy = DEFAULT_SCROLLBAR_SIZE;
    }
  } else if (m_cxyFixed.cx == 0) {
    m_cxyFixed.cx = DEFAULT_SCROLLBAR_SIZE;
    m_cxyFixed.cy = 0;
  }
  if (m_pOwner != nullptr) {
    m_pOwner->RequestLayout();
  } else {
    RequestParentLayout();
  }
}

int CScrollBarUI::GetScrollRange() const { return m_nRange; }

void CScrollBarUI::SetScrollRange(int nRange) {
  if (m_nRange == nRange) return;
  m_nRange = nRange < 0 ? 0 : nRange;
  if (m_nScrollPos > m_nRange) m_nScrollPos = m_nRange;
  SetPos(m_rcItem);
}

int CScrollBarUI::GetScrollPos() const { return m_nScrollPos; }

void CScrollBarUI::SetScrollPos(int nPos) {
  if (m_nScrollPos == nPos) return;
  if (nPos < 0) nPos = 0;
  if (nPos > m_nRange) nPos = m_nRange;
  m_nScrollPos = nPos;
  SetPos(m_rcItem);
}

int CScrollBarUI::GetLineSize() const { return m_nLineSize; }

void CScrollBarUI::SetLineSize(int nSize) { m_nLineSize = nSize; }

bool CScrollBarUI::GetShowButton1() const { return m_bShowButton1; }

void CScrollBarUI::SetShowButton1(bool bShow) {
  if (m_bShowButton1 == bShow) return;
  m_bShowButton1 = bShow;
  SetPos(m_rcItem);
}

bool CScrollBarUI::GetShowButton2() const { return m_bShowButton2; }

void CScrollBarUI::SetShowButton2(bool bShow) {
  if (m_bShowButton2 == bShow) return;
  m_bShowButton2 = bShow;
  SetPos(m_rcItem);
}

void CScrollBarUI::SetEnabled(bool bEnable) {
  CControlUI::SetEnabled(bEnable);
  if (bEnable) return;
  m_uButton1State = 0;
  m_uButton2State = 0;
  m_uThumbState = 0;
}

void CScrollBarUI::SetFocus() {
  if (m_pOwner != nullptr) {
    m_pOwner->SetFocus();
  } else {
    CControlUI::SetFocus();
  }
}

int CScrollBarUI::Thickness() const { return m_bHorizontal ? m_cxyFixed.cy : m_cxyFixed.cx; }

int CScrollBarUI::Length() const {
  return m_bHorizontal ? m_rcItem.right - m_rcItem.left : m_rcItem.bottom - m_rcItem.top;
}

int CScrollBarUI::ShownButtonsLength() const {
  return (m_bShowButton1 ? Thickness() : 0) + (m_bShowButton2 ? Thickness() : 0);
}

// A long content would shrink the thumb to a speck: it keeps at least the length of
// its picture (so the picture's rounded ends stay whole) and never less than the
// bar is thick.
int CScrollBarUI::MinThumbLength() {
  const int thickness = Thickness();
  CImageAttribute& picture = m_thumb.normal;
  if (picture.GetAttributeString().IsEmpty() || !picture.LoadImage(m_pManager)) return thickness;
  const RECT& source = picture.GetSource();
  const int length = m_bHorizontal ? source.right - source.left : source.bottom - source.top;
  return std::max(thickness, length);
}

// Laid out along y for a vertical bar and along x for a horizontal one; the helper
// below works on the vertical form with the axes exchanged for a horizontal bar.
void CScrollBarUI::SetPos(RECT rc) {
  CControlUI::SetPos(rc);
  rc = m_rcItem;
  const int c = Thickness();
  // Start, end and the cross start along the bar's axes.
  const int s = m_bHorizontal ? rc.left : rc.top;
  const int e = m_bHorizontal ? rc.right : rc.bottom;
  const int x = m_bHorizontal ? rc.top : rc.left;
  auto make = [this](int from, int to, int crossFrom, int crossTo) {
    return m_bHorizontal ? RECT{from, crossFrom, to, crossTo} : RECT{crossFrom, from, crossTo, to};
  };

  int available = e - s;
  if (m_bShowButton1) available -= c;
  if (m_bShowButton2) available -= c;
  if (available > c) {
    m_rcButton1 = m_bShowButton1 ? make(s, s + c, x, x + c) : make(s, s, x, x);
    m_rcButton2 = m_bShowButton2 ? make(e - c, e, x, x + c) : make(e, e, x, x);
    const int b1End = m_bHorizontal ? m_rcButton1.right : m_rcButton1.bottom;
    const int b2Start = m_bHorizontal ? m_rcButton2.left : m_rcButton2.top;
    if (m_nRange > 0) {
      int t = (e - s) * available / (m_nRange + (e - s));
      t = std::min(std::max(t, MinThumbLength()), available);
      int from = (available - t) * m_nScrollPos / m_nRange + b1End;
      int to = from + t;
      if (to > b2Start) {
        from = b2Start - t;
        to = b2Start;
      }
      m_rcThumb = make(from, to, x, x + c);
    } else {
      m_rcThumb = make(b1End, b2Start, x, x + c);
    }
    return;
  }
  int buttonLength = (e - s) / 2;
  if (buttonLength > c) buttonLength = c;
  m_rcButton1 = m_bShowButton1 ? make(s, s + buttonLength, x, x + c) : make(s, s, x, x);
  m_rcButton2 = m_bShowButton2 ? make(e - buttonLength, e, x, x + c) : make(e, e, x, x);
  m_rcThumb = RECT{0, 0, 0, 0};
}

void CScrollBarUI::LineBack() {
  if (m_pOwner == nullptr) {
    SetScrollPos(m_nScrollPos - m_nLineSize);
  } else if (m_bHorizontal) {
    m_pOwner->ScrollLineLeft();
  } else {
    m_pOwner->ScrollLineUp();
  }
}

void CScrollBarUI::LineForward() {
  if (m_pOwner == nullptr) {
    SetScrollPos(m_nScrollPos + m_nLineSize);
  } else if (m_bHorizontal) {
    m_pOwner->ScrollLineRight();
  } else {
    m_pOwner->ScrollLineDown();
  }
}

void CScrollBarUI::PageBack() {
  if (m_pOwner == nullptr) {
    SetScrollPos(m_nScrollPos - Length());
  } else if (m_bHorizontal) {
    m_pOwner->ScrollPageLeft();
  } else {
    m_pOwner->ScrollPageUp();
  }
}

void CScrollBarUI::PageForward() {
  if (m_pOwner == nullptr) {
    SetScrollPos(m_nScrollPos + Length());
  } else if (m_bHorizontal) {
    m_pOwner->ScrollPageRight();
  } else {
    m_pOwner->ScrollPageDown();
  }
}

void CScrollBarUI::ApplyDrag() {
  const int nPos = m_nLastScrollPos + m_nLastScrollOffset;
  if (m_pOwner == nullptr) {
    SetScrollPos(nPos);
  } else {
    SIZE sz = m_pOwner->GetScrollPos();
    if (m_bHorizontal) {
      sz.cx = nPos;
    } else {
      sz.cy = nPos;
    }
    m_pOwner->SetScrollPos(sz);
  }
  Invalidate();
}

void CScrollBarUI::NotifyScroll() {
  if (m_pManager != nullptr && m_pOwner == nullptr) m_pManager->SendNotify(this, L"scroll");
}

void CScrollBarUI::PassOn(UIEventRecord& event) {
  if (m_pOwner != nullptr) {
    m_pOwner->HandleEvent(event);
  } else {
    CControlUI::HandleEvent(event);
  }
}

void CScrollBarUI::OnButtonDown(const UIEventRecord& event) {
  m_nLastScrollOffset = 0;
  m_nScrollRepeatDelay = 0;
  if (m_pManager != nullptr) m_pManager->SetTimer(this, REPEAT_TIMER_ID, REPEAT_TIMER_ELAPSE);
  const POINT pt = event.ptMouse;
  if (::PtInRect(&m_rcButton1, pt)) {
    m_uButton1State |= kStatePushed;
    LineBack();
  } else if (::PtInRect(&m_rcButton2, pt)) {
    m_uButton2State |= kStatePushed;
    LineForward();
  } else if (::PtInRect(&m_rcThumb, pt)) {
    m_uThumbState |= kStateCaptured | kStatePushed;
    m_ptLastMouse = pt;
    m_nLastScrollPos = m_nScrollPos;
  } else if ((m_bHorizontal ? pt.x < m_rcThumb.left : pt.y < m_rcThumb.top)) {
    PageBack();
  } else {
    PageForward();
  }
  NotifyScroll();
}

void CScrollBarUI::OnButtonUp() {
  m_nScrollRepeatDelay = 0;
  m_nLastScrollOffset = 0;
  if (m_pManager != nullptr) m_pManager->KillTimer(this, REPEAT_TIMER_ID);
  if ((m_uThumbState & kStateCaptured) != 0) {
    m_uThumbState &= ~(kStateCaptured | kStatePushed);
    Invalidate();
  } else if ((m_uButton1State & kStatePushed) != 0) {
    m_uButton1State &= ~kStatePushed;
    Invalidate();
  } else if ((m_uButton2State & kStatePushed) != 0) {
    m_uButton2State &= ~kStatePushed;
    Invalidate();
  }
}

void CScrollBarUI::OnMouseMove(const UIEventRecord& event) {
  const POINT pt = event.ptMouse;
  if ((m_uThumbState & kStateCaptured) != 0) {
    // The pixels the thumb can travel: the bar less the thumb and the arrow buttons
    // shown, so that the thumb stays under the mouse. A bar with no room to travel
    // (the thumb as long as the track) is not dragged.
    const int nThumb = m_bHorizontal ? m_rcThumb.right - m_rcThumb.left : m_rcThumb.bottom - m_rcThumb.top;
    const int nTrack = Length() - nThumb - ShownButtonsLength();
    if (nTrack <= 0) return;
    const int delta = m_bHorizontal ? pt.x - m_ptLastMouse.x : pt.y - m_ptLastMouse.y;
    m_nLastScrollOffset = delta * m_nRange / nTrack;
    return;
  }
  const bool bWasHot = (m_uThumbState & kStateHot) != 0;
  const bool bHot = IsEnabled() && ::PtInRect(&m_rcThumb, pt);
  if (bHot == bWasHot) return;
  if (bHot) {
    m_uThumbState |= kStateHot;
  } else {
    m_uThumbState &= ~kStateHot;
  }
  Invalidate();
}

void CScrollBarUI::OnTimer() {
  ++m_nScrollRepeatDelay;
  if ((m_uThumbState & kStateCaptured) != 0) {
    ApplyDrag();
  } else if ((m_uButton1State & kStatePushed) != 0) {
    if (m_nScrollRepeatDelay <= kRepeatAfterTicks) return;
    LineBack();
  } else if ((m_uButton2State & kStatePushed) != 0) {
    if (m_nScrollRepeatDelay <= kRepeatAfterTicks) return;
    LineForward();
  } else {
    if (m_nScrollRepeatDelay <= kRepeatAfterTicks || m_pManager == nullptr) return;
    POINT pt = {0, 0};
    ::GetCursorPos(&pt);
    ::ScreenToClient(m_pManager->GetPaintWindow(), &pt);
    const bool bBefore = m_bHorizontal ? pt.x < m_rcThumb.left : pt.y < m_rcThumb.top;
    const bool bAfter = m_bHorizontal ? pt.x > m_rcThumb.right : pt.y > m_rcThumb.bottom;
    if (bBefore) {
      PageBack();
    } else if (bAfter) {
      PageForward();
    } else {
      return;
    }
  }
  NotifyScroll();
}

void CScrollBarUI::HandleEvent(UIEventRecord& event) {
  if (!IsMouseEnabled() && IsMouseEvent(event.Type)) {
    PassOn(event);
    return;
  }
  switch (event.Type) {
    case UIEVENT_SETFOCUS:
    case UIEVENT_KILLFOCUS:
    case UIEVENT_CONTEXTMENU:
      return;
    case UIEVENT_BUTTONDOWN:
    case UIEVENT_DBLCLICK:
      if (IsEnabled()) OnButtonDown(event);
      return;
    case UIEVENT_BUTTONUP:
      OnButtonUp();
      return;
    case UIEVENT_MOUSEMOVE:
      OnMouseMove(event);
      return;
    case UIEVENT_TIMER:
      if (event.wParam != REPEAT_TIMER_ID) break;
      OnTimer();
      return;
    case UIEVENT_MOUSEENTER:
      if (!IsEnabled()) return;
      m_uButton1State |= kStateHot;
      m_uButton2State |= kStateHot;
      if (::PtInRect(&m_rcThumb, event.ptMouse)) m_uThumbState |= kStateHot;
      Invalidate();
      return;
    case UIEVENT_MOUSELEAVE:
      if (!IsEnabled()) return;
      m_uButton1State &= ~kStateHot;
      m_uButton2State &= ~kStateHot;
      m_uThumbState &= ~kStateHot;
      Invalidate();
      return;
    default:
      break;
  }
  PassOn(event);
}

bool CScrollBarUI::SetImageAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  struct Target {
    const wchar_t* prefix;
    PartImages* images;
  };
  const Target targets[] = {{L"button1", &m_button1}, {L"button2", &m_button2}, {L"thumb", &m_thumb}, {L"rail", &m_rail}};
  for (const Target& target : targets) {
    const size_t n = wcslen(target.prefix);
    if (wcsncmp(pstrName, target.prefix, n) != 0) continue;
    LPCTSTR pstrState = pstrName + n;
    CImageAttribute* image = nullptr;
    if (wcscmp(pstrState, L"normalimage") == 0) image = &target.images->normal;
    if (wcscmp(pstrState, L"hotimage") == 0) image = &target.images->hot;
    if (wcscmp(pstrState, L"pushedimage") == 0) image = &target.images->pushed;
    if (wcscmp(pstrState, L"disabledimage") == 0) image = &target.images->disabled;
    if (image == nullptr) return false;
    image->SetAttributeString(pstrValue);
    Invalidate();
    return true;
  }
  return false;
}

void CScrollBarUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (SetImageAttribute(pstrName, pstrValue)) return;
  if (wcscmp(pstrName, L"bknormalimage") == 0) {
    SetNormalImage(pstrValue);
  } else if (wcscmp(pstrName, L"bkhotimage") == 0) {
    SetHotImage(pstrValue);
  } else if (wcscmp(pstrName, L"bkpushedimage") == 0) {
    SetPushedImage(pstrValue);
  } else if (wcscmp(pstrName, L"bkdisabledimage") == 0) {
    SetDisabledImage(pstrValue);
  } else if (wcscmp(pstrName, L"hor") == 0) {
    SetHorizontal(CUIValueParser::IsTrue(pstrValue));
  } else if (wcscmp(pstrName, L"linesize") == 0) {
    SetLineSize(CUIValueParser::ReadDecimal(pstrValue, nullptr));
  } else if (wcscmp(pstrName, L"range") == 0) {
    SetScrollRange(CUIValueParser::ReadDecimal(pstrValue, nullptr));
  } else if (wcscmp(pstrName, L"value") == 0) {
    SetScrollPos(CUIValueParser::ReadDecimal(pstrValue, nullptr));
  } else if (wcscmp(pstrName, L"showbutton1") == 0) {
    SetShowButton1(CUIValueParser::IsTrue(pstrValue));
  } else if (wcscmp(pstrName, L"showbutton2") == 0) {
    SetShowButton2(CUIValueParser::IsTrue(pstrValue));
  } else {
    CControlUI::SetAttribute(pstrName, pstrValue);
  }
}

void CScrollBarUI::PaintPart(HDC hDC, const RECT& rcPart, UINT uState, PartImages& images, bool bFrame) {
  const RECT rcDest = Relative(rcPart, m_rcItem);
  CImageAttribute* pState = nullptr;
  if ((uState & kStateDisabled) != 0) {
    pState = &images.disabled;
  } else if ((uState & kStatePushed) != 0) {
    pState = &images.pushed;
  } else if ((uState & kStateHot) != 0) {
    pState = &images.hot;
  }
  if (pState != nullptr && !pState->GetAttributeString().IsEmpty() && DrawImageInRect(hDC, *pState, rcDest)) return;
  if (!images.normal.GetAttributeString().IsEmpty() && DrawImageInRect(hDC, images.normal, rcDest)) return;
  if (bFrame) CSkinRenderer::DrawRect(hDC, rcPart, kFrameSize, kFrameColor);
}

void CScrollBarUI::Paint(HDC hDC, const RECT& rcPaint) {
  if (!::IntersectRect(&m_rcPaint, &rcPaint, &m_rcItem)) return;

  // The background follows the thumb's state.
  if (IsEnabled()) {
    m_uThumbState &= ~kStateDisabled;
  } else {
    m_uThumbState |= kStateDisabled;
  }
  CImageAttribute* pBack = nullptr;
  if ((m_uThumbState & kStateDisabled) != 0) {
    pBack = &m_diDisabled;
  } else if ((m_uThumbState & kStatePushed) != 0) {
    pBack = &m_diPushed;
  } else if ((m_uThumbState & kStateHot) != 0) {
    pBack = &m_diHot;
  }
  if (pBack == nullptr || pBack->GetAttributeString().IsEmpty() || !DrawImage(hDC, *pBack)) {
    if (!m_diNormal.GetAttributeString().IsEmpty()) DrawImage(hDC, m_diNormal);
  }

  const UINT uDisabled = IsEnabled() ? 0 : kStateDisabled;
  m_uButton1State = (m_uButton1State & ~kStateDisabled) | uDisabled;
  m_uButton2State = (m_uButton2State & ~kStateDisabled) | uDisabled;
  if (m_bShowButton1) PaintPart(hDC, m_rcButton1, m_uButton1State, m_button1, true);
  if (m_bShowButton2) PaintPart(hDC, m_rcButton2, m_uButton2State, m_button2, true);
  if (IsZero(m_rcThumb)) return;
  PaintPart(hDC, m_rcThumb, m_uThumbState, m_thumb, true);

  // The grip: a square of the bar's thickness in the middle of the thumb.
  const int c = Thickness();
  RECT rcGrip = m_rcThumb;
  if (m_bHorizontal) {
    rcGrip.left = (m_rcThumb.left + m_rcThumb.right) / 2 - c / 2;
    rcGrip.right = rcGrip.left + c;
  } else {
    rcGrip.top = (m_rcThumb.top + m_rcThumb.bottom) / 2 - c / 2;
    rcGrip.bottom = rcGrip.top + c;
  }
  PaintPart(hDC, rcGrip, m_uThumbState, m_rail, false);
}

}  // namespace SkinUI

#include "ui/controls/CSliderUI.h"

#include <cwchar>

#include "ui/controls/CMouseToParent.h"
#include "ui/controls/UIButtonState.h"
#include "ui/core/control/UIFindFlags.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/types/CUIValueParser.h"

namespace SkinUI {

namespace {

bool IsTrue(LPCTSTR pstrValue) { return wcscmp(pstrValue, L"true") == 0; }

bool IsSet(const CImageAttribute& image) { return !image.GetAttributeString().IsEmpty(); }

// Gives the image a new description; false when it already had that one.
bool ReplaceImage(CImageAttribute& image, LPCTSTR pStrImage) {
  if (image.GetAttributeString() == (pStrImage != nullptr ? pStrImage : L"")) return false;
  image.SetAttributeString(pStrImage);
  return true;
}

// What a wheel event's wParam says.
const WORD kWheelUp = 0;
const WORD kWheelDown = 1;

}  // namespace

CSliderUI::CSliderUI() : m_szThumb{10, 10}, m_uButtonState(0), m_nStep(1), m_bSendMove(false) {
  m_uTextStyle = DT_CENTER | DT_SINGLELINE;
}

CSliderUI::~CSliderUI() = default;

LPCTSTR CSliderUI::GetClassName() const { return L"SliderUI"; }

LPVOID CSliderUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && wcscmp(pstrName, L"Slider") == 0) return static_cast<CSliderUI*>(this);
  return CProgressUI::GetInterface(pstrName);
}

UINT CSliderUI::GetBehaviorFlags() const { return IsEnabled() ? UINT(UIFLAG_SETCURSOR) : 0u; }

void CSliderUI::SetEnabled(bool bEnable) {
  CControlUI::SetEnabled(bEnable);
  if (!IsEnabled()) m_uButtonState = 0;
}

int CSliderUI::GetChangeStep() const { return m_nStep; }

void CSliderUI::SetChangeStep(int nStep) { m_nStep = nStep; }

void CSliderUI::SetThumbSize(SIZE szXY) { m_szThumb = szXY; }

void CSliderUI::SetThumbImage(LPCTSTR pStrImage) {
  if (ReplaceImage(m_diThumb, pStrImage)) Invalidate();
}

void CSliderUI::SetThumbHotImage(LPCTSTR pStrImage) {
  if (ReplaceImage(m_diThumbHot, pStrImage)) Invalidate();
}

void CSliderUI::SetThumbPushedImage(LPCTSTR pStrImage) {
  if (ReplaceImage(m_diThumbPushed, pStrImage)) Invalidate();
}

void CSliderUI::SetCanSendMove(bool bCanSend) { m_bSendMove = bCanSend; }

bool CSliderUI::GetCanSendMove() const { return m_bSendMove; }

UINT CSliderUI::GetButtonState() const { return m_uButtonState; }

RECT CSliderUI::GetThumbRect() const {
  const RECT& rc = m_rcItem;
  const int tw = m_szThumb.cx;
  const int th = m_szThumb.cy;
  const int nSpan = GetSpan();
  if (m_bHorizontal) {
    const int left = (rc.right - rc.left - tw) * (m_nValue - m_nMin) / nSpan + rc.left;
    const int top = (rc.bottom + rc.top - th) / 2;
    return RECT{left, top, left + tw, top + th};
  }
  const int left = (rc.right + rc.left - tw) / 2;
  const int top = rc.bottom - th - (rc.bottom - rc.top - th) * (m_nValue - m_nMin) / nSpan;
  return RECT{left, top, left + tw, top + th};
}

// Within half a thumb of either end the value is that end's, so the middle part never
// divides by a track of 0 or less.
int CSliderUI::ValueAt(POINT pt) const {
  const RECT& rc = m_rcItem;
  if (m_bHorizontal) {
    const int h = m_szThumb.cx / 2;
    if (pt.x >= rc.right - h) return m_nMax;
    if (pt.x <= rc.left + h) return m_nMin;
    return (m_nMax - m_nMin) * (pt.x - rc.left - h) / (rc.right - rc.left - m_szThumb.cx) + m_nMin;
  }
  const int h = m_szThumb.cy / 2;
  if (pt.y >= rc.bottom - h) return m_nMin;
  if (pt.y <= rc.top + h) return m_nMax;
  return (m_nMax - m_nMin) * (rc.bottom - pt.y - h) / (rc.bottom - rc.top - m_szThumb.cy) + m_nMin;
}

void CSliderUI::HandleEvent(UIEventRecord& event) {
  if (CMouseToParent::Pass<CLabelUI>(*this, event)) return;
  switch (event.Type) {
    case UIEVENT_BUTTONDOWN:
    case UIEVENT_DBLCLICK:
      if (!IsEnabled()) break;
      OnPress(event.ptMouse);
      return;
    case UIEVENT_BUTTONUP:
      OnRelease(event.ptMouse);
      return;
    case UIEVENT_CONTEXTMENU:
      return;
    case UIEVENT_SCROLLWHEEL:
      if (LOWORD(event.wParam) != kWheelUp && LOWORD(event.wParam) != kWheelDown) break;
      OnWheel(LOWORD(event.wParam) == kWheelUp);
      return;
    case UIEVENT_MOUSEMOVE:
      OnMouseMove(event.ptMouse);
      return;
    case UIEVENT_SETCURSOR:
      if (!IsEnabled()) break;
      ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
      return;
    case UIEVENT_MOUSELEAVE:
      if (!IsEnabled()) break;
      m_uButtonState &= ~UISTATE_HOT;
      Invalidate();
      return;
    default:
      break;
  }
  CControlUI::HandleEvent(event);
}

// A press takes the value of the point silently; the release reports it.
void CSliderUI::OnPress(POINT pt) {
  m_uButtonState |= UISTATE_CAPTURED;
  const int nValue = ValueAt(pt);
  if (nValue == m_nValue || !IsInRange(nValue)) return;
  m_nValue = nValue;
  Invalidate();
}

void CSliderUI::OnRelease(POINT pt) {
  m_uButtonState &= ~UISTATE_CAPTURED;
  const int nValue = ValueAt(pt);
  if (!IsInRange(nValue)) return;
  m_nValue = nValue;
  Invalidate();
  if (m_pManager != nullptr) m_pManager->SendNotify(this, L"valuechanged");
}

// Reported even when the value stays, at either end or during a drag.
void CSliderUI::OnWheel(bool bUp) {
  if ((m_uButtonState & UISTATE_CAPTURED) == 0) SetValue(m_nValue + (bUp ? m_nStep : -m_nStep));
  if (m_pManager != nullptr) m_pManager->SendNotify(this, L"valuechanged");
}

void CSliderUI::OnMouseMove(POINT pt) {
  const bool bDragging = (m_uButtonState & UISTATE_CAPTURED) != 0;
  if (bDragging) m_nValue = ValueAt(pt);
  const RECT rcThumb = GetThumbRect();
  if (IsEnabled() && ::PtInRect(&rcThumb, pt)) {
    m_uButtonState |= UISTATE_HOT;
  } else {
    m_uButtonState &= ~UISTATE_HOT;
  }
  Invalidate();
  // Last: the window's handler may take the slider away.
  if (bDragging && m_bSendMove && m_pManager != nullptr) m_pManager->SendNotify(this, L"movevaluechanged");
}

void CSliderUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (wcscmp(pstrName, L"thumbimage") == 0) {
    SetThumbImage(pstrValue);
  } else if (wcscmp(pstrName, L"thumbhotimage") == 0) {
    SetThumbHotImage(pstrValue);
  } else if (wcscmp(pstrName, L"thumbpushedimage") == 0) {
    SetThumbPushedImage(pstrValue);
  } else if (wcscmp(pstrName, L"thumbsize") == 0) {
    int values[2];
    CUIValueParser::ReadIntegers(pstrValue, values, 2);
    SetThumbSize(SIZE{values[0], values[1]});
  } else if (wcscmp(pstrName, L"step") == 0) {
    SetChangeStep(CUIValueParser::ReadDecimal(pstrValue, nullptr));
  } else if (wcscmp(pstrName, L"sendmove") == 0) {
    SetCanSendMove(IsTrue(pstrValue));
  } else {
    CProgressUI::SetAttribute(pstrName, pstrValue);
  }
}

void CSliderUI::DrawStateImages(HDC hDC) {
  CProgressUI::DrawStateImages(hDC);
  RECT rcThumb = GetThumbRect();
  ::OffsetRect(&rcThumb, -m_rcItem.left, -m_rcItem.top);
  m_sThumbModify.Format(L"dest='%d,%d,%d,%d'", rcThumb.left, rcThumb.top, rcThumb.right, rcThumb.bottom);
  if ((m_uButtonState & UISTATE_CAPTURED) != 0) {
    if (IsSet(m_diThumbPushed)) {
      DrawImageModified(hDC, m_diThumbPushed, m_sThumbModify);
      return;
    }
  } else if ((m_uButtonState & UISTATE_HOT) != 0 && IsSet(m_diThumbHot)) {
    DrawImageModified(hDC, m_diThumbHot, m_sThumbModify);
    return;
  }
  if (IsSet(m_diThumb)) DrawImageModified(hDC, m_diThumb, m_sThumbModify);
}

}  // namespace SkinUI

#include "ui/core/control/CControlUI.h"

#include <cwchar>

#include "ui/core/control/CControlUIAttributes.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"
#include "ui/core/types/CUIRect.h"

namespace SkinUI {
namespace {

// Each step is a virtual call: controls override what they draw themselves.
void DrawSteps(CControlUI& control, HDC hDC) {
  control.DrawBackgroundColor(hDC);
  control.DrawBackgroundImage(hDC);
  control.DrawStateImages(hDC);
  control.DrawText(hDC);
  control.DrawBorder(hDC);
}

}  // namespace

CControlUI::CControlUI()
    : m_pManager(nullptr),
      m_pParent(nullptr),
      m_bUpdateNeeded(true),
      m_bMenuUsed(false),
      m_rcItem{0, 0, 0, 0},
      m_rcPadding{0, 0, 0, 0},
      m_cXY{0, 0},
      m_cxyFixed{0, 0},
      m_cxyMin{0, 0},
      m_cxyMax{9999, 9999},
      m_bVisible(true),
      m_bInternVisible(true),
      m_bEnabled(true),
      m_bMouseEnabled(true),
      m_bKeyboardEnabled(true),
      m_bFocused(false),
      m_bFloat(false),
      m_bSetPos(false),
      m_chShortcut(0),
      m_pTag(0),
      m_cxyBorderRound{0, 0},
      m_rcPaint{0, 0, 0, 0} {}

CControlUI::~CControlUI() {
  if (OnDestroyDelegates.IsSet()) OnDestroyDelegates.Invoke(this);
  if (m_pManager != nullptr) m_pManager->ReapObjects(this);
}

CUIString CControlUI::GetName() const { return m_sName; }

void CControlUI::SetName(LPCTSTR pstrName) { m_sName = pstrName; }

LPCTSTR CControlUI::GetClassName() const { return L"ControlUI"; }

LPVOID CControlUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && wcscmp(pstrName, L"Control") == 0) return this;
  return nullptr;
}

UINT CControlUI::GetBehaviorFlags() const { return 0; }

bool CControlUI::Activate() { return IsVisible() && IsEnabled(); }

CWindowManagerUI* CControlUI::GetManager() const { return m_pManager; }

void CControlUI::SetManager(CWindowManagerUI* pManager, CControlUI* pParent, bool bInit) {
  m_pManager = pManager;
  m_pParent = pParent;
  if (bInit && m_pParent != nullptr) Init();
}

CControlUI* CControlUI::GetParent() const { return m_pParent; }

CUIString CControlUI::GetText() const { return m_sText; }

void CControlUI::SetText(LPCTSTR pstrText) {
  if (m_sText == pstrText) return;
  m_sText = pstrText;
  Invalidate();
}

const RECT& CControlUI::GetPos() const { return m_rcItem; }

bool CControlUI::ClipByAncestors(RECT& rc) const {
  for (const CControlUI* pParent = m_pParent; pParent != nullptr; pParent = pParent->GetParent()) {
    const RECT rcTemp = rc;
    const RECT& rcParent = pParent->GetPos();
    if (!::IntersectRect(&rc, &rcTemp, &rcParent)) return false;
  }
  return true;
}

void CControlUI::SetPos(RECT rc) {
  if (rc.right < rc.left) rc.right = rc.left;
  if (rc.bottom < rc.top) rc.bottom = rc.top;

  CUIRect invalidateRc = m_rcItem;
  if (::IsRectEmpty(&invalidateRc)) invalidateRc = rc;

  m_rcItem = rc;
  if (m_pManager == nullptr) return;

  if (!m_bSetPos) {
    m_bSetPos = true;
    if (OnSizeDelegates.IsSet()) OnSizeDelegates.Invoke(this);
    m_bSetPos = false;
  }

  if (m_bFloat && m_pParent != nullptr) {
    // Keep the float offset measured from the same parent edge it was written
    // against, so that the parent's layout puts the control back where it is now.
    const RECT& rcParent = m_pParent->GetPos();
    m_cXY.cx = m_cXY.cx >= 0 ? m_rcItem.left - rcParent.left : m_rcItem.right - rcParent.right;
    m_cXY.cy = m_cXY.cy >= 0 ? m_rcItem.top - rcParent.top : m_rcItem.bottom - rcParent.bottom;
    m_cxyFixed.cx = m_rcItem.right - m_rcItem.left;
    m_cxyFixed.cy = m_rcItem.bottom - m_rcItem.top;
  }

  m_bUpdateNeeded = false;

  invalidateRc.Join(m_rcItem);
  if (!ClipByAncestors(invalidateRc)) return;
  m_pManager->Invalidate(invalidateRc);
}

int CControlUI::GetWidth() const { return m_rcItem.right - m_rcItem.left; }

int CControlUI::GetHeight() const { return m_rcItem.bottom - m_rcItem.top; }

int CControlUI::GetX() const { return m_rcItem.left; }

int CControlUI::GetY() const { return m_rcItem.top; }

RECT CControlUI::GetPadding() const { return m_rcPadding; }

void CControlUI::SetPadding(RECT rcPadding) {
  m_rcPadding = rcPadding;
  RequestParentLayout();
}

SIZE CControlUI::GetFixedXY() const { return m_cXY; }

void CControlUI::SetFixedXY(SIZE szXY) {
  m_cXY = szXY;
  if (m_bFloat) {
    RequestLayout();
  } else {
    RequestParentLayout();
  }
}

int CControlUI::GetFixedWidth() const { return m_cxyFixed.cx; }

void CControlUI::SetFixedWidth(int cx) {
  if (cx < 0) return;
  m_cxyFixed.cx = cx;
  if (m_bFloat) {
    RequestLayout();
  } else {
    RequestParentLayout();
  }
}

int CControlUI::GetFixedHeight() const { return m_cxyFixed.cy; }

void CControlUI::SetFixedHeight(int cy) {
  if (cy < 0) return;
  m_cxyFixed.cy = cy;
  if (m_bFloat) {
    RequestLayout();
  } else {
    RequestParentLayout();
  }
}

namespace {

// The minimum and maximum setters share one rule: a negative or unchanged value
// changes nothing; a change asks for the layout the control's placement needs.
bool StoreLimit(LONG& field, int value) {
  if (value < 0 || field == value) return false;
  field = value;
  return true;
}

}  // namespace

int CControlUI::GetMinWidth() const { return m_cxyMin.cx; }

void CControlUI::SetMinWidth(int cx) {
  if (!StoreLimit(m_cxyMin.cx, cx)) return;
  if (m_bFloat) {
    RequestLayout();
  } else {
    RequestParentLayout();
  }
}

int CControlUI::GetMaxWidth() const { return m_cxyMax.cx; }

void CControlUI::SetMaxWidth(int cx) {
  if (!StoreLimit(m_cxyMax.cx, cx)) return;
  if (m_bFloat) {
    RequestLayout();
  } else {
    RequestParentLayout();
  }
}

int CControlUI::GetMinHeight() const { return m_cxyMin.cy; }

void CControlUI::SetMinHeight(int cy) {
  if (!StoreLimit(m_cxyMin.cy, cy)) return;
  if (m_bFloat) {
    RequestLayout();
  } else {
    RequestParentLayout();
  }
}

int CControlUI::GetMaxHeight() const { return m_cxyMax.cy; }

void CControlUI::SetMaxHeight(int cy) {
  if (!StoreLimit(m_cxyMax.cy, cy)) return;
  if (m_bFloat) {
    RequestLayout();
  } else {
    RequestParentLayout();
  }
}

void CControlUI::SetRelativePos(int nMoveXPercent, int nMoveYPercent, int nZoomXPercent, int nZoomYPercent) {
  m_tRelativePos.bRelative = true;
  m_tRelativePos.nMoveXPercent = nMoveXPercent;
  m_tRelativePos.nMoveYPercent = nMoveYPercent;
  m_tRelativePos.nZoomXPercent = nZoomXPercent;
  m_tRelativePos.nZoomYPercent = nZoomYPercent;
}

void CControlUI::SetRelativeParentSize(SIZE sz) { m_tRelativePos.szParent = sz; }

UIRelativePos CControlUI::GetRelativePos() const { return m_tRelativePos; }

bool CControlUI::IsRelativePos() const { return m_tRelativePos.bRelative; }

CUIString CControlUI::GetToolTip() const { return m_pRare != nullptr ? m_pRare->sToolTip : CUIString(); }

void CControlUI::SetToolTip(LPCTSTR pstrText) {
  if (m_pRare == nullptr && (pstrText == nullptr || *pstrText == L'\0')) return;
  CUIString text(pstrText);
  text.Replace(L"<n>", L"\r\n");
  WriteRare().sToolTip = text;
}

void CControlUI::SetToolTipWidth(int nWidth) { WriteRare().nTooltipWidth = nWidth; }

int CControlUI::GetToolTipWidth() const {
  return m_pRare != nullptr ? m_pRare->nTooltipWidth : DEFAULT_TOOLTIP_WIDTH;
}

TCHAR CControlUI::GetShortcut() const { return m_chShortcut; }

void CControlUI::SetShortcut(TCHAR ch) { m_chShortcut = ch; }

bool CControlUI::IsContextMenuUsed() const { return m_bMenuUsed; }

void CControlUI::SetContextMenuUsed(bool bMenuUsed) { m_bMenuUsed = bMenuUsed; }

const CUIString& CControlUI::GetUserData() const {
  static const CUIString kNone;
  return m_pRare != nullptr ? m_pRare->sUserData : kNone;
}

void CControlUI::SetUserData(LPCTSTR pstrText) {
  if (m_pRare == nullptr && (pstrText == nullptr || *pstrText == L'\0')) return;
  WriteRare().sUserData = pstrText;
}

UINT_PTR CControlUI::GetTag() const { return m_pTag; }

void CControlUI::SetTag(UINT_PTR pTag) { m_pTag = pTag; }

bool CControlUI::IsVisible() const { return m_bVisible && m_bInternVisible; }

void CControlUI::SetVisible(bool bVisible) {
  if (m_bVisible == bVisible) return;
  const bool bWasVisible = IsVisible();
  m_bVisible = bVisible;
  m_bFocused = false;
  if (!bVisible && m_pManager != nullptr && m_pManager->GetFocus() == this) m_pManager->SetFocus(nullptr);
  if (IsVisible() != bWasVisible) RequestParentLayout();
}

void CControlUI::SetParentVisible(bool bVisible) {
  m_bInternVisible = bVisible;
  if (!bVisible && m_pManager != nullptr && m_pManager->GetFocus() == this) m_pManager->SetFocus(nullptr);
}

bool CControlUI::IsEnabled() const { return m_bEnabled; }

void CControlUI::SetEnabled(bool bEnable) {
  if (m_bEnabled == bEnable) return;
  m_bEnabled = bEnable;
  Invalidate();
}

bool CControlUI::IsMouseEnabled() const { return m_bMouseEnabled; }

void CControlUI::SetMouseEnabled(bool bEnable) { m_bMouseEnabled = bEnable; }

bool CControlUI::IsKeyboardEnabled() const { return m_bKeyboardEnabled; }

void CControlUI::SetKeyboardEnabled(bool bEnable) { m_bKeyboardEnabled = bEnable; }

bool CControlUI::IsFocused() const { return m_bFocused; }

void CControlUI::SetFocus() {
  if (m_pManager != nullptr) m_pManager->SetFocus(this);
}

bool CControlUI::IsFloat() const { return m_bFloat; }

void CControlUI::SetFloat(bool bFloat) {
  if (m_bFloat == bFloat) return;
  m_bFloat = bFloat;
  RequestParentLayout();
}

CControlUI* CControlUI::FindControl(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags) {
  if ((uFlags & UIFIND_VISIBLE) != 0 && !IsVisible()) return nullptr;
  if ((uFlags & UIFIND_ENABLED) != 0 && !IsEnabled()) return nullptr;
  if ((uFlags & UIFIND_HITTEST) != 0) {
    if (!m_bMouseEnabled || pData == nullptr) return nullptr;
    if (!::PtInRect(&m_rcItem, *static_cast<const POINT*>(pData))) return nullptr;
  }
  return Proc(this, pData);
}

void CControlUI::Init() {
  OnInit();
  if (OnInitDelegates.IsSet()) OnInitDelegates.Invoke(this);
}

void CControlUI::OnInit() {}

void CControlUI::DispatchEvent(UIEventRecord& event) {
  if (!OnEventDelegates.Invoke(&event)) return;
  HandleEvent(event);
}

void CControlUI::HandleEvent(UIEventRecord& event) {
  switch (event.Type) {
    case UIEVENT_SETCURSOR:
      ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
      return;
    case UIEVENT_SETFOCUS:
      m_bFocused = true;
      Invalidate();
      return;
    case UIEVENT_KILLFOCUS:
      m_bFocused = false;
      Invalidate();
      return;
    case UIEVENT_TIMER:
      if (m_pManager != nullptr) m_pManager->SendNotify(this, L"timer", event.wParam, event.lParam);
      return;
    case UIEVENT_CONTEXTMENU:
      if (IsContextMenuUsed()) {
        if (m_pManager != nullptr) m_pManager->SendNotify(this, L"menu", event.wParam, event.lParam);
        return;
      }
      break;
    default:
      break;
  }
  // Unhandled input goes up to the first ancestor that handles it.
  if (m_pParent != nullptr) m_pParent->HandleEvent(event);
}

void CControlUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  CControlUIAttributes::Apply(*this, pstrName, pstrValue);
}

SIZE CControlUI::MeasureSize(SIZE) { return m_cxyFixed; }

void CControlUI::Paint(HDC hDC, const RECT& rcPaint) {
  if (!::IntersectRect(&m_rcPaint, &rcPaint, &m_rcItem)) return;
  if (m_cxyBorderRound.cx <= 0 && m_cxyBorderRound.cy <= 0) {
    DrawSteps(*this, hDC);
    return;
  }
  CSkinClip roundClip;
  CSkinRenderer::SetRoundClip(hDC, m_rcPaint, m_rcItem, m_cxyBorderRound.cx, m_cxyBorderRound.cy, roundClip);
  DrawSteps(*this, hDC);
}

void CControlUI::DrawBackgroundColor(HDC hDC) { m_paint.DrawBackgroundColor(hDC, m_rcItem, m_rcPaint); }

void CControlUI::DrawBackgroundImage(HDC hDC) { DrawImage(hDC, m_diBk); }

void CControlUI::DrawStateImages(HDC) {}

void CControlUI::DrawText(HDC) {}

void CControlUI::DrawBorder(HDC hDC) { m_paint.DrawBorder(hDC, m_rcItem, m_cxyBorderRound, IsFocused()); }

void CControlUI::PaintOverlay(HDC, const RECT&) {}

void CControlUI::SetBkColor(DWORD dwBackColor) {
  if (m_paint.SetBkColor(dwBackColor)) Invalidate();
}

DWORD CControlUI::GetBkColor() const { return m_paint.GetBkColor(); }

void CControlUI::SetBkColor2(DWORD dwBackColor) {
  if (m_paint.SetBkColor2(dwBackColor)) Invalidate();
}

void CControlUI::SetBkColor3(DWORD dwBackColor) {
  if (m_paint.SetBkColor3(dwBackColor)) Invalidate();
}

void CControlUI::SetBorderColor(DWORD dwBorderColor) {
  if (m_paint.SetBorderColor(dwBorderColor)) Invalidate();
}

void CControlUI::SetFocusBorderColor(DWORD dwBorderColor) {
  if (m_paint.SetFocusBorderColor(dwBorderColor)) Invalidate();
}

void CControlUI::SetColorHSL(bool bColorHSL) {
  if (m_paint.SetColorHSL(bColorHSL)) Invalidate();
}

void CControlUI::SetBorderSize(int nSize) {
  if (m_paint.SetBorderSize(nSize)) Invalidate();
}

void CControlUI::SetBorderSizes(int nLeft, int nTop, int nRight, int nBottom) {
  m_paint.SetBorderSizes(RECT{nLeft, nTop, nRight, nBottom});
  Invalidate();
}

void CControlUI::SetLeftBorderSize(int nSize) {
  m_paint.SetLeftBorderSize(nSize);
  Invalidate();
}

void CControlUI::SetTopBorderSize(int nSize) {
  m_paint.SetTopBorderSize(nSize);
  Invalidate();
}

void CControlUI::SetRightBorderSize(int nSize) {
  m_paint.SetRightBorderSize(nSize);
  Invalidate();
}

void CControlUI::SetBottomBorderSize(int nSize) {
  m_paint.SetBottomBorderSize(nSize);
  Invalidate();
}

void CControlUI::SetBorderStyle(int nStyle) {
  m_paint.SetBorderStyle(nStyle);
  Invalidate();
}

void CControlUI::SetBorderRound(int cx, int cy) {
  m_cxyBorderRound = SIZE{cx, cy};
  Invalidate();
}

void CControlUI::SetBkImage(LPCTSTR pStrImage) {
  if (m_diBk.GetAttributeString() == (pStrImage != nullptr ? pStrImage : L"")) return;
  m_diBk.SetAttributeString(pStrImage);
  Invalidate();
}

void CControlUI::SetForeImage(LPCTSTR pStrImage) {
  m_diFore.SetAttributeString(pStrImage);
  Invalidate();
}

void CControlUI::SetNormalImage(LPCTSTR pStrImage) {
  m_diNormal.SetAttributeString(pStrImage);
  Invalidate();
}

void CControlUI::SetHotImage(LPCTSTR pStrImage) {
  m_diHot.SetAttributeString(pStrImage);
  Invalidate();
}

void CControlUI::SetPushedImage(LPCTSTR pStrImage) {
  m_diPushed.SetAttributeString(pStrImage);
  Invalidate();
}

void CControlUI::SetFocusedImage(LPCTSTR pStrImage) {
  m_diFocused.SetAttributeString(pStrImage);
  Invalidate();
}

void CControlUI::SetDisabledImage(LPCTSTR pStrImage) {
  m_diDisabled.SetAttributeString(pStrImage);
  Invalidate();
}

bool CControlUI::DrawImage(HDC hDC, CImageAttribute& image) {
  if (!image.LoadImage(m_pManager)) return false;
  return CSkinRenderer::DrawImage(hDC, m_pManager, m_rcItem, m_rcPaint, image);
}

bool CControlUI::DrawImageInRect(HDC hDC, CImageAttribute& image, const RECT& rc) {
  if (!image.LoadImage(m_pManager)) return false;
  if (::IsRectEmpty(&rc)) return CSkinRenderer::DrawImage(hDC, m_pManager, m_rcItem, m_rcPaint, image);
  CImageAttribute placed(image);
  placed.SetDest(rc);
  return CSkinRenderer::DrawImage(hDC, m_pManager, m_rcItem, m_rcPaint, placed);
}

bool CControlUI::DrawImageModified(HDC hDC, CImageAttribute& image, LPCTSTR pStrModify) {
  // Loaded first, so that the modified copy shares the picture of the description.
  if (!image.LoadImage(m_pManager)) return false;
  if (pStrModify == nullptr) return CSkinRenderer::DrawImage(hDC, m_pManager, m_rcItem, m_rcPaint, image);
  CImageAttribute modified(image);
  modified.ModifyAttribute(pStrModify);
  return CSkinRenderer::DrawImage(hDC, m_pManager, m_rcItem, m_rcPaint, modified);
}

DWORD CControlUI::AdjustColor(DWORD dwColor) const { return m_paint.AdjustColor(dwColor); }

void CControlUI::Invalidate() {
  if (m_pManager == nullptr || !IsVisible()) return;
  RECT rcInvalidate = m_rcItem;
  if (!ClipByAncestors(rcInvalidate)) return;
  m_pManager->Invalidate(rcInvalidate);
}

void CControlUI::RequestLayout() {
  if (!IsVisible()) return;
  m_bUpdateNeeded = true;
  Invalidate();
  if (m_pManager != nullptr) m_pManager->NeedUpdate();
}

void CControlUI::RequestParentLayout() {
  if (m_pParent != nullptr) {
    m_pParent->RequestLayout();
    m_pParent->Invalidate();
  } else {
    RequestLayout();
  }
  if (m_pManager != nullptr) m_pManager->NeedUpdate();
}

bool CControlUI::IsUpdateNeeded() const { return m_bUpdateNeeded; }

CUIString CControlUI::GetVirtualWindow() const {
  if (m_pRare != nullptr && !m_pRare->sVirtualWnd.IsEmpty()) return m_pRare->sVirtualWnd;
  if (m_pParent != nullptr) return m_pParent->GetVirtualWindow();
  return CUIString();
}

void CControlUI::SetVirtualWindow(LPCTSTR pstrValue) {
  WriteRare().sVirtualWnd = pstrValue;
  // A control named before it joins a window has no manager to tell yet.
  if (m_pManager != nullptr) m_pManager->SetVirtualWndUsed(true);
}

CControlUI::RarelySet& CControlUI::WriteRare() {
  if (m_pRare == nullptr) m_pRare = std::make_unique<RarelySet>();
  return *m_pRare;
}

bool CControlUI::StartTimer(UINT nTimerID, UINT uElapse) {
  if (m_pManager == nullptr) return false;
  return m_pManager->SetTimer(this, nTimerID, uElapse);
}

}  // namespace SkinUI

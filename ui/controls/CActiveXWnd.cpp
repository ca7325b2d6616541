#include "ui/controls/CActiveXWnd.h"

#include "ui/controls/CActiveXCtrl.h"
#include "ui/controls/CActiveXUI.h"

namespace SkinUI {

using platform::com::ComPtr;

CActiveXWnd::CActiveXWnd(CActiveXCtrl* pOwner) : m_pOwner(pOwner) {}

CActiveXWnd::~CActiveXWnd() {
  if (m_hWnd != nullptr && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
}

HWND CActiveXWnd::Init(HWND hWndParent) {
  return Create(hWndParent, L"UIActiveX", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, 0, 0, 0);
}

LPCTSTR CActiveXWnd::GetWindowClassName() const { return L"ActiveXWnd"; }

LRESULT CActiveXWnd::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT lRes = 0;
  bool bHandled = true;
  switch (uMsg) {
    case WM_PAINT:
      lRes = OnPaint(uMsg, wParam, lParam, bHandled);
      break;
    case WM_SETFOCUS:
      lRes = OnSetFocus(uMsg, wParam, lParam, bHandled);
      break;
    case WM_KILLFOCUS:
      lRes = OnKillFocus(uMsg, wParam, lParam, bHandled);
      break;
    case WM_ERASEBKGND:
      lRes = OnEraseBkgnd(uMsg, wParam, lParam, bHandled);
      break;
    case WM_MOUSEACTIVATE:
      lRes = OnMouseActivate(uMsg, wParam, lParam, bHandled);
      break;
    case WM_MOUSEWHEEL:
      // The wheel stays with the control instead of scrolling the window behind it.
      break;
    default:
      bHandled = false;
  }
  if (bHandled) return lRes;
  return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

void CActiveXWnd::DoVerb(LONG iVerb) {
  CActiveXUI* pHost = m_pOwner->GetOwner();
  if (pHost == nullptr) return;
  ComPtr<IOleObject> control;
  if (FAILED(pHost->QueryControl(IID_IOleObject, control.PutVoid())) || !control) return;
  ComPtr<IOleClientSite> clientSite = m_pOwner->ClientSite();
  control->DoVerb(iVerb, nullptr, clientSite.Get(), 0, m_hWnd, &pHost->GetPos());
}

LRESULT CActiveXWnd::OnMouseActivate(UINT, WPARAM, LPARAM, bool& bHandled) {
  ComPtr<IOleObject> control;
  if (CActiveXUI* pHost = m_pOwner->GetOwner()) pHost->QueryControl(IID_IOleObject, control.PutVoid());
  DWORD dwMiscStatus = 0;
  if (control) control->GetMiscStatus(DVASPECT_CONTENT, &dwMiscStatus);
  if ((dwMiscStatus & OLEMISC_NOUIACTIVATE) != 0) return 0;
  if (!m_pOwner->IsInPlaceActive()) DoVerb(OLEIVERB_INPLACEACTIVATE);
  bHandled = false;
  return 0;
}

LRESULT CActiveXWnd::OnSetFocus(UINT, WPARAM, LPARAM, bool& bHandled) {
  bHandled = false;
  m_pOwner->SetFocused(true);
  if (!m_pOwner->IsUIActivated()) DoVerb(OLEIVERB_UIACTIVATE);
  return 0;
}

LRESULT CActiveXWnd::OnKillFocus(UINT, WPARAM, LPARAM, bool& bHandled) {
  bHandled = false;
  m_pOwner->SetFocused(false);
  return 0;
}

LRESULT CActiveXWnd::OnEraseBkgnd(UINT, WPARAM, LPARAM, bool& bHandled) {
  if (m_pOwner->GetViewObject() == nullptr) bHandled = false;
  return 1;
}

// Where the control's own window does not cover the host (it may wait for its first
// page), the skin's background shows, never a sheet of the system's colour.
LRESULT CActiveXWnd::OnPaint(UINT, WPARAM, LPARAM, bool&) {
  PAINTSTRUCT ps = {};
  HDC hdc = ::BeginPaint(m_hWnd, &ps);
  const CActiveXUI* owner = m_pOwner != nullptr ? m_pOwner->GetOwner() : nullptr;
  const DWORD colour = owner != nullptr ? owner->GetSkinBackground() : 0;
  if (hdc != nullptr && colour != 0) {
    // Skin colours are ARGB; a brush takes the red in the low byte.
    HBRUSH brush = ::CreateSolidBrush(RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF));
    ::FillRect(hdc, &ps.rcPaint, brush);
    ::DeleteObject(brush);
  }
  ::EndPaint(m_hWnd, &ps);
  return 1;
}

}  // namespace SkinUI

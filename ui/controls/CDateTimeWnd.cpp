#include "ui/controls/CDateTimeWnd.h"

#include "ui/controls/CDateTimeUI.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace SkinUI {
namespace {

// The host window's manager sends a child's colour requests back to it at the message
// + 0x2000.
const UINT kReflectedColorEdit = WM_CTLCOLOREDIT + 0x2000;
const UINT kReflectedColorStatic = WM_CTLCOLORSTATIC + 0x2000;

COLORREF ToColorRef(DWORD argb) { return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF); }

bool IsOpaque(DWORD argb) { return (argb >> 24) == 0xFF; }

}  // namespace

CDateTimeWnd::CDateTimeWnd() : m_pOwner(nullptr), m_hBkBrush(nullptr), m_bInit(false) {}

CDateTimeWnd::~CDateTimeWnd() = default;

LPCTSTR CDateTimeWnd::GetWindowClassName() const { return L"DateTimeWnd"; }

LPCTSTR CDateTimeWnd::GetSuperclassName() const { return DATETIMEPICK_CLASSW; }

void CDateTimeWnd::ForgetOwner() { m_pOwner = nullptr; }

void CDateTimeWnd::Init(CDateTimeUI* pOwner) {
  m_pOwner = pOwner;
  CWindowManagerUI* pManager = pOwner->GetManager();
  if (m_hWnd == nullptr) {
    if (CreateInRect(pManager->GetPaintWindow(), nullptr, WS_CHILD, 0, pOwner->GetPos()) == nullptr) return;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pManager->GetFont(pOwner->GetFont())), TRUE);
  }
  SYSTEMTIME date = pOwner->StartPicking();
  SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&date));
  ::ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
  ::SetFocus(m_hWnd);
  m_bInit = true;
}

int CDateTimeWnd::ClosingStateOf(WPARAM vk) {
  if (vk == VK_DELETE || vk == VK_BACK) return CDateTimeUI::DT_DELETE;
  if (vk == VK_ESCAPE) return CDateTimeUI::DT_KEEP;
  return CDateTimeUI::DT_NONE;
}

LRESULT CDateTimeWnd::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  switch (uMsg) {
    case WM_NOTIFY:
      ::SetFocus(m_hWnd);
      break;
    case WM_KILLFOCUS: return OnKillFocus(uMsg, wParam, lParam);
    case WM_KEYUP: {
      const int nState = ClosingStateOf(wParam);
      if (nState == CDateTimeUI::DT_NONE) break;
      const LRESULT lRes = CWindowWnd::HandleMessage(uMsg, wParam, lParam);
      if (m_pOwner != nullptr) m_pOwner->EndPickingWith(nState);
      PostMessage(WM_CLOSE);
      return lRes;
    }
    case kReflectedColorEdit:
    case kReflectedColorStatic: return OnColor(reinterpret_cast<HDC>(wParam));
    default: break;
  }
  return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

LRESULT CDateTimeWnd::OnKillFocus(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  POINT pt = {0, 0};
  ::GetCursorPos(&pt);
  const HWND hCalendar = reinterpret_cast<HWND>(SendMessage(DTM_GETMONTHCAL));
  if (hCalendar != nullptr) {
    // The focus went into the open calendar: the picker stays.
    MCHITTESTINFO info = {};
    info.cbSize = sizeof(info);
    info.pt = pt;
    ::ScreenToClient(hCalendar, &info.pt);
    ::SendMessageW(hCalendar, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&info));
    return info.uHit == MCHT_TITLEBTNPREV || info.uHit == MCHT_TITLEBTNNEXT ? 1 : 0;
  }
  RECT rcWnd = {0, 0, 0, 0};
  ::GetWindowRect(m_hWnd, &rcWnd);
  if (::PtInRect(&rcWnd, pt)) return 0;
  const LRESULT lRes = CWindowWnd::HandleMessage(uMsg, wParam, lParam);
  if (m_pOwner != nullptr) {
    SYSTEMTIME picked = {};
    SendMessage(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&picked));
    m_pOwner->EndPickingWithDate(picked);
  }
  PostMessage(WM_CLOSE);
  return lRes;
}

LRESULT CDateTimeWnd::OnColor(HDC hDC) {
  // A face the control does not fill, seen through, has no colour the picker could take.
  if (m_pOwner == nullptr || !IsOpaque(m_pOwner->GetBkColor())) return 0;
  if (m_pOwner->GetTextColor() != 0) ::SetTextColor(hDC, ToColorRef(m_pOwner->GetTextColor()));
  if (m_hBkBrush == nullptr) m_hBkBrush = ::CreateSolidBrush(ToColorRef(m_pOwner->GetBkColor()));
  return reinterpret_cast<LRESULT>(m_hBkBrush);
}

void CDateTimeWnd::OnDetached(HWND) {
  if (m_pOwner != nullptr) m_pOwner->PickerClosed();
  if (m_hBkBrush != nullptr) ::DeleteObject(m_hBkBrush);
  delete this;
}

}  // namespace SkinUI

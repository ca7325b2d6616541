#include "ui/core/window/CWindowWnd.h"

#include "ui/core/manager/CWindowManagerUI.h"

namespace SkinUI {
namespace {

// The window property that records the object of a superclassed window: the
// class it copies may use GWLP_USERDATA itself.
const wchar_t kObjectProperty[] = L"WndX";

bool RegisteredOrExisting(ATOM atom) { return atom != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS; }

int RoundUpTo16(int value) { return (value + 15) / 16 * 16; }

CWindowWnd* ObjectOfCreation(LPARAM lParam) {
  const CREATESTRUCTW* pCreate = reinterpret_cast<const CREATESTRUCTW*>(lParam);
  if (pCreate == nullptr) return nullptr;
  return static_cast<CWindowWnd*>(pCreate->lpCreateParams);
}

// Shared, as the icons of windows are never freed; a missing resource gives the window
// no icon.
HICON LoadIconResource(UINT nRes, int cx, int cy) {
  return static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(nRes), IMAGE_ICON, cx, cy,
                                         LR_DEFAULTCOLOR | LR_SHARED));
}

}  // namespace

CWindowWnd::CWindowWnd() : m_hWnd(nullptr), m_OldWndProc(::DefWindowProcW) {}

CWindowWnd::~CWindowWnd() = default;

HWND CWindowWnd::GetHWND() const { return m_hWnd; }

void CWindowWnd::Close(UINT nRet) {
  if (!::IsWindow(m_hWnd)) return;
  ::PostMessageW(m_hWnd, WM_CLOSE, static_cast<WPARAM>(nRet), 0);
}

LPCTSTR CWindowWnd::GetSuperclassName() const { return nullptr; }

UINT CWindowWnd::GetClassStyle() const { return 0; }

bool CWindowWnd::RegisterWindowClass() {
  WNDCLASSW wc = {};
  wc.style = GetClassStyle();
  wc.lpfnWndProc = &CWindowWnd::WindowProc;
  wc.cbClsExtra = 0;
  wc.cbWndExtra = 0;
  wc.hInstance = CWindowManagerUI::GetInstance();
  wc.hIcon = nullptr;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = nullptr;
  wc.lpszMenuName = nullptr;
  wc.lpszClassName = GetWindowClassName();
  return RegisteredOrExisting(::RegisterClassW(&wc));
}

bool CWindowWnd::RegisterSuperclass() {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof(wc);
  if (!::GetClassInfoExW(nullptr, GetSuperclassName(), &wc) &&
      !::GetClassInfoExW(CWindowManagerUI::GetInstance(), GetSuperclassName(), &wc)) {
    return false;
  }
  m_OldWndProc = wc.lpfnWndProc;
  wc.lpfnWndProc = &CWindowWnd::SuperclassWindowProc;
  wc.hInstance = CWindowManagerUI::GetInstance();
  wc.lpszClassName = GetWindowClassName();
  return RegisteredOrExisting(::RegisterClassExW(&wc));
}

HWND CWindowWnd::Create(HWND hwndParent, LPCTSTR pstrName, DWORD dwStyle, DWORD dwExStyle, int x, int y, int cx,
                        int cy, HMENU hMenu) {
  const bool bRegistered = GetSuperclassName() != nullptr ? RegisterSuperclass() : RegisterWindowClass();
  if (!bRegistered) return nullptr;
  m_hWnd = ::CreateWindowExW(dwExStyle, GetWindowClassName(), pstrName, dwStyle, x, y, cx, cy, hwndParent, hMenu,
                             CWindowManagerUI::GetInstance(), this);
  return m_hWnd;
}

HWND CWindowWnd::CreateInRect(HWND hwndParent, LPCTSTR pstrName, DWORD dwStyle, DWORD dwExStyle, const RECT& rc,
                              HMENU hMenu) {
  return Create(hwndParent, pstrName, dwStyle, dwExStyle, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                hMenu);
}

HWND CWindowWnd::CreateWithStyle(HWND hwndParent, LPCTSTR pstrName, DWORD dwStyle, DWORD dwExStyle) {
  return Create(hwndParent, pstrName, dwStyle, dwExStyle, 0, 0, 0, 0, nullptr);
}

void CWindowWnd::ShowWindow(bool bShow, bool bTakeFocus) {
  if (!::IsWindow(m_hWnd)) return;
  ::ShowWindow(m_hWnd, bShow ? (bTakeFocus ? SW_SHOWNORMAL : SW_SHOWNOACTIVATE) : SW_HIDE);
}

UINT CWindowWnd::ShowModal() {
  // The object may be deleted by its own OnDetached while the loop runs, so the
  // loop keeps to locals.
  const HWND hWnd = m_hWnd;
  const HWND hWndOwner = ::GetWindow(hWnd, GW_OWNER);
  ::ShowWindow(hWnd, SW_SHOWNORMAL);
  if (hWndOwner != nullptr) ::EnableWindow(hWndOwner, FALSE);

  UINT nRet = 0;
  bool bQuit = false;
  MSG msg = {};
  while (::IsWindow(hWnd)) {
    if (!::GetMessageW(&msg, nullptr, 0, 0)) {
      bQuit = true;
      break;
    }
    if (msg.message == WM_CLOSE && msg.hwnd == hWnd) {
      nRet = static_cast<UINT>(msg.wParam);
      if (hWndOwner != nullptr) {
        ::EnableWindow(hWndOwner, TRUE);
        ::SetFocus(hWndOwner);
      }
    }
    if (!CWindowManagerUI::TranslateWindowMessage(&msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
  if (hWndOwner != nullptr) {
    ::EnableWindow(hWndOwner, TRUE);
    ::SetFocus(hWndOwner);
  }
  if (bQuit) ::PostQuitMessage(static_cast<int>(msg.wParam));
  return nRet;
}

void CWindowWnd::CenterWindow() {
  RECT rcDlg = {};
  if (!::GetWindowRect(m_hWnd, &rcDlg)) return;
  const HWND hWndOwner = ::GetWindow(m_hWnd, GW_OWNER);

  MONITORINFO oMonitor = {};
  oMonitor.cbSize = sizeof(oMonitor);
  ::GetMonitorInfoW(::MonitorFromWindow(hWndOwner != nullptr ? hWndOwner : m_hWnd, MONITOR_DEFAULTTONEAREST),
                    &oMonitor);
  const RECT rcArea = oMonitor.rcWork;
  RECT rcCenter = rcArea;
  if (hWndOwner != nullptr) ::GetWindowRect(hWndOwner, &rcCenter);

  const int nWidth = rcDlg.right - rcDlg.left;
  const int nHeight = rcDlg.bottom - rcDlg.top;
  int xLeft = (rcCenter.left + rcCenter.right) / 2 - nWidth / 2;
  int yTop = (rcCenter.top + rcCenter.bottom) / 2 - nHeight / 2;
  if (xLeft < rcArea.left) {
    xLeft = rcArea.left;
  } else if (xLeft + nWidth > rcArea.right) {
    xLeft = rcArea.right - nWidth;
  }
  if (yTop < rcArea.top) {
    yTop = rcArea.top;
  } else if (yTop + nHeight > rcArea.bottom) {
    yTop = rcArea.bottom - nHeight;
  }
  ::SetWindowPos(m_hWnd, nullptr, xLeft, yTop, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWindowWnd::ResizeClient(int cx, int cy) {
  RECT rc = {};
  if (!::GetClientRect(m_hWnd, &rc)) return;
  if (cx != -1) rc.right = cx;
  if (cy != -1) rc.bottom = cy;
  const DWORD dwStyle = static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_STYLE));
  const DWORD dwExStyle = static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_EXSTYLE));
  const BOOL bMenu = (dwStyle & WS_CHILD) == 0 && ::GetMenu(m_hWnd) != nullptr;
  if (!::AdjustWindowRectEx(&rc, dwStyle, bMenu, dwExStyle)) return;
  ::SetWindowPos(m_hWnd, nullptr, 0, 0, rc.right - rc.left, rc.bottom - rc.top,
                 SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
}

void CWindowWnd::SetIcon(UINT nRes) {
  const HICON hIcon =
      LoadIconResource(nRes, RoundUpTo16(::GetSystemMetrics(SM_CXICON)), RoundUpTo16(::GetSystemMetrics(SM_CYICON)));
  ::SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(hIcon));
  const HICON hIconSmall = LoadIconResource(nRes, RoundUpTo16(::GetSystemMetrics(SM_CXSMICON)),
                                            RoundUpTo16(::GetSystemMetrics(SM_CYSMICON)));
  ::SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(hIconSmall));
}

LRESULT CWindowWnd::SendMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  return ::SendMessageW(m_hWnd, uMsg, wParam, lParam);
}

LRESULT CWindowWnd::PostMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  return ::PostMessageW(m_hWnd, uMsg, wParam, lParam);
}

LRESULT CWindowWnd::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  return ::CallWindowProcW(m_OldWndProc, m_hWnd, uMsg, wParam, lParam);
}

void CWindowWnd::OnDetached(HWND) {}

LRESULT CWindowWnd::Detach(CWindowWnd* pThis, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  const LRESULT lRes = ::CallWindowProcW(pThis->m_OldWndProc, hWnd, uMsg, wParam, lParam);
  pThis->m_hWnd = nullptr;
  pThis->OnDetached(hWnd);
  return lRes;
}

LRESULT CALLBACK CWindowWnd::WindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  CWindowWnd* pThis = nullptr;
  if (uMsg == WM_NCCREATE) {
    pThis = ObjectOfCreation(lParam);
    if (pThis != nullptr) {
      pThis->m_hWnd = hWnd;
      ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pThis));
    }
  } else {
    pThis = reinterpret_cast<CWindowWnd*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    if (uMsg == WM_NCDESTROY && pThis != nullptr) {
      ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, 0);
      return Detach(pThis, hWnd, uMsg, wParam, lParam);
    }
  }
  if (pThis == nullptr) return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
  return pThis->HandleMessage(uMsg, wParam, lParam);
}

LRESULT CALLBACK CWindowWnd::SuperclassWindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  CWindowWnd* pThis = nullptr;
  if (uMsg == WM_NCCREATE) {
    pThis = ObjectOfCreation(lParam);
    if (pThis != nullptr) {
      pThis->m_hWnd = hWnd;
      ::SetPropW(hWnd, kObjectProperty, static_cast<HANDLE>(pThis));
    }
  } else {
    pThis = static_cast<CWindowWnd*>(::GetPropW(hWnd, kObjectProperty));
    if (uMsg == WM_NCDESTROY && pThis != nullptr) {
      ::RemovePropW(hWnd, kObjectProperty);
      return Detach(pThis, hWnd, uMsg, wParam, lParam);
    }
  }
  if (pThis == nullptr) return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
  return pThis->HandleMessage(uMsg, wParam, lParam);
}

}  // namespace SkinUI

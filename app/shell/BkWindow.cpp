#include "app/shell/BkWindow.h"

BkWindow* g_pBkWnd = nullptr;

LPCTSTR BkWindow::GetWindowClassName() const { return L"BkWindow"; }

SkinUI::CUIString BkWindow::GetSkinXmlName() const { return L"BkWindow.xml"; }

HWND BkWindow::CreateHidden(HWND hwndFrame) {
  const HWND hwnd = CreateWithStyle(hwndFrame, L"BkWnd", WS_POPUP | WS_VISIBLE | WS_BORDER | WS_SYSMENU, 0);
  if (hwnd == nullptr) return nullptr;
  RECT work = {0, 0, 0, 0};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  ::SetWindowPos(hwnd, nullptr, 0, 0, work.right, work.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(false, false);
  return hwnd;
}

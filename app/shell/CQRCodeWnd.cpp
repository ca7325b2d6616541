#include "app/shell/CQRCodeWnd.h"

#include "ui/core/control/CControlUI.h"

LPCTSTR CQRCodeWnd::GetWindowClassName() const { return L"QR_CodeWnd"; }

SkinUI::CUIString CQRCodeWnd::GetSkinXmlName() const { return L"QR_CodeWndUI.xml"; }

void CQRCodeWnd::Notify(SkinUI::UINotifyRecord& msg) {
  if (msg.sType != L"click" || msg.pSender == nullptr) return;
  if (msg.pSender->GetName() == L"btn_close") Close(2);
}

UINT CQRCodeWnd::ShowOver(HWND hwndOwner) {
  CQRCodeWnd window;
  const HWND hwnd = window.CreateWithStyle(hwndOwner, L"下载APP", 0, 0);
  ::SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  window.CenterWindow();
  return window.ShowModal();
}

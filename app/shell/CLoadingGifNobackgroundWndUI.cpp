#include "app/shell/CLoadingGifNobackgroundWndUI.h"

#include "ui/core/control/CControlUI.h"

CLoadingGifNobackgroundWndUI::CLoadingGifNobackgroundWndUI(int timeout, int showText)
    : m_timeout(timeout), m_showText(showText) {}

LPCTSTR CLoadingGifNobackgroundWndUI::GetWindowClassName() const { return L"LoadingGifWnd"; }

SkinUI::CUIString CLoadingGifNobackgroundWndUI::GetSkinXmlName() const { return L"LoadingGifWnd.xml"; }

void CLoadingGifNobackgroundWndUI::OnSkinBuilt() {
  SkinUI::CControlUI* animation = m_pm.FindControl(L"LoadingGifAnim");
  SkinUI::CControlUI* context = m_pm.FindControl(L"lab_context");
  if (animation == nullptr || context == nullptr) return;
  if (m_showText == 1) context->SetText(L"程序执行中，请稍候...");
  if (m_timeout != 0) ::SetTimer(m_hWnd, TIMEOUT_TIMER_ID, static_cast<UINT>(m_timeout), nullptr);
}

LRESULT CLoadingGifNobackgroundWndUI::HandleOtherMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) {
  if (uMsg == WM_TIMER) return OnTimer(uMsg, wParam, lParam, bHandled);
  return WindowImplBase::HandleOtherMessage(uMsg, wParam, lParam, bHandled);
}

LRESULT CLoadingGifNobackgroundWndUI::OnTimer(UINT, WPARAM wParam, LPARAM, bool& bHandled) {
  if (wParam != TIMEOUT_TIMER_ID) {
    bHandled = false;
    return 0;
  }
  ::KillTimer(m_hWnd, TIMEOUT_TIMER_ID);
  if (::IsWindow(m_hWnd)) Close(2);
  return 0;
}

#include "app/frame/home/CViewPlaceholderWnd.h"

#include "ui/core/control/CControlUI.h"

namespace {

const UINT kClosed = 2;

}  // namespace

CViewPlaceholderWnd::CViewPlaceholderWnd(int planId) : m_planId(planId) {}

void CViewPlaceholderWnd::LoadPlanRun(std::string runKey) { m_runKey = std::move(runKey); }

LPCTSTR CViewPlaceholderWnd::GetWindowClassName() const { return L"ViewPlaceholderWnd"; }

SkinUI::CUIString CViewPlaceholderWnd::GetSkinXmlName() const { return L"ViewPlaceholder.xml"; }

void CViewPlaceholderWnd::OnSkinBuilt() {
  SkinUI::CControlUI* title = m_pm.FindControl(L"lab_title");
  if (title == nullptr) return;
  wchar_t text[64] = {0};
  ::GetWindowTextW(m_hWnd, text, 64);
  title->SetText(text);
}

void CViewPlaceholderWnd::Notify(SkinUI::UINotifyRecord& msg) {
  if (msg.sType == L"click" && msg.pSender != nullptr && msg.pSender->GetName() == L"btn_close") Close(kClosed);
}

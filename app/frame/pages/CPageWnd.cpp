#include "app/frame/pages/CPageWnd.h"

#include "ui/controls/CButtonUI.h"
#include "ui/core/control/CContainerUI.h"

namespace {

const int kPageTop = 150;
const int kBottomMargin = 180;
const wchar_t kFindButtonLook[] =
    L"width=\"88\" height=\"40\" text=\"查询\" font=\"1\" textcolor=\"#FFFFFFFF\" "
    L"normalimage=\"MessageUI/确定取消原始_26.png\" hotimage=\"MessageUI/确定取消经过.png\" "
    L"pushedimage=\"MessageUI/确定取消经过.png\"";

}  // namespace

void CPageWnd::FocusFindButton() {
  const LPCTSTR name = GetFindButtonName();
  SkinUI::CControlUI* button = *name == L'\0' ? nullptr : m_pm.FindControl(name);
  if (button != nullptr) button->SetFocus();
}

int CPageWnd::GetBottomMargin() const { return kBottomMargin; }

LPCTSTR CPageWnd::GetWindowClassName() const { return L"CSpliteScreenBase"; }

SkinUI::CUIString CPageWnd::GetSkinXmlName() const { return L"PagePlaceholder.xml"; }

void CPageWnd::OnSkinBuilt() {
  RECT work = {};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  ::SetWindowPos(m_hWnd, nullptr, 0, kPageTop, work.right - work.left, work.bottom - GetBottomMargin(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  SkinUI::CControlUI* title = m_pm.FindControl(L"lab_PageTitle");
  if (title != nullptr) title->SetText(GetPageTitle());
  AddFindButton();
}

// The skin is one for every page; each page's find button gets its own name.
void CPageWnd::AddFindButton() {
  auto* bar = static_cast<SkinUI::CContainerUI*>(m_pm.FindControl(L"find_bar"));
  if (bar == nullptr || *GetFindButtonName() == L'\0') return;
  auto* button = new SkinUI::CButtonUI;
  button->SetName(GetFindButtonName());
  button->SetAttributeList(kFindButtonLook);
  bar->Add(button);
}

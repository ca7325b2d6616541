#include "app/shell/CListContainerElementUIEx.h"

#include "ui/core/manager/CWindowManagerUI.h"

CListContainerElementUIEx::CListContainerElementUIEx() = default;

CListContainerElementUIEx::~CListContainerElementUIEx() = default;

void CListContainerElementUIEx::HandleEvent(SkinUI::UIEventRecord& event) {
  if (event.Type == SkinUI::UIEVENT_DBLCLICK && m_pManager != nullptr) {
    m_pManager->SendNotify(event.pSender, L"dbclick", 0, 0, true);
  }
  SkinUI::CListContainerElementUI::HandleEvent(event);
}

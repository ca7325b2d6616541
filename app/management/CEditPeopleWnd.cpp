#include "app/management/CEditPeopleWnd.h"

#include "app/shell/ShowMessage.h"
#include "data/DAL_PatrolServer.h"
#include "data/StartupCaches.h"
#include "platform/base/CodePage.h"
#include "ui/core/control/CControlUI.h"

CEditPeopleWnd::CEditPeopleWnd(int iPeopleID) : m_iPeopleID(iPeopleID) {}

LPCTSTR CEditPeopleWnd::GetWindowClassName() const { return L"CEditPeopleWnd"; }

SkinUI::CUIString CEditPeopleWnd::GetSkinXmlName() const { return L"EditPeopleWnd.xml"; }

void CEditPeopleWnd::OnSkinBuilt() {
  SkinUI::CControlUI* name = m_pm.FindControl(L"PeopleNamelab");
  m_boxes.Find(m_pm);
  const auto cached = g_mapPeople.find(m_iPeopleID);
  if (cached != g_mapPeople.end()) {
    m_people = cached->second;
    m_bCached = true;
  }
  if (name == nullptr || !m_boxes.Complete()) return;
  name->SetText(platform::codepage::GbkToWide(m_people.strName).c_str());
  m_boxes.Show(m_people.iGroup);
}

int CEditPeopleWnd::Save() {
  // Without the cached person there is nobody to send: an update would blank the
  // server's record of that id.
  if (!m_bCached) return 0;
  const int group = m_boxes.Mask();
  if (group == 0) {
    ShowMessage(L"请选择人员类型!", m_hWnd, 1);
    return 0;
  }
  DAL_PatrolServer server;
  const int result = server.DAL_People_Update(m_people.iID, m_people.strName, m_people.UserID, m_people.iIdentity,
                                              group, m_people.strTelephone, "--");
  if (result == -1) return -1;
  m_people.iGroup = group;
  g_mapPeople[m_people.iID] = m_people;
  return 1;
}

void CEditPeopleWnd::Notify(SkinUI::UINotifyRecord& msg) {
  if (msg.sType != L"click" || msg.pSender == nullptr) return;
  const SkinUI::CUIString name = msg.pSender->GetName();
  if (name == L"btn_close" || name == L"btn_Cancel") {
    Close(2);
    return;
  }
  if (name != L"btn_Ok") return;
  if (Save() == 1) {
    Close(1);
    return;
  }
  ShowMessage(L"编辑失败!", m_hWnd, 7);
}

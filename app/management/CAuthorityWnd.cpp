#include "app/management/CAuthorityWnd.h"

#include <algorithm>
#include <map>
#include <memory>
#include <utility>

#include "app/management/AuthorityTexts.h"
#include "app/shell/ShowMessage.h"
#include "CommonTools/global_singleton.h"
#include "data/DAL_PatrolServer.h"
#include "platform/base/CodePage.h"
#include "ui/controls/CCheckBoxUI.h"
#include "ui/core/control/CContainerUI.h"

namespace {

struct BoxLook {
  const wchar_t* dest;
  const wchar_t* textPadding;
  const wchar_t* width;
};

const BoxLook kAreaLook = {L"85,4,101,20", L"0,0,0,0", L"101"};
const BoxLook kModuleLook = {L"130,4,146,20", L"10,0,0,0", L"146"};

SkinUI::CContainerUI* AsContainer(SkinUI::CControlUI* control) {
  return control == nullptr ? nullptr : static_cast<SkinUI::CContainerUI*>(control->GetInterface(L"Container"));
}

std::wstring Image(const wchar_t* file, const BoxLook& look) {
  return std::wstring(L"file='2巡更计划/") + file + L"' dest='" + look.dest + L"'";
}

// Adds the words from the highest key down, ticked as the record says (all without a
// record); returns how many are ticked.
int AddBoxes(SkinUI::CContainerUI& tile, const std::map<int, std::wstring>& words, const BoxLook& look,
             bool hasRecord, const std::vector<std::string>& held) {
  int ticked = 0;
  for (auto word = words.rbegin(); word != words.rend(); ++word) {
    auto box = std::make_unique<SkinUI::CCheckBoxUI>();
    box->SetAttribute(L"normalimage", Image(L"未打钩原始.png", look).c_str());
    box->SetAttribute(L"hotimage", Image(L"未打钩经过.png", look).c_str());
    box->SetAttribute(L"selectedimage", Image(L"已打勾原始.png", look).c_str());
    box->SetAttribute(L"selectedhotimage", Image(L"已打勾经过.png", look).c_str());
    box->SetAttribute(L"hottextcolor", L"#1DC31D");
    box->SetAttribute(L"selectedhottextcolor", L"#1DC31D");
    box->SetAttribute(L"textpadding", look.textPadding);
    box->SetAttribute(L"align", L"left");
    box->SetAttribute(L"width", look.width);
    box->SetAttribute(L"height", L"35");
    box->SetAttribute(L"endellipsis", L"true");
    box->SetText(word->second.c_str());
    box->SetUserData(word->second.c_str());
    box->SetTextColor(0xFFFFFFFF);
    box->SetFont(0);
    const std::string gbk = platform::codepage::WideToGbk(word->second);
    const bool on = !hasRecord || std::find(held.begin(), held.end(), gbk) != held.end();
    box->SetSelected(on);
    if (on) ++ticked;
    if (tile.Add(box.get())) box.release();
  }
  return ticked;
}

// The user data of the ticked boxes in child order, joined by ",".
std::wstring Ticked(SkinUI::CContainerUI& tile) {
  std::wstring joined;
  for (int i = 0; i < tile.GetCount(); ++i) {
    SkinUI::CControlUI* child = tile.GetItemAt(i);
    auto* box = static_cast<SkinUI::COptionUI*>(child->GetInterface(L"Option"));
    if (box == nullptr || !box->IsSelected()) continue;
    if (!joined.empty()) joined += L",";
    joined += box->GetUserData().GetData();
  }
  return joined;
}

}  // namespace

bool IsAdministrator() {
  const global_singleton& session = global_singleton::get_const_instance();
  const int type = session.m_userInfo.nUserType;
  return session.m_strIdentityCode == "IC0001" || type == 6 || type == 8;
}

CAuthorityWnd::CAuthorityWnd(std::string strUserID, std::string strUserName)
    : m_strUserID(std::move(strUserID)), m_strUserName(std::move(strUserName)) {}

LPCTSTR CAuthorityWnd::GetWindowClassName() const { return L"CDlgEx"; }

SkinUI::CUIString CAuthorityWnd::GetSkinXmlName() const { return L"CAuthorityWnd.xml"; }

void CAuthorityWnd::OnSkinBuilt() {
  m_pAreaNum = m_pm.FindControl(L"AreaNum");
  m_pModuleNum = m_pm.FindControl(L"MoudleNum");
  m_pAreas = AsContainer(m_pm.FindControl(L"TL_Area"));
  m_pModules = AsContainer(m_pm.FindControl(L"TL_Moudle"));
  if (IsAdministrator()) {
    if (SkinUI::CControlUI* save = m_pm.FindControl(L"btn_Save")) save->SetVisible(true);
    return;
  }
  if (SkinUI::CControlUI* title = m_pm.FindControl(L"lab_title")) title->SetText(L"权限详情");
}

void CAuthorityWnd::LoadRights() {
  DAL_PatrolServer server;
  m_rights = server.Authority_Get_ByID(m_strUserID);
  BuildCheckBoxes();
}

void CAuthorityWnd::BuildCheckBoxes() {
  if (m_pAreaNum == nullptr || m_pModuleNum == nullptr || m_pAreas == nullptr || m_pModules == nullptr) return;
  m_pAreas->RemoveAll();
  m_pModules->RemoveAll();
  const bool hasRecord = !m_rights.strUserID.empty();
  const int areas = AddBoxes(*m_pAreas, AuthorityAreas(), kAreaLook, hasRecord, m_rights.TypeAuthority);
  const int modules = AddBoxes(*m_pModules, AuthorityModules(), kModuleLook, hasRecord, m_rights.strModuleAuthority);
  m_pAreaNum->SetText(std::to_wstring(areas).c_str());
  m_pModuleNum->SetText(std::to_wstring(modules).c_str());
}

bool CAuthorityWnd::Save() {
  if (m_pAreas == nullptr || m_pModules == nullptr) return false;
  const std::string areas = AuthorityListText(Ticked(*m_pAreas));
  const std::string modules = AuthorityListText(Ticked(*m_pModules));
  DAL_PatrolServer server;
  const int result = m_rights.strUserID.empty()
                         ? server.Authority_Add(m_strUserID, m_strUserName, areas, modules, "")
                         : server.Authority_Update(m_strUserID, m_strUserName, areas, modules, "");
  return result != -1;
}

void CAuthorityWnd::Notify(SkinUI::UINotifyRecord& msg) {
  if (msg.sType != L"click" || msg.pSender == nullptr) return;
  const SkinUI::CUIString name = msg.pSender->GetName();
  if (name == L"btn_close" || name == L"btn_Cancel") {
    Close(2);
    return;
  }
  if (name != L"btn_Save") return;
  if (global_singleton::get_const_instance().m_nAllTypes != 1) {
    ShowMessage(L"您不具有编辑权限，\r\n请联系超级管理员或学校管理员进行修改！", m_hWnd, 1);
    return;
  }
  // A refused save keeps the dialog open, so the choice is not lost.
  if (!Save()) {
    ShowMessage(L"编辑失败!", m_hWnd, 7);
    return;
  }
  Close(1);
}

#include "app/management/CAddPeopleWnd.h"

#include <memory>

#include "app/shell/RunBusy.h"
#include "app/shell/ShowMessage.h"
#include "data/DAL_PatrolServer.h"
#include "data/PlatformUsers.h"
#include "data/StartupCaches.h"
#include "platform/base/CodePage.h"
#include "ui/controls/CButtonUI.h"
#include "ui/controls/CCheckBoxUI.h"
#include "ui/controls/CLabelUI.h"
#include "ui/core/control/CHorizontalLayoutUI.h"
#include "ui/core/control/CTileLayoutUI.h"

namespace {

const size_t kMostPerAdd = 30;

std::wstring Wide(const std::string& gbk) { return platform::codepage::GbkToWide(gbk); }
std::string Gbk(const std::wstring& wide) { return platform::codepage::WideToGbk(wide); }

SkinUI::COptionUI* AsOption(SkinUI::CControlUI* control) {
  return control == nullptr ? nullptr : static_cast<SkinUI::COptionUI*>(control->GetInterface(L"Option"));
}

std::unique_ptr<SkinUI::CCheckBoxUI> UserTile(const ModuleUserInfo& user) {
  auto box = std::make_unique<SkinUI::CCheckBoxUI>();
  const std::wstring name = Wide(user.UserName);
  box->SetName(L"userck");
  box->SetText(name.c_str());
  box->SetToolTip(name.c_str());
  box->SetUserData(Wide(user.UserID).c_str());
  box->SetTextColor(0xFFFFFFFF);
  box->SetFont(0);
  box->SetAttribute(L"normalimage", L"file='2巡更计划/未打钩原始.png' dest='2,7,18,23'");
  box->SetAttribute(L"hotimage", L"file='2巡更计划/未打钩经过.png' dest='2,7,18,23'");
  box->SetAttribute(L"selectedimage", L"file='2巡更计划/已打勾原始.png' dest='2,7,18,23'");
  box->SetAttribute(L"selectedhotimage", L"file='2巡更计划/已打勾经过.png' dest='2,7,18,23'");
  box->SetAttribute(L"hottextcolor", L"#1DC31D");
  box->SetAttribute(L"textpadding", L"23,5,0,0");
  box->SetAttribute(L"align", L"left");
  box->SetAttribute(L"width", L"120");
  box->SetAttribute(L"height", L"30");
  box->SetAttribute(L"endellipsis", L"true");
  return box;
}

std::unique_ptr<SkinUI::CHorizontalLayoutUI> SelectedEntry(const std::string& userID, const std::string& userName) {
  auto entry = std::make_unique<SkinUI::CHorizontalLayoutUI>();
  entry->SetAttributeList(L"bkimage=\"file='弹窗/人员背景.png'\" width=\"110\" height=\"30\"");
  auto label = std::make_unique<SkinUI::CLabelUI>();
  label->SetAttributeList(
      L"padding=\"0,0,0,0\" textcolor=\"0xffffff\" font=\"4\" endellipsis=\"true\" textpadding=\"10,-2,0,0\" "
      L"width=\"93\" height=\"30\"");
  const std::wstring name = Wide(userName);
  label->SetText(name.c_str());
  label->SetToolTip(name.c_str());
  auto remove = std::make_unique<SkinUI::CButtonUI>();
  remove->SetName(L"btn_UserDelete");
  remove->SetAttributeList(L"normalimage=\"file='弹窗/删除原始.png'\"");
  remove->SetHotImage(L"file='弹窗/删除经过.png'");
  remove->SetPadding(RECT{5, 8, 0, 0});
  remove->SetFixedWidth(15);
  remove->SetFixedHeight(15);
  remove->SetUserData(Wide(userID).c_str());
  if (entry->Add(label.get())) label.release();
  if (entry->Add(remove.get())) remove.release();
  return entry;
}

}  // namespace

CAddPeopleWnd::CAddPeopleWnd(void* /*pOpener*/) {}

LPCTSTR CAddPeopleWnd::GetWindowClassName() const { return L"AddPeopleWnd"; }

SkinUI::CUIString CAddPeopleWnd::GetSkinXmlName() const { return L"AddPeopleWnd.xml"; }

void CAddPeopleWnd::OnSkinBuilt() {
  SkinUI::CControlUI* all = m_pm.FindControl(L"TileLayout_AllUser");
  m_pAllUsers = all == nullptr ? nullptr : static_cast<SkinUI::CTileLayoutUI*>(all->GetInterface(L"TileLayout"));
  SkinUI::CControlUI* chosen = m_pm.FindControl(L"TileLayout_SelectedUser");
  m_pSelectedUsers =
      chosen == nullptr ? nullptr : static_cast<SkinUI::CTileLayoutUI*>(chosen->GetInterface(L"TileLayout"));
  m_pSelectAll = AsOption(m_pm.FindControl(L"SelectAll"));
  m_boxes.Find(m_pm);
  if (m_pAllUsers != nullptr) m_pAllUsers->SetColumns(2);
  if (m_pSelectedUsers != nullptr) m_pSelectedUsers->SetColumns(5);
}

void CAddPeopleWnd::LoadUsers() {
  m_existing.clear();
  for (const auto& entry : g_mapPeople) m_existing[entry.second.UserID] = entry.second.strName;
  m_users = GetUserByModuleID();
  ShowUsers(L"");
}

void CAddPeopleWnd::ShowUsers(const std::wstring& filter) {
  if (m_pAllUsers == nullptr) return;
  m_pAllUsers->RemoveAll();
  for (const ModuleUserInfo& user : m_users) {
    if (m_existing.count(user.UserID) != 0) continue;
    if (!filter.empty() && Wide(user.UserName).find(filter) == std::wstring::npos) continue;
    std::unique_ptr<SkinUI::CCheckBoxUI> tile = UserTile(user);
    if (m_pAllUsers->Add(tile.get())) tile.release();
  }
}

void CAddPeopleWnd::ShowSelected() {
  if (m_pSelectedUsers == nullptr) return;
  m_pSelectedUsers->RemoveAll();
  m_pSelectedUsers->SetColumns(3);
  for (const auto& user : m_selected) {
    std::unique_ptr<SkinUI::CHorizontalLayoutUI> entry = SelectedEntry(user.first, user.second);
    if (m_pSelectedUsers->Add(entry.get())) entry.release();
  }
}

std::vector<SkinUI::COptionUI*> CAddPeopleWnd::UserTiles() const {
  std::vector<SkinUI::COptionUI*> tiles;
  if (m_pAllUsers == nullptr) return tiles;
  for (int i = 0; i < m_pAllUsers->GetCount(); ++i) {
    if (SkinUI::COptionUI* tile = AsOption(m_pAllUsers->GetItemAt(i))) tiles.push_back(tile);
  }
  return tiles;
}

std::wstring CAddPeopleWnd::SearchText() const {
  SkinUI::CControlUI* search = m_pm.FindControl(L"Rich_PeopleFind");
  return search == nullptr ? std::wstring() : search->GetText().GetData();
}

CAddPeopleWnd::AddOutcome CAddPeopleWnd::AddPeople(HWND hwndParent, const std::map<std::string, std::string>& selected,
                                                   const std::list<ModuleUserInfo>& users, int group) {
  AddOutcome outcome;
  if (selected.empty()) {
    ShowMessage(L"请选择要添加的人员!", hwndParent, 1);
    return outcome;
  }
  if (selected.size() > kMostPerAdd) {
    ShowMessage(L"单次最多添加30人!", hwndParent, 1);
    return outcome;
  }
  if (group == 0) {
    ShowMessage(L"请选择人员类型!", hwndParent, 1);
    return outcome;
  }
  DAL_PatrolServer server;
  outcome.result = 1;
  for (const auto& chosen : selected) {
    for (const ModuleUserInfo& user : users) {
      if (user.UserID != chosen.first) continue;
      std::string tel = GetSchoolinfo(user.UserID);
      if (tel.empty()) tel = "--";
      const int id = server.DAL_People_Add(user.UserName, user.UserID, user.UserType, group, tel, "--");
      if (id == -1) {
        outcome.result = -1;
        continue;
      }
      PeopleInfo person;
      person.iID = id;
      person.iGroup = group;
      person.UserID = user.UserID;
      person.strName = user.UserName;
      person.iIdentity = user.UserType;
      person.strTelephone = tel;
      outcome.added.push_back(person);
    }
  }
  return outcome;
}

void CAddPeopleWnd::OnOk() {
  const std::map<std::string, std::string> selected = m_selected;
  const std::list<ModuleUserInfo> users = m_users;
  const int group = m_boxes.Mask();
  const HWND hwnd = m_hWnd;
  AddOutcome outcome;
  RunBusy(
      m_hWnd, 180000, 0, [&] { return AddPeople(hwnd, selected, users, group); },
      [&](const AddOutcome& done) { outcome = done; });
  Apply(outcome);
  if (outcome.result == -1) {
    ShowMessage(L"添加失败!", m_hWnd, 7);
  } else if (outcome.result == 1) {
    Close(1);
  }
}

void CAddPeopleWnd::Apply(const AddOutcome& outcome) {
  if (outcome.added.empty()) return;
  for (const PeopleInfo& person : outcome.added) {
    g_mapPeople[person.iID] = person;
    // Once added, a user is a patrol person: a second OK must not add him again.
    m_selected.erase(person.UserID);
    m_existing[person.UserID] = person.strName;
  }
  if (m_pSelectAll != nullptr) m_pSelectAll->SetSelected(false);
  ShowUsers(SearchText());
  ShowSelected();
}

void CAddPeopleWnd::OnUserClicked(SkinUI::COptionUI* box) {
  const std::string id = Gbk(box->GetUserData().GetData());
  // The click arrives before the box changes.
  if (!box->IsSelected()) {
    m_selected[id] = Gbk(box->GetText().GetData());
  } else {
    if (m_pSelectAll != nullptr) m_pSelectAll->SetSelected(false);
    m_selected.erase(id);
  }
  ShowSelected();
}

void CAddPeopleWnd::OnSelectAllClicked() {
  const bool wasSelected = m_pSelectAll != nullptr && m_pSelectAll->IsSelected();
  for (SkinUI::COptionUI* tile : UserTiles()) {
    const std::string id = Gbk(tile->GetUserData().GetData());
    tile->SetSelected(!wasSelected);
    if (wasSelected) {
      m_selected.erase(id);
    } else {
      m_selected[id] = Gbk(tile->GetText().GetData());
    }
  }
  ShowSelected();
}

void CAddPeopleWnd::OnUserDeleteClicked(const std::string& userID) {
  if (m_pSelectAll != nullptr) m_pSelectAll->SetSelected(false);
  for (SkinUI::COptionUI* tile : UserTiles()) {
    if (Gbk(tile->GetUserData().GetData()) == userID) tile->SetSelected(false);
  }
  m_selected.erase(userID);
  ShowSelected();
}

void CAddPeopleWnd::Notify(SkinUI::UINotifyRecord& msg) {
  if (msg.pSender == nullptr) return;
  const std::wstring name = msg.pSender->GetName().GetData();
  if (msg.sType == L"return" && name == L"Rich_PeopleFind") {
    ShowUsers(SearchText());
    return;
  }
  if (msg.sType != L"click") return;
  if (name == L"btn_close" || name == L"btn_Cancel") {
    Close(2);
  } else if (name == L"btn_Ok") {
    OnOk();
  } else if (name == L"userck") {
    if (SkinUI::COptionUI* box = AsOption(msg.pSender)) OnUserClicked(box);
  } else if (name == L"SelectAll") {
    OnSelectAllClicked();
  } else if (name == L"btn_Peoplefind") {
    ShowUsers(SearchText());
  } else if (name == L"btn_UserDelete") {
    // The entry goes with the rebuild: the click is handled on a copy of its id.
    const std::string id = Gbk(msg.pSender->GetUserData().GetData());
    OnUserDeleteClicked(id);
  }
}

#include "app/management/CAuthorityManageWndEx.h"

#include "app/management/AuthorityTexts.h"
#include "app/management/CAuthorityWnd.h"
#include "app/management/ShadeScope.h"
#include "app/shell/ListRows.h"
#include "app/shell/ShowMessage.h"
#include "CommonTools/global_singleton.h"
#include "data/DAL_PatrolServer.h"
#include "data/PlatformUsers.h"
#include "platform/base/CodePage.h"
#include "ui/controls/CListUI.h"

namespace {

std::wstring Wide(const std::string& gbk) { return platform::codepage::GbkToWide(gbk); }

}  // namespace

LPCTSTR CAuthorityManageWndEx::GetWindowClassName() const { return L"CSpliteScreenBase"; }

SkinUI::CUIString CAuthorityManageWndEx::GetSkinXmlName() const { return L"Authority.xml"; }

void CAuthorityManageWndEx::OnSkinBuilt() {
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &m_rcWork, 0);
  ::SetWindowPos(m_hWnd, nullptr, 0, 150, m_rcWork.right - m_rcWork.left, m_rcWork.bottom - 180,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  SkinUI::CControlUI* list = m_pm.FindControl(L"list-Authority");
  m_pList = list == nullptr ? nullptr : static_cast<SkinUI::CListUI*>(list->GetInterface(L"List"));
  m_pSearch = m_pm.FindControl(L"Rich_AuthorityEdit");
  m_pCount = m_pm.FindControl(L"lab_AuthoritylistCounts");
  m_pClear = m_pm.FindControl(L"btn_clear");
  m_users = GetUserByModuleID();
  DAL_PatrolServer server;
  m_rights = server.Authority_Get();
  FillUserList(m_nCurrentPage);
}

bool CAuthorityManageWndEx::Shows(const ModuleUserInfo& user, bool administrator, const std::wstring& search) const {
  if (user.IsSuperUser == 1) return false;
  if (!administrator && user.UserID != global_singleton::get_const_instance().m_userInfo.strUserID) return false;
  return search.empty() || Wide(user.UserName).find(search) != std::wstring::npos;
}

void CAuthorityManageWndEx::FillUserList(int page) {
  if (m_pList == nullptr || m_pSearch == nullptr || m_pCount == nullptr) return;
  m_pList->RemoveAll();
  const std::wstring search = m_pSearch->GetText().GetData();
  const bool administrator = IsAdministrator();
  m_filtered.clear();
  for (const ModuleUserInfo& user : m_users) {
    if (Shows(user, administrator, search)) m_filtered.push_back(user);
  }
  Pager().Display(m_pList, static_cast<int>(m_filtered.size()), page, m_nCurrentPage,
                  [this, administrator](int, int index) { InsertRow(m_filtered[index], index + 1, administrator); });
}

void CAuthorityManageWndEx::InsertRow(const ModuleUserInfo& user, int position, bool administrator) {
  const int row = ListInsertRow(m_pList, m_pList->GetCount(), 60);
  if (row < 0) return;
  m_pList->SetAttribute(L"itemlinecolor", L"#1D2C2D");
  const auto record = m_rights.find(user.UserID);
  const AuthorityInfo* rights = record == m_rights.end() ? nullptr : &record->second;
  const std::wstring id = Wide(user.UserID);
  ListSetIdCell(m_pList, row, L"", L"ID");
  ListSetTextCell(m_pList, row, 1, std::to_wstring(position), L"No", L"#096BCBC");
  ListSetTextCell(m_pList, row, 2, Wide(user.UserName), L"UserName", L"#FFFFFF");
  ListSetTextCell(m_pList, row, 3, id, L"UserID", L"#096BCBC");
  ListSetTextCell(m_pList, row, 4, AuthorityAreaText(rights), L"UserArea", L"#FFFFFF");
  ListSetTextCell(m_pList, row, 5, AuthorityModuleText(rights), L"UserModule", L"#FFFFFF");
  if (administrator) {
    ListSetButtonCell(m_pList, row, 6, 12, 12, L"41,22,0,0", L"btn_AuthorityEditor", L"4设备管理/编辑经过.png",
                      L"4设备管理/编辑原始.png", L"编辑", id, 0);
  } else {
    ListSetButtonCell(m_pList, row, 6, 15, 16, L"41,20,0,0", L"btn_AuthorityEditor", L"1首页/查看经过.png",
                      L"1首页/查看.png", L"查看详情", id, 0);
  }
}

ListPager CAuthorityManageWndEx::Pager() {
  return ListPager(m_pm, {L"People", L"lab_AuthoritylistCounts", L"hlNoContent", true, true}, m_rcWork);
}

void CAuthorityManageWndEx::PrevUserPage() {
  if (m_nCurrentPage <= 1) return;
  FillUserList(m_nCurrentPage - 1);
}

void CAuthorityManageWndEx::NextUserPage() {
  if (m_nCurrentPage >= ListPager::PageCount(static_cast<int>(m_filtered.size()))) return;
  FillUserList(m_nCurrentPage + 1);
}

void CAuthorityManageWndEx::GotoUserPage() {
  const int page = Pager().JumpTarget(m_hWnd, static_cast<int>(m_filtered.size()));
  if (page == 0) return;
  FillUserList(page);
}

void CAuthorityManageWndEx::OpenRights(SkinUI::CControlUI* sender) {
  const std::string userID = platform::codepage::WideToGbk(sender->GetUserData().GetData());
  std::string userName;
  for (const ModuleUserInfo& user : m_users) {
    if (user.UserID == userID) {
      userName = user.UserName;
      break;
    }
  }
  ShadeScope shade(m_hWnd);
  CAuthorityWnd dialog(userID, userName);
  if (dialog.CreateWithStyle(shade.Owner(), L"编辑权限", WS_POPUP | WS_VISIBLE, 0) == nullptr) return;
  dialog.CenterWindow();
  dialog.LoadRights();
  if (dialog.ShowModal() != 1) return;
  ShowMessage(L"权限编辑成功!", m_hWnd, 6);
  DAL_PatrolServer server;
  m_rights = server.Authority_Get();
  FillUserList(1);
}

void CAuthorityManageWndEx::Notify(SkinUI::UINotifyRecord& msg) {
  if (msg.pSender == nullptr) return;
  const std::wstring name = msg.pSender->GetName().GetData();
  if (msg.sType == L"click") {
    if (name == L"btn_AuthorityEditor") {
      OpenRights(msg.pSender);
    } else if (name == L"btn_Authorityfind") {
      FillUserList(1);
    } else if (name == L"btn_prev_page_People") {
      PrevUserPage();
    } else if (name == L"btn_next_page_People") {
      NextUserPage();
    } else if (name == L"btn_goto_People") {
      GotoUserPage();
    } else if (name == L"btn_clear" && m_pSearch != nullptr) {
      m_pSearch->SetText(L"");
      if (m_pClear != nullptr) m_pClear->SetVisible(false);
      FillUserList(1);
    }
    return;
  }
  if (name != L"Rich_AuthorityEdit") return;
  if (msg.sType == L"return") {
    FillUserList(1);
  } else if (msg.sType == L"textchanged") {
    if (m_pClear != nullptr) m_pClear->SetVisible(!m_pSearch->GetText().IsEmpty());
    FillUserList(1);
  }
}

void CAuthorityManageWndEx::FocusFindButton() {
  SkinUI::CControlUI* button = m_pm.FindControl(L"btn_Authorityfind");
  if (button != nullptr) button->SetFocus();
}

#include "app/management/CPeopleManageWndEx.h"

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/management/CAddPeopleWnd.h"
#include "app/management/CEditPeopleWnd.h"
#include "app/management/PeopleTexts.h"
#include "app/management/ShadeScope.h"
#include "app/shell/ListRows.h"
#include "app/shell/ShowMessage.h"
#include "data/DAL_PatrolServer.h"
#include "data/StartupCaches.h"
#include "platform/base/CodePage.h"
#include "ui/controls/CComboUI.h"
#include "ui/controls/CListUI.h"

namespace {

std::wstring Wide(const std::string& gbk) { return platform::codepage::GbkToWide(gbk); }

// True when a cached plan names the person; the plans are shared with the broker's thread.
bool NamedByAnyPlan(const std::wstring& idText) {
  std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
  for (const auto& plan : g_mapInspectPlan) {
    for (const PlanPeopleInfo& person : plan.second.listPeople) {
      if (std::to_wstring(person.iID) == idText) return true;
    }
  }
  return false;
}

// The id a row's button carries; 0 when it is not a number.
int IdOf(const std::wstring& text) {
  try {
    return std::stoi(text);
  } catch (const std::exception&) {
    return 0;
  }
}

}  // namespace

LPCTSTR CPeopleManageWndEx::GetWindowClassName() const { return L"CSpliteScreenBase"; }

SkinUI::CUIString CPeopleManageWndEx::GetSkinXmlName() const { return L"PeopleManageWndEx.xml"; }

void CPeopleManageWndEx::OnSkinBuilt() {
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &m_rcWork, 0);
  ::SetWindowPos(m_hWnd, nullptr, 0, 150, m_rcWork.right - m_rcWork.left, m_rcWork.bottom - 180,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  SkinUI::CControlUI* list = m_pm.FindControl(L"list-people");
  m_pList = list == nullptr ? nullptr : static_cast<SkinUI::CListUI*>(list->GetInterface(L"List"));
  SkinUI::CControlUI* combo = m_pm.FindControl(L"Comb_PeopleType");
  m_pType = combo == nullptr ? nullptr : static_cast<SkinUI::CComboUI*>(combo->GetInterface(L"Combo"));
  m_pSearch = m_pm.FindControl(L"Rich_PeopleFind");
  m_pCount = m_pm.FindControl(L"lab_listCounts");
  m_pClear = m_pm.FindControl(L"btn_clear");
  FillPeopleList(m_nCurrentPage, false);
}

bool CPeopleManageWndEx::Passes(const PeopleInfo& person, int typeIndex, const std::wstring& search) const {
  // No selection counts as "all types", like index 0.
  if (typeIndex > 0 && !HasPatrolType(person.iGroup, typeIndex - 1)) return false;
  return search.empty() || Wide(person.strName).find(search) != std::wstring::npos;
}

void CPeopleManageWndEx::FillPeopleList(int page, bool toLast) {
  if (m_pList == nullptr || m_pType == nullptr || m_pSearch == nullptr || m_pCount == nullptr) return;
  m_pList->RemoveAll();
  const int typeIndex = m_pType->GetCurSel();
  const std::wstring search = m_pSearch->GetText().GetData();
  m_filtered.clear();
  for (const auto& entry : g_mapPeople) {
    if (Passes(entry.second, typeIndex, search)) m_filtered.push_back(entry.second);
  }
  const int rows = static_cast<int>(m_filtered.size());
  if (toLast) page = ListPager::PageCount(rows);
  Pager().Display(m_pList, rows, page, m_nCurrentPage,
                  [this](int, int index) { InsertRow(m_filtered[index], index + 1); });
}

void CPeopleManageWndEx::InsertRow(const PeopleInfo& person, int position) {
  const int row = ListInsertRow(m_pList, m_pList->GetCount(), 60);
  if (row < 0) return;
  const std::wstring id = std::to_wstring(person.iID);
  ListSetIdCell(m_pList, row, L"", L"ID");
  ListSetTextCell(m_pList, row, 1, std::to_wstring(position), L"No", L"#096BCBC");
  ListSetTextCell(m_pList, row, 2, Wide(person.strName), L"Name", L"#FFFFFF");
  ListSetTextCell(m_pList, row, 3, IdentityCodeName(person.iIdentity), L"Identity", L"#096BCBC");
  ListSetTextCell(m_pList, row, 4, PatrolTypeNames(person.iGroup), L"strGroup", L"#FFFFFF");
  ListSetTextCell(m_pList, row, 5, Wide(person.strTelephone), L"telphone", L"#096BCBC");
  ListSetButtonCell(m_pList, row, 6, 12, 12, L"35,23,0,0", L"btn_Edit", L"4设备管理/编辑经过.png",
                    L"4设备管理/编辑原始.png", L"编辑", id, 0);
  ListSetButtonCell(m_pList, row, 6, 11, 13, L"52,23,0,0", L"btn_Delete", L"5人员管理/删除经过.png",
                    L"5人员管理/删除原始.png", L"删除", id, 0);
}

ListPager CPeopleManageWndEx::Pager() {
  return ListPager(m_pm, {L"People", L"lab_listCounts", L"hlNoContent", true, true}, m_rcWork);
}

void CPeopleManageWndEx::PrevPage() {
  if (m_nCurrentPage <= 1) return;
  FillPeopleList(m_nCurrentPage - 1, false);
}

void CPeopleManageWndEx::NextPage() {
  if (m_nCurrentPage >= ListPager::PageCount(static_cast<int>(m_filtered.size()))) return;
  FillPeopleList(m_nCurrentPage + 1, false);
}

void CPeopleManageWndEx::GotoPage() {
  const int page = Pager().JumpTarget(m_hWnd, static_cast<int>(m_filtered.size()));
  if (page == 0) return;
  FillPeopleList(page, false);
}

void CPeopleManageWndEx::RefreshPeople() {
  std::vector<PeopleRefresh::Person> people;
  people.reserve(g_mapPeople.size());
  for (const auto& entry : g_mapPeople) {
    people.push_back(PeopleRefresh::Person{entry.second.iID, entry.second.UserID, entry.second.iGroup});
  }
  m_refresh.Start(m_hWnd, std::move(people));
}

// The cache follows the server: a refused update leaves the person as it was, and a
// person deleted meanwhile stays deleted.
void CPeopleManageWndEx::OnPeopleRefreshed() {
  std::optional<PeopleRefresh::Outcome> outcome = m_refresh.Take();
  if (!outcome) return;
  for (const PeopleRefresh::Update& update : outcome->updates) {
    const auto person = g_mapPeople.find(update.id);
    if (person == g_mapPeople.end()) continue;
    person->second.strName = update.name;
    person->second.iIdentity = update.identity;
    person->second.strTelephone = update.telephone;
  }
  if (outcome->failed) ShowMessage(L"刷新失败!", m_hWnd, 7);
}

LRESULT CPeopleManageWndEx::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (uMsg == PeopleRefresh::WM_REFRESHED) {
    OnPeopleRefreshed();
    return 0;
  }
  return WindowImplBase::HandleMessage(uMsg, wParam, lParam);
}

void CPeopleManageWndEx::AddPeople() {
  ShadeScope shade(m_hWnd);
  CAddPeopleWnd dialog(this);
  if (dialog.CreateWithStyle(shade.Owner(), L"添加人员", 0, 0) == nullptr) return;
  dialog.LoadUsers();
  dialog.CenterWindow();
  if (dialog.ShowModal() != 1) return;
  ShowMessage(L"添加成功!", m_hWnd, 6);
  FillPeopleList(1, true);
}

void CPeopleManageWndEx::EditPeople(SkinUI::CControlUI* sender) {
  ShadeScope shade(m_hWnd);
  CEditPeopleWnd dialog(IdOf(sender->GetUserData().GetData()));
  if (dialog.CreateWithStyle(shade.Owner(), L"编辑人员", 0, 0) == nullptr) return;
  dialog.CenterWindow();
  if (dialog.ShowModal() != 1) return;
  ShowMessage(L"编辑成功!", m_hWnd, 6);
  FillPeopleList(1, true);
}

void CPeopleManageWndEx::DeletePeople(SkinUI::CControlUI* sender) {
  const std::wstring idText = sender->GetUserData().GetData();
  if (NamedByAnyPlan(idText)) {
    ShowMessage(L"当前人员已存在于巡更计划中，\r\n不能进行删除！", m_hWnd, 1);
    return;
  }
  if (!ShowMessage(L"是否删除该人员?", m_hWnd, 2)) return;
  DAL_PatrolServer server;
  if (server.DAL_People_Delete(platform::codepage::WideToGbk(idText)) == -1) {
    ShowMessage(L"删除失败!", m_hWnd, 7);
    return;
  }
  g_mapPeople.erase(IdOf(idText));
  ShowMessage(L"删除成功!", m_hWnd, 6);
  const int rows = static_cast<int>(m_filtered.size()) - 1;
  FillPeopleList(ListPager::PageAfterDelete(rows, m_nCurrentPage), false);
}

void CPeopleManageWndEx::OnSearchChanged() {
  if (m_pClear != nullptr && m_pSearch != nullptr) m_pClear->SetVisible(!m_pSearch->GetText().IsEmpty());
  FillPeopleList(1, false);
}

void CPeopleManageWndEx::Notify(SkinUI::UINotifyRecord& msg) {
  if (msg.pSender == nullptr) return;
  const std::wstring name = msg.pSender->GetName().GetData();
  if (msg.sType == L"click") {
    if (name == L"AddPeopleBtn") {
      AddPeople();
    } else if (name == L"btn_Delete") {
      DeletePeople(msg.pSender);
    } else if (name == L"RefreshPeopleBtn") {
      RefreshPeople();
    } else if (name == L"btn_Edit") {
      EditPeople(msg.pSender);
    } else if (name == L"btn_Peoplefind") {
      FillPeopleList(1, false);
    } else if (name == L"btn_prev_page_People") {
      PrevPage();
    } else if (name == L"btn_next_page_People") {
      NextPage();
    } else if (name == L"btn_goto_People") {
      GotoPage();
    } else if (name == L"btn_clear" && m_pSearch != nullptr) {
      m_pSearch->SetText(L"");
      OnSearchChanged();
    }
    return;
  }
  if (msg.sType == L"itemselect" && name == L"Comb_PeopleType") {
    FillPeopleList(1, false);
  } else if (msg.sType == L"return" && name == L"Rich_PeopleFind") {
    FillPeopleList(1, false);
  } else if (msg.sType == L"textchanged" && name == L"Rich_PeopleFind") {
    OnSearchChanged();
  }
}

void CPeopleManageWndEx::FocusFindButton() {
  SkinUI::CControlUI* button = m_pm.FindControl(L"btn_Peoplefind");
  if (button != nullptr) button->SetFocus();
}

#include "app/management/CPatrolPlanWndEx.h"

#include <cwchar>
#include <mutex>
#include <utility>

#include "CommonTools/global_singleton.h"
#include "app/management/CAddPlanWnd.h"
#include "app/management/CardGrid.h"
#include "app/management/CPatrolPlanUI.h"
#include "app/management/ShadeScope.h"
#include "app/records/ExcelReportWriter.h"
#include "app/shell/BrowseForFolder.h"
#include "app/shell/RunBusy.h"
#include "app/shell/ShellServices.h"
#include "app/shell/ShowMessage.h"
#include "data/DAL_PatrolServer.h"
#include "data/StartupCaches.h"
#include "platform/base/CodePage.h"
#include "ui/controls/CComboUI.h"
#include "ui/controls/CMenuWnd.h"
#include "ui/controls/COptionUI.h"
#include "ui/controls/MenuClickedItemName.h"
#include "ui/core/control/CTileLayoutUI.h"

namespace {

using platform::codepage::GbkToWide;

const int kBusyTimeout = 180000;
const int kToastSeconds = 3;
// The longest export folder, in bytes of its narrow text.
const size_t kMaxFolderBytes = 60;
// The menu of "Menu.xml" is about this big; it opens on the side of the cursor where it fits.
const int kMenuWidth = 108;
const int kMenuHeight = 102;

int Selection(SkinUI::CComboUI* combo) { return combo == nullptr ? 0 : combo->GetCurSel(); }

}  // namespace

LPCTSTR CPatrolPlanWndEx::GetWindowClassName() const { return L"CSpliteScreenBase"; }

SkinUI::CUIString CPatrolPlanWndEx::GetSkinXmlName() const { return L"PatrolPlanWndEx.xml"; }

void CPatrolPlanWndEx::OnSkinBuilt() {
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &m_rcWork, 0);
  ::SetWindowPos(m_hWnd, nullptr, 0, 150, m_rcWork.right - m_rcWork.left, m_rcWork.bottom - 180,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  SkinUI::CControlUI* type = m_pm.FindControl(L"Comb_PlanType");
  m_pType = type == nullptr ? nullptr : static_cast<SkinUI::CComboUI*>(type->GetInterface(L"Combo"));
  SkinUI::CControlUI* status = m_pm.FindControl(L"Comb_PlanStatus");
  m_pStatus = status == nullptr ? nullptr : static_cast<SkinUI::CComboUI*>(status->GetInterface(L"Combo"));
  m_pMine = m_pm.FindControl(L"MyPlan_CK");
  m_pSearch = m_pm.FindControl(L"Rich_PlanFind");
  SkinUI::CControlUI* tiles = m_pm.FindControl(L"TileLayout_plan");
  m_pTiles = tiles == nullptr ? nullptr : static_cast<CCardTilesUI*>(tiles->GetInterface(L"CardTiles"));
  if (m_pTiles != nullptr) m_pTiles->SetSource(this);
  m_pClear = m_pm.FindControl(L"btn_Planclear");
  if (m_pTiles != nullptr) m_pTiles->SetFixedHeight(m_rcWork.bottom - 216);
  RefreshPlanList(false);
}

SkinUI::CControlUI* CPatrolPlanWndEx::CreateControl(LPCTSTR pstrClass) {
  if (pstrClass != nullptr && wcscmp(pstrClass, L"CardTiles") == 0) return new CCardTilesUI;
  return nullptr;
}

SkinUI::CControlUI* CPatrolPlanWndEx::MakeCard() {
  auto* card = new CPatrolPlanUI(InspectPlanInfo());
  card->SetPadding(RECT{10, 20, 0, 0});
  card->SetPageWindow(m_hWnd);
  return card;
}

void CPatrolPlanWndEx::ShowItem(SkinUI::CControlUI* card, int index) {
  static_cast<CPatrolPlanUI*>(card)->ShowPlan(*m_shownByPlace[static_cast<size_t>(index)]);
}

void CPatrolPlanWndEx::FocusFindButton() {
  SkinUI::CControlUI* button = m_pm.FindControl(L"btn_Planfind");
  if (button != nullptr) button->SetFocus();
}

bool CPatrolPlanWndEx::Passes(const InspectPlanInfo& plan, int typeIndex, int statusIndex, bool mine,
                              const std::wstring& search) const {
  // No selection counts as "all", like index 0.
  if (typeIndex > 0 && typeIndex != plan.iType + 1) return false;
  if (statusIndex > 0 && statusIndex != plan.iPlanState) return false;
  if (mine && plan.strAnnouncerID != global_singleton::get_const_instance().m_userInfo.strUserID) return false;
  return search.empty() || GbkToWide(plan.strName).find(search) != std::wstring::npos;
}

void CPatrolPlanWndEx::RefreshPlanList(bool mine) {
  m_shownPlans.clear();
  m_shownByPlace.clear();
  if (m_pTiles == nullptr) return;
  m_pTiles->SetColumns(CardGrid::Columns(m_rcWork.right - m_rcWork.left));
  const int typeIndex = Selection(m_pType);
  const int statusIndex = Selection(m_pStatus);
  const std::wstring search = m_pSearch == nullptr ? L"" : m_pSearch->GetText().GetData();
  {
    // The broker's thread reads the plans too.
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    for (const auto& entry : g_mapInspectPlan) {
      if (Passes(entry.second, typeIndex, statusIndex, mine, search)) m_shownPlans.push_back(entry.second);
    }
  }
  // Cards are made only for the rows on screen and about them; the grid asks for the rest.
  m_shownByPlace.reserve(m_shownPlans.size());
  for (const InspectPlanInfo& plan : m_shownPlans) m_shownByPlace.push_back(&plan);
  m_pTiles->ShowItems(static_cast<int>(m_shownByPlace.size()));
  const int count = static_cast<int>(m_shownPlans.size());
  ShowCount(count);
  ShowNoContent(count == 0);
}

void CPatrolPlanWndEx::ShowCount(int count) {
  SkinUI::CControlUI* label = m_pm.FindControl(L"lab_PlanCounts");
  if (label == nullptr) return;
  const std::wstring text = std::to_wstring(count);
  label->SetText(text.c_str());
  label->SetToolTip(text.c_str());
  label->SetFixedWidth(15 * static_cast<int>(text.size()));
}

void CPatrolPlanWndEx::ShowNoContent(bool empty) {
  SkinUI::CControlUI* placeholder = m_pm.FindControl(L"hlNoContent");
  if (placeholder == nullptr) return;
  m_pTiles->SetVisible(!empty);
  placeholder->SetVisible(empty);
  if (!empty) return;
  placeholder->SetPadding(
      RECT{(m_rcWork.right - m_rcWork.left) / 2 - 110, (m_rcWork.bottom - 180) / 2 - 90, 0, 0});
}

void CPatrolPlanWndEx::OnSearchChanged() {
  if (m_pClear != nullptr && m_pSearch != nullptr) m_pClear->SetVisible(!m_pSearch->GetText().IsEmpty());
  RefreshPlanList(false);
}

LRESULT CPatrolPlanWndEx::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (uMsg == CPatrolPlanUI::WM_PLANMENU) {
    m_nSelectedPlan = static_cast<int>(lParam);
    ShowPlanMenu();
  } else if (uMsg == SkinUI::CMenuWnd::WM_MENUCLICK) {
    OnMenuCommand(SkinUI::GetMenuClickedItemName().GetData());
  }
  return WindowImplBase::HandleMessage(uMsg, wParam, lParam);
}

void CPatrolPlanWndEx::ShowPlanMenu() { CardGrid::OpenMenu(m_hWnd, m_pm, L"Menu.xml", SIZE{kMenuWidth, kMenuHeight}); }

InspectPlanInfo CPatrolPlanWndEx::SelectedPlan() const {
  std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
  const auto found = g_mapInspectPlan.find(m_nSelectedPlan);
  return found == g_mapInspectPlan.end() ? InspectPlanInfo() : found->second;
}

void CPatrolPlanWndEx::OnMenuCommand(const std::wstring& item) {
  if (item == L"menu_EditPlan") {
    EditPlan(SelectedPlan());
  } else if (item == L"menu_deletePlan") {
    DeletePlan(SelectedPlan());
  } else if (item == L"menu_LookPlan") {
    if (m_lookPlan) m_lookPlan(m_nSelectedPlan);
  }
}

void CPatrolPlanWndEx::AddPlan() {
  ShadeScope shade(m_hWnd);
  CAddPlanWnd dialog(1);
  if (dialog.CreateWithStyle(shade.Owner(), L"添加巡更计划", 0, 0) == nullptr) return;
  dialog.CenterWindow();
  if (dialog.ShowModal() == 1) RefreshPlanList(false);
}

void CPatrolPlanWndEx::EditPlan(const InspectPlanInfo& plan) {
  if (plan.iPlanState == 3) {
    ShowMessage(L"不支持编辑已结束计划!", m_hWnd, 1);
    return;
  }
  ShadeScope shade(m_hWnd);
  CAddPlanWnd dialog(2);
  if (dialog.CreateWithStyle(shade.Owner(), L"编辑巡更计划", 0, 0) == nullptr) return;
  dialog.LoadPlan(plan);
  dialog.CenterWindow();
  if (dialog.ShowModal() != 1) return;
  ShowToast(L"编辑成功!", kToastSeconds);
  RefreshPlanList(false);
}

void CPatrolPlanWndEx::DeletePlan(const InspectPlanInfo& plan) {
  if (plan.iPlanState == 3) {
    ShowMessage(L"不支持删除已结束计划!", m_hWnd, 1);
    return;
  }
  if (!ShowMessage(L"是否删除计划?", m_hWnd, 2)) return;
  DAL_PatrolServer server;
  if (server.DAL_InspectPlan_Delete(m_nSelectedPlan) == -1) {
    ShowToast(L"删除失败!", kToastSeconds);
    return;
  }
  std::string erased;
  bool cached = false;
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    const auto found = g_mapInspectPlan.find(m_nSelectedPlan);
    if (found != g_mapInspectPlan.end()) {
      erased = found->second.strName;
      cached = true;
      g_mapInspectPlan.erase(found);
    }
  }
  if (cached) server.DAL_SystemLog_Add("删除巡查计划-" + erased);
  ShowToast(L"删除成功!", kToastSeconds);
  RefreshPlanList(false);
}

void CPatrolPlanWndEx::Export() {
  std::string folder;
  {
    ShadeScope shade(m_hWnd);
    folder = BrowseForFolder();
  }
  if (folder.empty()) return;
  if (folder.size() > kMaxFolderBytes) {
    ShowToast(L"下载路径过长，请重新选择下载路径!", kToastSeconds);
    return;
  }
  ExportPlans(folder);
}

std::string CPatrolPlanWndEx::ExportPlansTask(const std::string& folder, std::list<InspectPlanInfo> plans) {
  return ExcelReportWriter(folder).WritePlanList(std::move(plans));
}

void CPatrolPlanWndEx::ExportPlans(const std::string& folder) {
  std::string path;
  const std::list<InspectPlanInfo> plans = m_shownPlans;
  RunBusy(
      m_hWnd, kBusyTimeout, 1, [&folder, &plans] { return ExportPlansTask(folder, plans); },
      [&path](const std::string& written) { path = written; });
  // The writer gives no path when it wrote no file.
  if (path.empty()) {
    ShowToast(L"导出失败!", kToastSeconds);
    return;
  }
  ShowToast(L"导出成功，导出文件路径" + GbkToWide(path), kToastSeconds);
}

void CPatrolPlanWndEx::Notify(SkinUI::UINotifyRecord& msg) {
  if (msg.pSender == nullptr) return;
  const std::wstring name = msg.pSender->GetName().GetData();
  if (msg.sType == L"click") {
    if (name == L"AddPlanBtn") {
      AddPlan();
    } else if (name == L"MyPlan_CK") {
      // The box toggles after its click.
      auto* box = static_cast<SkinUI::COptionUI*>(msg.pSender->GetInterface(L"Option"));
      RefreshPlanList(box != nullptr && !box->IsSelected());
    } else if (name == L"ExportInpectPlanBtn") {
      Export();
    } else if (name == L"btn_Planfind") {
      RefreshPlanList(false);
    } else if (name == L"btn_Planclear" && m_pSearch != nullptr) {
      m_pSearch->SetText(L"");
    }
    return;
  }
  if (msg.sType == L"itemselect" && (name == L"Comb_PlanStatus" || name == L"Comb_PlanType")) {
    RefreshPlanList(false);
  } else if (msg.sType == L"return" && name == L"Rich_PlanFind") {
    RefreshPlanList(false);
  } else if (msg.sType == L"textchanged" && name == L"Rich_PlanFind") {
    OnSearchChanged();
  }
}

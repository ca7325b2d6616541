#include "app/records/DownWindow.h"

#include <cstdio>
#include <mutex>
#include <vector>

#include "CommonTools/Conversions.h"
#include "app/records/ExcelReportWriter.h"
#include "app/shell/BrowseForFolder.h"
#include "app/shell/RunBusy.h"
#include "app/shell/ShellServices.h"
#include "data/DAL_PatrolServer.h"
#include "data/StartupCaches.h"
#include "ui/controls/CComboUI.h"
#include "ui/controls/COptionUI.h"
#include "ui/core/control/CControlUI.h"

namespace {

// The longest folder, in GBK bytes, that leaves room for the report's file name.
constexpr size_t kMaxFolderBytes = 60;
constexpr int kBusyTimeout = 180000;
constexpr int kToastSeconds = 3;

// What the tallies need of a cached plan, copied out so that no lock is held across the
// server calls.
struct ChosenPlan {
  int iID = 0;
  std::string strName;
  std::string strPeople;
};

std::string PeopleNames(const InspectPlanInfo& plan) {
  std::string joined;
  for (const PlanPeopleInfo& person : plan.listPeople) {
    if (!joined.empty()) joined += ",";
    joined += person.strName;
  }
  return joined;
}

// Every cached plan when the type is negative, else the plans of that type; by id.
std::vector<ChosenPlan> ChosenPlans(int planType) {
  std::vector<ChosenPlan> chosen;
  std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
  for (const auto& [id, plan] : g_mapInspectPlan) {
    if (planType >= 0 && plan.iType != planType) continue;
    chosen.push_back(ChosenPlan{id, plan.strName, PeopleNames(plan)});
  }
  return chosen;
}

PlanDayTally EmptyTally(const ChosenPlan& plan, const std::string& date) {
  PlanDayTally tally;
  tally.strPlanName = plan.strName;
  tally.strDate = date;
  tally.strPeople = plan.strPeople;
  return tally;
}

std::string Today() {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  char text[32];
  std::snprintf(text, sizeof text, "%04d%s%02d%s%02d", now.wYear, "-", now.wMonth, "-", now.wDay);
  return text;
}

}  // namespace

DownWindow::DownWindow() = default;

DownWindow::~DownWindow() = default;

UINT DownWindow::ShowOver(HWND hwndOwner) {
  DownWindow window;
  if (window.CreateWithStyle(hwndOwner, L"下载报告", 0, 0) == nullptr) return IDCANCEL;
  window.CenterWindow();
  return window.ShowModal();
}

LPCTSTR DownWindow::GetWindowClassName() const { return L"DownWindow"; }

SkinUI::CUIString DownWindow::GetSkinXmlName() const { return L"DownWindow.xml"; }

void DownWindow::Notify(SkinUI::UINotifyRecord& msg) {
  if (msg.sType != L"click" || msg.pSender == nullptr) return;
  const SkinUI::CUIString name = msg.pSender->GetName();
  if (name == L"btn_close" || name == L"btn_Cancel") {
    Close(1);
    return;
  }
  if (name == L"btn_Ok") {
    if (Export()) Close(1);
    return;
  }
  if (name == L"btn_find") ChooseFolder();
}

std::string DownWindow::Folder() {
  SkinUI::CControlUI* path = m_pm.FindControl(L"lab_path");
  if (path == nullptr) return std::string();
  return CommonTools::cstring_to_string(CStringW(path->GetText().GetData()));
}

// Index 0 stands for every plan and index k for the plans of type k - 1, as in every
// other type filter of the program; -1 means every plan.
int DownWindow::PlanType() {
  auto* combo = static_cast<SkinUI::CComboUI*>(m_pm.FindControl(L"Comb_PlanType"));
  if (combo == nullptr || combo->GetCurSel() <= 0) return -1;
  return combo->GetCurSel() - 1;
}

bool DownWindow::IsSelected(LPCTSTR option) {
  SkinUI::CControlUI* control = m_pm.FindControl(option);
  auto* box = control == nullptr ? nullptr : static_cast<SkinUI::COptionUI*>(control->GetInterface(L"Option"));
  return box != nullptr && box->IsSelected();
}

// 1 day, 2 week, 3 month, 4 year; the later options win, and the day is the default.
int DownWindow::RangeCode() {
  int code = 1;
  if (IsSelected(L"weekck")) code = 2;
  if (IsSelected(L"monthck")) code = 3;
  if (IsSelected(L"yearck")) code = 4;
  return code;
}

void DownWindow::CollectRows(int planType, int rangeCode) {
  m_exportRows.clear();
  const std::string date = Today();
  DAL_PatrolServer server;
  for (const ChosenPlan& plan : ChosenPlans(planType)) {
    PlanTallies tallies;
    for (const InspectRecordInfo& record : server.DAL_InspectRecord_GetForDownLoad(plan.iID, date, rangeCode)) {
      auto at = tallies.find(record.strDate);
      if (at == tallies.end()) at = tallies.emplace(record.strDate, EmptyTally(plan, record.strDate)).first;
      PlanDayTally& tally = at->second;
      if (record.iResult != 0) {
        ++tally.iPassed;
      } else {
        ++tally.iMissed;
      }
    }
    m_exportRows.push_back(std::move(tallies));
  }
}

bool DownWindow::Export() {
  const std::string folder = Folder();
  if (folder.empty()) {
    ShowToast(L"请选择下载路径!", kToastSeconds);
    return false;
  }
  if (folder.size() > kMaxFolderBytes) {
    ShowToast(L"下载路径过长，请重新选择下载路径!", kToastSeconds);
    return false;
  }
  CollectRows(PlanType(), RangeCode());
  std::string path;
  RunBusy(
      m_hWnd, kBusyTimeout, 1,
      [folder, rows = m_exportRows] { return ExcelReportWriter(folder).WriteInspectRecords(rows); },
      [&path](const std::string& written) { path = written; });
  // The writer gives no path when it wrote no file.
  if (path.empty()) {
    ShowToast(L"导出失败!", kToastSeconds);
  } else {
    ShowToast(std::wstring(L"导出成功，导出文件路径") + CommonTools::string_to_cstring(path).GetString(),
              kToastSeconds);
  }
  return true;
}

// The chooser's display name is the chosen item's name (a computer's, a library's), not
// a folder: only a path the chooser turns the item into counts, and anything else leaves
// the label empty, as a cancel does.
std::string DownWindow::ChooseFolder() {
  const std::wstring path = BrowseForFolderW();
  if (SkinUI::CControlUI* label = m_pm.FindControl(L"lab_path")) {
    label->SetText(path.c_str());
    label->SetToolTip(path.c_str());
  }
  return CommonTools::cstring_to_string(CStringW(path.c_str()));
}

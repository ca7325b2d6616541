#include "app/records/CResultWndEx.h"

#include <cstdlib>
#include <cwctype>
#include <iterator>
#include <map>
#include <optional>
#include <utility>
#include <mutex>
#include <vector>

#include "app/records/DeviceRecordFilter.h"
#include "app/records/DeviceRecordTypeName.h"
#include "app/records/ExcelReportWriter.h"
#include "app/records/InspectResults.h"
#include "app/records/LocalCalendar.h"
#include "app/records/CLookPlanWnd.h"
#include "app/records/ReaderImport.h"
#include "app/records/SystemLogFilter.h"
#include "app/shell/BkWindow.h"
#include "app/shell/BrowseForFolder.h"
#include "app/shell/ListRows.h"
#include "app/shell/RunBusy.h"
#include "app/shell/ShellServices.h"
#include "app/shell/ShowTimePicker.h"
#include "data/DAL_PatrolServer.h"
#include "data/StartupCaches.h"
#include "platform/base/CodePage.h"
#include "ui/controls/CComboUI.h"
#include "ui/controls/CListUI.h"
#include "ui/core/builder/CDialogBuilder.h"
#include "ui/core/control/CTabLayoutUI.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace {

using platform::codepage::GbkToWide;
using platform::codepage::WideToGbk;

const int kBusyTimeout = 180000;
const int kToastSeconds = 3;
const std::size_t kLongestFolder = 60;
const int kRowHeight = 60;
const wchar_t kDim[] = L"#096BCBC";
const wchar_t kWhite[] = L"#FFFFFF";

// Per tab: the tab option, the search button, the pager's suffix, the count label and
// the element shown for an empty list.
const struct {
  const wchar_t* option;
  const wchar_t* find;
  ListPager::Names names;
} kTabs[] = {
    {L"tabResult", L"InspectRecordFind", {L"InspectRecord", L"lab_ResultlistCounts", L"hlNoInspectRecordContent", true, false}},
    {L"tabRecord", L"btn_DeviceRecordfind", {L"DeviceRecord", L"lab_RecordlistCounts", L"hlNoDeviceRecordContent", false, true}},
    {L"tablog", L"btn_logfind", {L"log", L"lab_loglistCounts", L"hlNoLogContent", false, true}},
};

// The sub-skins the page's skin names by element.
const struct {
  const wchar_t* element;
  const wchar_t* skin;
} kSubSkins[] = {
    {L"InspectRecord", L"InspectRecord.xml"},
    {L"DeviceRecord", L"DeviceRecord.xml"},
    {L"SystemLog", L"SystemLog.xml"},
};

bool SameIgnoringCase(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::towlower(a[i]) != std::towlower(b[i])) return false;
  }
  return true;
}

std::wstring TextOf(const SkinUI::CControlUI* control) { return control->GetText().GetData(); }

std::string GbkTextOf(const SkinUI::CControlUI* control) { return WideToGbk(TextOf(control)); }

std::wstring OrDashes(const std::string& gbk) { return gbk.empty() ? L"--" : GbkToWide(gbk); }

// HH:MM as the time buttons show it: the hour is the first two characters, the minute
// the two after the last ":".
void ReadClock(const std::string& text, int& hour, int& minute) {
  hour = LocalCalendar::Number(text, 0, 2);
  const std::size_t colon = text.rfind(':');
  minute = colon == std::string::npos ? 0 : LocalCalendar::Number(text, colon + 1, 2);
}

const wchar_t* StateColour(const std::string& state) {
  if (state == "正在进行") return L"#EDE71A";
  if (state == "未开始") return L"#ffffff";
  return L"#BFBEB5";
}

void ShowShade(bool show) {
  if (g_pBkWnd != nullptr && ::IsWindow(g_pBkWnd->GetHWND())) g_pBkWnd->ShowWindow(show, show);
}

}  // namespace

CResultWndEx::CResultWndEx() = default;

LPCTSTR CResultWndEx::GetWindowClassName() const { return L"CSpliteScreenBase"; }

SkinUI::CUIString CResultWndEx::GetSkinXmlName() const { return L"ResultWndEx.xml"; }

SkinUI::CControlUI* CResultWndEx::CreateControl(LPCTSTR pstrClass) {
  for (const auto& sub : kSubSkins) {
    if (!SameIgnoringCase(pstrClass, sub.element)) continue;
    SkinUI::CDialogBuilder builder;
    return builder.Create(sub.skin, nullptr, nullptr, &m_pm, nullptr);
  }
  return nullptr;
}

void CResultWndEx::OnSkinBuilt() {
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &m_workArea, 0);
  ::SetWindowPos(m_hWnd, HWND_TOP, 0, 150, m_workArea.right - m_workArea.left, m_workArea.bottom - 180,
                 SWP_FRAMECHANGED);
  FindControls();
  // The tab in view first: the other tabs' fetches are big and would make it wait on a
  // server that answers one request at a time.
  LoadInspectResults(m_resultPage);
  m_openingFetch.Start(m_hWnd, LogQueryOfControls());
}

LRESULT CResultWndEx::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (uMsg == ResultOpeningFetch::WM_FETCHED) {
    OnOpeningFetched();
    return 0;
  }
  return WindowImplBase::HandleMessage(uMsg, wParam, lParam);
}

// A tab that fetched for itself meanwhile keeps what it fetched; the log tab in view shows
// the log that came.
void CResultWndEx::OnOpeningFetched() {
  std::optional<ResultOpeningFetch::Answer> answer = m_openingFetch.Take();
  if (!answer) return;
  if (m_deviceFetches == 0) m_allDeviceRecords = std::move(answer->records);
  if (!answer->log || m_logQueries != 0) return;
  m_keptLog = std::move(*answer->log);
  if (m_pTabs != nullptr && m_pTabs->GetCurrentIndex() == TAB_SYSTEM_LOG) ShowSystemLogPage(m_logPage);
}

std::optional<ResultOpeningFetch::LogQuery> CResultWndEx::LogQueryOfControls() const {
  if (m_pLogStart == nullptr || m_pLogEnd == nullptr || m_pLogFind == nullptr) return std::nullopt;
  ResultOpeningFetch::LogQuery query;
  query.start = LocalCalendar::DateTextTime(GbkTextOf(m_pLogStart), 0, 0);
  query.end = LocalCalendar::DateTextTime(GbkTextOf(m_pLogEnd), 0, 0);
  query.search = TextOf(m_pLogFind);
  return query;
}

void CResultWndEx::FindControls() {
  m_pTabs = static_cast<SkinUI::CTabLayoutUI*>(m_pm.FindControl(L"tabLayout"));
  m_pResultList = static_cast<SkinUI::CListUI*>(m_pm.FindControl(L"list-Result"));
  m_pLogList = static_cast<SkinUI::CListUI*>(m_pm.FindControl(L"list-log"));
  m_pRecordList = static_cast<SkinUI::CListUI*>(m_pm.FindControl(L"list-Record"));
  m_pPlanFind = m_pm.FindControl(L"Rich_PlanFind");
  m_pDeviceFind = m_pm.FindControl(L"Rich_DeviceFind");
  m_pLogFind = m_pm.FindControl(L"Rich_LogFind");
  m_pPlanType = m_pm.FindControl(L"Comb_ResultPlanType");
  m_pResultStart = m_pm.FindControl(L"dt_SResultdate");
  m_pResultEnd = m_pm.FindControl(L"dt_EResultdate");
  m_pRecordStart = m_pm.FindControl(L"dt_RecordStartdate");
  m_pRecordEnd = m_pm.FindControl(L"dt_RecordEnddate");
  m_pStartTime = m_pm.FindControl(L"btnStartTime");
  m_pEndTime = m_pm.FindControl(L"btnEndTime");
  m_pLogStart = m_pm.FindControl(L"dt_Startdate");
  m_pLogEnd = m_pm.FindControl(L"dt_Enddate");
  m_pResultClear = m_pm.FindControl(L"btn_InspectRecordclear");
  m_pDeviceClear = m_pm.FindControl(L"btn_DeviceRecordclear");
  m_pLogClear = m_pm.FindControl(L"btn_logclear");
}

ListPager CResultWndEx::Pager(Tab tab) { return ListPager(m_pm, kTabs[tab].names, m_workArea); }

SkinUI::CListUI* CResultWndEx::ListOf(Tab tab) const {
  switch (tab) {
    case TAB_RESULTS: return m_pResultList;
    case TAB_DEVICE_RECORDS: return m_pRecordList;
    default: return m_pLogList;
  }
}

int& CResultWndEx::PageOf(Tab tab) {
  switch (tab) {
    case TAB_RESULTS: return m_resultPage;
    case TAB_DEVICE_RECORDS: return m_devicePage;
    default: return m_logPage;
  }
}

int CResultWndEx::CurrentPage(Tab tab) const { return const_cast<CResultWndEx*>(this)->PageOf(tab); }

void CResultWndEx::ShowTabPage(Tab tab, int page) {
  switch (tab) {
    case TAB_RESULTS: LoadInspectResults(page); break;
    case TAB_DEVICE_RECORDS: LoadDeviceRecords(page); break;
    default: ShowSystemLogPage(page); break;
  }
}

void CResultWndEx::FocusCurrentSearch() {
  const int selected = m_pTabs != nullptr ? m_pTabs->GetCurrentIndex() : TAB_RESULTS;
  const Tab tab = selected == TAB_DEVICE_RECORDS || selected == TAB_SYSTEM_LOG ? static_cast<Tab>(selected) : TAB_RESULTS;
  if (SkinUI::CControlUI* find = m_pm.FindControl(kTabs[tab].find)) find->SetFocus();
}

void CResultWndEx::ShowPlanResults(int planId) {
  std::string name;
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    const auto plan = g_mapInspectPlan.find(planId);
    if (plan == g_mapInspectPlan.end()) return;
    name = plan->second.strName;
  }
  if (m_pPlanFind == nullptr) return;
  const std::wstring text = GbkToWide(name);
  m_pPlanFind->SetText(text.c_str());
  m_pPlanFind->SetToolTip(text.c_str());
  LoadInspectResults(m_resultPage);
}

bool CResultWndEx::RangeAccepted(std::time_t start, std::time_t end) const {
  if (start <= end) return true;
  ShowToast(L"检索失败，检索开始时间不得大于结束时间!", kToastSeconds);
  return false;
}

int CResultWndEx::CheckpointsOfPlan(int routeId) {
  const auto route = g_mapInspectRoute.find(routeId);
  if (route == g_mapInspectRoute.end()) return 0;
  int count = 0;
  for (const auto& [building, area] : route->second.mapArea) count += static_cast<int>(area.listDevice.size());
  return count;
}

void CResultWndEx::LoadInspectResults(int page) {
  m_resultRows.clear();
  auto* types = m_pPlanType != nullptr ? static_cast<SkinUI::CComboUI*>(m_pPlanType->GetInterface(L"Combo")) : nullptr;
  if (m_pResultList == nullptr || types == nullptr || m_pPlanFind == nullptr || m_pResultStart == nullptr ||
      m_pResultEnd == nullptr) {
    return;
  }
  const std::string start = GbkTextOf(m_pResultStart);
  const std::string end = GbkTextOf(m_pResultEnd);
  if (!RangeAccepted(LocalCalendar::DateTextTime(start, 0, 0), LocalCalendar::DateTextTime(end, 0, 0))) return;
  const std::wstring search = TextOf(m_pPlanFind);
  m_pResultList->RemoveAll();
  InspectResults::RunMap runs = DAL_PatrolServer().DAL_InspectRecord_GetByDate(start, end);
  {
    // Read in place, not copied (a big school's plans take longer to copy than to read):
    // the lock is taken once the request is done, as nobody holds it across one.
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    const std::map<int, InspectPlanInfo>& plans = g_mapInspectPlan;
    InspectResults::Merge(InspectResults::BuildScheduledRuns(start, end, plans), runs);
    const auto checkpoints = [&plans](int planId) {
      const auto plan = plans.find(planId);
      return plan == plans.end() ? 0 : CheckpointsOfPlan(plan->second.iRouteID);
    };
    m_resultRows =
        InspectResults::BuildRows(runs, types->GetCurSel(), search, LocalCalendar::NowToTheMinute(), checkpoints);
  }
  std::vector<const InspectResultRow*> rows;
  for (const InspectResultRow& row : m_resultRows) rows.push_back(&row);
  Pager(TAB_RESULTS).Display(m_pResultList, static_cast<int>(rows.size()), page, m_resultPage,
                             [&](int row, int index) { AddResultRow(row, *rows[index], index + 1); });
}

void CResultWndEx::AddResultRow(int row, const InspectResultRow& result, int number) {
  if (ListInsertRow(m_pResultList, row, kRowHeight) < 0) return;
  ListSetIdCell(m_pResultList, row, L"", L"ID");
  ListSetTextCell(m_pResultList, row, 1, std::to_wstring(number), L"No", kDim);
  ListSetTextCell(m_pResultList, row, 2, GbkToWide(result.strPlanName), L"UserName", kWhite);
  ListSetTextCell(m_pResultList, row, 3, GbkToWide(result.strTime), L"Time", kWhite);
  ListSetTextCell(m_pResultList, row, 4, GbkToWide(result.strPeople), L"People", kWhite);
  ListSetTextCell(m_pResultList, row, 5, GbkToWide(result.strPassRate), L"PassRate", L"#4BCD1F");
  ListSetTextCell(m_pResultList, row, 6, GbkToWide(result.strMissRate), L"MissRate", L"#CD5F1F");
  ListSetTextCell(m_pResultList, row, 7, GbkToWide(result.strState), L"State", StateColour(result.strState));
  std::string runKey = result.strTime;
  const std::size_t space = runKey.find(' ');
  if (space != std::string::npos) runKey[space] = '/';
  ListSetButtonCell(m_pResultList, row, 8, 15, 16, L"43,23,0,0", L"btn_Look", L"6结果查看/查看经过_41.png",
                    L"6结果查看/查看原始.png", L"查看", std::to_wstring(result.iPlanID) + L"&" + GbkToWide(runKey), 0);
}

void CResultWndEx::LoadDeviceRecords(int page) {
  if (m_pRecordList == nullptr || m_pDeviceFind == nullptr || m_pRecordStart == nullptr || m_pRecordEnd == nullptr ||
      m_pStartTime == nullptr || m_pEndTime == nullptr) {
    return;
  }
  m_allDeviceRecords = DAL_PatrolServer().DAL_DeviceRecord_Get();
  ++m_deviceFetches;
  ShowDeviceRecords(page);
}

void CResultWndEx::ShowDeviceRecords(int page) {
  if (m_pRecordList == nullptr || m_pDeviceFind == nullptr || m_pRecordStart == nullptr || m_pRecordEnd == nullptr ||
      m_pStartTime == nullptr || m_pEndTime == nullptr) {
    return;
  }
  int hour = 0;
  int minute = 0;
  ReadClock(GbkTextOf(m_pStartTime), hour, minute);
  const std::time_t start = LocalCalendar::DateTextTime(GbkTextOf(m_pRecordStart), hour, minute);
  ReadClock(GbkTextOf(m_pEndTime), hour, minute);
  const std::time_t end = LocalCalendar::DateTextTime(GbkTextOf(m_pRecordEnd), hour, minute);
  if (!RangeAccepted(start, end)) return;
  const std::wstring search = TextOf(m_pDeviceFind);
  m_pRecordList->RemoveAll();
  m_filteredDeviceRecords = DeviceRecordFilter::Filter(m_allDeviceRecords, search, start, end);
  std::vector<const DeviceRecordInfo*> rows;
  for (const DeviceRecordInfo& record : m_filteredDeviceRecords) rows.push_back(&record);
  Pager(TAB_DEVICE_RECORDS).Display(m_pRecordList, static_cast<int>(rows.size()), page, m_devicePage,
                                    [&](int row, int index) { AddDeviceRecordRow(row, *rows[index], index + 1); });
}

void CResultWndEx::AddDeviceRecordRow(int row, const DeviceRecordInfo& record, int number) {
  if (ListInsertRow(m_pRecordList, row, kRowHeight) < 0) return;
  ListSetIdCell(m_pRecordList, row, L"", L"ID");
  ListSetTextCell(m_pRecordList, row, 1, std::to_wstring(number), L"No", kDim);
  ListSetTextCell(m_pRecordList, row, 2, OrDashes(record.strDeviceName), L"DeviceName", kWhite);
  ListSetTextCell(m_pRecordList, row, 3, OrDashes(record.strPeopleName), L"People", kWhite);
  ListSetTextCell(m_pRecordList, row, 4, OrDashes(record.strPositionName), L"position", kWhite);
  ListSetTextCell(m_pRecordList, row, 5, OrDashes(record.strAreaName), L"DevicepositionName", kWhite);
  ListSetTextCell(m_pRecordList, row, 6, GbkToWide(DeviceRecordTypeName(record.iType)), L"Type", kWhite);
  ListSetTextCell(m_pRecordList, row, 7, GbkToWide(DeviceRecordFilter::TimeText(record.strTime)), L"Time", kWhite);
}

void CResultWndEx::QuerySystemLog() {
  const std::optional<ResultOpeningFetch::LogQuery> query = LogQueryOfControls();
  if (!query) return;
  m_keptLog = SystemLogFilter::Filter(DAL_PatrolServer().DAL_SystemLog_Get(), query->search, query->start, query->end);
  ++m_logQueries;
}

void CResultWndEx::ShowSystemLogPage(int page) {
  if (m_pLogList == nullptr) return;
  m_pLogList->RemoveAll();
  std::vector<const SystemLogInfo*> rows;
  for (const SystemLogInfo& entry : m_keptLog) rows.push_back(&entry);
  Pager(TAB_SYSTEM_LOG).Display(m_pLogList, static_cast<int>(rows.size()), page, m_logPage,
                                [&](int row, int index) { AddLogRow(row, *rows[index], index + 1); });
}

void CResultWndEx::AddLogRow(int row, const SystemLogInfo& entry, int number) {
  if (ListInsertRow(m_pLogList, row, kRowHeight) < 0) return;
  ListSetIdCell(m_pLogList, row, L"", L"LogID");
  ListSetTextCell(m_pLogList, row, 1, std::to_wstring(number), L"LogNo", kDim);
  ListSetTextCell(m_pLogList, row, 2, GbkToWide(entry.strUser), L"UserName", kWhite);
  ListSetTextCell(m_pLogList, row, 3, GbkToWide(entry.strUserIP), L"IP", kDim);
  ListSetTextCell(m_pLogList, row, 4, GbkToWide(entry.strTime), L"LogTime", kWhite);
  ListSetTextCell(m_pLogList, row, 5, GbkToWide(entry.strEvent), L"Event", kWhite);
}

void CResultWndEx::Notify(SkinUI::UINotifyRecord& msg) {
  if (msg.pSender == nullptr) return;
  const std::wstring name = msg.pSender->GetName().GetData();
  if (msg.sType == L"selectchanged") {
    OnSelectTab(name);
  } else if (msg.sType == L"click") {
    HandleClick(msg);
  } else if (msg.sType == L"itemselect" && name == L"Comb_ResultPlanType") {
    m_resultPage = 1;
    LoadInspectResults(1);
  } else if (msg.sType == L"return") {
    OnSearchEdited(name, false);
  } else if (msg.sType == L"textchanged") {
    OnSearchEdited(name, true);
  }
}

// The focus goes to the tab's search button. Selecting the page moves the focus on to
// the next tab stop once the page is laid out; the search button of a page not shown
// yet cannot hold the focus, so that move would start from nothing and land on the
// page's first tab stop, a date field, which opens its picker on the focus. The button
// is therefore named as the focus the layout is to give.
void CResultWndEx::OnSelectTab(const std::wstring& name) {
  if (m_pTabs == nullptr) return;
  for (int tab = TAB_RESULTS; tab <= TAB_SYSTEM_LOG; ++tab) {
    if (name != kTabs[tab].option) continue;
    m_pTabs->SelectItem(tab);
    if (SkinUI::CControlUI* find = m_pm.FindControl(kTabs[tab].find)) m_pm.SetFocusNeeded(find);
    ShowTabPage(static_cast<Tab>(tab), PageOf(static_cast<Tab>(tab)));
    return;
  }
}

void CResultWndEx::HandleClick(SkinUI::UINotifyRecord& msg) {
  const std::wstring name = msg.pSender->GetName().GetData();
  if (name == L"btn_logfind") {
    QuerySystemLog();
    ShowSystemLogPage(m_logPage);
  } else if (name == L"btn_DeviceRecordfind") {
    LoadDeviceRecords(m_devicePage);
  } else if (name == L"InspectRecordFind") {
    LoadInspectResults(m_resultPage);
  } else if (name == L"ImportBtn") {
    Import();
  } else if (name == L"ExportInpectRecordBtn") {
    Export(TAB_RESULTS);
  } else if (name == L"ExportDeviceRecordBtn") {
    Export(TAB_DEVICE_RECORDS);
  } else if (name.find(L"btnStartTime") != std::wstring::npos || name.find(L"btnEndTime") != std::wstring::npos) {
    ShowTimePicker(this, msg);
  } else if (name == L"btn_Look") {
    OpenPlanRun(msg.pSender->GetUserData().GetData());
  } else if (!HandlePaging(name)) {
    ClearSearch(name);
  }
}

void CResultWndEx::ClearSearch(const std::wstring& name) {
  SkinUI::CControlUI* box = nullptr;
  if (name == L"btn_InspectRecordclear") box = m_pPlanFind;
  if (name == L"btn_DeviceRecordclear") box = m_pDeviceFind;
  if (name == L"btn_logclear") box = m_pLogFind;
  if (box != nullptr) box->SetText(L"");
}

bool CResultWndEx::HandlePaging(const std::wstring& name) {
  for (int each = TAB_RESULTS; each <= TAB_SYSTEM_LOG; ++each) {
    const Tab tab = static_cast<Tab>(each);
    ListPager pager = Pager(tab);
    const bool previous = name == pager.Name(L"btn_prev_page_");
    const bool next = name == pager.Name(L"btn_next_page_");
    if (previous || next) {
      if (pager.HasPrevNext()) ShowTabPage(tab, PageOf(tab) + (previous ? -1 : 1));
      return true;
    }
    if (name != pager.Name(L"btn_goto_")) continue;
    const int rows = tab == TAB_RESULTS              ? static_cast<int>(m_resultRows.size())
                     : tab == TAB_DEVICE_RECORDS ? static_cast<int>(m_filteredDeviceRecords.size())
                                                 : static_cast<int>(m_keptLog.size());
    const int page = pager.JumpTarget(m_hWnd, rows);
    if (page == 0) return true;
    PageOf(tab) = page;
    ShowTabPage(tab, page);
    return true;
  }
  return false;
}

void CResultWndEx::OnSearchEdited(const std::wstring& name, bool textChanged) {
  SkinUI::CControlUI* box = nullptr;
  SkinUI::CControlUI* clear = nullptr;
  if (name == L"Rich_PlanFind") {
    box = m_pPlanFind;
    clear = m_pResultClear;
  } else if (name == L"Rich_DeviceFind") {
    box = m_pDeviceFind;
    clear = m_pDeviceClear;
  } else if (name == L"Rich_LogFind") {
    box = m_pLogFind;
    clear = m_pLogClear;
  } else {
    return;
  }
  if (textChanged && clear != nullptr) clear->SetVisible(box != nullptr && !TextOf(box).empty());
  if (box == m_pPlanFind) {
    m_resultPage = 1;
    LoadInspectResults(1);
  } else if (box == m_pDeviceFind) {
    m_devicePage = 1;
    LoadDeviceRecords(1);
  } else {
    m_logPage = 1;
    QuerySystemLog();
    ShowSystemLogPage(1);
  }
}

void CResultWndEx::OpenPlanRun(const std::wstring& userData) {
  const std::string data = WideToGbk(userData);
  const std::size_t amp = data.find('&');
  const int planId = std::atoi(data.substr(0, amp).c_str());
  const std::string runKey = amp == std::string::npos ? std::string() : data.substr(amp + 1);
  CLookPlanWnd view(planId);
  if (view.CreateWithStyle(m_hWnd, L"查看巡更计划", 0, 0) == nullptr) return;
  view.LoadPlanRun(runKey);
  view.CenterWindow();
  view.ShowModal();
}

std::string CResultWndEx::ChooseExportFolder() {
  ShowShade(true);
  const std::string folder = BrowseForFolder();
  ShowShade(false);
  return folder;
}

void CResultWndEx::Export(Tab tab) {
  const std::string folder = ChooseExportFolder();
  if (folder.empty()) return;
  if (folder.size() > kLongestFolder) {
    ShowToast(L"下载路径过长，请重新选择下载路径!", kToastSeconds);
    return;
  }
  ExportTo(tab, folder);
}

void CResultWndEx::ExportTo(Tab tab, const std::string& folder) {
  std::string path;
  if (tab == TAB_RESULTS) {
    RunBusy(m_hWnd, kBusyTimeout, 1, [&path, folder, rows = m_resultRows] {
      path = ExcelReportWriter(folder).WriteInspectResults(rows);
    });
  } else {
    RunBusy(m_hWnd, kBusyTimeout, 1, [&path, folder, records = m_filteredDeviceRecords] {
      path = ExcelReportWriter(folder).WriteDeviceRecords(records);
    });
  }
  // The writer names no file when it wrote none.
  ShowToast(path.empty() ? std::wstring(L"导出失败!") : L"导出成功，导出文件路径" + GbkToWide(path), kToastSeconds);
}

void CResultWndEx::Import() {
  ShowShade(true);
  RunBusy(m_hWnd, kBusyTimeout, 0, &ReaderImport::Run, [this](const ReaderImport::Outcome& outcome) {
    if (!outcome.refreshed) return;
    m_allDeviceRecords = outcome.records;
    ++m_deviceFetches;
    ShowDeviceRecords(m_devicePage);
  });
  ShowShade(false);
}

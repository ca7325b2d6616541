#pragma once
// Page 6 of the main frame, "结果查看": three tabs over one child window. The patrol
// results list every run of every plan over a date range with its pass and miss rates;
// the device records list what the hand-held readers reported over a date-and-time
// range; the system log lists the audit trail over a day range. Each tab filters by a
// search text, pages 20 rows at a time, and the first two export all their rows. The
// import button reads a docked reader's records onto the server.
//
// The main frame creates the page on its first selection and calls FocusCurrentSearch
// each time it shows it; the plan page reaches ShowPlanResults through the frame. On
// opening the page lists its first tab at once; the device records and the log it also
// fetches then come from a worker (ResultOpeningFetch).
#include <list>
#include <optional>
#include <string>

#include "app/records/InspectResultRow.h"
#include "app/records/ResultOpeningFetch.h"
#include "app/shell/ListPager.h"
#include "data/DeviceRecordInfo.h"
#include "data/SystemLogInfo.h"
#include "ui/core/window/WindowImplBase.h"

namespace SkinUI {
class CControlUI;
class CListUI;
class CTabLayoutUI;
}  // namespace SkinUI

class CResultWndEx : public SkinUI::WindowImplBase {
 public:
  enum Tab { TAB_RESULTS = 0, TAB_DEVICE_RECORDS = 1, TAB_SYSTEM_LOG = 2 };

  CResultWndEx();

  // The plan's name becomes the result search and the results are shown again; a plan
  // the cache lacks changes nothing.
  void ShowPlanResults(int planId);
  // The focus goes to the search button of the tab in view.
  void FocusCurrentSearch();

  // Each fetches from the server again, filters and shows that page.
  void LoadInspectResults(int page);
  void LoadDeviceRecords(int page);
  // Refills the kept log entries from the server; ShowSystemLogPage pages through them.
  void QuerySystemLog();
  void ShowSystemLogPage(int page);

  // What the exports write: the tab's rows over all pages.
  const std::list<InspectResultRow>& ResultRows() const { return m_resultRows; }
  const std::list<DeviceRecordInfo>& FilteredDeviceRecords() const { return m_filteredDeviceRecords; }
  const std::list<SystemLogInfo>& KeptLog() const { return m_keptLog; }
  int CurrentPage(Tab tab) const;
  // The device records and the log asked for on opening are still on their way.
  bool IsFetching() const { return m_openingFetch.Fetching(); }

  void Notify(SkinUI::UINotifyRecord& msg) override;
  SkinUI::CControlUI* CreateControl(LPCTSTR pstrClass) override;

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;
  void OnSkinBuilt() override;
  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;

 private:
  ListPager Pager(Tab tab);
  SkinUI::CListUI* ListOf(Tab tab) const;
  int& PageOf(Tab tab);
  void ShowTabPage(Tab tab, int page);
  void FindControls();
  // The log tab's search and days; none without its controls.
  std::optional<ResultOpeningFetch::LogQuery> LogQueryOfControls() const;
  void OnOpeningFetched();
  void OnSelectTab(const std::wstring& name);
  void HandleClick(SkinUI::UINotifyRecord& msg);
  // False when the name is none of the pagers' buttons.
  bool HandlePaging(const std::wstring& name);
  void ClearSearch(const std::wstring& name);
  void OnSearchEdited(const std::wstring& name, bool textChanged);
  void ShowDeviceRecords(int page);
  // False, after the toast, when the range starts after it ends.
  bool RangeAccepted(std::time_t start, std::time_t end) const;
  void AddResultRow(int row, const InspectResultRow& result, int number);
  void AddDeviceRecordRow(int row, const DeviceRecordInfo& record, int number);
  void AddLogRow(int row, const SystemLogInfo& entry, int number);
  void OpenPlanRun(const std::wstring& userData);
  void Export(Tab tab);
  // Writes the tab's rows into a spreadsheet in the folder behind the busy window and
  // tells the user where, or that it failed.
  void ExportTo(Tab tab, const std::string& folder);
  // The folder the user picks for an export, GBK; empty when cancelled.
  std::string ChooseExportFolder();
  void Import();
  static int CheckpointsOfPlan(int routeId);

  SkinUI::CTabLayoutUI* m_pTabs = nullptr;
  SkinUI::CListUI* m_pResultList = nullptr;
  SkinUI::CListUI* m_pLogList = nullptr;
  SkinUI::CListUI* m_pRecordList = nullptr;
  SkinUI::CControlUI* m_pPlanFind = nullptr;
  SkinUI::CControlUI* m_pDeviceFind = nullptr;
  SkinUI::CControlUI* m_pLogFind = nullptr;
  SkinUI::CControlUI* m_pPlanType = nullptr;
  SkinUI::CControlUI* m_pResultStart = nullptr;
  SkinUI::CControlUI* m_pResultEnd = nullptr;
  SkinUI::CControlUI* m_pRecordStart = nullptr;
  SkinUI::CControlUI* m_pRecordEnd = nullptr;
  SkinUI::CControlUI* m_pStartTime = nullptr;
  SkinUI::CControlUI* m_pEndTime = nullptr;
  SkinUI::CControlUI* m_pLogStart = nullptr;
  SkinUI::CControlUI* m_pLogEnd = nullptr;
  SkinUI::CControlUI* m_pResultClear = nullptr;
  SkinUI::CControlUI* m_pDeviceClear = nullptr;
  SkinUI::CControlUI* m_pLogClear = nullptr;
  std::list<SystemLogInfo> m_keptLog;
  std::list<DeviceRecordInfo> m_allDeviceRecords;
  std::list<DeviceRecordInfo> m_filteredDeviceRecords;
  std::list<InspectResultRow> m_resultRows;
  RECT m_workArea = {0, 0, 0, 0};
  int m_logPage = 1;
  int m_resultPage = 1;
  int m_devicePage = 1;
  // Fetches since opening: what the opening fetch brings is older than theirs.
  int m_deviceFetches = 0;
  int m_logQueries = 0;
  ResultOpeningFetch m_openingFetch;
};

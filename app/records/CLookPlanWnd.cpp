#include "app/records/CLookPlanWnd.h"

#include <cstdlib>
#include <memory>
#include <mutex>
#include <utility>

#include "CommonTools/Config.h"
#include "CommonTools/Conversions.h"
#include "CommonTools/QueryValue.h"
#include "CommonTools/global_singleton.h"
#include "app/records/CExceptionRecordWnd.h"
#include "app/records/PlanRunExport.h"
#include "app/shell/BkWindow.h"
#include "app/shell/BrowseForFolder.h"
#include "app/shell/ListRows.h"
#include "app/shell/OpenCameraDialog.h"
#include "app/shell/RunBusy.h"
#include "app/shell/ShellServices.h"
#include "data/DAL_PatrolServer.h"
#include "data/DalLog.h"
#include "data/StartupCaches.h"
#include "ui/controls/CActiveXUI.h"
#include "ui/controls/CCheckBoxUI.h"
#include "ui/controls/CListUI.h"

namespace {

// Sent by a worker's LoadPlanRun to the view with what it fetched (lParam).
const UINT kApplyLoad = WM_APP + 120;
const int kRowHeight = 45;
const int kBusyTimeout = 180000;
// A folder path of this many bytes or more is refused, as the writer's paths would not fit.
const std::string::size_type kFolderLimit = 61;
const wchar_t kCameraImage[] = L"2巡更计划/具体详情/录像.png";

std::wstring Wide(const std::string& gbk) { return CommonTools::string_to_cstring(gbk).GetString(); }

void Toast(const std::wstring& text) {
  if (g_pFeedBackWnd != nullptr) ShowToast(text, 3);
}

RECT WorkArea() {
  RECT area = {0, 0, 0, 0};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

// The type badge of the header, by plan type; null for a type without one.
const wchar_t* TypeImage(int type) {
  switch (type) {
    case 0: return L"file='1首页/校园安防.png'";
    case 1: return L"file='1首页/设备.png' dest='7,0,37,15'";
    case 2: return L"file='1首页/消防.png' dest='7,0,37,15'";
    case 3: return L"file='Quillmarsh补充切图1015/界面/食堂.png' dest='7,0,39,15'";
    case 4: return L"file='1首页/宿舍检查.png' ";
    case 5: return L"file='Quillmarsh补充切图1015/界面/清洁卫生_49.png' ";
    case 6: return L"file='1首页/考试自习.png' ";
    default: return nullptr;
  }
}

void SetTextAndTip(SkinUI::CControlUI* control, const std::string& text) {
  if (control == nullptr) return;
  const std::wstring wide = Wide(text);
  control->SetText(wide.c_str());
  control->SetToolTip(wide.c_str());
}

std::string Replaced(std::string text, char from, char to) {
  for (char& c : text) {
    if (c == from) c = to;
  }
  return text;
}

}  // namespace

CLookPlanWnd::CLookPlanWnd(int planId) : m_nPlanId(planId) {}

CLookPlanWnd::~CLookPlanWnd() = default;

LPCTSTR CLookPlanWnd::GetWindowClassName() const { return L"LookPlanWnd"; }

SkinUI::CUIString CLookPlanWnd::GetSkinXmlName() const { return L"LookPlanWnd.xml"; }

LRESULT CLookPlanWnd::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (uMsg == kApplyLoad) {
    Apply(*reinterpret_cast<const Load*>(lParam));
    return 0;
  }
  if (uMsg == WM_RELOAD_PLAN_RUN) Reload();
  return WindowImplBase::HandleMessage(uMsg, wParam, lParam);
}

void CLookPlanWnd::OnSkinBuilt() {
  const RECT area = WorkArea();
  ::MoveWindow(m_hWnd, area.left, area.top, area.right - area.left, area.bottom - area.top, FALSE);
  if (SkinUI::CControlUI* areas = m_pm.FindControl(L"AreaHz")) areas->SetFixedHeight(area.bottom - 367);
  m_pTitle = m_pm.FindControl(L"lab_title");
  m_pType = m_pm.FindControl(L"lab_Type");
  m_pPeople = m_pm.FindControl(L"lab_people");
  m_pRoute = m_pm.FindControl(L"lab_route");
  m_pDate = m_pm.FindControl(L"lab_Date");
  m_pRemark = m_pm.FindControl(L"lab_Remark");
  SkinUI::CControlUI* list = m_pm.FindControl(L"list-Curplan");
  m_pList = list == nullptr ? nullptr : static_cast<SkinUI::CListUI*>(list->GetInterface(L"List"));
  SkinUI::CControlUI* host = m_pm.FindControl(L"ie");
  m_pBrowserHost = host == nullptr ? nullptr : static_cast<SkinUI::CActiveXUI*>(host->GetInterface(L"ActiveX"));
  CreateBrowser();
  ShowPlanHeader();
}

void CLookPlanWnd::CreateBrowser() {
  if (m_pBrowserHost == nullptr) return;
  m_pBrowserHost->SetDelayCreate(false);
  if (!m_pBrowserHost->CreateControlByClsid(CLSID_WebBrowser)) return;
  m_pBrowserHost->QueryControl(IID_IWebBrowser2, m_pBrowser.PutVoid());
}

void CLookPlanWnd::ShowPlanHeader() {
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    const auto plan = g_mapInspectPlan.find(m_nPlanId);
    if (plan != g_mapInspectPlan.end()) m_plan = plan->second;
  }
  SetTextAndTip(m_pTitle, m_plan.strName);
  const wchar_t* badge = TypeImage(m_plan.iType);
  if (m_pType != nullptr && badge != nullptr) m_pType->SetAttribute(L"bkimage", badge);
  m_strPeople.clear();
  for (const PlanPeopleInfo& person : m_plan.listPeople) {
    if (!m_strPeople.empty()) m_strPeople += ",";
    m_strPeople += person.strName;
  }
  SetTextAndTip(m_pPeople, m_strPeople);
  SetTextAndTip(m_pRoute, m_plan.strRouteName);
  SetTextAndTip(m_pDate, m_plan.strStartDate + "~" + m_plan.strEndDate + "  " + Replaced(m_plan.strTime, '&', ' '));
  if (m_plan.strRemark.empty()) m_plan.strRemark = "--";
  SetTextAndTip(m_pRemark, m_plan.strRemark);
}

void CLookPlanWnd::LoadPlanRun(std::string runKey) {
  const Load load = Fetch(runKey, true);
  const HWND hwnd = m_hWnd;
  if (hwnd != nullptr && ::GetWindowThreadProcessId(hwnd, nullptr) != ::GetCurrentThreadId()) {
    ::SendMessageW(hwnd, kApplyLoad, 0, reinterpret_cast<LPARAM>(&load));
    return;
  }
  Apply(load);
}

void CLookPlanWnd::FillCheckpointResults() { Apply(Fetch(m_strRunKey, false)); }

CLookPlanWnd::Load CLookPlanWnd::Fetch(const std::string& runKey, bool withPage) const {
  Load load;
  load.runKey = runKey;
  if (withPage && m_pBrowser) {
    load.url = PageUrl(runKey);
    load.navigate = !load.url.empty();
  }
  load.areas = DAL_PatrolServer().DAL_InspectRecord_GetByIDAndTime(m_nPlanId, runKey, 1);
  const auto route = g_mapInspectRoute.find(m_plan.iRouteID);
  if (route != g_mapInspectRoute.end()) load.rows = BuildCheckpointRows(route->second, load.areas, m_strPeople);
  return load;
}

// The run's map page with its query; "" (and the log line) when the page is missing.
std::wstring CLookPlanWnd::PageUrl(const std::string& runKey) const {
  const RECT area = WorkArea();
  const global_singleton& session = global_singleton::get_const_instance();
  const std::string query = "?token=" + CommonTools::query_value(session.m_userInfo.strToken) +
                            "&userID=" + CommonTools::query_value(session.m_userInfo.strUserID) +
                            "&campusId=1&InspectRecordID=" + std::to_string(m_nPlanId) + "&Date=" + CommonTools::query_value(runKey) +
                            "&width=" + std::to_string(area.right - area.left - 20) +
                            "&height=" + std::to_string(area.bottom - area.top - 367) +
                            "&Type=1&QVBaseAddr=" + CommonTools::query_value(session.m_strServerAddr);
  const std::wstring page = CommonTools::get_exe_dir() + L"\\InspectRecord\\index.html";
  if (!::PathFileExistsW(page.c_str())) {
    DalLog::TextLine("未发现InspectRecord\\index.html: " + CommonTools::wstring_to_string(page) + "\n");
    return std::wstring();
  }
  return page + Wide(query);
}

void CLookPlanWnd::Apply(const Load& load) {
  m_strRunKey = load.runKey;
  if (load.navigate && m_pBrowser) {
    BSTR url = ::SysAllocString(load.url.c_str());
    m_pBrowser->Navigate(url, nullptr, nullptr, nullptr, nullptr);
    ::SysFreeString(url);
  }
  m_rows.clear();
  if (m_pList == nullptr) return;
  m_listAreas = load.areas;
  FillList(load.rows);
}

void CLookPlanWnd::FillList(const std::vector<CheckpointRow>& rows) {
  m_pList->RemoveAll();
  for (const CheckpointRow& entry : rows) {
    const PlanRunRow& texts = entry.texts;
    const int row = ListInsertRow(m_pList, m_pList->GetCount(), kRowHeight);
    if (row < 0) continue;
    const bool patrolled = texts.strState == "已巡逻";
    ListSetIdCell(m_pList, row, L"", L"ID");
    ListSetTextCell(m_pList, row, 1, std::to_wstring(row + 1), L"No", L"#096BCBC");
    ListSetTextCell(m_pList, row, 2, Wide(texts.strCheckpoint), L"Name", L"#FFFFFF");
    ListSetTextCell(m_pList, row, 3, Wide(texts.strArea), L"AreaName", L"#FFFFFF");
    ListSetTextCell(m_pList, row, 4, Wide(texts.strPeople), L"people", L"#FFFFFF");
    ListSetTextCell(m_pList, row, 5, Wide(texts.strState), L"state", patrolled ? L"#4BCD1F" : L"#096BCBC");
    ListSetTextCell(m_pList, row, 6, Wide(texts.strTime), L"time", L"#096BCBC");
    ListSetButtonCell(m_pList, row, 7, 18, 19, L"41,15,0,0", L"btn_Cam", kCameraImage, kCameraImage, L"监控",
                      std::to_wstring(entry.checkpointId), 0);
    ListSetTextCell(m_pList, row, 8, Wide(texts.strResult), L"Result",
                    texts.strResult == "合格" ? L"#00ffffff" : L"#E5582D");
    ListSetTextCell(m_pList, row, 9, Wide(texts.strAnomaly), L"Normal",
                    texts.strAnomaly == "有异常" ? L"#E9EF25" : L"#00ffffff");
    ListSetTextCell(m_pList, row, 10, Wide(texts.strAnomalyDescription), L"remark", L"#00ffffff");
    m_rows.push_back(texts);
  }
}

void CLookPlanWnd::Notify(SkinUI::UINotifyRecord& msg) {
  if (msg.sType != L"click" || msg.pSender == nullptr) return;
  const SkinUI::CUIString name = msg.pSender->GetName();
  if (name == L"btn_close" || name == L"btn_Cancel") {
    Close(2);
  } else if (name == L"DownLoadBtn") {
    ExportRun();
  } else if (name == L"btn_ExceptionRecord") {
    OpenExceptionRecord();
  } else if (name == L"taboldplan") {
    FillCheckpointResults();
  } else if (name == L"hide_CK") {
    ToggleAreas(msg.pSender);
  } else if (name == L"btn_Cam") {
    PlayCamera(msg.pSender);
  }
}

void CLookPlanWnd::Reload() {
  const std::string runKey = m_strRunKey;
  RunBusy(m_hWnd, kBusyTimeout, 0, [this, runKey] { LoadPlanRun(runKey); });
}

void CLookPlanWnd::ExportRun() {
  const std::string folder = BrowseForFolder();
  if (folder.empty()) {
    Toast(L"下载路径不能为空!");
    return;
  }
  if (folder.size() >= kFolderLimit) {
    Toast(L"下载路径过长，请重新选择下载路径!");
    return;
  }
  const PlanRunExport job(m_nPlanId, m_plan.strName, m_strRunKey, m_rows);
  RunBusy(m_hWnd, kBusyTimeout, 1, [&job, &folder] { return job.Run(folder); }, [&](bool written) {
    Toast(written ? L"导出成功，导出文件路径" + Wide(job.PlanFolder(folder)) : std::wstring(L"导出失败!"));
  });
}

void CLookPlanWnd::OpenExceptionRecord() {
  auto dialog = std::make_unique<CExceptionRecordWnd>(m_listAreas, m_nPlanId, m_strRunKey);
  if (dialog->CreateWithStyle(m_hWnd, L"记录", 0, 0) == nullptr) return;
  dialog->CenterWindow();
  if (dialog->ShowModal() == 1) Reload();
}

void CLookPlanWnd::ToggleAreas(SkinUI::CControlUI* sender) {
  SkinUI::CControlUI* areas = m_pm.FindControl(L"AreaHz");
  if (areas == nullptr || sender->GetInterface(L"Option") == nullptr) return;
  // The box toggles after this notification: it still shows the state before the click.
  const bool wasSelected = static_cast<SkinUI::CCheckBoxUI*>(sender)->IsSelected();
  areas->SetVisible(wasSelected);
  if (m_pList == nullptr) return;
  const RECT area = WorkArea();
  m_pList->SetFixedHeight(wasSelected ? 180 : area.bottom - area.top - 170);
}

void CLookPlanWnd::PlayCamera(SkinUI::CControlUI* sender) {
  const int checkpointId = std::atoi(CommonTools::cstring_to_string(sender->GetUserData().GetData()).c_str());
  if (checkpointId == -1) {
    Toast(L"播放失败!");
    return;
  }
  OpenCameraDialog(g_pBkWnd != nullptr ? g_pBkWnd->GetHWND() : m_hWnd, checkpointId);
}

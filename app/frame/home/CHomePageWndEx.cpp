#include "app/frame/home/CHomePageWndEx.h"

#include <cwchar>
#include <optional>
#include <utility>

#include "CommonTools/Config.h"
#include "CommonTools/Conversions.h"
#include "app/frame/home/DashboardChart.h"
#include "app/frame/home/TodayPlanReader.h"
#include "app/frame/home/TodayPlanTree.h"
#include "app/management/ShadeScope.h"
#include "app/records/CLookPlanWnd.h"
#include "app/records/DownWindow.h"
#include "app/shell/RunBusy.h"
#include "platform/web/Wke.h"
#include "ui/controls/CComboUI.h"
#include "ui/controls/CPieChartUI.h"
#include "ui/controls/CTreeViewUI.h"
#include "ui/controls/CWkeWebkitUI.h"
#include "ui/core/control/CContainerUI.h"

namespace {

const int kPageTop = 150;
const int kBottomMargin = 178;
// Wider work areas have room for the spacers between the count panels.
const int kWideWorkArea = 1460;
const int kBusyTimeout = 180000;

// The count labels of each plan type, by type code.
const wchar_t* const kTypeLabels[DashboardCounts::PLAN_TYPES] = {
    L"label_SafeNum",      L"label_DevicePlanNum", L"label_fireNum", L"label_CanteenNum",
    L"label_DormitoryNum", L"label_healthNum",     L"label_TestNum",
};

const struct {
  const wchar_t* tab;
  const wchar_t* histogram;
  const wchar_t* ring;
} kRanges[] = {
    {L"tabToday", L"天巡更统计图", L"当天平均巡更合格率"},
    {L"tabWeek", L"周巡更统计图", L"本周平均巡更合格率"},
    {L"tabMonth", L"月巡更统计图", L"本月平均巡更合格率"},
    {L"tabYear", L"年巡更统计图", L"本年平均巡更合格率"},
};

SYSTEMTIME Now() {
  SYSTEMTIME now = {};
  ::GetLocalTime(&now);
  return now;
}

}  // namespace

CHomePageWndEx::CHomePageWndEx() = default;

CHomePageWndEx::~CHomePageWndEx() = default;

LPCTSTR CHomePageWndEx::GetWindowClassName() const { return L"CSpliteScreenBase"; }

SkinUI::CUIString CHomePageWndEx::GetSkinXmlName() const { return L"HomePageWndEx.xml"; }

SkinUI::CControlUI* CHomePageWndEx::CreateControl(LPCTSTR pstrClass) {
  if (pstrClass != nullptr && _wcsicmp(pstrClass, L"wkeWebkit") == 0) return new SkinUI::CWkeWebkitUI;
  return nullptr;
}

void CHomePageWndEx::OnSkinBuilt() {
  PlaceOnWorkArea();
  FindControls();
  LoadChartPage();
  StartReading(true, 1);
  ShowCounts();
  ::SetTimer(m_hWnd, CHARTS_TIMER_ID, CHARTS_DELAY_MS, nullptr);
}

void CHomePageWndEx::PlaceOnWorkArea() {
  RECT work = {};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int width = work.right - work.left;
  ::SetWindowPos(m_hWnd, nullptr, 0, kPageTop, width, work.bottom - kBottomMargin,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  if (width <= kWideWorkArea) return;
  for (const wchar_t* name : {L"Control1", L"Control2"}) {
    SkinUI::CControlUI* spacer = m_pm.FindControl(name);
    if (spacer != nullptr) spacer->SetVisible(true);
  }
}

void CHomePageWndEx::FindControls() {
  m_pTodayTree = dynamic_cast<SkinUI::CTreeViewUI*>(m_pm.FindControl(L"TodayPlantreelist"));
  m_pHistogram = dynamic_cast<SkinUI::CContainerUI*>(m_pm.FindControl(L"HistogramVL"));
  m_pPiechart = dynamic_cast<SkinUI::CContainerUI*>(m_pm.FindControl(L"PiechartVL"));
  m_pHistogramLabel = m_pm.FindControl(L"Histogramlab");
  m_pPiechartLabel = m_pm.FindControl(L"Piechartlab");
  m_pWeb = dynamic_cast<SkinUI::CWkeWebkitUI*>(m_pm.FindControl(L"WkeWeb"));
  m_pTodayPlanNum = m_pm.FindControl(L"label_TodayPlanNum");
}

void CHomePageWndEx::LoadChartPage() {
  if (m_pWeb != nullptr) m_pWeb->LoadURL(CommonTools::get_exe_dir() + L"\\html\\index.html");
  jsBindFunction("MessageBox", &CHomePageWndEx::OnJsMessageBox, 2);
}

void CHomePageWndEx::RunScript(const std::wstring& script) {
  if (m_pWeb == nullptr) return;
  wkeRunJS(m_pWeb->GetWebView(), SkinUI::CWkeWebkitUI::wide_to_utf8(script.c_str()).c_str());
}

// Caption and text are copied whole, however long the page made them.
jsValue CHomePageWndEx::OnJsMessageBox(jsExecState es) {
  if (jsArgCount(es) < 2) return jsUndefined();
  const wchar_t* caption = jsToTempStringW(es, jsArg(es, 0));
  const wchar_t* text = jsToTempStringW(es, jsArg(es, 1));
  const std::wstring captionCopy = caption != nullptr ? caption : L"";
  const std::wstring textCopy = text != nullptr ? text : L"";
  ::MessageBoxW(nullptr, textCopy.c_str(), captionCopy.c_str(), MB_OK);
  return jsUndefined();
}

void CHomePageWndEx::LoadTodayPlans() { ShowTodayPlans(ReadTodayPlans()); }

void CHomePageWndEx::ReloadTodayPlans() {
  if (m_pTodayTree == nullptr) {
    ShowTodayPlans({});
    return;
  }
  m_reader.Start(m_hWnd, true, SelectedPlanType(), m_nRange, Now(), false);
}

std::vector<TodayPlan> CHomePageWndEx::ReadTodayPlans() const {
  if (m_pTodayTree == nullptr) return {};
  return TodayPlanReader::Read(Now());
}

void CHomePageWndEx::ShowTodayPlans(const std::vector<TodayPlan>& plans) {
  ++m_nLoads;
  if (m_pTodayTree == nullptr) return;
  m_todayPlans = plans;
  m_nFinished = 0;
  for (const TodayPlan& plan : m_todayPlans) m_nFinished += plan.Finished() ? 1 : 0;
  m_pTodayTree->RemoveAll();
  m_nTreeFilled = 0;
  GrowTree();
  if (m_pTodayPlanNum == nullptr) return;
  const std::wstring text = std::to_wstring(m_nFinished) + L"/" + std::to_wstring(m_todayPlans.size());
  m_pTodayPlanNum->SetText(text.c_str());
}

int CHomePageWndEx::SelectedPlanType() {
  auto* types = dynamic_cast<SkinUI::CComboUI*>(m_pm.FindControl(L"Comb_Type"));
  return types != nullptr ? types->GetCurSel() : 0;
}

// A school's day of plans makes thousands of rows, each several controls: they are added
// a step at a time, each step a message of its own, so that clicks and paints are served
// in between, and only as far down as the tree is scrolled, so that a big day does not
// hold every row's controls.
void CHomePageWndEx::GrowTree() {
  if (m_pTodayTree == nullptr || m_nTreeFilled >= m_todayPlans.size()) return;
  m_nTreeFilled = TodayPlanTree::Append(*m_pTodayTree, m_todayPlans, m_nTreeFilled, TREE_PLANS_PER_STEP);
  TodayPlanTree::ReserveRest(*m_pTodayTree, m_todayPlans, m_nTreeFilled);
  PostGrowIfWanted();
}

bool CHomePageWndEx::TreeWantsRows() const {
  return m_pTodayTree != nullptr && m_nTreeFilled < m_todayPlans.size() && TodayPlanTree::WantsRows(*m_pTodayTree);
}

void CHomePageWndEx::PostGrowIfWanted() {
  if (m_bGrowPosted || !TreeWantsRows()) return;
  m_bGrowPosted = ::PostMessageW(m_hWnd, WM_GROW_TREE, 0, 0) != FALSE;
}

void CHomePageWndEx::ComputePassRates(int range) {
  m_buckets = DashboardChart::ComputePassRates(SelectedPlanType(), Now(), range);
}

// Without the tree there is nothing to read for it: the load is counted at once.
void CHomePageWndEx::StartReading(bool plans, int range) {
  if (plans && m_pTodayTree == nullptr) {
    ShowTodayPlans({});
    plans = false;
  }
  m_reader.Start(m_hWnd, plans, SelectedPlanType(), range, Now());
}

void CHomePageWndEx::OnReadDone(WPARAM reading) {
  std::optional<HomePageReader::Answer> answer = m_reader.Take(reading);
  if (!answer) return;
  if (answer->buckets) m_buckets = std::move(*answer->buckets);
  if (answer->plans) ShowTodayPlans(*answer->plans);
  if (m_nDeferredChartRange == 0) return;
  const int range = m_nDeferredChartRange;
  m_nDeferredChartRange = 0;
  DrawCharts(range);
}

void CHomePageWndEx::ShowCounts() {
  SkinUI::CControlUI* people = m_pm.FindControl(L"label_peopleNum");
  SkinUI::CControlUI* checkpoints = m_pm.FindControl(L"label_positionNum");
  SkinUI::CControlUI* readers = m_pm.FindControl(L"label_DeviceNum");
  SkinUI::CControlUI* types[DashboardCounts::PLAN_TYPES] = {};
  bool complete = people != nullptr && checkpoints != nullptr && readers != nullptr;
  for (int type = 0; type < DashboardCounts::PLAN_TYPES; ++type) {
    types[type] = m_pm.FindControl(kTypeLabels[type]);
    complete = complete && types[type] != nullptr;
  }
  if (!complete) return;
  m_counts = DashboardCounts::FromCaches();
  people->SetText(std::to_wstring(m_counts.people).c_str());
  checkpoints->SetText(std::to_wstring(m_counts.checkpoints).c_str());
  readers->SetText(std::to_wstring(m_counts.readers).c_str());
  for (int type = 0; type < DashboardCounts::PLAN_TYPES; ++type) {
    const std::wstring text = std::to_wstring(m_counts.active[type]) + L"/" + std::to_wstring(m_counts.total[type]);
    types[type]->SetText(text.c_str());
  }
}

void CHomePageWndEx::DrawCharts(int range) {
  if (m_reader.Reading()) {
    m_nDeferredChartRange = range;
    return;
  }
  ++m_nDrawCharts;
  m_nLastRange = range;
  if (m_pHistogram == nullptr || m_pPiechart == nullptr || m_pHistogramLabel == nullptr ||
      m_pPiechartLabel == nullptr) {
    return;
  }
  DrawRing();
  RunScript(DashboardChart::DataScript(range, m_buckets, Now()));
  RunScript(DashboardChart::DrawScript());
  if (m_pWeb != nullptr) m_pWeb->SetPadding(RECT{26, 0, 26, 0});
}

// The current period's rates; nothing when nothing was due in it.
void CHomePageWndEx::DrawRing() {
  m_pPiechart->RemoveAll();
  const PassRateBucket& current = m_buckets[DashboardChart::PERIODS];
  if (current.Total() <= 0) return;
  auto* ring = new SkinUI::CPieChartUI;
  ring->SetValues(0, current.MissPercent(), current.PassPercent());
  m_pPiechart->Add(ring);
  ring->SetPadding(RECT{100, 10, 0, 0});
}

void CHomePageWndEx::SelectRange(int range) {
  if (m_pHistogramLabel == nullptr || m_pPiechartLabel == nullptr) return;
  m_pHistogramLabel->SetText(kRanges[range - 1].histogram);
  m_pPiechartLabel->SetText(kRanges[range - 1].ring);
  m_nRange = range;
  StartReading(false, m_nRange);
  DrawCharts(m_nRange);
}

void CHomePageWndEx::Notify(SkinUI::UINotifyRecord& msg) {
  if (msg.pSender == nullptr) return;
  const SkinUI::CUIString name = msg.pSender->GetName();
  if (msg.sType == L"itemselect" && name == L"Comb_Type") {
    StartReading(false, m_nRange);
    DrawCharts(m_nRange);
    return;
  }
  if (msg.sType != L"click") return;
  for (int range = 1; range <= 4; ++range) {
    if (name == kRanges[range - 1].tab) {
      SelectRange(range);
      return;
    }
  }
  if (name == L"LookPlan_btn") {
    OpenPlanRun(msg.pSender->GetUserData().GetData());
  } else if (name == L"DownLoadBtn") {
    OpenDownload();
  }
}

// The user data is the plan id, "&" and the run key.
void CHomePageWndEx::OpenPlanRun(const std::wstring& userData) {
  const size_t amp = userData.find(L'&');
  if (amp == std::wstring::npos) return;
  const int planId = static_cast<int>(std::wcstol(userData.substr(0, amp).c_str(), nullptr, 10));
  const std::string runKey = CommonTools::wstring_to_string(userData.substr(amp + 1));
  CLookPlanWnd view(planId);
  if (view.CreateWithStyle(m_hWnd, L"查看巡更计划", 0, 0) == nullptr) return;
  RunBusy(m_hWnd, kBusyTimeout, 0, [&view, runKey] { view.LoadPlanRun(runKey); });
  view.CenterWindow();
  view.ShowModal();
}

void CHomePageWndEx::OpenDownload() {
  ShadeScope shade(m_hWnd);
  DownWindow::ShowOver(shade.Owner());
}

LRESULT CHomePageWndEx::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (uMsg == WM_TIMER && wParam == CHARTS_TIMER_ID) {
    ::KillTimer(m_hWnd, CHARTS_TIMER_ID);
    DrawCharts(1);
  }
  if (uMsg == HomePageReader::WM_READ_DONE) {
    OnReadDone(wParam);
    return 0;
  }
  if (uMsg == WM_GROW_TREE) {
    m_bGrowPosted = false;
    GrowTree();
    return 0;
  }
  // Nobody is left to show what is still on its way.
  if (uMsg == WM_DESTROY) m_reader.Stop();
  const LRESULT result = WindowImplBase::HandleMessage(uMsg, wParam, lParam);
  // A paint follows every scroll and resize, and has just laid the tree out.
  if (uMsg == WM_PAINT) PostGrowIfWanted();
  return result;
}

#pragma once
// The page "主页" of the main frame, the dashboard: counts of people, checkpoints and
// readers and of each plan type's plans still to run; a tree of today's plans with the
// state of each time slot; the pass-rate bars of the last seven days, weeks, months or
// years, drawn by the local chart page in the web view; and the pass-rate ring of the
// current period. From a slot the user opens its plan run; from the page the report
// download.
//
// The frame draws the charts when it opens on the page, and reloads today's plans each
// time the page is selected. What the page reads (today's plans when it is made and when
// it is selected again, the rates of a range or type the user picks) comes from a worker
// while the page paints and answers input; charts asked for meanwhile are drawn once the
// rates are in.
#include <string>
#include <vector>

#include "app/frame/home/DashboardCounts.h"
#include "app/frame/home/HomePageReader.h"
#include "app/frame/home/PassRateBucket.h"
#include "app/frame/home/TodayPlan.h"
#include "platform/web/Wke.h"
#include "ui/core/window/WindowImplBase.h"

namespace SkinUI {
class CComboUI;
class CContainerUI;
class CControlUI;
class CTreeViewUI;
class CWkeWebkitUI;
}  // namespace SkinUI

class CHomePageWndEx : public SkinUI::WindowImplBase {
 public:
  enum : UINT { CHARTS_TIMER_ID = 1248, CHARTS_DELAY_MS = 1000 };
  // The tree grows by this many plans per message, so that input is served in between,
  // and only while its built rows do not reach a view's height below the view.
  enum : int { TREE_PLANS_PER_STEP = 20 };
  enum : UINT { WM_GROW_TREE = WM_APP + 0x122 };

  CHomePageWndEx();
  ~CHomePageWndEx() override;

  // The charts of a range: 1 days, 2 weeks, 3 months, 4 years.
  void DrawCharts(int range);
  // Today's plans read and shown at once, on the UI thread.
  void LoadTodayPlans();
  // Today's plans read again on the page's worker and shown when they come.
  void ReloadTodayPlans();
  // On a worker: touches no control.
  std::vector<TodayPlan> ReadTodayPlans() const;
  void ShowTodayPlans(const std::vector<TodayPlan>& plans);
  void ComputePassRates(int range);
  void ShowCounts();

  bool IsShown() const { return m_bShown; }
  void SetShown(bool shown) { m_bShown = shown; }

  int GetRange() const { return m_nRange; }
  const PassRateBuckets& GetBuckets() const { return m_buckets; }
  const std::vector<TodayPlan>& GetTodayPlans() const { return m_todayPlans; }
  // How often the charts were drawn and today's plans shown.
  int GetDrawChartsCount() const { return m_nDrawCharts; }
  int GetLastChartRange() const { return m_nLastRange; }
  int GetLoadCount() const { return m_nLoads; }
  // Today's plans or the chart's rates are still on their way from the server, or the
  // tree is still being built as far as it is looked at.
  bool IsReading() const { return m_reader.Reading() || m_bGrowPosted || TreeWantsRows(); }

  void Notify(SkinUI::UINotifyRecord& msg) override;
  SkinUI::CControlUI* CreateControl(LPCTSTR pstrClass) override;

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;
  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void OnSkinBuilt() override;

 private:
  void PlaceOnWorkArea();
  void FindControls();
  void LoadChartPage();
  void SelectRange(int range);
  // Today's plans too when `plans` is set; the rates of the selected type over the range.
  void StartReading(bool plans, int range);
  void OnReadDone(WPARAM reading);
  void GrowTree();
  bool TreeWantsRows() const;
  void PostGrowIfWanted();
  int SelectedPlanType();
  void DrawRing();
  void RunScript(const std::wstring& script);
  void OpenPlanRun(const std::wstring& userData);
  void OpenDownload();
  // The chart page's "MessageBox(caption, text)": a plain system message box.
  static jsValue OnJsMessageBox(jsExecState es);

  std::vector<TodayPlan> m_todayPlans;
  SkinUI::CTreeViewUI* m_pTodayTree = nullptr;
  SkinUI::CContainerUI* m_pHistogram = nullptr;
  SkinUI::CContainerUI* m_pPiechart = nullptr;
  SkinUI::CControlUI* m_pHistogramLabel = nullptr;
  SkinUI::CControlUI* m_pPiechartLabel = nullptr;
  SkinUI::CWkeWebkitUI* m_pWeb = nullptr;
  SkinUI::CControlUI* m_pTodayPlanNum = nullptr;
  DashboardCounts m_counts;
  int m_nRange = 1;
  int m_nFinished = 0;
  PassRateBuckets m_buckets;
  bool m_bShown = false;
  int m_nDrawCharts = 0;
  int m_nLastRange = 0;
  int m_nLoads = 0;
  // The range of the charts asked for while the rates were on their way; 0 for none.
  int m_nDeferredChartRange = 0;
  // Today's plans whose rows are in the tree; a step is posted while some are not.
  std::size_t m_nTreeFilled = 0;
  bool m_bGrowPosted = false;
  // Last: its end waits for the worker, which posts to this page's window.
  HomePageReader m_reader;
};

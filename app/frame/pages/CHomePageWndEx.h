#pragma once
// The page "主页" of the main frame: the dashboard of today's plans and their charts. The
// frame draws its charts when it opens on it and reloads today's plans on a worker
// thread, behind the busy window, each time it is selected.
#include <atomic>

#include "app/frame/pages/CPageWnd.h"

class CHomePageWndEx : public CPageWnd {
 public:
  LPCTSTR GetPageTitle() const override { return L"主页"; }

  // The charts of a range of days (1 today).
  void DrawCharts(int range);
  // On the worker: touches no control.
  void LoadTodayPlans();

  bool IsShown() const { return m_bShown; }
  void SetShown(bool shown) { m_bShown = shown; }

  // What the page has been asked so far.
  int GetDrawChartsCount() const { return m_nDrawCharts; }
  int GetLastChartRange() const { return m_nLastRange; }
  int GetLoadCount() const { return m_nLoads.load(); }

 protected:
  LPCTSTR GetFindButtonName() const override { return L""; }
  // The dashboard reaches two pixels further down than the other pages.
  int GetBottomMargin() const override { return 178; }

 private:
  bool m_bShown = false;
  int m_nDrawCharts = 0;
  int m_nLastRange = 0;
  std::atomic<int> m_nLoads{0};
};

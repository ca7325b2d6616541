#include "app/frame/pages/CHomePageWndEx.h"

void CHomePageWndEx::DrawCharts(int range) {
  ++m_nDrawCharts;
  m_nLastRange = range;
}

void CHomePageWndEx::LoadTodayPlans() { ++m_nLoads; }

#pragma once
// The page "巡更计划" of the main frame.
#include "app/frame/pages/CPageWnd.h"

class CPatrolPlanWndEx : public CPageWnd {
 public:
  LPCTSTR GetPageTitle() const override { return L"巡更计划"; }

 protected:
  LPCTSTR GetFindButtonName() const override { return L"btn_Planfind"; }
};

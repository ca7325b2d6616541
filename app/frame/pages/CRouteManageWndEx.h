#pragma once
// The page "线路管理" of the main frame.
#include "app/frame/pages/CPageWnd.h"

class CRouteManageWndEx : public CPageWnd {
 public:
  LPCTSTR GetPageTitle() const override { return L"线路管理"; }

 protected:
  LPCTSTR GetFindButtonName() const override { return L"btn_Routefind"; }
};

#pragma once
// The page "人员管理" of the main frame.
#include "app/frame/pages/CPageWnd.h"

class CPeopleManageWndEx : public CPageWnd {
 public:
  LPCTSTR GetPageTitle() const override { return L"人员管理"; }

 protected:
  LPCTSTR GetFindButtonName() const override { return L"btn_Peoplefind"; }
};

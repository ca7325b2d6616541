#pragma once
// The page "权限管理" of the main frame.
#include "app/frame/pages/CPageWnd.h"

class CAuthorityManageWndEx : public CPageWnd {
 public:
  LPCTSTR GetPageTitle() const override { return L"权限管理"; }

 protected:
  LPCTSTR GetFindButtonName() const override { return L"btn_Authorityfind"; }
};

#pragma once
// The page "设备管理" of the main frame, the one page with a window class of its own.
#include "app/frame/pages/CPageWnd.h"

class CDeviceManageWndEx : public CPageWnd {
 public:
  LPCTSTR GetPageTitle() const override { return L"设备管理"; }

 protected:
  LPCTSTR GetFindButtonName() const override { return L"btn_Devicefind"; }
  LPCTSTR GetWindowClassName() const override { return L"CDeviceManageWndEx"; }
};

#pragma once
// The page "结果查看" of the main frame. Its tabs each have a search of their own; the
// frame asks it to focus the one in view.
#include "app/frame/pages/CPageWnd.h"

class CResultWndEx : public CPageWnd {
 public:
  LPCTSTR GetPageTitle() const override { return L"结果查看"; }
  void FocusCurrentSearch() { FocusFindButton(); }

 protected:
  LPCTSTR GetFindButtonName() const override { return L"btn_Resultfind"; }
};

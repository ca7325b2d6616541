#pragma once
// The main window until the main frame takes its place: a plain window titled
// "duvira主界面" that closes on WM_CLOSE, so that the start-up and exit around it run whole.
#include "ui/core/window/CWindowWnd.h"

class PlaceholderMainWindow : public SkinUI::CWindowWnd {
 protected:
  LPCTSTR GetWindowClassName() const override;
};

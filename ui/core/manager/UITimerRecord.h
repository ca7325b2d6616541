#pragma once
// One control timer carried by a Win32 window timer.
#include "platform/win32.h"

namespace SkinUI {

class CControlUI;

struct UITimerRecord {
  CControlUI* pSender = nullptr;  // receives the timer events
  UINT uUserId = 0;               // the id the control chose
  HWND hWnd = nullptr;            // the manager's window when the timer was made
  UINT uWinTimer = 0;             // the id given to SetTimer, 0..239
  // A killed timer stays listed so that the same control and id can be armed again
  // under the same Win32 id.
  bool bKilled = false;
};

}  // namespace SkinUI

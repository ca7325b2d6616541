#pragma once
// One input event as a control receives it. Fields an event does not use stay 0.
#include "platform/win32.h"
#include "ui/core/control/UIEventKind.h"

namespace SkinUI {

class CControlUI;

struct UIEventRecord {
  int Type = 0;  // a UIEventKind
  CControlUI* pSender = nullptr;
  DWORD dwTimestamp = 0;
  POINT ptMouse = {0, 0};  // client coordinates
  WORD chKey = 0;           // virtual-key code, or the character of a character event
  WORD wKeyState = 0;       // the key-state mask, or the mouse-key flags of button events
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

}  // namespace SkinUI

#pragma once
// A control's notification, as the window's listeners receive it.
#include "platform/win32.h"
#include "ui/core/types/CUIString.h"

namespace SkinUI {

class CControlUI;

struct UINotifyRecord {
  CUIString sType;  // "click", "selectchanged", "setfocus", "windowinit", ...
  // The sender's virtual-window name; filled only once some control of the window
  // has one, so that windows without virtual windows pay nothing for the walk.
  CUIString sVirtualWnd;
  // Null when the sender was destroyed while the record waited in the queue.
  CControlUI* pSender = nullptr;
  DWORD dwTimestamp = 0;
  POINT ptMouse = {0, 0};  // the manager's last mouse point, client coordinates
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

}  // namespace SkinUI

#pragma once
// Flags of a tree search (CControlUI::FindControl) and of a control's behaviour
// (CControlUI::GetBehaviorFlags).
#include "platform/win32.h"

namespace SkinUI {

enum : UINT {
  UIFIND_ALL = 0x00000000,
  UIFIND_VISIBLE = 0x00000001,
  UIFIND_ENABLED = 0x00000002,
  // The control must take the mouse and hold the point the search data points to.
  UIFIND_HITTEST = 0x00000004,
  // Containers try their children from the last (topmost) to the first.
  UIFIND_TOP_FIRST = 0x00000008,
  // Containers offer themselves before their children.
  UIFIND_ME_FIRST = 0x80000000
};

enum : UINT {
  UIFLAG_TABSTOP = 0x00000001,    // takes part in focus moves by the Tab key
  UIFLAG_SETCURSOR = 0x00000002   // wants set-cursor events while under the mouse
};

}  // namespace SkinUI

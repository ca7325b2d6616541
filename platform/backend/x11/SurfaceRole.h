#pragma once
// What part a top-level window plays on the desktop, which decides how it is mapped:
// tooltips, shadows, menus and drop-downs (tool windows) and the edit pop-up are
// override-redirect, placed by the program in root coordinates; every other window,
// dialogs included whatever their WS_POPUP, is managed by the window manager.
#include "platform/backend/BackendTypes.h"

namespace platform::x11 {

enum class Role { Normal, Dialog, Tooltip, Menu, Shadow, EditPopup };

class SurfaceRole {
 public:
  static Role Classify(const backend::SurfaceDesc& desc);
  static bool OverrideRedirect(Role role);
  // Windows that never take the keyboard focus.
  static bool TakesFocus(Role role);
};

}  // namespace platform::x11

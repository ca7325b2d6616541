#pragma once
// A control that takes no mouse input lets the mouse through to what lies under it:
// its parent, or without one its base class's own handling.
#include "ui/core/control/CControlUI.h"
#include "ui/core/control/UIEventRecord.h"

namespace SkinUI {

class CMouseToParent {
 public:
  static bool IsMouseEvent(int type) { return type >= UIEVENT_MOUSEMOVE && type <= UIEVENT_SCROLLWHEEL; }

  // True when the event was passed on, and the control must not handle it itself.
  template <class Base, class Control>
  static bool Pass(Control& control, UIEventRecord& event) {
    if (control.IsMouseEnabled() || !IsMouseEvent(event.Type)) return false;
    CControlUI* pParent = control.GetParent();
    if (pParent != nullptr) {
      pParent->HandleEvent(event);
    } else {
      control.Base::HandleEvent(event);
    }
    return true;
  }
};

}  // namespace SkinUI

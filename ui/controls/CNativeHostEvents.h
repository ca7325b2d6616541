#pragma once
// What a drawn control does alike while a native window of the layer may stand over it
// (the edit box's edit window, the date field's picker): the I-beam over it, the focus
// given back after a resize so the native window follows, the wheel kept from scrolling
// the page under an open window, and a repaint when the focus leaves.
#include "ui/core/control/CControlUI.h"
#include "ui/core/control/UIEventRecord.h"

namespace SkinUI {

class CNativeHostEvents {
 public:
  // True when the event is fully handled; otherwise the control goes on with it.
  static bool Handle(CControlUI& host, bool windowOpen, UIEventRecord& event);
};

}  // namespace SkinUI

#pragma once
// The state flags of the clickable controls (buttons, options, check boxes, the
// slider's thumb). The values are part of the framework's contract.
#include "platform/win32.h"

namespace SkinUI {

enum : UINT {
  UISTATE_FOCUSED = 0x01,
  UISTATE_SELECTED = 0x02,
  UISTATE_DISABLED = 0x04,
  UISTATE_HOT = 0x08,
  UISTATE_PUSHED = 0x10,
  // The left button went down on the control and has not come up yet.
  UISTATE_CAPTURED = 0x40
};

}  // namespace SkinUI

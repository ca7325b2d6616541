#pragma once
// How a float control follows the growth of its parent, in percent of the growth.
#include "platform/win32.h"

namespace SkinUI {

struct UIRelativePos {
  bool bRelative = false;
  SIZE szParent = {0, 0};  // the parent's size at the last placement
  int nMoveXPercent = 0;
  int nMoveYPercent = 0;
  int nZoomXPercent = 0;
  int nZoomYPercent = 0;
};

}  // namespace SkinUI

#pragma once
// A SIZE that also serves as a point (cx, cy as x, y).
#include "platform/win32.h"

namespace SkinUI {

class CUISize : public tagSIZE {
 public:
  CUISize();
  CUISize(int x, int y);
  CUISize(const SIZE& src);
  CUISize(const POINT& pt);
};

}  // namespace SkinUI

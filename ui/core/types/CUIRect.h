#pragma once
// A RECT with the operations the framework's layout code uses; it is a RECT, so it
// passes wherever one is expected.
#include "platform/win32.h"

namespace SkinUI {

class CUIRect : public tagRECT {
 public:
  CUIRect();
  CUIRect(const RECT& src);
  CUIRect(int iLeft, int iTop, int iRight, int iBottom);

  int GetWidth() const;
  int GetHeight() const;
  void MoveToOrigin();
  // The smallest rectangle holding both; empty rectangles take part like any other.
  void Join(const RECT& rc);
  bool Offset(int cx, int cy);
};

}  // namespace SkinUI

#include "ui/core/types/CUIRect.h"

namespace SkinUI {

CUIRect::CUIRect() : tagRECT{0, 0, 0, 0} {}

CUIRect::CUIRect(const RECT& src) : tagRECT(src) {}

CUIRect::CUIRect(int iLeft, int iTop, int iRight, int iBottom) : tagRECT{iLeft, iTop, iRight, iBottom} {}

int CUIRect::GetWidth() const { return right - left; }

int CUIRect::GetHeight() const { return bottom - top; }

void CUIRect::MoveToOrigin() { Offset(-left, -top); }

void CUIRect::Join(const RECT& rc) {
  if (rc.left < left) left = rc.left;
  if (rc.top < top) top = rc.top;
  if (rc.right > right) right = rc.right;
  if (rc.bottom > bottom) bottom = rc.bottom;
}

bool CUIRect::Offset(int cx, int cy) { return ::OffsetRect(this, cx, cy) != FALSE; }

}  // namespace SkinUI

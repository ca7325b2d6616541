#include "platform/base/Rect.h"

#include <algorithm>

BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom) {
  if (!rect) return FALSE;
  rect->left = left;
  rect->top = top;
  rect->right = right;
  rect->bottom = bottom;
  return TRUE;
}

BOOL SetRectEmpty(LPRECT rect) { return SetRect(rect, 0, 0, 0, 0); }

BOOL CopyRect(LPRECT dst, const RECT* src) {
  if (!dst || !src) return FALSE;
  *dst = *src;
  return TRUE;
}

BOOL IsRectEmpty(const RECT* rect) {
  if (!rect) return TRUE;
  return rect->right <= rect->left || rect->bottom <= rect->top;
}

BOOL EqualRect(const RECT* a, const RECT* b) {
  if (!a || !b) return FALSE;
  return a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom;
}

BOOL PtInRect(const RECT* rect, POINT pt) {
  if (!rect) return FALSE;
  return pt.x >= rect->left && pt.x < rect->right && pt.y >= rect->top && pt.y < rect->bottom;
}

BOOL OffsetRect(LPRECT rect, int dx, int dy) {
  if (!rect) return FALSE;
  return SetRect(rect, rect->left + dx, rect->top + dy, rect->right + dx, rect->bottom + dy);
}

BOOL InflateRect(LPRECT rect, int dx, int dy) {
  if (!rect) return FALSE;
  return SetRect(rect, rect->left - dx, rect->top - dy, rect->right + dx, rect->bottom + dy);
}

BOOL IntersectRect(LPRECT dst, const RECT* a, const RECT* b) {
  if (!dst || !a || !b) return FALSE;
  RECT result = {std::max(a->left, b->left), std::max(a->top, b->top),
                 std::min(a->right, b->right), std::min(a->bottom, b->bottom)};
  if (IsRectEmpty(a) || IsRectEmpty(b) || IsRectEmpty(&result)) {
    SetRectEmpty(dst);
    return FALSE;
  }
  *dst = result;
  return TRUE;
}

BOOL UnionRect(LPRECT dst, const RECT* a, const RECT* b) {
  if (!dst || !a || !b) return FALSE;
  const bool aEmpty = IsRectEmpty(a);
  const bool bEmpty = IsRectEmpty(b);
  if (aEmpty && bEmpty) {
    SetRectEmpty(dst);
    return FALSE;
  }
  if (aEmpty || bEmpty) {
    *dst = aEmpty ? *b : *a;
    return TRUE;
  }
  SetRect(dst, std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
          std::max(a->bottom, b->bottom));
  return TRUE;
}

BOOL SubtractRect(LPRECT dst, const RECT* a, const RECT* b) {
  if (!dst || !a || !b) return FALSE;
  if (IsRectEmpty(a)) {
    SetRectEmpty(dst);
    return FALSE;
  }
  RECT result = *a;
  RECT overlap;
  if (IntersectRect(&overlap, a, b)) {
    const bool fullHeight = overlap.top == a->top && overlap.bottom == a->bottom;
    const bool fullWidth = overlap.left == a->left && overlap.right == a->right;
    if (fullHeight && fullWidth) {
      SetRectEmpty(dst);
      return FALSE;
    }
    // Only an overlap that takes a whole side off leaves a rectangle.
    if (fullHeight && overlap.left == a->left) result.left = overlap.right;
    else if (fullHeight && overlap.right == a->right) result.right = overlap.left;
    else if (fullWidth && overlap.top == a->top) result.top = overlap.bottom;
    else if (fullWidth && overlap.bottom == a->bottom) result.bottom = overlap.top;
  }
  *dst = result;
  return TRUE;
}

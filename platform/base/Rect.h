#pragma once
// Rectangle calls with the Windows rules: a rectangle whose right is not beyond its left,
// or whose bottom is not below its top, is empty; right and bottom are exclusive.
#include "platform/base/WinTypes.h"

BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom);
BOOL SetRectEmpty(LPRECT rect);
BOOL CopyRect(LPRECT dst, const RECT* src);
BOOL IsRectEmpty(const RECT* rect);
BOOL EqualRect(const RECT* a, const RECT* b);
BOOL PtInRect(const RECT* rect, POINT pt);
BOOL OffsetRect(LPRECT rect, int dx, int dy);
BOOL InflateRect(LPRECT rect, int dx, int dy);
// An empty intersection leaves dst all zero and answers FALSE.
BOOL IntersectRect(LPRECT dst, const RECT* a, const RECT* b);
// Empty rectangles take no part; FALSE when both are empty.
BOOL UnionRect(LPRECT dst, const RECT* a, const RECT* b);
// a less b, when what remains is a rectangle; otherwise a itself. FALSE when empty.
BOOL SubtractRect(LPRECT dst, const RECT* a, const RECT* b);

#pragma once
// Rectangles as values in tests: equal when their four sides are, and printed by
// GoogleTest as {left,top,right,bottom}, so a failed comparison shows both.
#include <ostream>

#include "platform/base/WinTypes.h"

inline bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline bool operator!=(const RECT& a, const RECT& b) { return !(a == b); }

inline void PrintTo(const RECT& rc, std::ostream* os) {
  *os << '{' << rc.left << ',' << rc.top << ',' << rc.right << ',' << rc.bottom << '}';
}

#pragma once
// The modal loop behind SC_MOVE and SC_SIZE: the window follows the pointer while
// the left button is held (Escape puts it back), with WM_ENTERSIZEMOVE first and
// WM_EXITSIZEMOVE last, sizes kept within WM_GETMINMAXINFO's tracking limits.
#include "platform/base/WinTypes.h"

namespace platform::user {

class SizeMoveLoop {
 public:
  // `edge` is 0 for a move, else a WMSZ_ value (1 left ... 8 bottom-right).
  static void Run(HWND hwnd, int edge);
};

}  // namespace platform::user

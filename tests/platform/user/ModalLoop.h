#pragma once
// The modal loop windows of the program run: the owner is disabled while the window
// lives, a posted WM_CLOSE gives the result, WM_QUIT ends the loop and is passed on.
#include "platform/win32.h"

namespace test {

int RunModal(HWND hwnd);

}  // namespace test

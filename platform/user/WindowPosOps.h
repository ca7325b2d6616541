#pragma once
// Positioning and show-state steps, run on the thread that owns the window. None may
// be called with the user lock held.
#include "platform/user/WindowPos.h"

namespace platform::user {

BOOL SetWindowPosOnOwner(HWND hwnd, HWND after, int x, int y, int cx, int cy, UINT flags);
BOOL ShowWindowOnOwner(HWND hwnd, int command);
// WM_SIZE with the client size and state, then WM_MOVE with the client origin.
void SendFirstSizeAndMove(HWND hwnd);
// WM_GETMINMAXINFO with the defaults for the monitor nearest the window.
MINMAXINFO QueryMinMaxInfo(HWND hwnd, RECT* monitorRect);

}  // namespace platform::user

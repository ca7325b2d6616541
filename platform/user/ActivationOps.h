#pragma once
// Activation and focus steps shared by the API calls, window positioning, input
// and destruction. None of them may be called with the user lock held.
#include "platform/base/WinTypes.h"

namespace platform::user {

// Makes the top-level window `hwnd` of the calling thread its active window and the
// foreground window, raising it; the previous active window (of this or another
// thread) is told. `how` is WA_ACTIVE or WA_CLICKACTIVE. `handedFrom` names the
// window that gave up activation for this one when the thread has no active window
// left to name.
void ActivateWindow(HWND hwnd, WORD how, HWND handedFrom = nullptr);
// After `gone`, the calling thread's active window, was hidden or minimised, or
// while it is being destroyed: deactivates it and takes the thread's focus away,
// then activates the program's next window (its owner first), on whichever thread
// owns that window. With none left, activation leaves the program.
void ActivateAfter(HWND gone);
// Runs on the thread of `lost`: its window lost the foreground to `gainer`, a window
// of another thread, or to another program when `gainer` is null.
void LoseForeground(HWND lost, HWND gainer);
// The thread-local focus change with its WM_KILLFOCUS/WM_SETFOCUS pair.
HWND SetFocusOnThisThread(HWND hwnd);
// Before a button-down message: WM_MOUSEACTIVATE and the activation it asks for.
// False when the click is to be eaten.
bool MouseActivate(HWND hwnd, int hit, UINT message);

}  // namespace platform::user

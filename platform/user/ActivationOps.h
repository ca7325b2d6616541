#pragma once
// Activation and focus steps shared by the API calls, window positioning, input
// and destruction. None of them may be called with the user lock held.
#include "platform/base/WinTypes.h"

namespace platform::user {

// Makes the top-level window `hwnd` of the calling thread its active window and the
// foreground window, raising it; the previous active window (of this or another
// thread) is told. `how` is WA_ACTIVE or WA_CLICKACTIVE.
void ActivateWindow(HWND hwnd, WORD how);
// After `gone` (the active window) was hidden or is being destroyed: activates its
// owner when it can take it, else another window of the thread, else nothing.
void ActivateAfter(HWND gone, HWND owner);
// The thread-local focus change with its WM_KILLFOCUS/WM_SETFOCUS pair.
HWND SetFocusOnThisThread(HWND hwnd);
// Before a button-down message: WM_MOUSEACTIVATE and the activation it asks for.
// False when the click is to be eaten.
bool MouseActivate(HWND hwnd, int hit, UINT message);

}  // namespace platform::user

#pragma once
// Keyboard focus and activation (per thread) and the foreground window (per process).
#include "platform/base/WinTypes.h"

// Only windows of the calling thread can take its focus; NULL takes the focus away.
HWND SetFocus(HWND hWnd);
HWND GetFocus();
HWND SetActiveWindow(HWND hWnd);
HWND GetActiveWindow();
BOOL SetForegroundWindow(HWND hWnd);
HWND GetForegroundWindow();

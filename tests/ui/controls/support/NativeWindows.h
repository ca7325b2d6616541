#pragma once
// The native windows a control lays over its window while it is edited: found by
// class among the window's children and the pop-ups it owns.
#include "platform/win32.h"

namespace controltest {

// The first such window, or null.
HWND FindNativeWindow(HWND host, LPCWSTR className);
// A native window's rectangle in the host's client coordinates.
RECT RectInHost(HWND host, HWND native);

}  // namespace controltest

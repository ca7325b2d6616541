#pragma once
// The task allocator: memory one side allocates and the other frees, as the shell's
// item lists are.
#include "platform/base/WinTypes.h"

// Null when `cb` cannot be had; a zero size still gives a block that can be freed.
LPVOID CoTaskMemAlloc(SIZE_T cb);
// Null is allowed and does nothing.
void CoTaskMemFree(LPVOID pv);

#pragma once
// Regions are pixman regions; the window layer keeps update regions, window shapes
// and hit-testing in them.
#include <pixman.h>

#include "platform/base/WinTypes.h"

namespace platform::gdi {

// The region behind a handle, or null for a handle that is not a live region.
// Valid until the region is changed or deleted.
const pixman_region32_t* RegionPixman(HRGN hrgn);

// A new region handle holding a copy of `region` (DeleteObject frees it).
HRGN RegionFromPixman(const pixman_region32_t* region);

// Replaces the contents of an existing region (GetWindowRgn fills the caller's region).
// False for a handle that is not a live region.
bool RegionAssign(HRGN hrgn, const pixman_region32_t* region);

}  // namespace platform::gdi

#pragma once
// Update-region steps shared with positioning and destruction. Lock held.
#include "platform/user/WindowObject.h"

namespace platform::user {

// The part of `w`'s client area that shows, in its client coordinates (`out` is
// initialised here); without the children's parts when `clipChildren` and the window
// clips them.
void VisibleRegion(const WindowObject* w, bool clipChildren, pixman_region32_t* out);
// The whole client area of `w` and of its shown descendants becomes invalid.
void InvalidateWindowTree(WindowObject* w, bool erase);
// The part of `parent`'s client area a child uncovered (parent client coordinates).
void InvalidateParentArea(WindowObject* parent, const RECT& area);
// Top-level windows below `w` that overlap `area` (screen coordinates) repaint there.
void InvalidateUncovered(WindowObject* w, const RECT& area);
// Keeps a top-level window's image the size of the window.
void ResizeTopLevelImage(WindowObject* root);
// The part of `w`'s client area that shows, in its client coordinates (`out` is
// initialised here).
void VisibleRegion(const WindowObject* w, bool clipChildren, pixman_region32_t* out);
// Releases what painting kept for a window that goes away.
void ForgetWindowImage(WindowObject* w);

}  // namespace platform::user

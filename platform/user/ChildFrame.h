#pragma once
// Frames into a child window from another thread, as a video player paints its window
// on Windows: the layer keeps the latest frame of each window, draws it over the
// window's own painting, scaled to its client area, whenever the top-level window is
// presented, and has the top-level window presented again itself. Any thread may call.
#include "platform/base/WinTypes.h"

namespace platform {

// `pixels` holds `height` rows of `stride` bytes, B, G, R and an ignored byte per
// pixel, top-down; the layer copies them. FALSE for a window that is gone or a
// picture that does not add up.
BOOL PresentFrame(HWND hwnd, const void* pixels, int width, int height, int stride);
// The window shows its own painting again. FALSE for a window that is gone.
BOOL ClearFrame(HWND hwnd);

}  // namespace platform

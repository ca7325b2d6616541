#pragma once
// Draws the system caret of windows that are not layered: while a top-level window's
// picture is handed to the backend (which keeps a copy), the carets lying in it are
// inverted, and put back after, so the picture stays as painted; a visible caret
// blinks at the caret blink time on the one clock. A layered window's picture is its
// program's own, so its caret is the program's to draw. All under the user lock.
#include <cairo.h>

#include <cstdint>
#include <vector>

#include "platform/base/WinTypes.h"
#include "platform/user/ThreadQueue.h"
#include "platform/user/WindowObject.h"

namespace platform::user {

class CaretPainter {
 public:
  // The caret of `queue` changed (made, moved, shown, hidden or destroyed): it shows
  // at once and starts blinking from now. `before` is where it lay, to wipe it there.
  static void Changed(ThreadQueue& queue, WindowObject* before);
  // When the caret of `queue` next blinks; UINT64_MAX when it does not.
  static uint64_t NextBlink(const ThreadQueue& queue);
  // Blinks the caret when that is due; true when it did.
  static bool Blink(ThreadQueue& queue);
  // Inverts the carets lying in `root`'s picture; returns the rectangles inverted,
  // which a second call of Invert with them puts back.
  static std::vector<RECT> Overlay(WindowObject* root, cairo_surface_t* image);
  static void Invert(cairo_surface_t* image, const std::vector<RECT>& rects);

 private:
  // The caret's window when the caret shows on the screen now.
  static WindowObject* ShownIn(const CaretState& caret);
  static void Present(WindowObject* w);
};

}  // namespace platform::user

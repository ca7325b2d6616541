#pragma once
// Where an input method should show its composition: a backend with a real input
// method follows the spot the program sets with ImmSetCompositionWindow. Reached by
// a dynamic_cast of the active backend; backends without one ignore the spot.
#include "platform/base/WinTypes.h"

namespace platform::backend {

class InputMethodSpot {
 public:
  virtual ~InputMethodSpot() = default;
  // `window` is the window being typed into; `screen` the spot in screen coordinates.
  virtual void SetCompositionSpot(HWND window, POINT screen) = 0;
};

}  // namespace platform::backend

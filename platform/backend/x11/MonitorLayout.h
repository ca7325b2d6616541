#pragma once
// Turns what the display reports (RandR outputs, the window manager's work area,
// the root size) into the layer's monitor list.
#include <string>
#include <vector>

#include "platform/backend/BackendTypes.h"

namespace platform::x11 {

struct ScreenOutput {
  RECT bounds{};
  bool primary = false;
  std::wstring name;
};

class MonitorLayout {
 public:
  // `workArea` is the window manager's _NET_WORKAREA for the current desktop, or
  // null without one. Without outputs the whole root is one monitor. Exactly one
  // monitor is primary (the first when the display names none), and it comes first.
  static std::vector<backend::MonitorDesc> Build(const std::vector<ScreenOutput>& outputs, const RECT* workArea,
                                                 int rootWidth, int rootHeight);
};

}  // namespace platform::x11

#include "platform/backend/x11/MonitorLayout.h"

#include <algorithm>

namespace platform::x11 {
namespace {

bool Empty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

// A monitor's work area is the part of the desktop's work area that lies on it; a
// work area that misses the monitor altogether leaves it whole.
RECT WorkOf(const RECT& bounds, const RECT* workArea) {
  if (!workArea || Empty(*workArea)) return bounds;
  const RECT cut{std::max(bounds.left, workArea->left), std::max(bounds.top, workArea->top),
                 std::min(bounds.right, workArea->right), std::min(bounds.bottom, workArea->bottom)};
  return Empty(cut) ? bounds : cut;
}

}  // namespace

std::vector<backend::MonitorDesc> MonitorLayout::Build(const std::vector<ScreenOutput>& outputs, const RECT* workArea,
                                                       int rootWidth, int rootHeight) {
  std::vector<ScreenOutput> usable;
  for (const ScreenOutput& output : outputs) {
    if (!Empty(output.bounds)) usable.push_back(output);
  }
  if (usable.empty()) {
    ScreenOutput whole;
    whole.bounds = RECT{0, 0, std::max(rootWidth, 1), std::max(rootHeight, 1)};
    whole.name = L"X11-0";
    usable.push_back(whole);
  }
  auto primary = std::find_if(usable.begin(), usable.end(), [](const ScreenOutput& o) { return o.primary; });
  if (primary == usable.end()) primary = usable.begin();
  std::rotate(usable.begin(), primary, primary + 1);
  std::vector<backend::MonitorDesc> monitors;
  for (size_t i = 0; i < usable.size(); ++i) {
    backend::MonitorDesc desc;
    desc.bounds = usable[i].bounds;
    desc.work = WorkOf(usable[i].bounds, workArea);
    desc.primary = i == 0;
    desc.name = usable[i].name;
    monitors.push_back(desc);
  }
  return monitors;
}

}  // namespace platform::x11

#pragma once
// Top-level windows as another program on the X display sees them: by the title they
// export (_NET_WM_NAME), and only while they are shown.
#include <optional>
#include <string>
#include <vector>

#include "platform/backend/x11/XHeaders.h"
#include "platform/base/WinTypes.h"

namespace screenshot {

class TitledWindow {
 public:
  // The area on the root of the first viewable window titled `title` (UTF-8); none while
  // no such window is shown. Looks below the root's children too, where a window manager
  // puts the window inside its frame.
  static std::optional<RECT> Find(Display* display, const std::string& title);
  // The titles of the viewable windows, to tell what was shown instead.
  static std::vector<std::string> ShownTitles(Display* display);
};

}  // namespace screenshot

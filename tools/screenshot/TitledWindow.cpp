#include "tools/screenshot/TitledWindow.h"

#include <X11/Xatom.h>

#include <functional>

#include "platform/backend/x11/ErrorTrap.h"

namespace screenshot {
namespace {

// The root's children and theirs: a window manager's frame holds the window one level down.
const int kDepth = 2;

std::string Title(Display* display, Window window) {
  const Atom name = XInternAtom(display, "_NET_WM_NAME", False);
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, window, name, 0, 1024, False, utf8, &type, &format, &count, &after, &data) !=
      Success) {
    return std::string();
  }
  std::string title;
  if (data != nullptr && type == utf8 && format == 8) title.assign(reinterpret_cast<const char*>(data), count);
  if (data != nullptr) XFree(data);
  return title;
}

bool Viewable(Display* display, Window window, XWindowAttributes& attributes) {
  return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

// Calls `visit` for each viewable window below `parent`, down to `depth` levels, until it
// returns true; true when one did.
bool VisitShown(Display* display, Window parent, int depth,
                const std::function<bool(Window, const XWindowAttributes&)>& visit) {
  Window root = None;
  Window parentOfParent = None;
  Window* children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, parent, &root, &parentOfParent, &children, &count)) return false;
  bool found = false;
  for (unsigned int i = 0; i < count && !found; ++i) {
    XWindowAttributes attributes{};
    // A window that went away between the listing and the question is simply not shown.
    if (!Viewable(display, children[i], attributes)) continue;
    found = visit(children[i], attributes) ||
            (depth > 1 && VisitShown(display, children[i], depth - 1, visit));
  }
  if (children != nullptr) XFree(children);
  return found;
}

}  // namespace

std::optional<RECT> TitledWindow::Find(Display* display, const std::string& title) {
  platform::x11::ErrorTrap trap(display);
  const Window root = DefaultRootWindow(display);
  std::optional<RECT> area;
  VisitShown(display, root, kDepth, [&](Window window, const XWindowAttributes& attributes) {
    if (Title(display, window) != title) return false;
    int x = 0;
    int y = 0;
    Window child = None;
    if (!XTranslateCoordinates(display, window, root, 0, 0, &x, &y, &child)) return false;
    area = RECT{x, y, x + attributes.width, y + attributes.height};
    return true;
  });
  return area;
}

std::vector<std::string> TitledWindow::ShownTitles(Display* display) {
  platform::x11::ErrorTrap trap(display);
  std::vector<std::string> titles;
  VisitShown(display, DefaultRootWindow(display), kDepth, [&](Window window, const XWindowAttributes&) {
    std::string title = Title(display, window);
    if (!title.empty()) titles.push_back(std::move(title));
    return false;
  });
  return titles;
}

}  // namespace screenshot

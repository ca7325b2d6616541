#include "platform/backend/x11/XConnection.h"

#include <X11/Xutil.h>
#include <X11/XKBlib.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/Xrandr.h>
#include <X11/extensions/shape.h>

#include <cstdlib>

#include "platform/backend/x11/ErrorTrap.h"

namespace platform::x11 {

XConnection* XConnection::Open(std::string* error) {
  // The screenshot helper opens connections of its own on other threads.
  XInitThreads();
  ErrorTrap::InstallHandler();
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    const char* name = std::getenv("DISPLAY");
    if (error) *error = std::string("cannot open the X display \"") + (name ? name : "") + "\"";
    return nullptr;
  }
  XConnection* c = new XConnection;
  c->display_ = display;
  c->screen_ = DefaultScreen(display);
  c->root_ = RootWindow(display, c->screen_);
  c->atoms_.Intern(display);
  XVisualInfo info;
  if (XMatchVisualInfo(display, c->screen_, 32, TrueColor, &info)) {
    c->visual_ = info.visual;
    c->depth_ = 32;
  } else {
    c->visual_ = DefaultVisual(display, c->screen_);
    c->depth_ = DefaultDepth(display, c->screen_);
  }
  c->colormap_ = XCreateColormap(display, c->root_, c->visual_, AllocNone);
  c->hasShm_ = XShmQueryExtension(display);
  int eventBase = 0, errorBase = 0;
  c->hasShape_ = XShapeQueryExtension(display, &eventBase, &errorBase);
  c->hasRandr_ = XRRQueryExtension(display, &c->randrEventBase_, &errorBase);
  int major = XkbMajorVersion, minor = XkbMinorVersion;
  if (XkbQueryExtension(display, nullptr, nullptr, nullptr, &major, &minor)) {
    // Held keys repeat as presses only, so a repeat is not taken for a release.
    XkbSetDetectableAutoRepeat(display, True, nullptr);
  }
  return c;
}

XConnection::~XConnection() {
  if (!display_) return;
  XFreeColormap(display_, colormap_);
  XCloseDisplay(display_);
}

}  // namespace platform::x11

#include "tests/platform/x11/ClipboardClient.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <climits>

namespace x11test {
namespace {

Atom Intern(Display* display, const char* name) { return XInternAtom(display, name, False); }

}  // namespace

ClipboardClient::ClipboardClient() {
  display_ = XOpenDisplay(nullptr);
  if (!display_) return;
  window_ = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 1, 1, 0, 0, 0);
}

ClipboardClient::~ClipboardClient() {
  stop_ = true;
  if (server_.joinable()) server_.join();
  if (display_) XCloseDisplay(display_);
}

std::string ClipboardClient::Read(int limitMs) {
  const Atom clipboard = Intern(display_, "CLIPBOARD");
  const Atom utf8 = Intern(display_, "UTF8_STRING");
  const Atom property = Intern(display_, "TEST_CLIPBOARD");
  XConvertSelection(display_, clipboard, utf8, property, Window(window_), CurrentTime);
  XFlush(display_);
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
  while (std::chrono::steady_clock::now() < end) {
    XEvent event;
    if (!XCheckTypedWindowEvent(display_, Window(window_), SelectionNotify, &event)) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
      continue;
    }
    if (event.xselection.property == None) return std::string();
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string text;
    if (XGetWindowProperty(display_, Window(window_), property, 0, LONG_MAX / 4, True, AnyPropertyType, &type,
                           &format, &count, &after, &data) == Success && data && format == 8) {
      text.assign(reinterpret_cast<const char*>(data), count);
    }
    if (data) XFree(data);
    return text;
  }
  return std::string();
}

bool ClipboardClient::Own(const std::string& utf8) {
  text_ = utf8;
  const Atom clipboard = Intern(display_, "CLIPBOARD");
  XSetSelectionOwner(display_, clipboard, Window(window_), CurrentTime);
  XSync(display_, False);
  if (XGetSelectionOwner(display_, clipboard) != Window(window_)) return false;
  server_ = std::thread([this] { Serve(); });
  return true;
}

void ClipboardClient::Serve() {
  const Atom utf8 = Intern(display_, "UTF8_STRING");
  while (!stop_) {
    XEvent event;
    if (!XCheckTypedEvent(display_, SelectionRequest, &event)) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
      continue;
    }
    const XSelectionRequestEvent& request = event.xselectionrequest;
    XSelectionEvent reply{};
    reply.type = SelectionNotify;
    reply.requestor = request.requestor;
    reply.selection = request.selection;
    reply.target = request.target;
    reply.time = request.time;
    reply.property = None;
    if (request.target == utf8) {
      XChangeProperty(display_, request.requestor, request.property, utf8, 8, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(text_.data()), int(text_.size()));
      reply.property = request.property;
    }
    XEvent answer{};
    answer.xselection = reply;
    XSendEvent(display_, request.requestor, False, NoEventMask, &answer);
    XFlush(display_);
  }
}

}  // namespace x11test

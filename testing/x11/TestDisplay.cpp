#include "testing/x11/TestDisplay.h"

#include "platform/backend/x11/X11Backend.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/backend/x11/ErrorTrap.h"
#include "testing/x11/ScreenCapture.h"

namespace x11test {

using platform::x11::ScreenCapture;
using platform::x11::X11Backend;

TestDisplay::TestDisplay() { display_ = XOpenDisplay(nullptr); }

TestDisplay::~TestDisplay() {
  if (display_) XCloseDisplay(display_);
}

bool TestDisplay::FlushBackend() {
  X11Backend* backend = X11Backend::Instance();
  return backend && backend->Flush();
}

unsigned long TestDisplay::NativeWindow(HWND hwnd) {
  X11Backend* backend = X11Backend::Instance();
  if (!backend) return 0;
  unsigned long window = 0;
  WaitUntil([&] { return (window = backend->NativeWindow(hwnd)) != 0; });
  return window;
}

bool TestDisplay::WaitUntil(const std::function<bool()>& condition, int limitMs) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

void TestDisplay::Sync() { XSync(display_, False); }

uint32_t TestDisplay::ScreenPixel(int x, int y) {
  cairo_surface_t* image = ScreenCapture::Grab(RECT{x, y, x + 1, y + 1});
  const uint32_t pixel = ScreenCapture::PixelAt(image, 0, 0);
  if (image) cairo_surface_destroy(image);
  return pixel;
}

bool TestDisplay::WaitForPixel(int x, int y, uint32_t rgb, int tolerance, int limitMs) {
  auto close = [tolerance](uint32_t a, uint32_t b) {
    for (int shift = 0; shift <= 16; shift += 8) {
      const int d = int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF);
      if (d > tolerance || d < -tolerance) return false;
    }
    return true;
  };
  return WaitUntil([&] { return close(ScreenPixel(x, y), rgb); }, limitMs);
}

void TestDisplay::SaveScreen(const std::string& name) {
  cairo_surface_t* image = ScreenCapture::GrabScreen();
  // The runs with and without a window manager or compositor share the folder and
  // run side by side: each names its pictures after its mode.
  const char* folder = std::getenv("X11_SMOKE_OUTPUT");
  const char* mode = std::getenv("X11_SMOKE_MODE");
  const std::string prefix = mode ? std::string(mode) + "-" : std::string();
  ScreenCapture::SavePng(image, std::string(folder ? folder : ".") + "/" + prefix + name + ".png");
  if (image) cairo_surface_destroy(image);
}

void TestDisplay::MovePointer(int x, int y) {
  XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
  Sync();
}

void TestDisplay::Button(int button, bool down) {
  XTestFakeButtonEvent(display_, unsigned(button), down ? True : False, CurrentTime);
  Sync();
}

void TestDisplay::Click(int x, int y) {
  MovePointer(x, y);
  Button(1, true);
  Button(1, false);
}

void TestDisplay::Key(unsigned long keysym, bool down) {
  XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, keysym), down ? True : False, CurrentTime);
  Sync();
}

void TestDisplay::Chord(const std::vector<unsigned long>& keysyms) {
  for (unsigned long keysym : keysyms) {
    XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, keysym), True, CurrentTime);
  }
  for (auto it = keysyms.rbegin(); it != keysyms.rend(); ++it) {
    XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, *it), False, CurrentTime);
  }
  Sync();
}

unsigned long TestDisplay::Cover(const RECT& area) {
  const int screen = DefaultScreen(display_);
  const Window cover = XCreateSimpleWindow(display_, DefaultRootWindow(display_), area.left, area.top,
                                           unsigned(area.right - area.left), unsigned(area.bottom - area.top), 0,
                                           BlackPixel(display_, screen), WhitePixel(display_, screen));
  XSetWindowAttributes attributes{};
  attributes.override_redirect = True;
  XChangeWindowAttributes(display_, cover, CWOverrideRedirect, &attributes);
  XMapRaised(display_, cover);
  Sync();
  return cover;
}

void TestDisplay::Uncover(unsigned long cover) {
  XDestroyWindow(display_, cover);
  Sync();
}

bool TestDisplay::Ping(unsigned long window, int limitMs) {
  const Window root = DefaultRootWindow(display_);
  const Atom protocols = XInternAtom(display_, "WM_PROTOCOLS", False);
  const Atom ping = XInternAtom(display_, "_NET_WM_PING", False);
  XSelectInput(display_, root, SubstructureNotifyMask);
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = protocols;
  event.xclient.format = 32;
  event.xclient.data.l[0] = long(ping);
  event.xclient.data.l[1] = 4242;  // the time stamp the answer must carry back
  event.xclient.data.l[2] = long(window);
  XSendEvent(display_, window, False, NoEventMask, &event);
  Sync();
  const bool answered = WaitUntil([&] {
    XEvent reply;
    while (XCheckTypedWindowEvent(display_, root, ClientMessage, &reply)) {
      if (reply.xclient.message_type == protocols && Atom(reply.xclient.data.l[0]) == ping &&
          reply.xclient.data.l[1] == 4242 && Window(reply.xclient.data.l[2]) == window) {
        return true;
      }
    }
    return false;
  }, limitMs);
  XSelectInput(display_, root, NoEventMask);
  return answered;
}

unsigned long TestDisplay::CurrentFocus() {
  Window focus = 0;
  int revert = 0;
  XGetInputFocus(display_, &focus, &revert);
  return focus;
}

bool TestDisplay::WaitForFocus(unsigned long window, int limitMs) {
  return WaitUntil([&] { return CurrentFocus() == window; }, limitMs);
}

bool TestDisplay::OverrideRedirect(unsigned long window) {
  XWindowAttributes attributes{};
  XGetWindowAttributes(display_, window, &attributes);
  return attributes.override_redirect != 0;
}

bool TestDisplay::Viewable(unsigned long window) {
  XWindowAttributes attributes{};
  platform::x11::ErrorTrap trap(display_);  // a destroyed window is simply not viewable
  if (!XGetWindowAttributes(display_, window, &attributes) || !trap.Clean()) return false;
  return attributes.map_state == IsViewable;
}

unsigned long TestDisplay::TopLevelOf(unsigned long window) {
  const Window root = DefaultRootWindow(display_);
  Window current = window;
  for (;;) {
    Window rootReturn = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display_, current, &rootReturn, &parent, &children, &count)) return 0;
    if (children) XFree(children);
    if (parent == root || parent == 0) return current;
    current = parent;
  }
}

std::vector<unsigned long> TestDisplay::StackingOrder() {
  Window rootReturn = 0, parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  std::vector<unsigned long> order;
  if (!XQueryTree(display_, DefaultRootWindow(display_), &rootReturn, &parent, &children, &count)) return order;
  order.assign(children, children + count);
  if (children) XFree(children);
  return order;
}

POINT TestDisplay::RootPosition(unsigned long window) {
  int x = 0, y = 0;
  Window child = 0;
  XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
  return POINT{x, y};
}

std::vector<long> TestDisplay::CardinalProperty(unsigned long window, const char* name) {
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, remaining = 0;
  unsigned char* data = nullptr;
  std::vector<long> values;
  if (XGetWindowProperty(display_, window, XInternAtom(display_, name, False), 0, 64, False, XA_CARDINAL, &type,
                         &format, &count, &remaining, &data) == Success &&
      data && format == 32) {
    const long* items = reinterpret_cast<const long*>(data);
    values.assign(items, items + count);
  }
  if (data) XFree(data);
  return values;
}

bool TestDisplay::WindowManagerRunning() {
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, remaining = 0;
  unsigned char* data = nullptr;
  bool running = false;
  if (XGetWindowProperty(display_, DefaultRootWindow(display_), XInternAtom(display_, "_NET_SUPPORTING_WM_CHECK", False),
                         0, 1, False, XA_WINDOW, &type, &format, &count, &remaining, &data) == Success) {
    running = data && count == 1;
  }
  if (data) XFree(data);
  return running;
}

bool TestDisplay::CompositorRunning() {
  return XGetSelectionOwner(display_, XInternAtom(display_, "_NET_WM_CM_S0", False)) != 0;
}

}  // namespace x11test

#include "tests/platform/x11/KeyboardMapping.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace x11test {

KeyboardMapping::KeyboardMapping() : display_(XOpenDisplay(nullptr)) {}

KeyboardMapping::~KeyboardMapping() {
  if (display_ == nullptr) return;
  for (const auto& key : saved_) Change(key.first, key.second);
  XCloseDisplay(display_);
}

unsigned KeyboardMapping::CodeOf(unsigned long keysym) { return XKeysymToKeycode(display_, KeySym(keysym)); }

void KeyboardMapping::Map(unsigned code, unsigned long lower, unsigned long upper) {
  int perCode = 0;
  KeySym* old = XGetKeyboardMapping(display_, KeyCode(code), 1, &perCode);
  if (old == nullptr || perCode < 1) return;
  if (saved_.count(code) == 0) saved_[code] = std::vector<unsigned long>(old, old + perCode);
  XFree(old);
  std::vector<unsigned long> now(size_t(perCode), NoSymbol);
  now[0] = lower;
  if (perCode > 1) now[1] = upper;
  Change(code, now);
}

void KeyboardMapping::Press(unsigned code) {
  XTestFakeKeyEvent(display_, code, True, CurrentTime);
  XTestFakeKeyEvent(display_, code, False, CurrentTime);
  XSync(display_, False);
}

void KeyboardMapping::Change(unsigned code, std::vector<unsigned long> keysyms) {
  std::vector<KeySym> symbols(keysyms.begin(), keysyms.end());
  XChangeKeyboardMapping(display_, int(code), int(symbols.size()), symbols.data(), 1);
  XSync(display_, False);
}

}  // namespace x11test

#include "platform/backend/x11/XInputMethod.h"

#include <X11/Xutil.h>

#include <vector>

namespace platform::x11 {
namespace {

const unsigned long kOverTheSpot = XIMPreeditPosition | XIMStatusNothing;
const unsigned long kRootWindow = XIMPreeditNothing | XIMStatusNothing;

bool Supports(XIM im, unsigned long wanted) {
  XIMStyles* styles = nullptr;
  if (XGetIMValues(im, XNQueryInputStyle, &styles, nullptr) != nullptr || !styles) return false;
  bool found = false;
  for (unsigned short i = 0; i < styles->count_styles; ++i) {
    if (styles->supported_styles[i] == wanted) found = true;
  }
  XFree(styles);
  return found;
}

}  // namespace

XInputMethod::XInputMethod(XConnection& connection) : connection_(connection) {
  if (!XSupportsLocale()) return;
  XSetLocaleModifiers("");  // takes XMODIFIERS (@im=...) from the environment
  im_ = XOpenIM(connection_.display(), nullptr, nullptr, nullptr);
  if (!im_) return;
  if (Supports(im_, kOverTheSpot)) {
    char** missing = nullptr;
    int missingCount = 0;
    char* defaultText = nullptr;
    fontSet_ = XCreateFontSet(connection_.display(), "-*-*-medium-r-normal--14-*-*-*-*-*-*-*,fixed", &missing,
                              &missingCount, &defaultText);
    if (missing) XFreeStringList(missing);
    if (fontSet_) style_ = kOverTheSpot;
  }
  if (!style_ && Supports(im_, kRootWindow)) style_ = kRootWindow;
  if (!style_) {
    XCloseIM(im_);
    im_ = nullptr;
  }
}

XInputMethod::~XInputMethod() {
  for (auto& entry : contexts_) XDestroyIC(entry.second);
  if (fontSet_) XFreeFontSet(connection_.display(), fontSet_);
  if (im_) XCloseIM(im_);
}

long XInputMethod::Attach(Window window) {
  if (!im_ || contexts_.count(window)) return 0;
  XIC ic = nullptr;
  if (style_ == kOverTheSpot) {
    XPoint spot{0, 0};
    XVaNestedList preedit = XVaCreateNestedList(0, XNSpotLocation, &spot, XNFontSet, fontSet_, nullptr);
    ic = XCreateIC(im_, XNInputStyle, style_, XNClientWindow, window, XNFocusWindow, window, XNPreeditAttributes,
                   preedit, nullptr);
    XFree(preedit);
  } else {
    ic = XCreateIC(im_, XNInputStyle, style_, XNClientWindow, window, XNFocusWindow, window, nullptr);
  }
  if (!ic) return 0;
  contexts_[window] = ic;
  long events = 0;
  XGetICValues(ic, XNFilterEvents, &events, nullptr);
  return events;
}

void XInputMethod::Detach(Window window) {
  auto it = contexts_.find(window);
  if (it == contexts_.end()) return;
  XDestroyIC(it->second);
  contexts_.erase(it);
}

XIC XInputMethod::ContextOf(Window window) const {
  auto it = contexts_.find(window);
  return it == contexts_.end() ? nullptr : it->second;
}

void XInputMethod::Focus(Window window) {
  if (XIC ic = ContextOf(window)) XSetICFocus(ic);
}

void XInputMethod::Unfocus(Window window) {
  if (XIC ic = ContextOf(window)) XUnsetICFocus(ic);
}

void XInputMethod::SetSpot(Window window, int x, int y) {
  XIC ic = ContextOf(window);
  if (!ic || style_ != kOverTheSpot) return;
  XPoint spot{short(x), short(y)};
  XVaNestedList preedit = XVaCreateNestedList(0, XNSpotLocation, &spot, nullptr);
  XSetICValues(ic, XNPreeditAttributes, preedit, nullptr);
  XFree(preedit);
}

bool XInputMethod::LookupCommit(XKeyEvent* event, std::string* utf8) {
  XIC ic = ContextOf(event->window);
  if (!ic || event->type != KeyPress) return false;
  std::vector<char> buffer(64);
  KeySym keysym = 0;
  Status status = 0;
  int length = Xutf8LookupString(ic, event, buffer.data(), int(buffer.size()), &keysym, &status);
  if (status == XBufferOverflow) {
    buffer.resize(size_t(length) + 1);
    length = Xutf8LookupString(ic, event, buffer.data(), int(buffer.size()), &keysym, &status);
  }
  // An input method hands over its text as a key press without a key (keycode 0) or
  // as characters without a key symbol.
  const bool commit = status == XLookupChars || (status == XLookupBoth && event->keycode == 0);
  if (!commit || length <= 0) return false;
  utf8->assign(buffer.data(), size_t(length));
  return true;
}

}  // namespace platform::x11

#pragma once
// The X input method: one input context per window that can take the focus, the
// composition spot the program sets, and telling a committed text from a typed key.
// X thread only.
#include "platform/backend/x11/XHeaders.h"

#include <map>
#include <string>

#include "platform/backend/x11/XConnection.h"

namespace platform::x11 {

class XInputMethod {
 public:
  explicit XInputMethod(XConnection& connection);
  ~XInputMethod();
  XInputMethod(const XInputMethod&) = delete;
  XInputMethod& operator=(const XInputMethod&) = delete;

  bool available() const { return im_ != nullptr; }
  // Gives `window` an input context; returns the events the input method wants to see.
  long Attach(Window window);
  void Detach(Window window);
  void Focus(Window window);
  void Unfocus(Window window);
  // The spot in the window's coordinates.
  void SetSpot(Window window, int x, int y);
  // True when the key press carries text the input method committed (not a key the
  // user typed); `utf8` then holds it.
  bool LookupCommit(XKeyEvent* event, std::string* utf8);

 private:
  XIC ContextOf(Window window) const;

  XConnection& connection_;
  XIM im_ = nullptr;
  unsigned long style_ = 0;
  XFontSet fontSet_ = nullptr;
  std::map<Window, XIC> contexts_;
};

}  // namespace platform::x11

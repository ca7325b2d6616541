#pragma once
// The CLIPBOARD selection: the program's clipboard text offered to other programs as
// UTF8_STRING from a window of our own, and another owner's text asked for. The X
// thread never waits for another program: a question is sent, and its answer comes
// back as an event. X thread only.
#include "platform/backend/x11/XHeaders.h"

#include <functional>
#include <string>

#include "platform/backend/x11/XConnection.h"

namespace platform::x11 {

class XClipboard {
 public:
  // `foreign` is false when the program holds the clipboard itself; `utf8` is the
  // other owner's text, empty when it has none or gave none.
  typedef std::function<void(bool foreign, const std::string& utf8)> ReadDone;

  explicit XClipboard(XConnection& connection);
  ~XClipboard();
  XClipboard(const XClipboard&) = delete;
  XClipboard& operator=(const XClipboard&) = delete;

  void Offer(const std::string& utf8);
  // `done` runs on the X thread, at once or when the owner answers; a later read
  // answers an earlier one still waiting with nothing.
  void Read(ReadDone done);
  // Selection events; true when the event was the clipboard's.
  bool Handle(const XEvent& event);

 private:
  void Answer(const XSelectionRequestEvent& request);
  void Received(const XSelectionEvent& notice);
  void Finish(bool foreign, const std::string& utf8);

  XConnection& connection_;
  Display* display_;
  Window window_ = 0;
  Atom clipboard_ = 0;
  Atom targets_ = 0;
  Atom incr_ = 0;
  Atom property_ = 0;
  std::string text_;
  ReadDone pending_;
};

}  // namespace platform::x11

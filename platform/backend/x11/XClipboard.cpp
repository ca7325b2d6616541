#include "platform/backend/x11/XClipboard.h"

#include <X11/Xatom.h>

#include <climits>

#include "platform/backend/x11/ErrorTrap.h"

namespace platform::x11 {

XClipboard::XClipboard(XConnection& connection) : connection_(connection), display_(connection.display()) {
  XSetWindowAttributes attributes{};
  window_ = XCreateWindow(display_, connection_.root(), -10, -10, 1, 1, 0, 0, InputOnly, CopyFromParent, 0,
                          &attributes);
  char* names[] = {const_cast<char*>("CLIPBOARD"), const_cast<char*>("TARGETS"), const_cast<char*>("INCR"),
                   const_cast<char*>("PLATFORM_CLIPBOARD_TEXT")};
  Atom atoms[4] = {};
  XInternAtoms(display_, names, 4, False, atoms);
  clipboard_ = atoms[0];
  targets_ = atoms[1];
  incr_ = atoms[2];
  property_ = atoms[3];
}

XClipboard::~XClipboard() {
  Finish(true, std::string());
  if (window_) XDestroyWindow(display_, window_);
}

void XClipboard::Offer(const std::string& utf8) {
  text_ = utf8;
  XSetSelectionOwner(display_, clipboard_, window_, CurrentTime);
  XFlush(display_);
}

void XClipboard::Read(ReadDone done) {
  const Window owner = XGetSelectionOwner(display_, clipboard_);
  if (owner == window_) {
    done(false, std::string());
    return;
  }
  if (owner == None) {
    done(true, std::string());
    return;
  }
  Finish(true, std::string());
  pending_ = std::move(done);
  XDeleteProperty(display_, window_, property_);
  XConvertSelection(display_, clipboard_, connection_.atoms().UTF8_STRING, property_, window_, CurrentTime);
  XFlush(display_);
}

bool XClipboard::Handle(const XEvent& event) {
  switch (event.type) {
    case SelectionRequest:
      if (event.xselectionrequest.owner != window_) return false;
      Answer(event.xselectionrequest);
      return true;
    case SelectionClear:
      if (event.xselectionclear.window != window_) return false;
      text_.clear();  // another program took the clipboard
      return true;
    case SelectionNotify:
      if (event.xselection.requestor != window_) return false;
      Received(event.xselection);
      return true;
    default: return false;
  }
}

void XClipboard::Answer(const XSelectionRequestEvent& request) {
  XSelectionEvent reply{};
  reply.type = SelectionNotify;
  reply.display = display_;
  reply.requestor = request.requestor;
  reply.selection = request.selection;
  reply.target = request.target;
  reply.time = request.time;
  reply.property = None;
  // Clients of the oldest conventions name no property: the target stands for it.
  const Atom property = request.property != None ? request.property : request.target;
  const Atom utf8 = connection_.atoms().UTF8_STRING;
  // What fits in one request is given whole; the text is never larger in practice.
  const size_t most = size_t(XMaxRequestSize(display_)) * 4 - 256;
  ErrorTrap trap(display_);  // the asking window may be gone already
  if (request.selection == clipboard_ && request.target == targets_) {
    const Atom offered[] = {targets_, utf8};
    XChangeProperty(display_, request.requestor, property, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(offered), 2);
    reply.property = property;
  } else if (request.selection == clipboard_ && request.target == utf8 && text_.size() <= most) {
    XChangeProperty(display_, request.requestor, property, utf8, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(text_.data()), int(text_.size()));
    reply.property = property;
  }
  XEvent event{};
  event.xselection = reply;
  XSendEvent(display_, request.requestor, False, NoEventMask, &event);
  trap.Clean();
}

void XClipboard::Received(const XSelectionEvent& notice) {
  if (notice.property == None) {
    Finish(true, std::string());
    return;
  }
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::string text;
  if (XGetWindowProperty(display_, window_, property_, 0, LONG_MAX / 4, True, AnyPropertyType, &type, &format,
                         &count, &after, &data) == Success &&
      data && format == 8 && type != incr_) {
    text.assign(reinterpret_cast<const char*>(data), count);
  }
  if (data) XFree(data);
  Finish(true, text);
}

void XClipboard::Finish(bool foreign, const std::string& utf8) {
  if (!pending_) return;
  ReadDone done = std::move(pending_);
  pending_ = nullptr;
  done(foreign, utf8);
}

}  // namespace platform::x11

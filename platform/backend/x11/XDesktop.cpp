#include "platform/backend/x11/XDesktop.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/cursorfont.h>
#include <X11/extensions/Xrandr.h>
#include <unistd.h>

#include <algorithm>

#include "platform/backend/ForeignWindows.h"
#include "platform/backend/x11/ErrorTrap.h"
#include "platform/backend/x11/KeyMap.h"
#include "platform/backend/x11/MonitorLayout.h"
#include "platform/base/CodePage.h"

namespace platform::x11 {
namespace {

const int kWheelDelta = 120;

POINT RootPoint(int x, int y) { return POINT{x, y}; }

// Reads a property of 32-bit items (which Xlib hands over as longs).
std::vector<long> ReadLongs(Display* display, Window window, Atom property, Atom type) {
  Atom actualType = 0;
  int format = 0;
  unsigned long count = 0, remaining = 0;
  unsigned char* data = nullptr;
  std::vector<long> values;
  if (XGetWindowProperty(display, window, property, 0, 1024, False, type, &actualType, &format, &count, &remaining,
                         &data) != Success) {
    return values;
  }
  if (data && format == 32 && actualType == type) {
    const long* items = reinterpret_cast<const long*>(data);
    values.assign(items, items + count);
  }
  if (data) XFree(data);
  return values;
}

int CursorFontShape(backend::CursorShape shape) {
  switch (shape) {
    case backend::CursorShape::Arrow: return XC_left_ptr;
    case backend::CursorShape::IBeam: return XC_xterm;
    case backend::CursorShape::Wait: return XC_watch;
    case backend::CursorShape::Cross: return XC_crosshair;
    case backend::CursorShape::UpArrow: return XC_sb_up_arrow;
    case backend::CursorShape::SizeNWSE: return XC_bottom_right_corner;
    case backend::CursorShape::SizeNESW: return XC_bottom_left_corner;
    case backend::CursorShape::SizeWE: return XC_sb_h_double_arrow;
    case backend::CursorShape::SizeNS: return XC_sb_v_double_arrow;
    case backend::CursorShape::SizeAll: return XC_fleur;
    case backend::CursorShape::No: return XC_X_cursor;
    case backend::CursorShape::Hand: return XC_hand2;
    case backend::CursorShape::AppStarting: return XC_watch;
    case backend::CursorShape::Help: return XC_question_arrow;
    case backend::CursorShape::Hidden: return -1;
  }
  return XC_left_ptr;
}

}  // namespace

XDesktop::XDesktop(XConnection& connection, PresentQueue& presents, std::atomic<backend::EventSink*>& sink,
                   MonitorsChanged monitorsChanged)
    : connection_(connection), display_(connection.display()), presents_(presents), sink_(sink),
      monitorsChanged_(std::move(monitorsChanged)), inputMethod_(connection), clipboard_(connection) {
  // The root tells of work-area changes, of screens changing size, and carries the
  // activation requests other programs send for our windows.
  XSelectInput(display_, connection_.root(), PropertyChangeMask | StructureNotifyMask | SubstructureNotifyMask);
  if (connection_.hasRandr()) XRRSelectInput(display_, connection_.root(), RRScreenChangeNotifyMask);
  CheckWindowManager();
  CheckCompositor();
}

XDesktop::~XDesktop() {
  surfaces_.clear();
  for (auto& entry : cursors_) XFreeCursor(display_, entry.second);
  XFlush(display_);
}

XSurface* XDesktop::Find(backend::SurfaceId id) const {
  auto it = surfaces_.find(id);
  return it == surfaces_.end() ? nullptr : it->second.get();
}

XSurface* XDesktop::FindByWindow(Window window) const {
  auto it = byWindow_.find(window);
  return it == byWindow_.end() ? nullptr : Find(it->second);
}

Window XDesktop::WindowOf(HWND hwnd) const {
  for (const auto& entry : surfaces_) {
    if (entry.second->hwnd() == hwnd) return entry.second->window();
  }
  return 0;
}

// ---- the window manager and the compositor ----

void XDesktop::CheckWindowManager() {
  const XAtoms& atoms = connection_.atoms();
  bool present = false;
  const std::vector<long> check = ReadLongs(display_, connection_.root(), atoms._NET_SUPPORTING_WM_CHECK, XA_WINDOW);
  if (!check.empty() && check[0]) {
    ErrorTrap trap(display_);
    const std::vector<long> self = ReadLongs(display_, Window(check[0]), atoms._NET_SUPPORTING_WM_CHECK, XA_WINDOW);
    present = trap.Clean() && !self.empty() && self[0] == check[0];
  }
  facts_.windowManager = present;
}

bool XDesktop::CheckCompositor() {
  const Window owner = XGetSelectionOwner(display_, connection_.atoms()._NET_WM_CM_S0);
  if (owner == compositorOwner_) return false;
  compositorOwner_ = owner;
  if (owner) {
    // Its window goes when the compositor quits: that is how we learn of it.
    ErrorTrap trap(display_);
    XSelectInput(display_, owner, StructureNotifyMask);
    if (!trap.Clean()) compositorOwner_ = 0;
  }
  const bool composited = compositorOwner_ != 0;
  if (composited == facts_.composited) return false;
  facts_.composited = composited;
  RefreshAll();
  return true;
}

void XDesktop::RefreshAll() {
  for (auto& entry : surfaces_) entry.second->Refresh(facts_);
}

// ---- monitors ----

std::vector<backend::MonitorDesc> XDesktop::QueryMonitors() {
  std::vector<ScreenOutput> outputs;
  if (connection_.hasRandr()) {
    int count = 0;
    XRRMonitorInfo* monitors = XRRGetMonitors(display_, connection_.root(), True, &count);
    for (int i = 0; monitors && i < count; ++i) {
      ScreenOutput output;
      output.bounds = RECT{monitors[i].x, monitors[i].y, monitors[i].x + monitors[i].width,
                           monitors[i].y + monitors[i].height};
      output.primary = monitors[i].primary != 0;
      char* name = monitors[i].name ? XGetAtomName(display_, monitors[i].name) : nullptr;
      output.name = name ? platform::codepage::Utf8ToWide(name) : L"X11-" + std::to_wstring(i);
      if (name) XFree(name);
      outputs.push_back(output);
    }
    if (monitors) XRRFreeMonitors(monitors);
  }
  const XAtoms& atoms = connection_.atoms();
  const std::vector<long> desktop = ReadLongs(display_, connection_.root(), atoms._NET_CURRENT_DESKTOP, XA_CARDINAL);
  const std::vector<long> areas = ReadLongs(display_, connection_.root(), atoms._NET_WORKAREA, XA_CARDINAL);
  const size_t index = desktop.empty() ? 0 : size_t(std::max<long>(desktop[0], 0));
  RECT work{};
  const RECT* workArea = nullptr;
  if (areas.size() >= (index + 1) * 4) {
    const long* a = &areas[index * 4];
    work = RECT{LONG(a[0]), LONG(a[1]), LONG(a[0] + a[2]), LONG(a[1] + a[3])};
    workArea = &work;
  }
  XWindowAttributes root{};
  XGetWindowAttributes(display_, connection_.root(), &root);
  return MonitorLayout::Build(outputs, workArea, root.width, root.height);
}

void XDesktop::RefreshMonitors() {
  if (monitorsChanged_) monitorsChanged_(QueryMonitors());
}

// ---- surfaces ----

void XDesktop::Create(backend::SurfaceId id, const backend::SurfaceDesc& desc) {
  const Role role = SurfaceRole::Classify(desc);
  XSurface* owner = Find(desc.owner);
  const bool clickThrough = (desc.exStyle & 0x00000020L) != 0;  // WS_EX_TRANSPARENT from the start
  auto surface = std::make_unique<XSurface>(connection_, desc, role, owner ? owner->window() : 0, clickThrough);
  if (cursor_) surface->SetCursor(cursor_);
  if (SurfaceRole::TakesFocus(role)) {
    if (const long events = inputMethod_.Attach(surface->window())) {
      XWindowAttributes attributes{};
      XGetWindowAttributes(display_, surface->window(), &attributes);
      XSelectInput(display_, surface->window(), attributes.your_event_mask | events);
    }
  }
  byWindow_[surface->window()] = id;
  surfaces_[id] = std::move(surface);
}

void XDesktop::Destroy(backend::SurfaceId id) {
  presents_.Drop(id);
  XSurface* surface = Find(id);
  if (!surface) return;
  const Window window = surface->window();
  if (focusWindow_ == window && !facts_.windowManager) FocusSomeWindow(nullptr, surface);
  if (focusWindow_ == window) focusWindow_ = 0;
  if (grabWindow_ == window) UngrabPointer();
  inputMethod_.Detach(window);
  byWindow_.erase(window);
  lastStack_.erase(std::remove(lastStack_.begin(), lastStack_.end(), window), lastStack_.end());
  surfaces_.erase(id);
}

void XDesktop::SetShowState(backend::SurfaceId id, backend::ShowState state) {
  XSurface* surface = Find(id);
  if (!surface) return;
  if (surface->role() == Role::Shadow) CheckCompositor();
  const bool leaving = state == backend::ShowState::Hidden || state == backend::ShowState::Minimized;
  // Without a window manager nobody hands the focus on when its window goes.
  if (leaving && focusWindow_ == surface->window() && !facts_.windowManager) FocusSomeWindow(nullptr, surface);
  surface->SetShowState(state, facts_);
}

void XDesktop::Move(backend::SurfaceId id, const RECT& rect) {
  if (XSurface* surface = Find(id)) surface->Move(rect, facts_);
}

void XDesktop::Restack(const std::vector<backend::SurfaceId>& topToBottom) {
  std::vector<Window> all, managed, popups;
  for (backend::SurfaceId id : topToBottom) {
    XSurface* surface = Find(id);
    if (!surface) continue;
    all.push_back(surface->window());
    (SurfaceRole::OverrideRedirect(surface->role()) ? popups : managed).push_back(surface->window());
  }
  if (all == lastStack_) return;
  lastStack_ = all;
  if (!facts_.windowManager) {
    // Every window is a child of the root: one request orders them all.
    if (all.size() > 1) XRestackWindows(display_, all.data(), int(all.size()));
    return;
  }
  // Managed windows live in the window manager's frames: it is asked to order them,
  // the first above everything, each next one just below the one before.
  for (size_t i = 0; i < managed.size(); ++i) {
    XWindowChanges changes{};
    unsigned mask = CWStackMode;
    changes.stack_mode = i == 0 ? Above : Below;
    if (i > 0) {
      changes.sibling = managed[i - 1];
      mask |= CWSibling;
    }
    XReconfigureWMWindow(display_, managed[i], connection_.screen(), mask, &changes);
  }
  for (auto it = popups.rbegin(); it != popups.rend(); ++it) XRaiseWindow(display_, *it);
}

void XDesktop::SetTopmost(backend::SurfaceId id, bool topmost) {
  if (XSurface* surface = Find(id)) surface->SetTopmost(topmost, facts_);
}

void XDesktop::Present(backend::SurfaceId id) {
  std::optional<PixelImage> image = presents_.Take(id);
  XSurface* surface = Find(id);
  if (!image || !surface) return;
  if (image->perPixelAlpha) CheckCompositor();
  surface->Present(std::move(*image), facts_);
}

void XDesktop::SetShape(backend::SurfaceId id, const pixman_region32_t* shape) {
  if (XSurface* surface = Find(id)) surface->SetShape(shape, facts_);
}

void XDesktop::SetClickThrough(backend::SurfaceId id, bool clickThrough) {
  if (XSurface* surface = Find(id)) surface->SetClickThrough(clickThrough, facts_);
}

void XDesktop::SetOpacity(backend::SurfaceId id, BYTE alpha) {
  if (XSurface* surface = Find(id)) surface->SetOpacity(alpha);
}

void XDesktop::SetTitle(backend::SurfaceId id, const std::wstring& title) {
  if (XSurface* surface = Find(id)) surface->SetTitle(title);
}

void XDesktop::SetIcon(backend::SurfaceId id, PixelImage icon, bool big) {
  if (XSurface* surface = Find(id)) surface->SetIcon(std::move(icon), big);
}

// ---- pointer and cursor ----

void XDesktop::GrabPointer(backend::SurfaceId id) {
  XSurface* surface = Find(id);
  if (!surface || !surface->viewable()) return;
  const unsigned mask = ButtonPressMask | ButtonReleaseMask | PointerMotionMask | EnterWindowMask | LeaveWindowMask;
  if (XGrabPointer(display_, surface->window(), True, mask, GrabModeAsync, GrabModeAsync, None, cursor_,
                   CurrentTime) == GrabSuccess) {
    grabWindow_ = surface->window();
  }
}

void XDesktop::UngrabPointer() {
  XUngrabPointer(display_, CurrentTime);
  grabWindow_ = 0;
}

Cursor XDesktop::CursorFor(backend::CursorShape shape) {
  const int fontShape = CursorFontShape(shape);
  auto it = cursors_.find(fontShape);
  if (it != cursors_.end()) return it->second;
  Cursor cursor = 0;
  if (fontShape >= 0) {
    cursor = XCreateFontCursor(display_, unsigned(fontShape));
  } else {
    // An empty bitmap: the pointer disappears over our windows.
    char bits[1] = {0};
    Pixmap blank = XCreateBitmapFromData(display_, connection_.root(), bits, 1, 1);
    XColor black{};
    cursor = XCreatePixmapCursor(display_, blank, blank, &black, &black, 0, 0);
    XFreePixmap(display_, blank);
  }
  cursors_[fontShape] = cursor;
  return cursor;
}

void XDesktop::SetCursorShape(backend::CursorShape shape) {
  const Cursor cursor = CursorFor(shape);
  if (cursor == cursor_) return;
  cursor_ = cursor;
  for (auto& entry : surfaces_) entry.second->SetCursor(cursor_);
  if (grabWindow_) XChangeActivePointerGrab(display_, ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                                                          EnterWindowMask | LeaveWindowMask,
                                            cursor_, CurrentTime);
}

// ---- keyboard focus ----

bool XDesktop::FocusIsOurs() {
  Window focus = 0;
  int revert = 0;
  XGetInputFocus(display_, &focus, &revert);
  return FindByWindow(focus) != nullptr;
}

void XDesktop::FocusSomeWindow(XSurface* preferred, XSurface* leaving) {
  auto usable = [leaving](XSurface* s) {
    return s && s != leaving && s->viewable() && SurfaceRole::TakesFocus(s->role());
  };
  XSurface* target = usable(preferred) ? preferred : nullptr;
  for (Window window : lastStack_) {
    if (target) break;
    XSurface* candidate = FindByWindow(window);
    if (usable(candidate)) target = candidate;
  }
  for (auto& entry : surfaces_) {
    if (target) break;
    if (usable(entry.second.get())) target = entry.second.get();
  }
  if (!target) return;
  // The window may have gone off the screen in events not read yet.
  ErrorTrap trap(display_);
  XSetInputFocus(display_, target->window(), RevertToParent, CurrentTime);
  if (trap.Clean()) focusWindow_ = target->window();
}

void XDesktop::HandleFocusIn(const XFocusChangeEvent& event) {
  if (event.mode == NotifyGrab || event.mode == NotifyUngrab) return;
  if (event.detail == NotifyPointer || event.detail == NotifyInferior) return;
  XSurface* surface = FindByWindow(event.window);
  if (!surface) return;
  focusWindow_ = event.window;
  focusOutPending_ = false;
  inputMethod_.Focus(event.window);
  if (programLostFocus_) {
    programLostFocus_ = false;
    if (backend::EventSink* sink = Sink()) sink->FocusReturned(surface->hwnd());
  }
}

void XDesktop::HandleFocusOut(const XFocusChangeEvent& event) {
  if (event.mode == NotifyGrab || event.mode == NotifyUngrab) return;
  if (event.detail == NotifyPointer || event.detail == NotifyInferior) return;
  if (!FindByWindow(event.window)) return;
  inputMethod_.Unfocus(event.window);
  if (focusWindow_ == event.window) focusWindow_ = 0;
  // Decided once the events at hand are handled: a focus moving between two of our
  // windows passes through here first.
  focusOutPending_ = true;
}

void XDesktop::SettleFocus() {
  if (!focusOutPending_) return;
  focusOutPending_ = false;
  if (FocusIsOurs() || programLostFocus_) return;
  programLostFocus_ = true;
  if (backend::EventSink* sink = Sink()) sink->FocusLeftProgram();
}

// ---- events ----

bool XDesktop::Pump() {
  while (XPending(display_)) {
    XEvent event;
    XNextEvent(display_, &event);
    if (XFilterEvent(&event, None)) continue;
    Handle(event);
  }
  SettleFocus();
  XFlush(display_);
  // Settling the focus asks the server, and Xlib queues whatever came in meanwhile.
  return XEventsQueued(display_, QueuedAlready) > 0;
}

void XDesktop::Handle(XEvent& event) {
  if (connection_.hasRandr() && event.type == connection_.randrEventBase() + RRScreenChangeNotify) {
    XRRUpdateConfiguration(&event);
    RefreshMonitors();
    return;
  }
  switch (event.type) {
    case Expose:
      if (XSurface* s = FindByWindow(event.xexpose.window)) {
        s->Repaint(event.xexpose.x, event.xexpose.y, event.xexpose.width, event.xexpose.height);
      }
      return;
    case MapNotify:
      if (XSurface* s = FindByWindow(event.xmap.window)) {
        s->OnMapped();
        // Xvfb has no window manager to give the program the keyboard.
        if (!facts_.windowManager && SurfaceRole::TakesFocus(s->role()) && !FocusIsOurs()) FocusSomeWindow(s, nullptr);
      }
      return;
    case UnmapNotify:
      if (XSurface* s = FindByWindow(event.xunmap.window)) s->OnUnmapped();
      return;
    case ConfigureNotify:
      if (event.xconfigure.window == connection_.root()) RefreshMonitors();
      return;
    case DestroyNotify:
      if (event.xdestroywindow.window == compositorOwner_ && compositorOwner_) CheckCompositor();
      return;
    case ButtonPress:
    case ButtonRelease:
      HandleButton(event.xbutton);
      return;
    case MotionNotify:
      HandleMotion(event);
      return;
    case EnterNotify:
    case LeaveNotify:
      HandleCrossing(event.xcrossing);
      return;
    case KeyPress:
    case KeyRelease:
      HandleKey(event.xkey);
      return;
    case MappingNotify:
      // Xlib keeps the keyboard map it read at the first key; without this the keys
      // would go on typing the old layout's symbols (XKB refreshes its own map, the core
      // map does not).
      XRefreshKeyboardMapping(&event.xmapping);
      return;
    case FocusIn:
      HandleFocusIn(event.xfocus);
      return;
    case FocusOut:
      HandleFocusOut(event.xfocus);
      return;
    case ClientMessage:
      HandleClientMessage(event.xclient);
      return;
    case SelectionRequest:
    case SelectionClear:
    case SelectionNotify:
      clipboard_.Handle(event);
      return;
    case PropertyNotify:
      if (event.xproperty.window == connection_.root()) HandleRootProperty(event.xproperty);
      return;
    default:
      return;
  }
}

void XDesktop::HandleButton(const XButtonEvent& event) {
  backend::EventSink* sink = Sink();
  XSurface* surface = FindByWindow(event.window);
  if (!sink || !surface) return;
  const bool down = event.type == ButtonPress;
  if (down && !facts_.windowManager && !FocusIsOurs()) FocusSomeWindow(surface, nullptr);
  const POINT at = RootPoint(event.x_root, event.y_root);
  switch (event.button) {
    case Button1: sink->ButtonChanged(backend::MouseButton::Left, down, at); return;
    case Button2: sink->ButtonChanged(backend::MouseButton::Middle, down, at); return;
    case Button3: sink->ButtonChanged(backend::MouseButton::Right, down, at); return;
    case Button4: if (down) sink->WheelTurned(kWheelDelta, at); return;
    case Button5: if (down) sink->WheelTurned(-kWheelDelta, at); return;
    default: return;
  }
}

void XDesktop::HandleMotion(XEvent& event) {
  // Only the latest position of a burst matters.
  XEvent next;
  while (XCheckTypedWindowEvent(display_, event.xmotion.window, MotionNotify, &next)) event = next;
  if (!FindByWindow(event.xmotion.window)) return;
  if (backend::EventSink* sink = Sink()) sink->PointerMoved(RootPoint(event.xmotion.x_root, event.xmotion.y_root));
}

void XDesktop::HandleCrossing(const XCrossingEvent& event) {
  if (event.mode != NotifyNormal || event.detail == NotifyInferior) return;
  if (!FindByWindow(event.window)) return;
  if (backend::EventSink* sink = Sink()) sink->PointerMoved(RootPoint(event.x_root, event.y_root));
}

void XDesktop::HandleKey(XKeyEvent& event) {
  backend::EventSink* sink = Sink();
  if (!sink || !FindByWindow(event.window)) return;
  std::string committed;
  if (inputMethod_.LookupCommit(&event, &committed)) {
    CommitText(committed);
    return;
  }
  if (event.keycode == 0) return;
  const unsigned group = (event.state >> 13) & 3u;
  const KeySym base = XkbKeycodeToKeysym(display_, KeyCode(event.keycode), int(group), 0);
  KeySym modified = NoSymbol;
  unsigned int consumed = 0;
  XkbLookupKeySym(display_, KeyCode(event.keycode), event.state, &consumed, &modified);
  const UINT vk = KeyMap::VirtualKey(base, modified);
  const bool down = event.type == KeyPress;
  const std::wstring text =
      down ? KeyMap::TypedText(modified, (event.state & ControlMask) != 0, (event.state & Mod1Mask) != 0)
           : std::wstring();
  if (!vk) {
    // A key of a layout that holds characters no virtual key stands for (a Chinese
    // character bound to a key, say) still types its character.
    if (!text.empty()) sink->TextCommitted(text);
    return;
  }
  sink->KeyChanged(vk, down, text);
}

void XDesktop::CommitText(const std::string& utf8) {
  const std::wstring text = platform::codepage::Utf8ToWide(utf8);
  if (text.empty()) return;
  if (backend::EventSink* sink = Sink()) sink->TextCommitted(text);
}

void XDesktop::HandleClientMessage(const XClientMessageEvent& event) {
  const XAtoms& atoms = connection_.atoms();
  if (event.message_type == atoms.WM_PROTOCOLS && event.format == 32) {
    const Atom protocol = Atom(event.data.l[0]);
    XSurface* surface = FindByWindow(event.window);
    if (!surface) return;
    if (protocol == atoms._NET_WM_PING) {
      // Answered here, so a window whose thread is busy is not taken for hung.
      XEvent reply{};
      reply.xclient = event;
      reply.xclient.window = connection_.root();
      XSendEvent(display_, connection_.root(), False, SubstructureNotifyMask | SubstructureRedirectMask, &reply);
      return;
    }
    if (protocol == atoms.WM_DELETE_WINDOW) {
      if (backend::EventSink* sink = Sink()) sink->CloseRequested(surface->hwnd());
    }
    return;
  }
  if (event.message_type == atoms._NET_ACTIVE_WINDOW) {
    XSurface* surface = FindByWindow(event.window);
    if (!surface) return;
    if (backend::EventSink* sink = Sink()) sink->RestoreRequested(surface->hwnd());
    if (!facts_.windowManager && surface->viewable() && SurfaceRole::TakesFocus(surface->role())) {
      FocusSomeWindow(surface, nullptr);
    }
  }
}

void XDesktop::HandleRootProperty(const XPropertyEvent& event) {
  const XAtoms& atoms = connection_.atoms();
  if (event.atom == atoms._NET_WORKAREA || event.atom == atoms._NET_CURRENT_DESKTOP) {
    RefreshMonitors();
  } else if (event.atom == atoms._NET_SUPPORTING_WM_CHECK) {
    CheckWindowManager();
  }
}

// ---- input method spot ----

void XDesktop::SetCompositionSpot(HWND window, POINT screen) {
  (void)window;
  // The input method works through the window holding the X focus, whichever of
  // our windows the text goes to.
  XSurface* focused = FindByWindow(focusWindow_);
  if (!focused) return;
  inputMethod_.SetSpot(focused->window(), screen.x - focused->rect().left, screen.y - focused->rect().top);
}

// ---- other programs' windows ----

std::string XDesktop::ReadTitle(Window window) {
  const XAtoms& atoms = connection_.atoms();
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, remaining = 0;
  unsigned char* data = nullptr;
  std::string title;
  if (XGetWindowProperty(display_, window, atoms._NET_WM_NAME, 0, 4096, False, atoms.UTF8_STRING, &type, &format,
                         &count, &remaining, &data) == Success &&
      data && type == atoms.UTF8_STRING && format == 8) {
    title.assign(reinterpret_cast<const char*>(data), count);
  }
  if (data) XFree(data);
  if (!title.empty()) return title;
  XTextProperty property{};
  if (!XGetWMName(display_, window, &property) || !property.value) return title;
  char** list = nullptr;
  int items = 0;
  if (Xutf8TextPropertyToTextList(display_, &property, &list, &items) == Success && list && items > 0) {
    title = list[0];
  }
  if (list) XFreeStringList(list);
  XFree(property.value);
  return title;
}

HWND XDesktop::FindForeignWindow(const std::string& utf8Title) {
  ErrorTrap trap(display_);  // a window may go while we look at it
  std::vector<Window> candidates;
  const std::vector<long> clients =
      ReadLongs(display_, connection_.root(), connection_.atoms()._NET_CLIENT_LIST, XA_WINDOW);
  for (long client : clients) candidates.push_back(Window(client));
  if (candidates.empty()) {
    // No window manager keeps a list: the root's children, and theirs one level down.
    Window rootReturn = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display_, connection_.root(), &rootReturn, &parent, &children, &count)) {
      for (unsigned i = 0; i < count; ++i) {
        candidates.push_back(children[i]);
        Window* inner = nullptr;
        unsigned innerCount = 0;
        if (XQueryTree(display_, children[i], &rootReturn, &parent, &inner, &innerCount)) {
          for (unsigned j = 0; j < innerCount; ++j) candidates.push_back(inner[j]);
          if (inner) XFree(inner);
        }
      }
      if (children) XFree(children);
    }
  }
  for (Window candidate : candidates) {
    if (FindByWindow(candidate)) continue;  // our own windows are the layer's to find
    if (ReadTitle(candidate) == utf8Title) {
      return backend::ForeignWindows::MakeForeignHandle(uint32_t(candidate));
    }
  }
  return nullptr;
}

bool XDesktop::RestoreForeignWindow(Window window) {
  XWindowAttributes attributes{};
  {
    ErrorTrap trap(display_);
    if (!XGetWindowAttributes(display_, window, &attributes) || !trap.Clean()) return false;
  }
  XMapRaised(display_, window);
  // The window manager (or, without one, the window's own program) activates it.
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = connection_.atoms()._NET_ACTIVE_WINDOW;
  event.xclient.format = 32;
  event.xclient.data.l[0] = 2;  // on the user's behalf: a second start of the program
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display_, connection_.root(), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
  // A round trip, not a flush: a second start ends right after this, and the server
  // drops the requests of a client that is gone before it read them.
  XSync(display_, False);
  return true;
}

}  // namespace platform::x11

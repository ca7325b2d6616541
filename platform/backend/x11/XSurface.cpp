#include "platform/backend/x11/XSurface.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "platform/backend/x11/AlphaMask.h"
#include "platform/base/CodePage.h"

namespace platform::x11 {
namespace {

const long kEventMask = ExposureMask | StructureNotifyMask | KeyPressMask | KeyReleaseMask | ButtonPressMask |
                        ButtonReleaseMask | PointerMotionMask | EnterWindowMask | LeaveWindowMask |
                        FocusChangeMask | PropertyChangeMask;

unsigned Dimension(LONG value) { return unsigned(std::max<LONG>(value, 1)); }

// _MOTIF_WM_HINTS: flags, functions, decorations, input mode, status.
struct MotifHints {
  unsigned long flags;
  unsigned long functions;
  unsigned long decorations;
  long inputMode;
  unsigned long status;
};
const unsigned long kMotifDecorations = 1ul << 1;

void AppendIcon(const PixelImage& icon, std::vector<unsigned long>* out) {
  if (icon.pixels.empty()) return;
  out->push_back(static_cast<unsigned long>(icon.width));
  out->push_back(static_cast<unsigned long>(icon.height));
  // _NET_WM_ICON wants straight (not premultiplied) ARGB, one CARDINAL per pixel.
  const std::vector<uint32_t> flat = AlphaMask::Flattened(icon);
  for (size_t i = 0; i < flat.size(); ++i) {
    out->push_back((flat[i] & 0x00FFFFFFu) | (icon.pixels[i] & 0xFF000000u));
  }
}

}  // namespace

XSurface::XSurface(XConnection& connection, const backend::SurfaceDesc& desc, Role role, Window owner,
                   bool clickThrough)
    : connection_(connection), hwnd_(desc.hwnd), role_(role), rect_(desc.rect), topmost_(desc.topmost),
      skipTaskbar_(owner != 0), uploader_(connection) {
  pixman_region32_init(&shape_);
  pixman_region32_init(&bounding_);
  Display* display = connection_.display();
  XSetWindowAttributes attributes{};
  attributes.colormap = connection_.colormap();
  attributes.border_pixel = 0;
  attributes.background_pixmap = None;
  attributes.bit_gravity = NorthWestGravity;
  attributes.override_redirect = SurfaceRole::OverrideRedirect(role) ? True : False;
  attributes.event_mask = kEventMask;
  const unsigned long mask = CWColormap | CWBorderPixel | CWBackPixmap | CWBitGravity | CWOverrideRedirect | CWEventMask;
  window_ = XCreateWindow(display, connection_.root(), rect_.left, rect_.top, Dimension(rect_.right - rect_.left),
                          Dimension(rect_.bottom - rect_.top), 0, connection_.depth(), InputOutput,
                          connection_.visual(), mask, &attributes);
  XGCValues values{};
  values.graphics_exposures = False;
  gc_ = XCreateGC(display, window_, GCGraphicsExposures, &values);
  SetProtocolProperties(owner);
  SetWindowType();
  WriteStateProperty();
  if (clickThrough) {
    clickThrough_ = true;
    ApplyShape(DesktopFacts{});
  }
}

XSurface::~XSurface() {
  Display* display = connection_.display();
  if (gc_) XFreeGC(display, gc_);
  if (window_) XDestroyWindow(display, window_);
  pixman_region32_fini(&shape_);
  pixman_region32_fini(&bounding_);
}

void XSurface::SetProtocolProperties(Window owner) {
  Display* display = connection_.display();
  const XAtoms& atoms = connection_.atoms();
  XClassHint classHint;
  char name[] = "patrol-client";
  char className[] = "PatrolClient";
  classHint.res_name = name;
  classHint.res_class = className;
  XSetClassHint(display, window_, &classHint);
  const unsigned long pid = static_cast<unsigned long>(getpid());
  XChangeProperty(display, window_, atoms._NET_WM_PID, XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&pid), 1);
  if (SurfaceRole::OverrideRedirect(role_)) return;
  Atom protocols[] = {atoms.WM_DELETE_WINDOW, atoms._NET_WM_PING};
  XSetWMProtocols(display, window_, protocols, 2);
  // The program draws its own frame.
  MotifHints motif{kMotifDecorations, 0, 0, 0, 0};
  XChangeProperty(display, window_, atoms._MOTIF_WM_HINTS, atoms._MOTIF_WM_HINTS, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&motif), 5);
  if (owner) XSetTransientForHint(display, window_, owner);
  XWMHints hints{};
  hints.flags = InputHint | StateHint;
  hints.input = True;
  hints.initial_state = NormalState;
  XSetWMHints(display, window_, &hints);
  // The layer places its windows itself; the window manager is asked to keep them there.
  XSizeHints size{};
  size.flags = USPosition | PPosition | USSize | PSize | PWinGravity;
  size.x = rect_.left;
  size.y = rect_.top;
  size.width = int(Dimension(rect_.right - rect_.left));
  size.height = int(Dimension(rect_.bottom - rect_.top));
  size.win_gravity = NorthWestGravity;
  XSetWMNormalHints(display, window_, &size);
}

void XSurface::SetWindowType() {
  const XAtoms& atoms = connection_.atoms();
  Atom type = atoms._NET_WM_WINDOW_TYPE_NORMAL;
  switch (role_) {
    case Role::Normal: type = atoms._NET_WM_WINDOW_TYPE_NORMAL; break;
    case Role::Dialog: type = atoms._NET_WM_WINDOW_TYPE_DIALOG; break;
    case Role::Tooltip: type = atoms._NET_WM_WINDOW_TYPE_TOOLTIP; break;
    case Role::Menu: type = atoms._NET_WM_WINDOW_TYPE_POPUP_MENU; break;
    case Role::Shadow: type = atoms._NET_WM_WINDOW_TYPE_NOTIFICATION; break;
    case Role::EditPopup: type = atoms._NET_WM_WINDOW_TYPE_UTILITY; break;
  }
  XChangeProperty(connection_.display(), window_, atoms._NET_WM_WINDOW_TYPE, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&type), 1);
}

// _NET_WM_STATE as the window manager should find it when the window maps.
void XSurface::WriteStateProperty() {
  if (SurfaceRole::OverrideRedirect(role_)) return;
  const XAtoms& atoms = connection_.atoms();
  std::vector<Atom> states;
  if (topmost_) states.push_back(atoms._NET_WM_STATE_ABOVE);
  if (skipTaskbar_) states.push_back(atoms._NET_WM_STATE_SKIP_TASKBAR);
  XChangeProperty(connection_.display(), window_, atoms._NET_WM_STATE, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(states.data()), int(states.size()));
}

// A mapped managed window's state belongs to the window manager: it is asked.
void XSurface::SendStateMessage(bool add, Atom state) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window_;
  event.xclient.message_type = connection_.atoms()._NET_WM_STATE;
  event.xclient.format = 32;
  event.xclient.data.l[0] = add ? 1 : 0;
  event.xclient.data.l[1] = long(state);
  event.xclient.data.l[3] = 1;  // a normal application
  XSendEvent(connection_.display(), connection_.root(), False, SubstructureRedirectMask | SubstructureNotifyMask,
             &event);
}

void XSurface::SetShowState(backend::ShowState state, const DesktopFacts& facts) {
  state_ = state;
  ApplyShowState(facts);
}

void XSurface::ApplyShowState(const DesktopFacts& facts) {
  // Without a compositor a shadow would be a black frame: it stays off the screen.
  const bool allowed = Sized() && !(role_ == Role::Shadow && !facts.composited);
  switch (state_) {
    case backend::ShowState::Hidden:
      Unmap();
      return;
    case backend::ShowState::Minimized:
      if (!allowed || !facts.windowManager || SurfaceRole::OverrideRedirect(role_)) {
        Unmap();
        return;
      }
      if (iconic_) return;
      if (mapRequested_) {
        XIconifyWindow(connection_.display(), window_, connection_.screen());
      } else {
        XWMHints hints{};
        hints.flags = InputHint | StateHint;
        hints.input = True;
        hints.initial_state = IconicState;
        XSetWMHints(connection_.display(), window_, &hints);
        XMapWindow(connection_.display(), window_);
        mapRequested_ = true;
      }
      iconic_ = true;
      return;
    case backend::ShowState::Normal:
    case backend::ShowState::Maximized:
      if (allowed) {
        Map();
      } else {
        Unmap();
      }
      return;
  }
}

void XSurface::Map() {
  if (mapRequested_ && !iconic_) return;
  if (iconic_ && !SurfaceRole::OverrideRedirect(role_)) {
    XWMHints hints{};
    hints.flags = InputHint | StateHint;
    hints.input = True;
    hints.initial_state = NormalState;
    XSetWMHints(connection_.display(), window_, &hints);
  }
  iconic_ = false;
  mapRequested_ = true;
  XMapWindow(connection_.display(), window_);
}

void XSurface::Unmap() {
  if (!mapRequested_ && !iconic_) return;
  mapRequested_ = false;
  iconic_ = false;
  if (SurfaceRole::OverrideRedirect(role_)) {
    XUnmapWindow(connection_.display(), window_);
  } else {
    XWithdrawWindow(connection_.display(), window_, connection_.screen());
  }
}

void XSurface::Move(const RECT& rect, const DesktopFacts& facts) {
  const bool wasSized = Sized();
  rect_ = rect;
  XMoveResizeWindow(connection_.display(), window_, rect_.left, rect_.top, Dimension(rect_.right - rect_.left),
                    Dimension(rect_.bottom - rect_.top));
  if (wasSized != Sized()) ApplyShowState(facts);
}

void XSurface::Upload(const DesktopFacts& facts) {
  if (image_.pixels.empty()) {
    uploader_.Load(nullptr, 0, 0);
    return;
  }
  if (image_.perPixelAlpha && !facts.composited) {
    const std::vector<uint32_t> flat = AlphaMask::Flattened(image_);
    uploader_.Load(flat.data(), image_.width, image_.height);
    return;
  }
  uploader_.Load(image_.pixels.data(), image_.width, image_.height);
}

void XSurface::Present(PixelImage image, const DesktopFacts& facts) {
  image_ = std::move(image);
  Upload(facts);
  ApplyShape(facts);
  if (viewable_) Repaint(0, 0, image_.width, image_.height);
}

void XSurface::Refresh(const DesktopFacts& facts) {
  Upload(facts);
  ApplyShape(facts);
  ApplyShowState(facts);
  if (viewable_) Repaint(0, 0, image_.width, image_.height);
}

void XSurface::Repaint(int x, int y, int width, int height) {
  if (!viewable_ || uploader_.empty()) return;
  uploader_.Put(window_, gc_, x, y, width, height);
}

void XSurface::SetShape(const pixman_region32_t* shape, const DesktopFacts& facts) {
  hasShape_ = shape != nullptr;
  if (shape) {
    pixman_region32_copy(&shape_, const_cast<pixman_region32_t*>(shape));
  } else {
    pixman_region32_clear(&shape_);
  }
  ApplyShape(facts);
}

void XSurface::SetClickThrough(bool clickThrough, const DesktopFacts& facts) {
  clickThrough_ = clickThrough;
  ApplyShape(facts);
}

void XSurface::ApplyShape(const DesktopFacts& facts) {
  if (!connection_.hasShape()) return;
  Display* display = connection_.display();
  pixman_region32_t wanted;
  pixman_region32_init(&wanted);
  bool limited = false;
  if (hasShape_) {
    pixman_region32_copy(&wanted, &shape_);
    limited = true;
  }
  if (image_.perPixelAlpha && !facts.composited && !image_.pixels.empty()) {
    pixman_region32_t visible;
    pixman_region32_init(&visible);
    AlphaMask::VisibleRegion(image_, &visible);
    if (limited) {
      pixman_region32_intersect(&wanted, &wanted, &visible);
    } else {
      pixman_region32_copy(&wanted, &visible);
    }
    pixman_region32_fini(&visible);
    limited = true;
  }
  if (!limited && boundingSet_) {
    XShapeCombineMask(display, window_, ShapeBounding, 0, 0, None, ShapeSet);
    boundingSet_ = false;
  } else if (limited && !(boundingSet_ && pixman_region32_equal(&wanted, &bounding_))) {
    int count = 0;
    const pixman_box32_t* boxes = pixman_region32_rectangles(&wanted, &count);
    std::vector<XRectangle> rects;
    rects.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
      rects.push_back(XRectangle{short(boxes[i].x1), short(boxes[i].y1), (unsigned short)(boxes[i].x2 - boxes[i].x1),
                                 (unsigned short)(boxes[i].y2 - boxes[i].y1)});
    }
    XShapeCombineRectangles(display, window_, ShapeBounding, 0, 0, rects.data(), int(rects.size()), ShapeSet,
                            YXBanded);
    pixman_region32_copy(&bounding_, &wanted);
    boundingSet_ = true;
  }
  pixman_region32_fini(&wanted);
  if (clickThrough_) {
    XShapeCombineRectangles(display, window_, ShapeInput, 0, 0, nullptr, 0, ShapeSet, Unsorted);
  } else {
    XShapeCombineMask(display, window_, ShapeInput, 0, 0, None, ShapeSet);
  }
}

void XSurface::SetOpacity(BYTE alpha) {
  Display* display = connection_.display();
  const Atom property = connection_.atoms()._NET_WM_WINDOW_OPACITY;
  if (alpha == 255) {
    XDeleteProperty(display, window_, property);
    return;
  }
  const unsigned long value = static_cast<unsigned long>(alpha) * 0x01010101ul;
  XChangeProperty(display, window_, property, XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&value), 1);
}

void XSurface::SetTitle(const std::wstring& title) {
  Display* display = connection_.display();
  const std::string utf8 = platform::codepage::WideToUtf8(title);
  XChangeProperty(display, window_, connection_.atoms()._NET_WM_NAME, connection_.atoms().UTF8_STRING, 8,
                  PropModeReplace, reinterpret_cast<const unsigned char*>(utf8.data()), int(utf8.size()));
  char* list[] = {const_cast<char*>(utf8.c_str())};
  XTextProperty property{};
  if (Xutf8TextListToTextProperty(display, list, 1, XStdICCTextStyle, &property) == Success) {
    XSetWMName(display, window_, &property);
    XFree(property.value);
  }
}

void XSurface::SetIcon(PixelImage icon, bool big) {
  (big ? bigIcon_ : smallIcon_) = std::move(icon);
  std::vector<unsigned long> data;
  AppendIcon(bigIcon_, &data);
  AppendIcon(smallIcon_, &data);
  Display* display = connection_.display();
  if (data.empty()) {
    XDeleteProperty(display, window_, connection_.atoms()._NET_WM_ICON);
    return;
  }
  XChangeProperty(display, window_, connection_.atoms()._NET_WM_ICON, XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(data.data()), int(data.size()));
}

void XSurface::SetTopmost(bool topmost, const DesktopFacts& facts) {
  if (topmost == topmost_) return;
  topmost_ = topmost;
  if (SurfaceRole::OverrideRedirect(role_)) return;
  if (mapRequested_ && facts.windowManager) {
    SendStateMessage(topmost, connection_.atoms()._NET_WM_STATE_ABOVE);
    return;
  }
  WriteStateProperty();
}

void XSurface::SetCursor(Cursor cursor) { XDefineCursor(connection_.display(), window_, cursor); }

void XSurface::OnMapped() {
  viewable_ = true;
  Repaint(0, 0, uploader_.width(), uploader_.height());
}

void XSurface::OnUnmapped() { viewable_ = false; }

}  // namespace platform::x11

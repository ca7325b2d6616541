#pragma once
// One top-level window of the program on the X display. Everything here runs on the
// X thread. The layer's model decides where the window is and whether it shows; the
// surface carries that out and keeps the last presented picture, from which it
// answers exposures itself.
#include "platform/backend/x11/XHeaders.h"
#include <pixman.h>

#include <memory>
#include <string>

#include "platform/backend/BackendTypes.h"
#include "platform/backend/x11/ImageUploader.h"
#include "platform/backend/x11/PixelImage.h"
#include "platform/backend/x11/SurfaceRole.h"
#include "platform/backend/x11/XConnection.h"

namespace platform::x11 {

// What the whole desktop says about how a surface must be shown.
struct DesktopFacts {
  bool composited = false;     // a compositing manager owns _NET_WM_CM_S0
  bool windowManager = false;  // a window manager answers _NET_SUPPORTING_WM_CHECK
};

class XSurface {
 public:
  XSurface(XConnection& connection, const backend::SurfaceDesc& desc, Role role, Window owner, bool clickThrough);
  ~XSurface();
  XSurface(const XSurface&) = delete;
  XSurface& operator=(const XSurface&) = delete;

  Window window() const { return window_; }
  HWND hwnd() const { return hwnd_; }
  Role role() const { return role_; }
  const RECT& rect() const { return rect_; }
  backend::ShowState showState() const { return state_; }
  bool viewable() const { return viewable_; }
  bool topmost() const { return topmost_; }
  // Whether the window should be on the screen now (what the last ApplyShowState asked).
  bool wantsMapped() const { return mapRequested_; }
  bool perPixelAlpha() const { return image_.perPixelAlpha; }

  void SetShowState(backend::ShowState state, const DesktopFacts& facts);
  // Maps or unmaps the window as its state and the desktop require now.
  void ApplyShowState(const DesktopFacts& facts);
  void Move(const RECT& rect, const DesktopFacts& facts);
  void Present(PixelImage image, const DesktopFacts& facts);
  // Turns the picture into what the desktop can show (after the compositor came or went).
  void Refresh(const DesktopFacts& facts);
  // Puts the stored picture on part of the window (an exposure).
  void Repaint(int x, int y, int width, int height);
  void SetShape(const pixman_region32_t* shape, const DesktopFacts& facts);
  void SetClickThrough(bool clickThrough, const DesktopFacts& facts);
  void SetOpacity(BYTE alpha);
  void SetTitle(const std::wstring& title);
  void SetIcon(PixelImage icon, bool big);
  void SetTopmost(bool topmost, const DesktopFacts& facts);
  void SetCursor(Cursor cursor);

  void OnMapped();
  void OnUnmapped();

 private:
  void SetProtocolProperties(Window owner);
  void SetWindowType();
  void WriteStateProperty();
  void SendStateMessage(bool add, Atom state);
  void ApplyShape(const DesktopFacts& facts);
  void Upload(const DesktopFacts& facts);
  void Map();
  void Unmap();
  bool Sized() const { return rect_.right > rect_.left && rect_.bottom > rect_.top; }

  XConnection& connection_;
  HWND hwnd_;
  Role role_;
  Window window_ = 0;
  GC gc_ = nullptr;
  RECT rect_{};
  backend::ShowState state_ = backend::ShowState::Hidden;
  bool mapRequested_ = false;
  bool iconic_ = false;
  bool viewable_ = false;
  bool topmost_ = false;
  bool skipTaskbar_ = false;
  bool clickThrough_ = false;
  bool hasShape_ = false;
  pixman_region32_t shape_;
  bool boundingSet_ = false;
  pixman_region32_t bounding_;  // the bounding shape last given to the server
  PixelImage image_;
  ImageUploader uploader_;
  PixelImage bigIcon_;
  PixelImage smallIcon_;
};

}  // namespace platform::x11

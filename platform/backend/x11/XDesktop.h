#pragma once
// The X thread's side of the backend: the program's surfaces on the display, the
// window manager and compositor it finds there, and the events it turns into the
// layer's input. Every member runs on the X thread.
#include "platform/backend/x11/XHeaders.h"
#include <pixman.h>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/backend/EventSink.h"
#include "platform/backend/x11/PresentQueue.h"
#include "platform/backend/x11/XClipboard.h"
#include "platform/backend/x11/XConnection.h"
#include "platform/backend/x11/XInputMethod.h"
#include "platform/backend/x11/XSurface.h"

namespace platform::x11 {

class XDesktop {
 public:
  typedef std::function<void(std::vector<backend::MonitorDesc>)> MonitorsChanged;

  XDesktop(XConnection& connection, PresentQueue& presents, std::atomic<backend::EventSink*>& sink,
           MonitorsChanged monitorsChanged);
  ~XDesktop();
  XDesktop(const XDesktop&) = delete;
  XDesktop& operator=(const XDesktop&) = delete;

  // Reads and handles every event the server has sent. True when events came in
  // during its own requests and wait in Xlib's queue, where no poll sees them.
  bool Pump();
  std::vector<backend::MonitorDesc> QueryMonitors();

  void Create(backend::SurfaceId id, const backend::SurfaceDesc& desc);
  void Destroy(backend::SurfaceId id);
  void SetShowState(backend::SurfaceId id, backend::ShowState state);
  void Move(backend::SurfaceId id, const RECT& rect);
  void Restack(const std::vector<backend::SurfaceId>& topToBottom);
  void SetTopmost(backend::SurfaceId id, bool topmost);
  void Present(backend::SurfaceId id);
  // `shape` is owned by the caller's command; null removes the shape.
  void SetShape(backend::SurfaceId id, const pixman_region32_t* shape);
  void SetClickThrough(backend::SurfaceId id, bool clickThrough);
  void SetOpacity(backend::SurfaceId id, BYTE alpha);
  void SetTitle(backend::SurfaceId id, const std::wstring& title);
  void SetIcon(backend::SurfaceId id, PixelImage icon, bool big);
  void GrabPointer(backend::SurfaceId id);
  void UngrabPointer();
  void SetCursorShape(backend::CursorShape shape);
  void SetCompositionSpot(HWND window, POINT screen);
  // Where an input method's commit enters, from the input method or a test.
  void CommitText(const std::string& utf8);

  XClipboard& Clipboard() { return clipboard_; }

  HWND FindForeignWindow(const std::string& utf8Title);
  bool RestoreForeignWindow(Window window);
  Window WindowOf(HWND hwnd) const;
  DesktopFacts Facts() const { return facts_; }

 private:
  XSurface* Find(backend::SurfaceId id) const;
  XSurface* FindByWindow(Window window) const;
  backend::EventSink* Sink() const { return sink_.load(); }

  void Handle(XEvent& event);
  void HandleButton(const XButtonEvent& event);
  void HandleMotion(XEvent& event);
  void HandleCrossing(const XCrossingEvent& event);
  void HandleKey(XKeyEvent& event);
  void HandleFocusIn(const XFocusChangeEvent& event);
  void HandleFocusOut(const XFocusChangeEvent& event);
  void HandleClientMessage(const XClientMessageEvent& event);
  void HandleRootProperty(const XPropertyEvent& event);
  void SettleFocus();

  bool CheckCompositor();
  void CheckWindowManager();
  void RefreshAll();
  void RefreshMonitors();
  bool FocusIsOurs();
  // Gives the keyboard focus to a shown window of ours that can take it, `preferred` first.
  void FocusSomeWindow(XSurface* preferred, XSurface* leaving);
  Cursor CursorFor(backend::CursorShape shape);
  std::string ReadTitle(Window window);

  XConnection& connection_;
  Display* display_;
  PresentQueue& presents_;
  std::atomic<backend::EventSink*>& sink_;
  MonitorsChanged monitorsChanged_;
  XInputMethod inputMethod_;
  XClipboard clipboard_;
  std::map<backend::SurfaceId, std::unique_ptr<XSurface>> surfaces_;
  std::map<Window, backend::SurfaceId> byWindow_;
  std::vector<Window> lastStack_;
  DesktopFacts facts_;
  Window compositorOwner_ = 0;
  Window focusWindow_ = 0;     // ours, while it holds the X focus
  bool focusOutPending_ = false;
  bool programLostFocus_ = false;
  Window grabWindow_ = 0;
  std::map<int, Cursor> cursors_;
  Cursor cursor_ = 0;
};

}  // namespace platform::x11

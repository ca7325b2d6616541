#pragma once
// The backend for a real X display. One X thread owns the connection and does all
// X work; the calls here copy what they are given and hand it to that thread, so no
// caller waits on the X server (the foreign-window look-up excepted, which waits a
// bounded time for its answer).
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/backend/Backend.h"
#include "platform/backend/DesktopClipboard.h"
#include "platform/backend/ForeignWindows.h"
#include "platform/backend/InputMethodSpot.h"

namespace platform::x11 {

class PresentQueue;
class XConnection;
class XDesktop;
class XThread;

class X11Backend : public backend::Backend,
                   public backend::ForeignWindows,
                   public backend::InputMethodSpot,
                   public backend::DesktopClipboard {
 public:
  // Null with `error` set when the display cannot be opened.
  static std::unique_ptr<X11Backend> Open(std::string* error);
  ~X11Backend() override;

  // The X11 backend of this process, or null when another backend is active.
  static X11Backend* Instance();

  // For tests: waits until the X thread has carried out every call made so far and
  // the server has answered; false when that took longer than `limit`.
  bool Flush(std::chrono::milliseconds limit = std::chrono::milliseconds(5000));
  // The X window of a top-level window (0 before the X thread created it).
  unsigned long NativeWindow(HWND hwnd);
  bool WindowManagerPresent();
  bool Composited();
  // Enters text exactly where the input method's commits enter (UTF-8, as XIM gives it).
  void InjectInputMethodCommit(const std::string& utf8);

  // backend::Backend
  void SetEventSink(backend::EventSink* sink) override;
  bool ClockIsVirtual() const override { return false; }
  std::vector<backend::MonitorDesc> Monitors() const override;
  backend::SurfaceId CreateSurface(const backend::SurfaceDesc& desc) override;
  void DestroySurface(backend::SurfaceId id) override;
  void SetShowState(backend::SurfaceId id, backend::ShowState state) override;
  void MoveSurface(backend::SurfaceId id, const RECT& screenRect) override;
  void Restack(const std::vector<backend::SurfaceId>& topToBottom) override;
  void SetTopmost(backend::SurfaceId id, bool topmost) override;
  void Present(backend::SurfaceId id, cairo_surface_t* image, bool perPixelAlpha) override;
  void SetShape(backend::SurfaceId id, const pixman_region32_t* shape) override;
  void SetClickThrough(backend::SurfaceId id, bool clickThrough) override;
  void SetOpacity(backend::SurfaceId id, BYTE alpha) override;
  void SetTitle(backend::SurfaceId id, const std::wstring& title) override;
  void SetIcon(backend::SurfaceId id, cairo_surface_t* icon, bool big) override;
  void GrabPointer(backend::SurfaceId id) override;
  void UngrabPointer() override;
  void SetCursorShape(backend::CursorShape shape) override;

  // backend::ForeignWindows
  HWND FindForeignWindow(const std::wstring& title) override;
  bool RestoreForeignWindow(HWND foreign) override;

  // backend::InputMethodSpot
  void SetCompositionSpot(HWND window, POINT screen) override;

  // backend::DesktopClipboard
  void OfferText(const std::wstring& text) override;
  bool ReadForeignText(std::wstring* text) override;

 private:
  X11Backend();
  void Post(std::function<void()> command);

  std::unique_ptr<XConnection> connection_;
  std::unique_ptr<PresentQueue> presents_;
  std::unique_ptr<XDesktop> desktop_;
  std::unique_ptr<XThread> thread_;
  std::atomic<backend::EventSink*> sink_{nullptr};
  std::atomic<backend::SurfaceId> nextId_{1};
  mutable std::mutex monitorsMutex_;
  std::vector<backend::MonitorDesc> monitors_;
};

}  // namespace platform::x11

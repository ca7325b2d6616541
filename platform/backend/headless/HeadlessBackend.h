#pragma once
// A backend without a display: a virtual screen of configurable monitors, surfaces
// whose last presented image can be read back or saved as PNG, input injected at
// screen coordinates, and the virtual clock.
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/backend/Backend.h"
#include "platform/backend/InputMethodSpot.h"
#include "platform/backend/headless/HeadlessSurface.h"

namespace platform::headless {

// What a test can read of a surface.
struct SurfaceSnapshot {
  HWND hwnd = nullptr;
  RECT rect{};
  backend::ShowState show = backend::ShowState::Hidden;
  BYTE opacity = 255;
  bool clickThrough = false;
  bool perPixelAlpha = false;
  bool topmost = false;
  bool hasShape = false;
  std::wstring title;
  int presentCount = 0;
  SIZE bigIcon{};  // the icons last set, 0 x 0 for none
  SIZE smallIcon{};
};

// Where the program last put an input method's composition.
struct CompositionSpot {
  HWND window = nullptr;
  POINT screen{};
};

class HeadlessBackend : public backend::Backend, public backend::InputMethodSpot {
 public:
  HeadlessBackend();
  ~HeadlessBackend() override;

  // The headless backend of this process, or null when another backend is active.
  static HeadlessBackend* Instance();
  // One monitor of 1920x1080 with a work area of 1920x1040.
  static std::vector<backend::MonitorDesc> DefaultMonitors();

  void SetMonitors(std::vector<backend::MonitorDesc> monitors);

  // Input, routed like a display's input.
  void InjectPointerMove(POINT screen);
  void InjectButton(backend::MouseButton button, bool down);
  void InjectWheel(int delta);
  void InjectKey(UINT vk, bool down, const std::wstring& text);
  void InjectText(const std::wstring& text);
  void InjectFocusLeftProgram();
  void InjectFocusReturned(HWND hwnd);
  POINT PointerPosition() const;

  std::optional<SurfaceSnapshot> Surface(HWND hwnd) const;
  // Top-level surfaces, topmost first.
  std::vector<HWND> StackingOrder() const;
  // A new reference to a copy of the window's last presented image; null before one.
  cairo_surface_t* CopyImage(HWND hwnd) const;
  bool SaveImagePng(HWND hwnd, const std::string& path) const;
  backend::CursorShape CursorShape() const;
  HWND PointerGrab() const;
  std::optional<headless::CompositionSpot> LastCompositionSpot() const;
  // Frames handed to a child window from another thread: how many so far, and the
  // latest (null before the first and once cleared).
  int FrameCount(HWND window) const;
  std::shared_ptr<const backend::ChildFrame> LastFrame(HWND window) const;

  // backend::Backend
  void SetEventSink(backend::EventSink* sink) override;
  bool ClockIsVirtual() const override;
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
  void ChildFrameChanged(HWND window, std::shared_ptr<const backend::ChildFrame> frame) override;

  // backend::InputMethodSpot
  void SetCompositionSpot(HWND window, POINT screen) override;

 private:
  struct FrameRecord {
    int count = 0;
    std::shared_ptr<const backend::ChildFrame> last;
  };

  HeadlessSurface* Find(backend::SurfaceId id) const;
  HeadlessSurface* FindByWindow(HWND hwnd) const;

  mutable std::mutex mutex_;
  backend::EventSink* sink_ = nullptr;
  std::vector<backend::MonitorDesc> monitors_;
  std::map<backend::SurfaceId, std::unique_ptr<HeadlessSurface>> surfaces_;
  std::vector<backend::SurfaceId> stacking_;
  backend::SurfaceId nextId_ = 1;
  backend::SurfaceId grab_ = 0;
  backend::CursorShape cursor_ = backend::CursorShape::Arrow;
  POINT pointer_{0, 0};
  std::optional<headless::CompositionSpot> spot_;
  std::map<HWND, FrameRecord> frames_;
};

}  // namespace platform::headless

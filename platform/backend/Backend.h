#pragma once
// The small interface the window layer talks to. The layer's own window model is
// authoritative: a backend mirrors top-level surfaces and reports input, and its
// calls never wait on a display server. Calls may arrive while the layer holds its
// lock, so a backend must not call back into the EventSink from inside them.
#include <cairo.h>
#include <pixman.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/backend/BackendTypes.h"
#include "platform/backend/ChildFrame.h"
#include "platform/backend/EventSink.h"

namespace platform::backend {

class Backend {
 public:
  virtual ~Backend() = default;

  // Where input goes from now on; null stops delivery.
  virtual void SetEventSink(EventSink* sink) = 0;
  // True when time is the virtual clock that tests advance: nothing falls due on its own.
  virtual bool ClockIsVirtual() const = 0;
  virtual std::vector<MonitorDesc> Monitors() const = 0;

  virtual SurfaceId CreateSurface(const SurfaceDesc& desc) = 0;
  virtual void DestroySurface(SurfaceId id) = 0;
  virtual void SetShowState(SurfaceId id, ShowState state) = 0;
  virtual void MoveSurface(SurfaceId id, const RECT& screenRect) = 0;
  // Every surface of the program, topmost first.
  virtual void Restack(const std::vector<SurfaceId>& topToBottom) = 0;
  virtual void SetTopmost(SurfaceId id, bool topmost) = 0;
  // `image` is the window's full picture, premultiplied ARGB32 of the window's size;
  // the backend copies it. `perPixelAlpha` is false for windows shown opaque.
  virtual void Present(SurfaceId id, cairo_surface_t* image, bool perPixelAlpha) = 0;
  // Window coordinates; null removes the shape.
  virtual void SetShape(SurfaceId id, const pixman_region32_t* shape) = 0;
  virtual void SetClickThrough(SurfaceId id, bool clickThrough) = 0;
  virtual void SetOpacity(SurfaceId id, BYTE alpha) = 0;
  virtual void SetTitle(SurfaceId id, const std::wstring& title) = 0;
  // A copy of `icon` (ARGB32) or null to drop it.
  virtual void SetIcon(SurfaceId id, cairo_surface_t* icon, bool big) = 0;

  // While a window holds the capture, the pointer stays with the program.
  virtual void GrabPointer(SurfaceId id) = 0;
  virtual void UngrabPointer() = 0;
  virtual void SetCursorShape(CursorShape shape) = 0;

  // The latest frame handed to a child window from another thread, null once cleared.
  // The layer composes frames itself; a backend may only keep them.
  virtual void ChildFrameChanged(HWND window, std::shared_ptr<const ChildFrame> frame) {}
};

}  // namespace platform::backend

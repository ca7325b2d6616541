#include "platform/backend/headless/HeadlessBackend.h"

#include <algorithm>
#include <atomic>

#include "platform/backend/headless/VirtualClock.h"

namespace platform::headless {
namespace {

std::atomic<HeadlessBackend*> g_instance{nullptr};

}  // namespace

HeadlessBackend::HeadlessBackend() : monitors_(DefaultMonitors()) {
  VirtualClock::Install();
  g_instance.store(this);
}

HeadlessBackend::~HeadlessBackend() {
  HeadlessBackend* self = this;
  g_instance.compare_exchange_strong(self, nullptr);
}

HeadlessBackend* HeadlessBackend::Instance() { return g_instance.load(); }

std::vector<backend::MonitorDesc> HeadlessBackend::DefaultMonitors() {
  backend::MonitorDesc primary;
  primary.bounds = RECT{0, 0, 1920, 1080};
  primary.work = RECT{0, 0, 1920, 1040};
  primary.primary = true;
  primary.name = L"HEADLESS-1";
  return {primary};
}

void HeadlessBackend::SetMonitors(std::vector<backend::MonitorDesc> monitors) {
  std::lock_guard<std::mutex> lock(mutex_);
  monitors_ = std::move(monitors);
}

void HeadlessBackend::InjectPointerMove(POINT screen) {
  backend::EventSink* sink;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    pointer_ = screen;
    sink = sink_;
  }
  if (sink) sink->PointerMoved(screen);
}

void HeadlessBackend::InjectButton(backend::MouseButton button, bool down) {
  backend::EventSink* sink;
  POINT at;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    at = pointer_;
    sink = sink_;
  }
  if (sink) sink->ButtonChanged(button, down, at);
}

void HeadlessBackend::InjectWheel(int delta) {
  backend::EventSink* sink;
  POINT at;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    at = pointer_;
    sink = sink_;
  }
  if (sink) sink->WheelTurned(delta, at);
}

void HeadlessBackend::InjectKey(UINT vk, bool down, const std::wstring& text) {
  backend::EventSink* sink;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    sink = sink_;
  }
  if (sink) sink->KeyChanged(vk, down, text);
}

void HeadlessBackend::InjectText(const std::wstring& text) {
  backend::EventSink* sink;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    sink = sink_;
  }
  if (sink) sink->TextCommitted(text);
}

void HeadlessBackend::InjectFocusLeftProgram() {
  backend::EventSink* sink;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    sink = sink_;
  }
  if (sink) sink->FocusLeftProgram();
}

void HeadlessBackend::InjectFocusReturned(HWND hwnd) {
  backend::EventSink* sink;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    sink = sink_;
  }
  if (sink) sink->FocusReturned(hwnd);
}

POINT HeadlessBackend::PointerPosition() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return pointer_;
}

std::optional<SurfaceSnapshot> HeadlessBackend::Surface(HWND hwnd) const {
  std::lock_guard<std::mutex> lock(mutex_);
  HeadlessSurface* surface = FindByWindow(hwnd);
  if (!surface) return std::nullopt;
  SurfaceSnapshot snap;
  snap.hwnd = hwnd;
  snap.rect = surface->desc.rect;
  snap.show = surface->show;
  snap.opacity = surface->opacity;
  snap.clickThrough = surface->clickThrough;
  snap.perPixelAlpha = surface->perPixelAlpha;
  snap.topmost = surface->desc.topmost;
  snap.hasShape = surface->hasShape;
  snap.title = surface->title;
  snap.presentCount = surface->presentCount;
  snap.bigIcon = surface->bigIcon;
  snap.smallIcon = surface->smallIcon;
  return snap;
}

std::vector<HWND> HeadlessBackend::StackingOrder() const {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<HWND> order;
  for (backend::SurfaceId id : stacking_) {
    if (HeadlessSurface* surface = Find(id)) order.push_back(surface->desc.hwnd);
  }
  return order;
}

cairo_surface_t* HeadlessBackend::CopyImage(HWND hwnd) const {
  std::lock_guard<std::mutex> lock(mutex_);
  HeadlessSurface* surface = FindByWindow(hwnd);
  return surface ? surface->CopyImage() : nullptr;
}

bool HeadlessBackend::SaveImagePng(HWND hwnd, const std::string& path) const {
  cairo_surface_t* image = CopyImage(hwnd);
  if (!image) return false;
  const bool ok = cairo_surface_write_to_png(image, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(image);
  return ok;
}

backend::CursorShape HeadlessBackend::CursorShape() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return cursor_;
}

HWND HeadlessBackend::PointerGrab() const {
  std::lock_guard<std::mutex> lock(mutex_);
  HeadlessSurface* surface = Find(grab_);
  return surface ? surface->desc.hwnd : nullptr;
}

int HeadlessBackend::FrameCount(HWND window) const {
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = frames_.find(window);
  return it == frames_.end() ? 0 : it->second.count;
}

std::shared_ptr<const backend::ChildFrame> HeadlessBackend::LastFrame(HWND window) const {
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = frames_.find(window);
  return it == frames_.end() ? nullptr : it->second.last;
}

void HeadlessBackend::ChildFrameChanged(HWND window, std::shared_ptr<const backend::ChildFrame> frame) {
  std::lock_guard<std::mutex> lock(mutex_);
  FrameRecord& record = frames_[window];
  if (frame) ++record.count;
  record.last = std::move(frame);
}

void HeadlessBackend::SetEventSink(backend::EventSink* sink) {
  std::lock_guard<std::mutex> lock(mutex_);
  sink_ = sink;
}

bool HeadlessBackend::ClockIsVirtual() const { return true; }

std::vector<backend::MonitorDesc> HeadlessBackend::Monitors() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return monitors_;
}

backend::SurfaceId HeadlessBackend::CreateSurface(const backend::SurfaceDesc& desc) {
  std::lock_guard<std::mutex> lock(mutex_);
  const backend::SurfaceId id = nextId_++;
  surfaces_[id] = std::make_unique<HeadlessSurface>(desc);
  stacking_.insert(stacking_.begin(), id);
  return id;
}

void HeadlessBackend::DestroySurface(backend::SurfaceId id) {
  std::lock_guard<std::mutex> lock(mutex_);
  surfaces_.erase(id);
  stacking_.erase(std::remove(stacking_.begin(), stacking_.end(), id), stacking_.end());
  if (grab_ == id) grab_ = 0;
}

void HeadlessBackend::SetShowState(backend::SurfaceId id, backend::ShowState state) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (HeadlessSurface* surface = Find(id)) surface->show = state;
}

void HeadlessBackend::MoveSurface(backend::SurfaceId id, const RECT& screenRect) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (HeadlessSurface* surface = Find(id)) surface->desc.rect = screenRect;
}

void HeadlessBackend::Restack(const std::vector<backend::SurfaceId>& topToBottom) {
  std::lock_guard<std::mutex> lock(mutex_);
  stacking_ = topToBottom;
}

void HeadlessBackend::SetTopmost(backend::SurfaceId id, bool topmost) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (HeadlessSurface* surface = Find(id)) surface->desc.topmost = topmost;
}

void HeadlessBackend::Present(backend::SurfaceId id, cairo_surface_t* image, bool perPixelAlpha) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (HeadlessSurface* surface = Find(id)) surface->Present(image, perPixelAlpha);
}

void HeadlessBackend::SetShape(backend::SurfaceId id, const pixman_region32_t* shape) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (HeadlessSurface* surface = Find(id)) surface->SetShape(shape);
}

void HeadlessBackend::SetClickThrough(backend::SurfaceId id, bool clickThrough) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (HeadlessSurface* surface = Find(id)) surface->clickThrough = clickThrough;
}

void HeadlessBackend::SetOpacity(backend::SurfaceId id, BYTE alpha) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (HeadlessSurface* surface = Find(id)) surface->opacity = alpha;
}

void HeadlessBackend::SetTitle(backend::SurfaceId id, const std::wstring& title) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (HeadlessSurface* surface = Find(id)) surface->title = title;
}

void HeadlessBackend::SetIcon(backend::SurfaceId id, cairo_surface_t* icon, bool big) {
  std::lock_guard<std::mutex> lock(mutex_);
  HeadlessSurface* surface = Find(id);
  if (!surface) return;
  SIZE size{};
  if (icon != nullptr) size = SIZE{cairo_image_surface_get_width(icon), cairo_image_surface_get_height(icon)};
  (big ? surface->bigIcon : surface->smallIcon) = size;
}

void HeadlessBackend::GrabPointer(backend::SurfaceId id) {
  std::lock_guard<std::mutex> lock(mutex_);
  grab_ = id;
}

void HeadlessBackend::UngrabPointer() {
  std::lock_guard<std::mutex> lock(mutex_);
  grab_ = 0;
}

void HeadlessBackend::SetCursorShape(backend::CursorShape shape) {
  std::lock_guard<std::mutex> lock(mutex_);
  cursor_ = shape;
}

std::optional<CompositionSpot> HeadlessBackend::LastCompositionSpot() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return spot_;
}

void HeadlessBackend::SetCompositionSpot(HWND window, POINT screen) {
  std::lock_guard<std::mutex> lock(mutex_);
  spot_ = CompositionSpot{window, screen};
}

HeadlessSurface* HeadlessBackend::Find(backend::SurfaceId id) const {
  auto it = surfaces_.find(id);
  return it == surfaces_.end() ? nullptr : it->second.get();
}

HeadlessSurface* HeadlessBackend::FindByWindow(HWND hwnd) const {
  for (const auto& entry : surfaces_) {
    if (entry.second->desc.hwnd == hwnd) return entry.second.get();
  }
  return nullptr;
}

}  // namespace platform::headless

#include "platform/user/WindowHelpers.h"

#include <algorithm>
#include <cstdio>

#include "platform/backend/BackendRegistry.h"
#include "platform/base/Clock.h"
#include "platform/base/Error.h"
#include "platform/base/Module.h"
#include "platform/user/DesktopState.h"
#include "platform/user/InputRouter.h"
#include "platform/user/QueueRegistry.h"
#include "platform/user/Styles.h"
#include "platform/user/WindowTable.h"

namespace platform::user {

backend::Backend* ActiveBackend() {
  static backend::Backend* active = [] {
    std::string error;
    backend::Backend* b = backend::BackendRegistry::Active(&error);
    if (!b) {
      std::fprintf(stderr, "platform: %s\n", error.c_str());
      return b;
    }
    b->SetEventSink(&InputRouter::Instance());
    return b;
  }();
  return active;
}

uint64_t Now() { return platform::ClockMilliseconds(); }

WindowObject* FindWindowObject(HWND hwnd) {
  WindowObject* w = WindowTable::Instance().Find(hwnd);
  return (w && !w->Gone()) ? w : nullptr;
}

std::shared_ptr<WindowObject> FindWindowShared(HWND hwnd) {
  auto w = WindowTable::Instance().FindShared(hwnd);
  return (w && !w->Gone()) ? w : nullptr;
}

WindowObject* Desktop() { return WindowTable::Instance().Desktop(); }

bool IsDesktop(const WindowObject* w) { return w == Desktop(); }

WindowObject* RootOf(WindowObject* w) {
  while (w && w->parent && !IsDesktop(w->parent)) w = w->parent;
  return w;
}

bool IsDescendantOf(const WindowObject* w, const WindowObject* ancestor) {
  for (; w; w = w->parent) {
    if (w == ancestor) return true;
  }
  return false;
}

POINT WindowOriginOnScreen(const WindowObject* w) {
  POINT origin{w->rect.left, w->rect.top};
  for (const WindowObject* p = w->parent; p && !IsDesktop(p); p = p->parent) {
    origin.x += p->rect.left + p->client.left;
    origin.y += p->rect.top + p->client.top;
  }
  return origin;
}

POINT ClientOriginOnScreen(const WindowObject* w) {
  if (IsDesktop(w)) return POINT{0, 0};
  POINT origin = WindowOriginOnScreen(w);
  origin.x += w->client.left;
  origin.y += w->client.top;
  return origin;
}

RECT ScreenRectOf(const WindowObject* w) {
  if (IsDesktop(w)) return w->rect;
  const POINT origin = WindowOriginOnScreen(w);
  return RECT{origin.x, origin.y, origin.x + w->Width(), origin.y + w->Height()};
}

bool IsShownOnScreen(const WindowObject* w) {
  for (; w && !IsDesktop(w); w = w->parent) {
    if (!w->Visible()) return false;
  }
  return w != nullptr;
}

namespace {

bool Contains(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

bool LayeredPixelTransparent(const WindowObject* w, POINT windowPoint) {
  if (!(w->exStyle & WS_EX_LAYERED) || !w->layeredImage) return false;
  cairo_surface_t* image = w->layeredImage;
  const int width = cairo_image_surface_get_width(image);
  const int height = cairo_image_surface_get_height(image);
  if (windowPoint.x < 0 || windowPoint.y < 0 || windowPoint.x >= width || windowPoint.y >= height) return true;
  const unsigned char* data = cairo_image_surface_get_data(image);
  const int stride = cairo_image_surface_get_stride(image);
  const uint32_t pixel = *reinterpret_cast<const uint32_t*>(data + windowPoint.y * stride + windowPoint.x * 4);
  return (pixel >> 24) == 0;
}

// Whether `w` (shown) takes the point, in its parent's client coordinates.
bool TakesPoint(const WindowObject* w, POINT inParent) {
  if (!w->Visible() || (w->style & WS_MINIMIZE)) return false;
  if (w->exStyle & WS_EX_TRANSPARENT) return false;
  if (!Contains(w->rect, inParent)) return false;
  const POINT local{inParent.x - w->rect.left, inParent.y - w->rect.top};
  if (w->hasShape &&
      !pixman_region32_contains_point(const_cast<pixman_region32_t*>(&w->shape), local.x, local.y, nullptr)) {
    return false;
  }
  return !LayeredPixelTransparent(w, local);
}

}  // namespace

WindowObject* WindowAtPoint(POINT screen) {
  WindowObject* found = nullptr;
  for (WindowObject* top : Desktop()->children) {
    if (TakesPoint(top, screen)) {
      found = top;
      break;
    }
  }
  if (!found) return nullptr;
  POINT local{screen.x - found->rect.left - found->client.left, screen.y - found->rect.top - found->client.top};
  for (;;) {
    WindowObject* next = nullptr;
    for (WindowObject* child : found->children) {
      if (TakesPoint(child, local)) {
        next = child;
        break;
      }
    }
    if (!next || !next->Enabled()) return found;
    local.x -= next->rect.left + next->client.left;
    local.y -= next->rect.top + next->client.top;
    found = next;
  }
}

namespace {

void CollectPreorder(WindowObject* w, const ThreadQueue* queue, std::vector<WindowObject*>* out) {
  if (w->queue == queue && !w->Gone()) out->push_back(w);
  for (WindowObject* child : w->children) CollectPreorder(child, queue, out);
}

}  // namespace

std::vector<WindowObject*> WindowsOfQueue(const ThreadQueue* queue) {
  std::vector<WindowObject*> out;
  for (WindowObject* top : Desktop()->children) CollectPreorder(top, queue, &out);
  return out;
}

std::vector<WindowObject*> OwnedWindows(const WindowObject* owner) {
  std::vector<WindowObject*> out;
  for (WindowObject* top : Desktop()->children) {
    if (top->owner == owner->handle && !top->Gone()) out.push_back(top);
  }
  return out;
}

void SyncStacking() {
  backend::Backend* b = ActiveBackend();
  if (!b) return;
  std::vector<backend::SurfaceId> order;
  for (WindowObject* top : Desktop()->children) {
    if (top->surface) order.push_back(top->surface);
  }
  b->Restack(order);
}

ThreadQueue* CallingQueue() { return ThreadQueue::Current(); }

MSG MakeMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  MSG msg{};
  msg.hwnd = hwnd;
  msg.message = message;
  msg.wParam = wParam;
  msg.lParam = lParam;
  msg.time = DWORD(Now());
  msg.pt = DesktopState::Instance().cursor;
  return msg;
}

bool IsCallingThreadOwner(HWND hwnd) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hwnd);
  return w && w->threadId == GetCurrentThreadId();
}

namespace {

// Waits for a sent message's answer, running the messages other threads send to this
// one meanwhile (two threads sending to each other must not dead-lock).
void AwaitAnswer(Guard& guard, ThreadQueue* self, const std::shared_ptr<SentMessage>& item) {
  while (!item->done) {
    if (self->ProcessOneSent(guard)) continue;
    if (item->done) break;
    self->cv.wait(guard);
  }
}

}  // namespace

LRESULT SendMessageInternal(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hwnd);
  if (!w || IsDesktop(w)) {
    if (!w) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  if (w->threadId == GetCurrentThreadId()) {
    WNDPROC proc = w->proc;
    guard.unlock();
    return proc ? proc(hwnd, message, wParam, lParam) : 0;
  }
  ThreadQueue* self = ThreadQueue::Current();
  auto item = std::make_shared<SentMessage>();
  item->hwnd = hwnd;
  item->message = message;
  item->wParam = wParam;
  item->lParam = lParam;
  item->sender = self;
  w->queue->AddSent(item);
  AwaitAnswer(guard, self, item);
  return item->result;
}

LRESULT RunOnOwnerThread(HWND hwnd, std::function<LRESULT()> call, bool wait, bool* ran) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hwnd);
  if (ran) *ran = w != nullptr && !IsDesktop(w);
  if (!w || IsDesktop(w)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  if (w->threadId == GetCurrentThreadId()) {
    guard.unlock();
    return call();
  }
  auto item = std::make_shared<SentMessage>();
  item->hwnd = hwnd;
  item->task = std::move(call);
  item->sender = wait ? ThreadQueue::Current() : nullptr;
  w->queue->AddSent(item);
  if (!wait) return 0;
  AwaitAnswer(guard, item->sender, item);
  return item->result;
}

bool RunOnThread(DWORD threadId, std::function<LRESULT()> call, bool wait) {
  Guard guard = UserLock::Acquire();
  if (threadId == GetCurrentThreadId()) {
    guard.unlock();
    call();
    return true;
  }
  ThreadQueue* target = QueueRegistry::Instance().FindThread(threadId);
  if (!target) return false;
  auto item = std::make_shared<SentMessage>();
  item->task = std::move(call);
  item->sender = wait ? ThreadQueue::Current() : nullptr;
  target->AddSent(item);
  if (wait) AwaitAnswer(guard, item->sender, item);
  return true;
}

}  // namespace platform::user

#include "platform/user/CaretPainter.h"

#include <algorithm>

#include "platform/user/DesktopState.h"
#include "platform/user/LayeredOps.h"
#include "platform/user/PaintOps.h"
#include "platform/user/QueueRegistry.h"
#include "platform/user/Styles.h"
#include "platform/user/WindowHelpers.h"

namespace platform::user {
namespace {

bool Layered(const WindowObject* root) { return (root->exStyle & WS_EX_LAYERED) != 0; }

// The caret's rectangle in its top-level window's picture, cut to what shows of its window.
std::vector<RECT> CaretRects(const CaretState& caret, WindowObject* w) {
  const POINT client = ClientOriginOnScreen(w);
  const POINT root = WindowOriginOnScreen(RootOf(w));
  pixman_region32_t visible;
  VisibleRegion(w, true, &visible);
  pixman_region32_t shape;
  pixman_region32_init_rect(&shape, caret.pos.x, caret.pos.y, unsigned(std::max(caret.width, 0)),
                            unsigned(std::max(caret.height, 0)));
  pixman_region32_intersect(&shape, &shape, &visible);
  std::vector<RECT> rects;
  int count = 0;
  const pixman_box32_t* boxes = pixman_region32_rectangles(&shape, &count);
  const int dx = client.x - root.x, dy = client.y - root.y;
  for (int i = 0; i < count; ++i) {
    rects.push_back(RECT{boxes[i].x1 + dx, boxes[i].y1 + dy, boxes[i].x2 + dx, boxes[i].y2 + dy});
  }
  pixman_region32_fini(&shape);
  pixman_region32_fini(&visible);
  return rects;
}

}  // namespace

WindowObject* CaretPainter::ShownIn(const CaretState& caret) {
  if (!caret.hwnd || caret.hideCount > 0) return nullptr;
  WindowObject* w = FindWindowObject(caret.hwnd);
  if (!w || !IsShownOnScreen(w) || Layered(RootOf(w))) return nullptr;
  return w;
}

void CaretPainter::Present(WindowObject* w) {
  if (w && !IsDesktop(w)) PresentTopLevel(RootOf(w));
}

void CaretPainter::Changed(ThreadQueue& queue, WindowObject* before) {
  CaretState& caret = queue.caret;
  caret.blinkOn = true;
  caret.nextBlink = Now() + DesktopState::Instance().caretBlinkTime;
  WindowObject* now = FindWindowObject(caret.hwnd);
  if (before && (!now || RootOf(before) != RootOf(now))) Present(before);
  Present(now);
  queue.Wake();
}

uint64_t CaretPainter::NextBlink(const ThreadQueue& queue) {
  if (!ShownIn(queue.caret) || DesktopState::Instance().caretBlinkTime == 0) return UINT64_MAX;
  return queue.caret.nextBlink;
}

bool CaretPainter::Blink(ThreadQueue& queue) {
  CaretState& caret = queue.caret;
  WindowObject* w = ShownIn(caret);
  const uint64_t now = Now();
  if (!w || DesktopState::Instance().caretBlinkTime == 0 || now < caret.nextBlink) return false;
  caret.blinkOn = !caret.blinkOn;
  caret.nextBlink = now + DesktopState::Instance().caretBlinkTime;
  Present(w);
  return true;
}

std::vector<RECT> CaretPainter::Overlay(WindowObject* root, cairo_surface_t* image) {
  std::vector<RECT> rects;
  if (Layered(root)) return rects;
  for (ThreadQueue* queue : QueueRegistry::Instance().Queues()) {
    if (!queue->caret.blinkOn) continue;
    WindowObject* w = ShownIn(queue->caret);
    if (!w || RootOf(w) != root) continue;
    for (const RECT& r : CaretRects(queue->caret, w)) rects.push_back(r);
  }
  Invert(image, rects);
  return rects;
}

void CaretPainter::Invert(cairo_surface_t* image, const std::vector<RECT>& rects) {
  if (rects.empty()) return;
  cairo_surface_flush(image);
  unsigned char* data = cairo_image_surface_get_data(image);
  const int stride = cairo_image_surface_get_stride(image);
  const int width = cairo_image_surface_get_width(image);
  const int height = cairo_image_surface_get_height(image);
  for (const RECT& r : rects) {
    for (int y = std::max<int>(r.top, 0); y < std::min<int>(r.bottom, height); ++y) {
      auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
      // The colour channels flip and alpha stays: the caret shows on any background.
      for (int x = std::max<int>(r.left, 0); x < std::min<int>(r.right, width); ++x) row[x] ^= 0x00FFFFFFu;
    }
  }
  cairo_surface_mark_dirty(image);
}

}  // namespace platform::user

#include "platform/user/ChildFrameStore.h"

#include <pixman.h>

#include "platform/user/PaintOps.h"
#include "platform/user/WindowHelpers.h"

namespace platform::user {
namespace {

// Clips `cr` to the part of `w`'s client area that shows, placed at `origin`.
void ClipToVisible(cairo_t* cr, const WindowObject* w, POINT origin) {
  pixman_region32_t visible;
  VisibleRegion(w, true, &visible);
  int count = 0;
  const pixman_box32_t* boxes = pixman_region32_rectangles(&visible, &count);
  for (int i = 0; i < count; ++i) {
    cairo_rectangle(cr, origin.x + boxes[i].x1, origin.y + boxes[i].y1, boxes[i].x2 - boxes[i].x1,
                    boxes[i].y2 - boxes[i].y1);
  }
  pixman_region32_fini(&visible);
  cairo_clip(cr);
}

void DrawFrame(cairo_surface_t* target, const WindowObject* w, POINT origin, const backend::ChildFrame& frame) {
  if (w->ClientWidth() <= 0 || w->ClientHeight() <= 0) return;
  // RGB24: whatever the fourth byte holds, a video frame is opaque.
  cairo_surface_t* source = cairo_image_surface_create_for_data(
      const_cast<unsigned char*>(frame.pixels.get()), CAIRO_FORMAT_RGB24, frame.width, frame.height, frame.stride);
  cairo_t* cr = cairo_create(target);
  ClipToVisible(cr, w, origin);
  cairo_translate(cr, origin.x, origin.y);
  const bool sameSize = frame.width == w->ClientWidth() && frame.height == w->ClientHeight();
  if (!sameSize) cairo_scale(cr, double(w->ClientWidth()) / frame.width, double(w->ClientHeight()) / frame.height);
  cairo_set_source_surface(cr, source, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), sameSize ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_BILINEAR);
  cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_rectangle(cr, 0, 0, frame.width, frame.height);
  cairo_fill(cr);
  cairo_destroy(cr);
  cairo_surface_destroy(source);
}

}  // namespace

ChildFrameStore& ChildFrameStore::Instance() {
  static auto* store = new ChildFrameStore;
  return *store;
}

void ChildFrameStore::Set(HWND hwnd, std::shared_ptr<const backend::ChildFrame> frame) {
  entries_[hwnd].frame = std::move(frame);
}

bool ChildFrameStore::Remove(HWND hwnd) { return entries_.erase(hwnd) != 0; }

bool ChildFrameStore::MarkPresentWanted(HWND hwnd) {
  auto it = entries_.find(hwnd);
  if (it == entries_.end() || it->second.presentWanted) return false;
  it->second.presentWanted = true;
  return true;
}

void ChildFrameStore::PresentDone(HWND hwnd) {
  auto it = entries_.find(hwnd);
  if (it != entries_.end()) it->second.presentWanted = false;
}

void ChildFrameStore::Present(backend::Backend* b, WindowObject* root, cairo_surface_t* image, bool perPixelAlpha) {
  if (!HasFramesIn(root)) {
    b->Present(root->surface, image, perPixelAlpha);
    return;
  }
  cairo_surface_flush(image);
  cairo_surface_t* composed = cairo_image_surface_create(
      CAIRO_FORMAT_ARGB32, cairo_image_surface_get_width(image), cairo_image_surface_get_height(image));
  cairo_t* cr = cairo_create(composed);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(cr, image, 0, 0);
  cairo_paint(cr);
  cairo_destroy(cr);
  DrawFrames(root, composed);
  cairo_surface_flush(composed);
  b->Present(root->surface, composed, perPixelAlpha);
  cairo_surface_destroy(composed);
}

bool ChildFrameStore::HasFramesIn(WindowObject* root) const {
  for (const auto& [hwnd, entry] : entries_) {
    WindowObject* w = FindWindowObject(hwnd);
    if (w && entry.frame && RootOf(w) == root) return true;
  }
  return false;
}

void ChildFrameStore::DrawFrames(WindowObject* root, cairo_surface_t* target) const {
  const POINT rootOrigin = WindowOriginOnScreen(root);
  for (const auto& [hwnd, entry] : entries_) {
    WindowObject* w = FindWindowObject(hwnd);
    if (!w || !entry.frame || RootOf(w) != root || !IsShownOnScreen(w)) continue;
    const POINT client = ClientOriginOnScreen(w);
    DrawFrame(target, w, POINT{client.x - rootOrigin.x, client.y - rootOrigin.y}, *entry.frame);
  }
}

}  // namespace platform::user

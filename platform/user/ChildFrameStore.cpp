#include "platform/user/ChildFrameStore.h"

#include <pixman.h>

#include <cstring>
#include <memory>

#include "platform/user/PaintOps.h"
#include "platform/user/WindowHelpers.h"

namespace platform::user {
namespace {

// Copies the frame, scaled to `w`'s client area placed at `origin`, into `target`
// where the window shows. Straight through pixman: frames are opaque (the fourth byte
// is ignored), so each visible rectangle is a plain copy when no scaling is needed.
void DrawFrame(cairo_surface_t* target, const WindowObject* w, POINT origin, const backend::ChildFrame& frame) {
  const int clientWidth = w->ClientWidth();
  const int clientHeight = w->ClientHeight();
  if (clientWidth <= 0 || clientHeight <= 0) return;
  pixman_image_t* source =
      pixman_image_create_bits(PIXMAN_x8r8g8b8, frame.width, frame.height,
                               reinterpret_cast<uint32_t*>(const_cast<uint8_t*>(frame.pixels.get())), frame.stride);
  pixman_image_t* destination = pixman_image_create_bits(
      PIXMAN_a8r8g8b8, cairo_image_surface_get_width(target), cairo_image_surface_get_height(target),
      reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(target)), cairo_image_surface_get_stride(target));
  if (frame.width != clientWidth || frame.height != clientHeight) {
    pixman_transform_t scale;
    pixman_transform_init_scale(&scale, pixman_double_to_fixed(double(frame.width) / clientWidth),
                                pixman_double_to_fixed(double(frame.height) / clientHeight));
    pixman_image_set_transform(source, &scale);
    pixman_image_set_filter(source, PIXMAN_FILTER_BILINEAR, nullptr, 0);
    pixman_image_set_repeat(source, PIXMAN_REPEAT_PAD);
  }
  pixman_region32_t visible;
  VisibleRegion(w, true, &visible);
  int count = 0;
  const pixman_box32_t* boxes = pixman_region32_rectangles(&visible, &count);
  for (int i = 0; i < count; ++i) {
    const pixman_box32_t& b = boxes[i];
    pixman_image_composite32(PIXMAN_OP_SRC, source, nullptr, destination, b.x1, b.y1, 0, 0, origin.x + b.x1,
                             origin.y + b.y1, b.x2 - b.x1, b.y2 - b.y1);
  }
  pixman_region32_fini(&visible);
  pixman_image_unref(destination);
  pixman_image_unref(source);
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
  // A copy, not the picture itself: the window's own painting stays under the frame,
  // so clearing the frame shows it again without a repaint. Not zeroed: every byte is
  // copied over.
  cairo_surface_flush(image);
  const int width = cairo_image_surface_get_width(image);
  const int height = cairo_image_surface_get_height(image);
  const int stride = cairo_image_surface_get_stride(image);
  const size_t bytes = static_cast<size_t>(stride) * static_cast<size_t>(height);
  std::unique_ptr<unsigned char[]> pixels(new unsigned char[bytes]);
  std::memcpy(pixels.get(), cairo_image_surface_get_data(image), bytes);
  cairo_surface_t* composed =
      cairo_image_surface_create_for_data(pixels.get(), CAIRO_FORMAT_ARGB32, width, height, stride);
  DrawFrames(root, composed);
  cairo_surface_mark_dirty(composed);
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

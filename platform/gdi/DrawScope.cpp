#include "platform/gdi/DrawScope.h"

#include "platform/gdi/DeviceContext.h"

namespace platform::gdi {

DrawScope::DrawScope(DeviceContext& dc, bool writes)
    : dc_(dc), writes_(writes), surface_(dc.BeginAccess()), clip_(dc.Visible()) {
  originX_ = dc.Origin().x;
  originY_ = dc.Origin().y;
  clip_.Translate(originX_, originY_);
}

DrawScope::~DrawScope() {
  if (cairo_) {
    cairo_destroy(cairo_);
    if (surface_) cairo_surface_flush(surface_);
  }
  if (surface_) dc_.EndAccess(writes_);
}

uint8_t* DrawScope::Pixels() const { return cairo_image_surface_get_data(surface_); }

int DrawScope::Stride() const { return cairo_image_surface_get_stride(surface_); }

int DrawScope::Width() const { return cairo_image_surface_get_width(surface_); }

int DrawScope::Height() const { return cairo_image_surface_get_height(surface_); }

cairo_t* DrawScope::Cairo() {
  if (cairo_) return cairo_;
  cairo_ = cairo_create(surface_);
  int count = 0;
  const pixman_box32_t* boxes = pixman_region32_rectangles(const_cast<pixman_region32_t*>(clip_.Get()), &count);
  for (int i = 0; i < count; ++i)
    cairo_rectangle(cairo_, boxes[i].x1, boxes[i].y1, boxes[i].x2 - boxes[i].x1, boxes[i].y2 - boxes[i].y1);
  cairo_clip(cairo_);
  cairo_translate(cairo_, originX_, originY_);
  return cairo_;
}

}  // namespace platform::gdi

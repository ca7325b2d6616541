#pragma once
// One drawing call's access to a DC's pixels: the surface, the clip in device
// coordinates, and a cairo context in logical coordinates clipped to it.
#include <cairo.h>

#include <cstdint>

#include "platform/gdi/PixRegion.h"

namespace platform::gdi {

class DeviceContext;

class DrawScope {
 public:
  DrawScope(DeviceContext& dc, bool writes);
  ~DrawScope();
  DrawScope(const DrawScope&) = delete;
  DrawScope& operator=(const DrawScope&) = delete;

  // False when there is nothing to draw into.
  bool Ready() const { return surface_ != nullptr; }
  // False when nothing drawn would show.
  bool Visible() const { return surface_ && !clip_.Empty(); }
  cairo_surface_t* Surface() const { return surface_; }
  const PixRegion& Clip() const { return clip_; }
  int OriginX() const { return originX_; }
  int OriginY() const { return originY_; }
  uint8_t* Pixels() const;
  int Stride() const;
  int Width() const;
  int Height() const;
  // Clipped, translated so that logical coordinates are used; owned by the scope.
  cairo_t* Cairo();

 private:
  DeviceContext& dc_;
  bool writes_;
  cairo_surface_t* surface_;
  PixRegion clip_;
  int originX_;
  int originY_;
  cairo_t* cairo_ = nullptr;
};

}  // namespace platform::gdi

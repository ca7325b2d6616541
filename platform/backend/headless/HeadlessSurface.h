#pragma once
// What the headless backend knows of one top-level surface.
#include <cairo.h>
#include <pixman.h>

#include <memory>
#include <string>

#include "platform/backend/BackendTypes.h"

namespace platform::headless {

class HeadlessSurface {
 public:
  explicit HeadlessSurface(const backend::SurfaceDesc& desc);
  ~HeadlessSurface();
  HeadlessSurface(const HeadlessSurface&) = delete;
  HeadlessSurface& operator=(const HeadlessSurface&) = delete;

  void Present(cairo_surface_t* image, bool perPixelAlpha);
  void SetShape(const pixman_region32_t* shape);
  // A new reference to a copy of the last presented image, or null before the first.
  cairo_surface_t* CopyImage() const;
  bool ShapeContains(int x, int y) const;

  backend::SurfaceDesc desc;
  backend::ShowState show = backend::ShowState::Hidden;
  BYTE opacity = 255;
  bool clickThrough = false;
  bool perPixelAlpha = false;
  bool hasShape = false;
  SIZE bigIcon{};  // the size of the icon last set, 0 x 0 for none
  SIZE smallIcon{};
  std::wstring title;
  int presentCount = 0;

 private:
  cairo_surface_t* image_ = nullptr;
  pixman_region32_t shape_;
};

}  // namespace platform::headless

#include "platform/gdiplus/TextureBrush.h"

#include "platform/gdiplus/Image.h"

namespace Gdiplus {

TextureBrush::TextureBrush(Image* image, WrapMode wrapMode) : wrapMode_(wrapMode) {
  if (!image || !image->Surface()) {
    status_ = InvalidParameter;
    return;
  }
  surface_ = cairo_surface_reference(image->Surface());
}

TextureBrush::TextureBrush(const TextureBrush& other)
    : Brush(other), surface_(other.surface_ ? cairo_surface_reference(other.surface_) : nullptr),
      wrapMode_(other.wrapMode_) {}

TextureBrush::~TextureBrush() {
  if (surface_) cairo_surface_destroy(surface_);
}

Status TextureBrush::SetWrapMode(WrapMode wrapMode) {
  wrapMode_ = wrapMode;
  return Ok;
}

cairo_pattern_t* TextureBrush::NewPattern() const {
  if (!surface_) return cairo_pattern_create_rgba(0, 0, 0, 0);
  cairo_pattern_t* pattern = cairo_pattern_create_for_surface(surface_);
  switch (wrapMode_) {
    case WrapModeClamp:
      cairo_pattern_set_extend(pattern, CAIRO_EXTEND_NONE);
      break;
    case WrapModeTileFlipX:
    case WrapModeTileFlipY:
    case WrapModeTileFlipXY:
      cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REFLECT);
      break;
    default:
      cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
      break;
  }
  return pattern;
}

}  // namespace Gdiplus

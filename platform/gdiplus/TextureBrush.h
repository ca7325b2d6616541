#pragma once
// A brush of a picture, tiled from the world origin.
#include "platform/gdiplus/Brush.h"

namespace Gdiplus {

class Image;

class TextureBrush : public Brush {
 public:
  explicit TextureBrush(Image* image, WrapMode wrapMode = WrapModeTile);
  ~TextureBrush() override;
  TextureBrush(const TextureBrush& other);
  TextureBrush& operator=(const TextureBrush&) = delete;

  Brush* Clone() const override { return new TextureBrush(*this); }
  WrapMode GetWrapMode() const { return wrapMode_; }
  Status SetWrapMode(WrapMode wrapMode);
  cairo_pattern_t* NewPattern() const override;

 private:
  cairo_surface_t* surface_ = nullptr;  // a reference on the picture's frame
  WrapMode wrapMode_;
};

}  // namespace Gdiplus

#pragma once
// A bitmap: a picture that can be drawn into, made empty (transparent) at a size or
// loaded from a file.
#include "platform/gdiplus/Color.h"
#include "platform/gdiplus/Image.h"

namespace Gdiplus {

class Bitmap : public Image {
 public:
  Bitmap(INT width, INT height, PixelFormat format = PixelFormat32bppARGB);
  explicit Bitmap(const WCHAR* filename, BOOL useEmbeddedColorManagement = FALSE);

  static Bitmap* FromFile(const WCHAR* filename, BOOL useEmbeddedColorManagement = FALSE);

  // The colour at a pixel, not premultiplied.
  Status GetPixel(INT x, INT y, Color* color) const;
  Status SetPixel(INT x, INT y, const Color& color);
};

}  // namespace Gdiplus

#pragma once
// The image encoders the layer offers: PNG only.
#include "platform/gdiplus/GdiPlusTypes.h"

namespace Gdiplus {

class ImageEncoders {
 public:
  static const CLSID& PngClsid();
};

Status GetImageEncodersSize(UINT* numEncoders, UINT* size);
Status GetImageEncoders(UINT numEncoders, UINT size, ImageCodecInfo* encoders);

}  // namespace Gdiplus

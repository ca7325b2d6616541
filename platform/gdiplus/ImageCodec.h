#pragma once
// Reading and writing picture files: PNG, JPEG, BMP and GIF (every frame, with its
// delay) through stb_image; PNG written through stb_image_write. Frames are cairo
// ARGB32 images (premultiplied, native byte order).
#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gdiplus/GdiPlusTypes.h"

namespace Gdiplus {

struct DecodedImage {
  std::vector<cairo_surface_t*> frames;  // owned by the receiver
  std::vector<UINT> delays;              // hundredths of a second, one per frame (animated GIFs only)
  GUID format{};
};

class ImageCodec {
 public:
  static bool ReadFile(const WCHAR* path, std::vector<uint8_t>* bytes);
  static bool Decode(const uint8_t* data, size_t size, DecodedImage* out);
  static bool WritePng(cairo_surface_t* surface, const WCHAR* path);
};

}  // namespace Gdiplus

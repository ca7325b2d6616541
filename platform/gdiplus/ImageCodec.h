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
  // The most pixels a picture may have, all frames of an animation together: a few
  // hundred kilobytes of PNG can announce gigabytes of pixels. 50 million takes the
  // photos of today's cameras (48 megapixels) and costs at most 200 MB per decoded copy.
  static constexpr uint64_t kPixelBudget = 50000000;

  static bool ReadFile(const WCHAR* path, std::vector<uint8_t>* bytes);
  // False for data the codec cannot read and, from its header alone before a pixel is
  // decoded, for a picture over the pixel budget.
  static bool Decode(const uint8_t* data, size_t size, DecodedImage* out);
  // Width x height x frames as the header gives them (frames counted from a GIF's blocks);
  // 0 when the header is not one the codec reads.
  static uint64_t AnnouncedPixels(const uint8_t* data, size_t size);
  static bool WritePng(cairo_surface_t* surface, const WCHAR* path);
};

}  // namespace Gdiplus

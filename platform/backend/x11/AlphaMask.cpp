#include "platform/backend/x11/AlphaMask.h"

namespace platform::x11 {
namespace {

uint32_t Unpremultiply(uint32_t pixel) {
  const uint32_t alpha = pixel >> 24;
  if (alpha == 0) return 0xFF000000u;
  if (alpha == 255) return pixel;
  uint32_t out = 0xFF000000u;
  for (int shift = 0; shift <= 16; shift += 8) {
    const uint32_t channel = (pixel >> shift) & 0xFF;
    uint32_t value = (channel * 255 + alpha / 2) / alpha;
    if (value > 255) value = 255;
    out |= value << shift;
  }
  return out;
}

}  // namespace

void AlphaMask::VisibleRegion(const PixelImage& image, pixman_region32_t* out) {
  std::vector<pixman_box32_t> boxes;
  for (int y = 0; y < image.height; ++y) {
    int x = 0;
    while (x < image.width) {
      while (x < image.width && (image.At(x, y) >> 24) == 0) ++x;
      const int start = x;
      while (x < image.width && (image.At(x, y) >> 24) != 0) ++x;
      if (x > start) boxes.push_back(pixman_box32_t{start, y, x, y + 1});
    }
  }
  pixman_region32_fini(out);
  if (boxes.empty()) {
    pixman_region32_init(out);
    return;
  }
  pixman_region32_init_rects(out, boxes.data(), int(boxes.size()));
}

std::vector<uint32_t> AlphaMask::Flattened(const PixelImage& image) {
  std::vector<uint32_t> out(image.pixels.size());
  for (size_t i = 0; i < out.size(); ++i) out[i] = Unpremultiply(image.pixels[i]);
  return out;
}

}  // namespace platform::x11

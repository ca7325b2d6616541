#pragma once
// What a picture with per-pixel alpha becomes on a display without a compositing
// manager, where a 32-bit window shows its colour bytes and ignores alpha: the
// transparent pixels are cut away by a shape and the others show their own colour,
// so nothing is drawn black.
#include <pixman.h>

#include <cstdint>
#include <vector>

#include "platform/backend/x11/PixelImage.h"

namespace platform::x11 {

class AlphaMask {
 public:
  // The pixels whose alpha is not zero, as a region in window coordinates.
  static void VisibleRegion(const PixelImage& image, pixman_region32_t* out);
  // The picture with its colours divided by their alpha and made opaque.
  static std::vector<uint32_t> Flattened(const PixelImage& image);
};

}  // namespace platform::x11

#pragma once
// One picture handed to a child window from another thread (a video frame): B, G, R
// and an ignored fourth byte per pixel, top-down. Frames are never changed once handed
// over, so the layer, a backend and a test can hold the same one.
#include <cstdint>
#include <memory>

namespace platform::backend {

struct ChildFrame {
  int width = 0;
  int height = 0;
  int stride = 0;  // bytes per row
  std::unique_ptr<uint8_t[]> pixels;

  const uint8_t* Row(int y) const { return pixels.get() + static_cast<size_t>(y) * static_cast<size_t>(stride); }
};

}  // namespace platform::backend

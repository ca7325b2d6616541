#include "platform/web/FrameStore.h"

#include <algorithm>
#include <cstring>

namespace platform::web {

void FrameStore::Store(const uint8_t* pixels, int width, int height, int stride) {
  if (pixels == nullptr || width <= 0 || height <= 0 || stride < width * 4) return;
  std::lock_guard<std::mutex> lock(mutex_);
  pixels_.resize(static_cast<size_t>(width) * height * 4);
  for (int y = 0; y < height; ++y) {
    std::memcpy(&pixels_[static_cast<size_t>(y) * width * 4], pixels + static_cast<size_t>(y) * stride,
                static_cast<size_t>(width) * 4);
  }
  width_ = width;
  height_ = height;
}

void FrameStore::CopyTo(uint8_t* bits, int width, int height, int pitch) const {
  if (bits == nullptr || width <= 0 || height <= 0) return;
  if (pitch == 0) pitch = width * 4;
  if (pitch < width * 4) return;
  std::lock_guard<std::mutex> lock(mutex_);
  const int covered = std::min(width, width_);
  for (int y = 0; y < height; ++y) {
    uint8_t* row = bits + static_cast<size_t>(y) * pitch;
    int done = 0;
    if (y < height_) {
      std::memcpy(row, &pixels_[static_cast<size_t>(y) * width_ * 4], static_cast<size_t>(covered) * 4);
      done = covered;
    }
    std::memset(row + static_cast<size_t>(done) * 4, 0xFF, static_cast<size_t>(width - done) * 4);
  }
}

bool FrameStore::HasFrame() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return width_ > 0;
}

}  // namespace platform::web

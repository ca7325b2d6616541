#pragma once
// The latest finished rendering of a view, written on the engine's thread and copied
// out on the view's: a copy never waits for the engine, only for another copy.
#include <cstdint>
#include <mutex>
#include <vector>

namespace platform::web {

class FrameStore {
 public:
  // Keeps a copy of the rendering (premultiplied B, G, R, A, top-down).
  void Store(const uint8_t* pixels, int width, int height, int stride);
  // Fills a width x height buffer of `pitch` bytes a row: the rendering where it
  // covers, white elsewhere (all of it before the first rendering).
  void CopyTo(uint8_t* bits, int width, int height, int pitch) const;
  bool HasFrame() const;

 private:
  mutable std::mutex mutex_;
  std::vector<uint8_t> pixels_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace platform::web

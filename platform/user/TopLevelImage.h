#pragma once
// The picture of one top-level window: the window and every child window it holds
// draw into it (children at their offsets, clipped), and it is what the backend is
// handed to present.
#include <cairo.h>

#include <mutex>

namespace platform::user {

class TopLevelImage {
 public:
  TopLevelImage(int width, int height);
  ~TopLevelImage();
  TopLevelImage(const TopLevelImage&) = delete;
  TopLevelImage& operator=(const TopLevelImage&) = delete;

  // Keeps what was drawn at the top-left; device contexts on the old picture keep
  // their own reference until released.
  void Resize(int width, int height);
  cairo_surface_t* Surface() const { return surface_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  std::mutex& Mutex() { return mutex_; }

 private:
  cairo_surface_t* surface_;
  int width_;
  int height_;
  std::mutex mutex_;
};

}  // namespace platform::user

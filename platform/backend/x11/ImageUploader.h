#pragma once
// Holds a window's last presented picture where the X server can read it, and puts
// any part of it on the window: through a MIT-SHM segment when the server shares
// memory with us, else with plain XPutImage. X thread only.
#include "platform/backend/x11/XHeaders.h"
#include <X11/extensions/XShm.h>

#include <cstdint>
#include <vector>

#include "platform/backend/x11/XConnection.h"

namespace platform::x11 {

class ImageUploader {
 public:
  explicit ImageUploader(XConnection& connection);
  ~ImageUploader();
  ImageUploader(const ImageUploader&) = delete;
  ImageUploader& operator=(const ImageUploader&) = delete;

  // Replaces the picture; `pixels` is width x height, no padding.
  void Load(const uint32_t* pixels, int width, int height);
  // Copies the picture's part (x, y, width, height) to the same place on `target`.
  void Put(Drawable target, GC gc, int x, int y, int width, int height);
  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ == 0 || height_ == 0; }

 private:
  bool AllocateShared(int width, int height);
  void ReleaseShared();
  void ReleaseImage();

  XConnection& connection_;
  XImage* image_ = nullptr;
  XShmSegmentInfo shm_{};
  bool shared_ = false;
  bool putPending_ = false;
  std::vector<uint32_t> buffer_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace platform::x11

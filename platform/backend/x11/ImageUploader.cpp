#include "platform/backend/x11/ImageUploader.h"

#include <X11/Xutil.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <algorithm>
#include <cstring>

#include "platform/backend/x11/ErrorTrap.h"

namespace platform::x11 {

ImageUploader::ImageUploader(XConnection& connection) : connection_(connection) {}

ImageUploader::~ImageUploader() { ReleaseImage(); }

void ImageUploader::ReleaseShared() {
  if (!shared_) return;
  XShmDetach(connection_.display(), &shm_);
  XSync(connection_.display(), False);
  shmdt(shm_.shmaddr);
  shm_ = XShmSegmentInfo{};
  shared_ = false;
}

void ImageUploader::ReleaseImage() {
  if (!image_) return;
  ReleaseShared();
  image_->data = nullptr;  // the memory is the segment's or buffer_'s, not Xlib's
  XDestroyImage(image_);
  image_ = nullptr;
  putPending_ = false;
}

bool ImageUploader::AllocateShared(int width, int height) {
  Display* display = connection_.display();
  image_ = XShmCreateImage(display, connection_.visual(), unsigned(connection_.depth()), ZPixmap, nullptr, &shm_,
                           unsigned(width), unsigned(height));
  if (!image_) return false;
  const size_t bytes = size_t(image_->bytes_per_line) * size_t(height);
  shm_.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
  if (shm_.shmid < 0) {
    XDestroyImage(image_);
    image_ = nullptr;
    return false;
  }
  shm_.shmaddr = image_->data = static_cast<char*>(shmat(shm_.shmid, nullptr, 0));
  shm_.readOnly = False;
  bool attached = false;
  if (shm_.shmaddr != reinterpret_cast<char*>(-1)) {
    ErrorTrap trap(display);
    XShmAttach(display, &shm_);
    attached = trap.Clean();
  }
  // Marked for removal now, so the segment goes with the last detach, crash or not.
  shmctl(shm_.shmid, IPC_RMID, nullptr);
  if (attached) {
    shared_ = true;
    return true;
  }
  if (shm_.shmaddr != reinterpret_cast<char*>(-1)) shmdt(shm_.shmaddr);
  shm_ = XShmSegmentInfo{};
  image_->data = nullptr;
  XDestroyImage(image_);
  image_ = nullptr;
  // A server on another machine shares no memory: plain requests from now on.
  connection_.disableShm();
  return false;
}

void ImageUploader::Load(const uint32_t* pixels, int width, int height) {
  Display* display = connection_.display();
  if (putPending_ && shared_) XSync(display, False);  // the server may still read the segment
  putPending_ = false;
  if (!image_ || width != width_ || height != height_) {
    ReleaseImage();
    width_ = width;
    height_ = height;
    if (width <= 0 || height <= 0) return;
    if (!(connection_.hasShm() && AllocateShared(width, height))) {
      buffer_.assign(size_t(width) * size_t(height), 0);
      image_ = XCreateImage(display, connection_.visual(), unsigned(connection_.depth()), ZPixmap, 0,
                            reinterpret_cast<char*>(buffer_.data()), unsigned(width), unsigned(height), 32,
                            width * 4);
      if (!image_) return;
      image_->byte_order = LSBFirst;  // our pixels are little-endian words; Xlib swaps for the server
    }
  }
  if (!image_) return;
  const size_t rowBytes = size_t(width) * 4;
  for (int y = 0; y < height; ++y) {
    std::memcpy(image_->data + size_t(y) * size_t(image_->bytes_per_line), pixels + size_t(y) * size_t(width),
                rowBytes);
  }
}

void ImageUploader::Put(Drawable target, GC gc, int x, int y, int width, int height) {
  if (!image_) return;
  const int left = std::max(x, 0), top = std::max(y, 0);
  const int right = std::min(x + width, width_), bottom = std::min(y + height, height_);
  if (right <= left || bottom <= top) return;
  Display* display = connection_.display();
  if (shared_) {
    XShmPutImage(display, target, gc, image_, left, top, left, top, unsigned(right - left), unsigned(bottom - top),
                 False);
    putPending_ = true;
  } else {
    XPutImage(display, target, gc, image_, left, top, left, top, unsigned(right - left), unsigned(bottom - top));
  }
}

}  // namespace platform::x11

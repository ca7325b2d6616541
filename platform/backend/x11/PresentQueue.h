#pragma once
// Pictures handed over by owner threads and not yet taken by the X thread. Only the
// newest picture of a window counts: a window that presents faster than the display
// takes its pictures skips the ones in between.
#include <map>
#include <mutex>
#include <optional>

#include "platform/backend/BackendTypes.h"
#include "platform/backend/x11/PixelImage.h"

namespace platform::x11 {

class PresentQueue {
 public:
  // True when the window had no picture waiting (the X thread must be told).
  bool Put(backend::SurfaceId id, PixelImage image);
  std::optional<PixelImage> Take(backend::SurfaceId id);
  void Drop(backend::SurfaceId id);

 private:
  std::mutex mutex_;
  std::map<backend::SurfaceId, PixelImage> waiting_;
};

}  // namespace platform::x11

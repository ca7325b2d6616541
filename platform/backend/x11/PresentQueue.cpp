#include "platform/backend/x11/PresentQueue.h"

namespace platform::x11 {

bool PresentQueue::Put(backend::SurfaceId id, PixelImage image) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = waiting_.find(id);
  if (it != waiting_.end()) {
    it->second = std::move(image);
    return false;
  }
  waiting_.emplace(id, std::move(image));
  return true;
}

std::optional<PixelImage> PresentQueue::Take(backend::SurfaceId id) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = waiting_.find(id);
  if (it == waiting_.end()) return std::nullopt;
  PixelImage image = std::move(it->second);
  waiting_.erase(it);
  return image;
}

void PresentQueue::Drop(backend::SurfaceId id) {
  std::lock_guard<std::mutex> lock(mutex_);
  waiting_.erase(id);
}

}  // namespace platform::x11

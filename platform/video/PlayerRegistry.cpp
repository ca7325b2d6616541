#include "platform/video/PlayerRegistry.h"

namespace platform::video {

PlayerRegistry& PlayerRegistry::Instance() {
  // Never destroyed: a player's threads may still be closing when the process ends.
  static auto* registry = new PlayerRegistry;
  return *registry;
}

SmartPlayerHandle PlayerRegistry::Open() {
  std::lock_guard<std::mutex> lock(mutex_);
  const uintptr_t id = next_++;
  auto* handle = reinterpret_cast<SmartPlayerHandle>(id);
  players_[id] = std::make_shared<Player>(handle);
  return handle;
}

std::shared_ptr<Player> PlayerRegistry::Find(SmartPlayerHandle handle) const {
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = players_.find(reinterpret_cast<uintptr_t>(handle));
  return it == players_.end() ? nullptr : it->second;
}

std::shared_ptr<Player> PlayerRegistry::Take(SmartPlayerHandle handle) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = players_.find(reinterpret_cast<uintptr_t>(handle));
  if (it == players_.end()) return nullptr;
  std::shared_ptr<Player> player = std::move(it->second);
  players_.erase(it);
  return player;
}

}  // namespace platform::video

#pragma once
// The players behind the handles entry 2 hands out. A handle is a number, never a
// pointer, and never given twice, so a stale or made-up handle finds nothing.
#include <map>
#include <memory>
#include <mutex>

#include "platform/video/Player.h"

namespace platform::video {

class PlayerRegistry {
 public:
  static PlayerRegistry& Instance();

  SmartPlayerHandle Open();
  // Null for a handle that names no player.
  std::shared_ptr<Player> Find(SmartPlayerHandle handle) const;
  // The player, no longer found by its handle.
  std::shared_ptr<Player> Take(SmartPlayerHandle handle);

 private:
  mutable std::mutex mutex_;
  std::map<uintptr_t, std::shared_ptr<Player>> players_;
  uintptr_t next_ = 0x10000;
};

}  // namespace platform::video

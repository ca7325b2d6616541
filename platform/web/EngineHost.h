#pragma once
// The one engine of the process: started by wkeInitialize, the real one unless a test
// put another in its place.
#include <memory>
#include <mutex>

#include "platform/web/WebEngine.h"

namespace platform::web {

class EngineHost {
 public:
  static EngineHost& Instance();

  // Puts `engine` in place of the real one (null: the real one again); the previous
  // engine is stopped when it ran, and the next Initialize starts the new one.
  void Install(std::shared_ptr<WebEngine> engine);
  // Starts the engine once and binds the names bound so far; false when it cannot run
  // here, which goes to the debug output once.
  bool Initialize();
  // The started engine, or null.
  std::shared_ptr<WebEngine> Running() const;

 private:
  EngineHost() = default;
  static void StopAtExit();

  mutable std::mutex mutex_;
  std::shared_ptr<WebEngine> installed_;
  std::shared_ptr<WebEngine> running_;
  bool initialized_ = false;
  bool stopRegistered_ = false;
};

}  // namespace platform::web

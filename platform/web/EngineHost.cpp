#include "platform/web/EngineHost.h"

#include <cstdlib>
#include <string>

#include "platform/base/Module.h"
#include "platform/web/BoundFunctions.h"
#include "platform/web/WebKitEngine.h"

namespace platform::web {

EngineHost& EngineHost::Instance() {
  // Never destroyed: pages may still report while the process ends.
  static EngineHost* host = new EngineHost();
  return *host;
}

void EngineHost::Install(std::shared_ptr<WebEngine> engine) {
  std::shared_ptr<WebEngine> previous;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    previous.swap(running_);
    installed_ = std::move(engine);
    initialized_ = false;
  }
  if (previous != nullptr) previous->Stop();
}

bool EngineHost::Initialize() {
  std::shared_ptr<WebEngine> engine;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (initialized_) return running_ != nullptr;
    initialized_ = true;
    engine = installed_ != nullptr ? installed_ : MakeWebKitEngine();
  }
  std::string reason;
  if (!engine->Start(&reason)) {
    ::OutputDebugStringA(("web engine unavailable: " + reason + "\n").c_str());
    return false;
  }
  for (const std::string& name : BoundFunctions::Instance().Names()) engine->BindName(name);
  std::lock_guard<std::mutex> lock(mutex_);
  running_ = engine;
  if (!stopRegistered_) {
    stopRegistered_ = true;
    std::atexit(&EngineHost::StopAtExit);
  }
  return true;
}

std::shared_ptr<WebEngine> EngineHost::Running() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return running_;
}

void EngineHost::StopAtExit() {
  std::shared_ptr<WebEngine> engine;
  {
    EngineHost& host = Instance();
    std::lock_guard<std::mutex> lock(host.mutex_);
    engine.swap(host.running_);
  }
  if (engine != nullptr) engine->Stop();
}

}  // namespace platform::web

#include "platform/web/ScriptQueue.h"

namespace platform::web {

unsigned ScriptQueue::BeginLoad() {
  std::lock_guard<std::recursive_mutex> lock(mutex_);
  loading_ = true;
  return ++lastLoad_;
}

void ScriptQueue::Submit(const std::string& script, const Runner& run) {
  std::lock_guard<std::recursive_mutex> lock(mutex_);
  if (loading_) {
    held_.push_back(script);
    return;
  }
  run(script);
}

void ScriptQueue::Finish(unsigned load, const Runner& run) {
  std::lock_guard<std::recursive_mutex> lock(mutex_);
  if (load != lastLoad_ || !loading_) return;
  loading_ = false;
  std::vector<std::string> released;
  released.swap(held_);
  for (const std::string& script : released) run(script);
}

}  // namespace platform::web

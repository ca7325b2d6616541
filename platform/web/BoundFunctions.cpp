#include "platform/web/BoundFunctions.h"

namespace platform::web {

BoundFunctions& BoundFunctions::Instance() {
  static BoundFunctions* instance = new BoundFunctions();  // pages may call in while the process ends
  return *instance;
}

bool BoundFunctions::Bind(const std::string& name, jsNativeFunction function, unsigned argCount) {
  if (name.empty() || function == nullptr) return false;
  std::lock_guard<std::mutex> lock(mutex_);
  bindings_[name] = Binding{function, argCount};
  return true;
}

jsNativeFunction BoundFunctions::Find(const std::string& name) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto found = bindings_.find(name);
  return found != bindings_.end() ? found->second.function : nullptr;
}

std::vector<std::string> BoundFunctions::Names() const {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<std::string> names;
  for (const auto& binding : bindings_) names.push_back(binding.first);
  return names;
}

}  // namespace platform::web

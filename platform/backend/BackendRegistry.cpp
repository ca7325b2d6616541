#include "platform/backend/BackendRegistry.h"

#include <cstdlib>
#include <map>
#include <mutex>

#include "platform/backend/headless/HeadlessBackend.h"

namespace platform::backend {
namespace {

struct RegistryState {
  std::mutex mutex;
  std::map<std::string, BackendRegistry::Factory> factories;
  std::unique_ptr<Backend> active;
  std::string error;
  bool tried = false;
};

RegistryState& State() {
  static RegistryState* state = [] {
    auto* s = new RegistryState;
    s->factories["headless"] = [](std::string*) -> std::unique_ptr<Backend> {
      return std::make_unique<platform::headless::HeadlessBackend>();
    };
    return s;
  }();
  return *state;
}

std::string ChooseName() {
  std::string requested = BackendRegistry::RequestedName();
  if (!requested.empty()) return requested;
  return "x11";
}

}  // namespace

void BackendRegistry::RegisterFactory(const std::string& name, Factory factory) {
  RegistryState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  state.factories[name] = std::move(factory);
}

std::string BackendRegistry::RequestedName() {
  const char* value = std::getenv("PLATFORM_BACKEND");
  return value ? std::string(value) : std::string();
}

Backend* BackendRegistry::Active(std::string* error) {
  RegistryState& state = State();
  std::lock_guard<std::mutex> lock(state.mutex);
  if (!state.tried) {
    state.tried = true;
    const std::string name = ChooseName();
    auto it = state.factories.find(name);
    if (it == state.factories.end()) {
      state.error = "no window backend \"" + name +
                    "\" in this build; a display is needed, or PLATFORM_BACKEND=headless";
    } else {
      state.active = it->second(&state.error);
    }
  }
  if (!state.active && error) *error = state.error;
  return state.active.get();
}

}  // namespace platform::backend

#pragma once
// Chooses the backend once per process from PLATFORM_BACKEND (headless or x11).
#include <functional>
#include <memory>
#include <string>

#include "platform/backend/Backend.h"

namespace platform::backend {

class BackendRegistry {
 public:
  typedef std::function<std::unique_ptr<Backend>(std::string* error)> Factory;

  // A backend library makes itself known before the first window is created.
  static void RegisterFactory(const std::string& name, Factory factory);
  // The backend in use, created on first call. Null when none can run (no display and
  // PLATFORM_BACKEND does not ask for headless); `error` then says why.
  static Backend* Active(std::string* error = nullptr);
  // The name PLATFORM_BACKEND asks for: "headless", "x11" or "" when unset.
  static std::string RequestedName();
};

}  // namespace platform::backend

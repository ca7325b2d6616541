// Makes the X11 backend known to the registry before main runs. The registry lives
// in a library every program links; this file is kept by the linker through the
// symbol below, which the backend folder's link options ask for.
#include <memory>
#include <string>

#include "platform/backend/BackendRegistry.h"
#include "platform/backend/x11/X11Backend.h"

extern "C" {
int platform_backend_x11_registered = 0;
}

namespace platform::x11 {
namespace {

struct Registration {
  Registration() {
    backend::BackendRegistry::RegisterFactory("x11", [](std::string* error) -> std::unique_ptr<backend::Backend> {
      return X11Backend::Open(error);
    });
    platform_backend_x11_registered = 1;
  }
};

const Registration g_registration;

}  // namespace
}  // namespace platform::x11

#include "platform/base/RuntimeFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace platform {

std::string UserRuntimeFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && *runtime == '/') return runtime;
  const std::string folder = "/tmp/patrol-" + std::to_string(geteuid());
  mkdir(folder.c_str(), 0700);
  return folder;
}

}  // namespace platform

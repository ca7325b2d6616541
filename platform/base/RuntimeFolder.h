#pragma once
// The user's runtime folder, where the program keeps what lives only while the user is
// logged in to this machine: $XDG_RUNTIME_DIR, else a folder of the user's own under /tmp
// (created, readable by the user alone).
#include <string>

namespace platform {

std::string UserRuntimeFolder();

}  // namespace platform

#pragma once
// Which reader the library's functions reach: the simulated reader in the folder that
// PATROL_READER_SIM names when the process first asks, or none. Tests switch it in the
// process.
#include <memory>
#include <string>

#include "platform/reader/ReaderSimulator.h"

namespace platform::reader {

class ReaderBackend {
 public:
  // The simulator now chosen; null for no reader.
  static std::shared_ptr<ReaderSimulator> Current();

  // From now on the simulator over that folder (UTF-8), or no reader at all.
  static void UseSimulator(const std::string& folder);
  static void UseNone();
};

}  // namespace platform::reader

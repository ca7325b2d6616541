#pragma once
// While it lives, PATH names only an empty folder of its own, so no program is found
// there (xdg-open among them); the PATH before it comes back when it goes.
#include <string>

#include "testing/files/ScratchFolder.h"

namespace test_support {

class ProgramsOutOfReach {
 public:
  ProgramsOutOfReach();
  ~ProgramsOutOfReach();
  ProgramsOutOfReach(const ProgramsOutOfReach&) = delete;
  ProgramsOutOfReach& operator=(const ProgramsOutOfReach&) = delete;

 private:
  ScratchFolder empty_;
  bool hadPath_;
  std::string path_;
};

}  // namespace test_support

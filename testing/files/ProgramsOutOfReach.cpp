#include "testing/files/ProgramsOutOfReach.h"

#include <cstdlib>

namespace test_support {

ProgramsOutOfReach::ProgramsOutOfReach() {
  const char* path = std::getenv("PATH");
  hadPath_ = path != nullptr;
  if (hadPath_) path_ = path;
  ::setenv("PATH", empty_.path().c_str(), 1);
}

ProgramsOutOfReach::~ProgramsOutOfReach() {
  if (hadPath_) {
    ::setenv("PATH", path_.c_str(), 1);
  } else {
    ::unsetenv("PATH");
  }
}

}  // namespace test_support

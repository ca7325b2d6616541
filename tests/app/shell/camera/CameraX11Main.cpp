// The camera dialog's X11 suite runs only on the X11 backend, on a display of its own,
// with the program's skin folder beside it.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/backend/BackendRegistry.h"
#include "platform/backend/x11/X11Backend.h"
#include "tests/app/shell/support/ShellWindowTest.h"

int main(int argc, char** argv) {
  std::string error;
  if (!platform::backend::BackendRegistry::Active(&error) || !platform::x11::X11Backend::Instance()) {
    std::fprintf(stderr, "the camera dialog's X11 suite needs PLATFORM_BACKEND=x11 and a display: %s\n",
                 error.c_str());
    return 1;
  }
  shelltest::UseProgramSkin();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

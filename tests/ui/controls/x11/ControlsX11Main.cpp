// The controls' X11 suite runs only on the X11 backend, on a display of its own.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/backend/BackendRegistry.h"
#include "platform/backend/x11/X11Backend.h"
#include "ui/core/manager/CWindowManagerUI.h"

int main(int argc, char** argv) {
  std::string error;
  if (!platform::backend::BackendRegistry::Active(&error) || !platform::x11::X11Backend::Instance()) {
    std::fprintf(stderr, "the controls' X11 suite needs PLATFORM_BACKEND=x11 and a display: %s\n", error.c_str());
    return 1;
  }
  SkinUI::CWindowManagerUI::SetInstance(::GetModuleHandleW(nullptr));
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

// The X11 smoke suite's entry. With --foreign-window=TITLE it is instead the other
// program of the single-instance test: it shows a minimised window with that title,
// says "ready", and says "restored" once someone restored it; it runs until
// it is ended, or gives up after a while.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/backend/BackendRegistry.h"
#include "platform/backend/x11/X11Backend.h"
#include "platform/base/CodePage.h"
#include "testing/x11/TestDisplay.h"
#include "tests/platform/x11/SmokeWindow.h"

namespace {

const char kForeignFlag[] = "--foreign-window=";

int RunForeignWindow(const std::string& title) {
  bool minimised = false;
  x11test::SmokeSpec spec;
  spec.rect = RECT{300, 300, 460, 420};
  spec.colour = RGB(0, 160, 0);
  spec.title = platform::codepage::Utf8ToWide(title);
  spec.hook = [&minimised](HWND hwnd, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_SIZE && wParam == SIZE_MINIMIZED) minimised = true;
    if (message == WM_SIZE && wParam == SIZE_RESTORED && minimised) {
      std::printf("restored\n");
      std::fflush(stdout);
    }
    if (message == WM_TIMER) PostQuitMessage(3);  // nobody came: give up
    (void)hwnd;
    return std::nullopt;
  };
  HWND hwnd = x11test::SmokeWindow::Create(spec);
  if (!hwnd) return 2;
  ShowWindow(hwnd, SW_SHOW);
  ShowWindow(hwnd, SW_MINIMIZE);
  platform::x11::X11Backend::Instance()->Flush();
  SetTimer(hwnd, 1, 20000, nullptr);
  std::printf("ready\n");
  std::fflush(stdout);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return int(msg.wParam);
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  if (!platform::backend::BackendRegistry::Active(&error) || !platform::x11::X11Backend::Instance()) {
    std::fprintf(stderr, "the X11 smoke suite needs PLATFORM_BACKEND=x11 and a display: %s\n", error.c_str());
    return 1;
  }
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], kForeignFlag, sizeof(kForeignFlag) - 1) == 0) {
      return RunForeignWindow(argv[i] + sizeof(kForeignFlag) - 1);
    }
  }
  // The run with a compositor starts it beside the suite: every test is to find it
  // running, not only those that come late enough.
  const char* mode = std::getenv("X11_SMOKE_MODE");
  if (mode && std::strcmp(mode, "compositor") == 0) {
    x11test::TestDisplay display;
    if (!display.ok() || !x11test::TestDisplay::WaitUntil([&] { return display.CompositorRunning(); }, 30000)) {
      std::fprintf(stderr, "the compositor never took _NET_WM_CM_S0\n");
      return 1;
    }
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

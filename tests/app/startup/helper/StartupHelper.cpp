// The other process of the start-up tests:
//   hold          takes the single-instance step, says "passed" or "refused", and keeps
//                 running (holding the count) until its input closes
//   try <file>    takes the step and writes "passed" or "refused" into the file
//   window        takes the step and says "passed" or "refused", then shows a minimised
//                 window titled as the program's main window, says "ready", and says
//                 "restored" once someone restored it; it gives up after a while
//   exit-convert  converts text in main and again in an atexit handler (as the
//                 asynchronous logger does when it writes out its queue), then returns
//   crash <how>   installs the program's crash filter and locks it, then faults:
//                 "null" (a null write), "thread" (the same on a second thread),
//                 "relock" (after trying to replace the locked filter)
// It works in its current folder, where the crash dump goes.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

#include "platform/base/CodePage.h"
#include "app/client/CrashDump.h"
#include "platform/backend/BackendRegistry.h"
#include "platform/backend/x11/X11Backend.h"
#include "platform/base/InstanceCounter.h"
#include "platform/win32.h"

namespace {

LONG WINAPI OtherFilter(EXCEPTION_POINTERS*) {
  std::fputs("other filter\n", stdout);
  std::fflush(stdout);
  return EXCEPTION_EXECUTE_HANDLER;
}

void WriteThroughNull() {
  volatile int* nowhere = nullptr;
  *nowhere = 42;
}

int Crash(const std::string& how) {
  ::SetUnhandledExceptionFilter(&UnhandledExceptionHandler);
  LockUnhandledExceptionFilter();
  if (how == "relock") {
    const bool ignored = ::SetUnhandledExceptionFilter(&OtherFilter) == nullptr;
    std::fputs(ignored ? "relock ignored\n" : "relock taken\n", stdout);
    std::fflush(stdout);
  }
  if (how == "thread") {
    std::thread worker([] { WriteThroughNull(); });
    worker.join();
  }
  WriteThroughNull();
  return 0;
}

const char* Step() { return platform::InstanceCounter::Program().RaiseIfZero() ? "passed" : "refused"; }

void Say(const char* line) {
  std::printf("%s\n", line);
  std::fflush(stdout);
}

constexpr UINT_PTR kGiveUpTimer = 1;
constexpr UINT kGiveUpMs = 30000;
bool g_minimised = false;

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE && wParam == SIZE_MINIMIZED) g_minimised = true;
  if (message == WM_SIZE && wParam == SIZE_RESTORED && g_minimised) Say("restored");
  if (message == WM_TIMER && wParam == kGiveUpTimer) ::PostQuitMessage(3);
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

int ShowMainWindow() {
  Say(Step());
  std::string error;
  if (platform::backend::BackendRegistry::Active(&error) == nullptr) {
    std::fprintf(stderr, "no backend: %s\n", error.c_str());
    return 1;
  }
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = &MainWindowProc;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"StartupHelperMain";
  ::RegisterClassW(&windowClass);
  const HWND hwnd = ::CreateWindowExW(WS_EX_WINDOWEDGE, L"StartupHelperMain", L"duvira主界面", WS_OVERLAPPEDWINDOW,
                                      200, 200, 320, 240, nullptr, nullptr, windowClass.hInstance, nullptr);
  if (hwnd == nullptr) return 2;
  ::ShowWindow(hwnd, SW_SHOW);
  ::ShowWindow(hwnd, SW_MINIMIZE);
  // Another process looks for the title on the X server: it must be there first.
  if (platform::x11::X11Backend* x11 = platform::x11::X11Backend::Instance()) x11->Flush();
  ::SetTimer(hwnd, kGiveUpTimer, kGiveUpMs, nullptr);
  Say("ready");
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "hold") {
    std::printf("%s\n", Step());
    std::fflush(stdout);
    char c;
    while (read(0, &c, 1) > 0) {
    }
    return 0;
  }
  if (mode == "try" && argc > 2) {
    const char* result = Step();
    std::ofstream(argv[2]) << result;
    return 0;
  }
  if (mode == "crash" && argc > 2) return Crash(argv[2]);
  if (mode == "window") return ShowMainWindow();
  if (mode == "exit-convert") {
    std::atexit([] { std::printf("%s\n", platform::codepage::WideToUtf8(L"退出时转换").c_str()); });
    std::printf("%s\n", platform::codepage::WideToUtf8(L"启动").c_str());
    std::fflush(stdout);
    return 0;
  }
  std::fputs("usage: startup-helper hold | try <file> | window | exit-convert | crash null|thread|relock\n", stderr);
  return 2;
}

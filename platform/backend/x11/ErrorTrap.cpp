#include "platform/backend/x11/ErrorTrap.h"

#include <atomic>
#include <cstdio>
#include <mutex>

namespace platform::x11 {
namespace {

// Errors are handled on the thread that reads the connection's replies, which is
// the thread that set the trap.
thread_local Display* g_trapped = nullptr;
thread_local int g_trappedErrors = 0;
std::atomic<int> g_reported{0};
const int kReportLimit = 50;

int Handle(Display* display, XErrorEvent* error) {
  if (g_trapped == display) {
    ++g_trappedErrors;
    return 0;
  }
  if (g_reported.fetch_add(1) < kReportLimit) {
    char text[160] = {0};
    XGetErrorText(display, error->error_code, text, sizeof(text) - 1);
    std::fprintf(stderr, "x11: %s (request %d.%d, resource 0x%lx)\n", text, int(error->request_code),
                 int(error->minor_code), error->resourceid);
  }
  return 0;
}

}  // namespace

void ErrorTrap::InstallHandler() {
  static std::once_flag once;
  std::call_once(once, [] { XSetErrorHandler(&Handle); });
}

ErrorTrap::ErrorTrap(Display* display) : display_(display) {
  InstallHandler();
  XSync(display_, False);
  g_trappedErrors = 0;
  g_trapped = display_;
}

ErrorTrap::~ErrorTrap() {
  XSync(display_, False);
  g_trapped = nullptr;
}

bool ErrorTrap::Clean() {
  XSync(display_, False);
  return g_trappedErrors == 0;
}

}  // namespace platform::x11

#pragma once
// X protocol errors. Xlib's default handler ends the process; ours writes the error
// out instead, because a window that went away between a request and its answer is
// ordinary on a shared desktop. A trap counts the errors of one stretch of requests
// on one connection, so a caller can tell that an attempt (MIT-SHM) failed.
#include "platform/backend/x11/XHeaders.h"

namespace platform::x11 {

class ErrorTrap {
 public:
  // Installs the process's handler once; later calls do nothing.
  static void InstallHandler();

  explicit ErrorTrap(Display* display);
  ~ErrorTrap();
  ErrorTrap(const ErrorTrap&) = delete;
  ErrorTrap& operator=(const ErrorTrap&) = delete;

  // Waits for the server to answer everything sent so far; true when no error
  // arrived for this connection while the trap was set.
  bool Clean();

 private:
  Display* display_;
};

}  // namespace platform::x11

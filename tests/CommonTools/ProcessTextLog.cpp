#include "tests/CommonTools/ProcessTextLog.h"

#include <chrono>
#include <thread>

#include "CommonTools/Log.h"
#include "testing/files/ScratchFolder.h"

namespace commontest {

using test_support::ScratchFolder;

std::string LoggedErrors() {
  static ScratchFolder* logFolder = [] {
    auto* created = new ScratchFolder();
    g_log.Init("log", 7, 1 << 20, created->path());
    return created;
  }();
  return ScratchFolder::read(logFolder->file("log_error.log"));
}

bool WaitForLogged(const std::string& text) {
  for (int i = 0; i < 2000; ++i) {
    if (LoggedErrors().find(text) != std::string::npos) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

}  // namespace commontest

#include "tests/app/records/RecordsTestSupport.h"

#include <chrono>
#include <sstream>
#include <thread>

#include "CommonTools/Log.h"
#include "platform/win32.h"
#include "testing/base/LocalTime.h"
#include "testing/files/ScratchFolder.h"

namespace records_test {
namespace {

using namespace std::chrono_literals;
using test_support::ScratchFolder;

constexpr int kPolls = 3000;

const ScratchFolder& LogFolder() {
  static const ScratchFolder* folder = [] {
    auto* created = new ScratchFolder();
    g_log.Init("log", 3, 1 << 24, created->path());
    return created;
  }();
  return *folder;
}

// "<date> <time> <level> <thread> <text>": the text after the fourth space.
std::string TextOf(const std::string& line) {
  size_t at = 0;
  for (int field = 0; field < 4 && at != std::string::npos; ++field) {
    at = line.find(' ', at);
    if (at != std::string::npos) ++at;
  }
  return at == std::string::npos ? line : line.substr(at);
}

}  // namespace

PinnedClock::PinnedClock() { platform::PinWallClock(test_support::LocalTime(2024, 1, 5, 9, 30, 15)); }

PinnedClock::~PinnedClock() { platform::UnpinWallClock(); }

bool WaitForMessageBox(platform::headless::TestDriver& driver) {
  for (int i = 0; i < kPolls; ++i) {
    driver.WaitIdle();
    if (!driver.MessageBoxes().empty()) return true;
    std::this_thread::sleep_for(5ms);
  }
  return false;
}

std::vector<std::string> TextLog::Lines() {
  std::istringstream text(ScratchFolder::read(LogFolder().file("log_error.log")));
  std::vector<std::string> lines;
  for (std::string line; std::getline(text, line);) lines.push_back(TextOf(line));
  return lines;
}

bool TextLog::WaitForLines(size_t count) {
  for (int i = 0; i < kPolls; ++i) {
    if (Lines().size() >= count) return true;
    std::this_thread::sleep_for(5ms);
  }
  return false;
}

}  // namespace records_test

#pragma once
// What the spreadsheet export tests share: the pinned export time, waiting for a worker's
// message box, and the lines the exports write to the text log.
#include <string>
#include <vector>

#include "testing/driver/TestDriver.h"

namespace records_test {

// The wall clock at 2024-01-05 09:30:15 local time while the object lives.
class PinnedClock {
 public:
  PinnedClock();
  ~PinnedClock();
  PinnedClock(const PinnedClock&) = delete;
  PinnedClock& operator=(const PinnedClock&) = delete;
};

// Waits until a thread other than the caller shows a message box; false if none came
// within the driver's patience.
bool WaitForMessageBox(platform::headless::TestDriver& driver);

// The process's text log, started once at level 3 in a folder of its own.
class TextLog {
 public:
  // Lines written so far (without their time, level and thread prefix).
  static std::vector<std::string> Lines();
  // Waits until at least `count` lines are there; false if they never came.
  static bool WaitForLines(size_t count);
};

}  // namespace records_test

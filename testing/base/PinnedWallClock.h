#pragma once
// The wall clock pinned at a local time while the object lives, so that dates a test
// types lie where it means them to whenever it runs.
#include "platform/base/Clock.h"
#include "testing/base/LocalTime.h"

namespace test_support {

class PinnedWallClock {
 public:
  explicit PinnedWallClock(const SYSTEMTIME& local) { platform::PinWallClock(local); }
  ~PinnedWallClock() { platform::UnpinWallClock(); }
  PinnedWallClock(const PinnedWallClock&) = delete;
  PinnedWallClock& operator=(const PinnedWallClock&) = delete;
};

}  // namespace test_support

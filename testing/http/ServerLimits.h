#pragma once
// The bounds that keep the test server from ever leaving a client waiting for good.
#include <chrono>

namespace test_support {

struct ServerLimits {
  // A connection that has not delivered a whole request within this time is closed.
  std::chrono::milliseconds request_limit{10000};
  // A scripted delay longer than this is cut to it.
  std::chrono::milliseconds max_delay{10000};
};

}  // namespace test_support

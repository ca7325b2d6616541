// Many calls over several threads: each index exactly once whatever the counts, and a
// call's failure reported only after every call has ended.
#include <atomic>
#include <stdexcept>
#include <vector>

#include <gtest/gtest.h>

#include "data/ConcurrentCalls.h"

namespace {

TEST(ConcurrentCalls, RunEveryIndexOnceForAnyCountAndConnections) {
  struct Case {
    std::size_t count;
    std::size_t connections;
  };
  for (const Case& c : {Case{0, 8}, Case{1, 8}, Case{3, 8}, Case{100, 8}, Case{5, 1}, Case{5, 0}}) {
    SCOPED_TRACE(std::to_string(c.count) + " over " + std::to_string(c.connections));
    std::vector<std::atomic<int>> calls(c.count);
    dal::RunConcurrently(c.count, [&](std::size_t i) { ++calls[i]; }, c.connections);
    for (std::size_t i = 0; i < c.count; ++i) EXPECT_EQ(calls[i].load(), 1) << i;
  }
}

TEST(ConcurrentCalls, AFailureIsThrownOnceEveryCallHasEnded) {
  std::atomic<int> ended{0};
  EXPECT_THROW(dal::RunConcurrently(40, [&](std::size_t i) {
                 ++ended;
                 if (i == 3) throw std::runtime_error("refused");
               }),
               std::runtime_error);
  EXPECT_EQ(ended.load(), 40);
}

}  // namespace

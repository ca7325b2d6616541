#pragma once
// What most tests of the window layer start from: the headless driver, a trace the
// windows write into, and one GUI thread to create them on. The members are built in
// that order and torn down the other way, so the thread and its windows are gone
// before the trace they write into.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "tests/platform/user/TraceWindow.h"

namespace test {

class TracedTest : public ::testing::Test {
 protected:
  TracedTest() = default;
  explicit TracedTest(std::vector<platform::backend::MonitorDesc> monitors) : driver(std::move(monitors)) {}

  platform::headless::TestDriver driver;
  Trace trace;
  platform::headless::GuiThread gui;
};

// The same for a table of cases: GetParam() is the row.
template <class Case>
class TracedCaseTest : public TracedTest, public ::testing::WithParamInterface<Case> {};

}  // namespace test

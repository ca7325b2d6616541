// Tests of every kind of ending, for the verdict guard's own tests to run one at a time.
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(Sample, Passes) { EXPECT_EQ(1 + 1, 2); }

// Its message carries the program's own text, GBK bytes that are no UTF-8 ("巡更").
TEST(Sample, Fails) { EXPECT_EQ(1 + 1, 3) << "\xd1\xb2\xb8\xfc"; }

TEST(Sample, SkipsForWantOfADisplay) { GTEST_SKIP() << "needs a display: DISPLAY is not set"; }

// The code under test ends the process with a code that says all went well.
TEST(Sample, EndsTheProcessWithZero) { std::exit(0); }

TEST(Sample, EndsTheProcessAtOnce) { std::_Exit(0); }

TEST(Sample, Aborts) { std::abort(); }

}  // namespace

#include "platform/win32.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <ctime>

namespace {

std::atomic<uint64_t> g_ticks{0};
uint64_t TestTicks() { return g_ticks.load(); }

SYSTEMTIME Local(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
  SYSTEMTIME t = {};
  t.wYear = year;
  t.wMonth = month;
  t.wDay = day;
  t.wHour = hour;
  t.wMinute = minute;
  t.wSecond = second;
  return t;
}

// Pins the wall clock on a clock of the test's own and puts both back afterwards.
class WallClockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_ticks = 5000;
    platform::SetClockSource(TestTicks);
  }
  void TearDown() override {
    platform::UnpinWallClock();
    platform::SetClockSource(nullptr);
  }
};

TEST_F(WallClockTest, TestsRunInTheUsersTimeZone) {
  ASSERT_NE(std::getenv("TZ"), nullptr);
  EXPECT_STREQ(std::getenv("TZ"), "Asia/Shanghai");
}

TEST_F(WallClockTest, PinnedLocalTimeIsReadBackAndMovesWithTheOneClock) {
  platform::PinWallClock(Local(2024, 1, 5, 9, 30, 15));
  SYSTEMTIME now = {};
  GetLocalTime(&now);
  EXPECT_EQ(now.wYear, 2024);
  EXPECT_EQ(now.wMonth, 1);
  EXPECT_EQ(now.wDay, 5);
  EXPECT_EQ(now.wDayOfWeek, 5);  // a Friday
  EXPECT_EQ(now.wHour, 9);
  EXPECT_EQ(now.wMinute, 30);
  EXPECT_EQ(now.wSecond, 15);

  g_ticks += 60 * 1000;
  GetLocalTime(&now);
  EXPECT_EQ(now.wMinute, 31);
  EXPECT_EQ(now.wSecond, 15);
}

// A window test pins the date, then its driver installs a clock of its own whose
// readings start anywhere: the pinned time goes on from where it stood.
TEST_F(WallClockTest, AnotherClockInstalledAfterThePinKeepsThePinnedTime) {
  g_ticks = 40ull * 3600 * 1000;  // a machine up for forty hours
  platform::PinWallClock(Local(2026, 12, 10, 10, 0, 0));
  g_ticks += 2000;
  static std::atomic<uint64_t> otherTicks{1000000};
  platform::SetClockSource([] { return otherTicks.load(); });
  SYSTEMTIME now = {};
  GetLocalTime(&now);
  EXPECT_EQ(now.wDay, 10);
  EXPECT_EQ(now.wHour, 10);
  EXPECT_EQ(now.wSecond, 2);
  otherTicks += 60 * 1000;
  GetLocalTime(&now);
  EXPECT_EQ(now.wMinute, 1);
  EXPECT_EQ(now.wSecond, 2);
}

TEST_F(WallClockTest, SystemTimeAndSecondsAgreeWithThePinnedLocalTime) {
  // Shanghai is eight hours ahead of UTC, without summer time.
  platform::PinWallClock(Local(2024, 1, 5, 3, 0, 0));
  SYSTEMTIME utc = {};
  GetSystemTime(&utc);
  EXPECT_EQ(utc.wDay, 4);
  EXPECT_EQ(utc.wHour, 19);

  const std::time_t seconds = platform::WallClockSeconds();
  std::tm local = {};
  localtime_r(&seconds, &local);
  EXPECT_EQ(local.tm_year + 1900, 2024);
  EXPECT_EQ(local.tm_mday, 5);
  EXPECT_EQ(local.tm_hour, 3);
}

TEST_F(WallClockTest, CrossingMidnightChangesTheDate) {
  platform::PinWallClock(Local(2023, 12, 31, 23, 59, 59));
  g_ticks += 1000;
  SYSTEMTIME now = {};
  GetLocalTime(&now);
  EXPECT_EQ(now.wYear, 2024);
  EXPECT_EQ(now.wMonth, 1);
  EXPECT_EQ(now.wDay, 1);
  EXPECT_EQ(now.wHour, 0);
}

TEST_F(WallClockTest, UnpinnedClockIsTheSystemsTime) {
  platform::PinWallClock(Local(2001, 2, 3, 4, 5, 6));
  platform::UnpinWallClock();
  // Read from the precise system clock, as the wall clock is: time() reads a coarse clock
  // that lags it by a few milliseconds and so can still show the last second after it.
  const auto now = [] { return std::chrono::system_clock::to_time_t(std::chrono::system_clock::now()); };
  const std::time_t before = now();
  const std::time_t read = platform::WallClockSeconds();
  const std::time_t after = now();
  EXPECT_GE(read, before);
  EXPECT_LE(read, after);
}

}  // namespace

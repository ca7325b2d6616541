#include "platform/base/Clock.h"

#include <atomic>
#include <chrono>
#include <ctime>
#include <mutex>
#include <thread>

namespace platform {
namespace {

std::atomic<ClockSource> g_clockSource{nullptr};

// A pinned wall clock: its time in epoch milliseconds, and the one clock's reading then.
struct WallPin {
  bool pinned = false;
  int64_t epochMilliseconds = 0;
  uint64_t clockAtPin = 0;
};
std::mutex g_wallPinLock;
WallPin g_wallPin;

int64_t SystemEpochMilliseconds() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

uint64_t MonotonicMilliseconds() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void FillSystemTime(const std::tm& tm, int milliseconds, LPSYSTEMTIME out) {
  out->wYear = WORD(tm.tm_year + 1900);
  out->wMonth = WORD(tm.tm_mon + 1);
  out->wDayOfWeek = WORD(tm.tm_wday);
  out->wDay = WORD(tm.tm_mday);
  out->wHour = WORD(tm.tm_hour);
  out->wMinute = WORD(tm.tm_min);
  out->wSecond = WORD(tm.tm_sec);
  out->wMilliseconds = WORD(milliseconds);
}

void CurrentTime(bool local, LPSYSTEMTIME out) {
  const int64_t now = WallClockMilliseconds();
  const std::time_t seconds = std::time_t(now / 1000);
  const int ms = int(now % 1000);
  std::tm tm{};
  if (local) {
    localtime_r(&seconds, &tm);
  } else {
    gmtime_r(&seconds, &tm);
  }
  FillSystemTime(tm, ms, out);
}

}  // namespace


// A pinned wall clock keeps counting from where it stands: the new source's readings
// have nothing to do with the old one's (a virtual clock installed after a test pinned
// the date would otherwise move the date by the machine's whole uptime).
void SetClockSource(ClockSource source) {
  std::lock_guard<std::mutex> lock(g_wallPinLock);
  if (g_wallPin.pinned) g_wallPin.epochMilliseconds += int64_t(ClockMilliseconds() - g_wallPin.clockAtPin);
  g_clockSource.store(source);
  if (g_wallPin.pinned) g_wallPin.clockAtPin = ClockMilliseconds();
}

void PinWallClock(const SYSTEMTIME& local) {
  std::tm tm{};
  tm.tm_year = local.wYear - 1900;
  tm.tm_mon = local.wMonth - 1;
  tm.tm_mday = local.wDay;
  tm.tm_hour = local.wHour;
  tm.tm_min = local.wMinute;
  tm.tm_sec = local.wSecond;
  tm.tm_isdst = -1;
  const std::time_t seconds = mktime(&tm);
  std::lock_guard<std::mutex> lock(g_wallPinLock);
  g_wallPin.pinned = true;
  g_wallPin.epochMilliseconds = int64_t(seconds) * 1000 + local.wMilliseconds;
  g_wallPin.clockAtPin = ClockMilliseconds();
}

void UnpinWallClock() {
  std::lock_guard<std::mutex> lock(g_wallPinLock);
  g_wallPin = WallPin();
}

int64_t WallClockMilliseconds() {
  std::lock_guard<std::mutex> lock(g_wallPinLock);
  if (!g_wallPin.pinned) return SystemEpochMilliseconds();
  return g_wallPin.epochMilliseconds + int64_t(ClockMilliseconds() - g_wallPin.clockAtPin);
}

std::time_t WallClockSeconds() { return std::time_t(WallClockMilliseconds() / 1000); }

uint64_t ClockMilliseconds() {
  ClockSource source = g_clockSource.load();
  return source ? source() : MonotonicMilliseconds();
}

}  // namespace platform

DWORD GetTickCount() { return DWORD(platform::ClockMilliseconds()); }

ULONGLONG GetTickCount64() { return platform::ClockMilliseconds(); }

void GetLocalTime(LPSYSTEMTIME lpSystemTime) { platform::CurrentTime(true, lpSystemTime); }

void GetSystemTime(LPSYSTEMTIME lpSystemTime) { platform::CurrentTime(false, lpSystemTime); }

void Sleep(DWORD dwMilliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(dwMilliseconds)); }

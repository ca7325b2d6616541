#include "platform/base/Clock.h"

#include <atomic>
#include <chrono>
#include <ctime>
#include <thread>

namespace platform {
namespace {

std::atomic<ClockSource> g_clockSource{nullptr};

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
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t seconds = system_clock::to_time_t(now);
  const int ms = int(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
  std::tm tm{};
  if (local) {
    localtime_r(&seconds, &tm);
  } else {
    gmtime_r(&seconds, &tm);
  }
  FillSystemTime(tm, ms, out);
}

}  // namespace


void SetClockSource(ClockSource source) { g_clockSource.store(source); }

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

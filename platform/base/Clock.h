#pragma once
// The one clock of the process: GetTickCount, timers, hover and double-click
// detection and caret blinking all read it. The real clock is the monotonic one;
// the headless window backend installs a virtual clock that tests advance.
#include "platform/base/WinTypes.h"

#include <ctime>

namespace platform {

// A clock source answers milliseconds since an arbitrary start.
typedef uint64_t (*ClockSource)();

// Installs a clock source for the whole process; null restores the monotonic clock.
void SetClockSource(ClockSource source);

// Milliseconds from the current clock source.
uint64_t ClockMilliseconds();

// The wall clock. Pinned, it starts at the given local time (read in the process's time
// zone) and then moves with the one clock, so a test that advances the virtual clock by
// a minute sees the minute change. Unpinned, it is the system's real time.
void PinWallClock(const SYSTEMTIME& local);
void UnpinWallClock();

// Milliseconds since 1970-01-01 UTC on the wall clock; code that would call time() reads
// WallClockSeconds() instead, so it sees a pinned clock too.
int64_t WallClockMilliseconds();
std::time_t WallClockSeconds();

}  // namespace platform

DWORD GetTickCount();
ULONGLONG GetTickCount64();
void GetLocalTime(LPSYSTEMTIME lpSystemTime);
void GetSystemTime(LPSYSTEMTIME lpSystemTime);
void Sleep(DWORD dwMilliseconds);

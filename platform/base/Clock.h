#pragma once
// The one clock of the process: GetTickCount, timers, hover and double-click
// detection and caret blinking all read it. The real clock is the monotonic one;
// the headless window backend installs a virtual clock that tests advance.
#include "platform/base/WinTypes.h"

namespace platform {

// A clock source answers milliseconds since an arbitrary start.
typedef uint64_t (*ClockSource)();

// Installs a clock source for the whole process; null restores the monotonic clock.
void SetClockSource(ClockSource source);

// Milliseconds from the current clock source.
uint64_t ClockMilliseconds();

}  // namespace platform

DWORD GetTickCount();
ULONGLONG GetTickCount64();
void GetLocalTime(LPSYSTEMTIME lpSystemTime);
void GetSystemTime(LPSYSTEMTIME lpSystemTime);
void Sleep(DWORD dwMilliseconds);

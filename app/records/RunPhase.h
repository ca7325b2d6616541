#pragma once
// Where a plan run stands against the clock, which decides whether its exception record
// may still be changed:
//   1  not started (its start is later than now)
//   2  under way (start earlier than now, now earlier than its end)
//   4  over (now at its start minute or at or after its end), and today is its day
//   3  over on an earlier or later day
// Times are compared to the minute: the seconds of now do not count.
#include <string>

#include "platform/win32.h"

// From the time key "YYYYMMDDhhmmhhmm" and the local time now; 3 for a key that is not
// sixteen digits.
int GetRunPhase(const std::string& timeKey, const SYSTEMTIME& now);

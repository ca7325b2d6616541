#pragma once
// A local time as tests write one: the date, the time of day from 0:00, and the day of
// the week worked out from the date.
#include "platform/base/WinTypes.h"
#include "platform/user/CivilCalendar.h"

namespace test_support {

inline SYSTEMTIME LocalTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  SYSTEMTIME local = {};
  local.wYear = static_cast<WORD>(year);
  local.wMonth = static_cast<WORD>(month);
  local.wDay = static_cast<WORD>(day);
  local.wDayOfWeek = static_cast<WORD>(platform::user::CivilCalendar::DayOfWeek(year, month, day));
  local.wHour = static_cast<WORD>(hour);
  local.wMinute = static_cast<WORD>(minute);
  local.wSecond = static_cast<WORD>(second);
  return local;
}

}  // namespace test_support

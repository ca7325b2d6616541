#include "platform/user/CivilCalendar.h"

#include <algorithm>

namespace platform::user {

bool CivilCalendar::IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int CivilCalendar::DaysInMonth(int year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool CivilCalendar::IsValid(const SYSTEMTIME& date) {
  return date.wYear >= kMinYear && date.wYear <= kMaxYear && date.wMonth >= 1 && date.wMonth <= 12 &&
         date.wDay >= 1 && date.wDay <= DaysInMonth(date.wYear, date.wMonth);
}

// Days since 1970-01-01, counting years from March so the leap day ends a year.
long CivilCalendar::DaysFromEpoch(int year, int month, int day) {
  const int y = month <= 2 ? year - 1 : year;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yearOfEra = y - era * 400;
  const long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

SYSTEMTIME CivilCalendar::FromEpochDays(long days) {
  days += 719468;
  const long era = (days >= 0 ? days : days - 146096) / 146097;
  const long dayOfEra = days - era * 146097;
  const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long shifted = (5 * dayOfYear + 2) / 153;
  SYSTEMTIME date{};
  date.wDay = WORD(dayOfYear - (153 * shifted + 2) / 5 + 1);
  date.wMonth = WORD(shifted < 10 ? shifted + 3 : shifted - 9);
  date.wYear = WORD(yearOfEra + era * 400 + (date.wMonth <= 2 ? 1 : 0));
  date.wDayOfWeek = WORD(DayOfWeek(date.wYear, date.wMonth, date.wDay));
  return date;
}

int CivilCalendar::DayOfWeek(int year, int month, int day) {
  const long days = DaysFromEpoch(year, month, day);
  return int(((days % 7) + 7 + 4) % 7);  // 1970-01-01 was a Thursday
}

SYSTEMTIME CivilCalendar::AddDays(const SYSTEMTIME& date, int days) {
  SYSTEMTIME moved = FromEpochDays(DaysFromEpoch(date.wYear, date.wMonth, date.wDay) + days);
  moved.wHour = date.wHour;
  moved.wMinute = date.wMinute;
  moved.wSecond = date.wSecond;
  moved.wMilliseconds = date.wMilliseconds;
  return moved;
}

SYSTEMTIME CivilCalendar::AddMonths(const SYSTEMTIME& date, int months) {
  const int index = date.wYear * 12 + (date.wMonth - 1) + months;
  SYSTEMTIME moved = date;
  moved.wYear = WORD(std::clamp(index / 12, kMinYear, kMaxYear));
  moved.wMonth = WORD(index / 12 < kMinYear ? 1 : index / 12 > kMaxYear ? 12 : index % 12 + 1);
  moved.wDay = WORD(std::min<int>(date.wDay, DaysInMonth(moved.wYear, moved.wMonth)));
  moved.wDayOfWeek = WORD(DayOfWeek(moved.wYear, moved.wMonth, moved.wDay));
  return moved;
}

}  // namespace platform::user

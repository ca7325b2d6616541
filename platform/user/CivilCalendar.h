#pragma once
// Gregorian calendar arithmetic for the date picker and the month calendar.
#include "platform/base/WinTypes.h"

namespace platform::user {

class CivilCalendar {
 public:
  static constexpr int kMinYear = 1601;
  static constexpr int kMaxYear = 9999;

  static bool IsLeapYear(int year);
  static int DaysInMonth(int year, int month);
  // 0 for Sunday to 6 for Saturday.
  static int DayOfWeek(int year, int month, int day);
  // A whole date (year, month and day) that exists.
  static bool IsValid(const SYSTEMTIME& date);
  // The date `days` later (earlier when negative), its day of the week filled in.
  static SYSTEMTIME AddDays(const SYSTEMTIME& date, int days);
  // The same day `months` later, moved back to the month's last day when it has fewer.
  static SYSTEMTIME AddMonths(const SYSTEMTIME& date, int months);

 private:
  static long DaysFromEpoch(int year, int month, int day);
  static SYSTEMTIME FromEpochDays(long days);
};

}  // namespace platform::user

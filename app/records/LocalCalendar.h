#pragma once
// Local calendar times as the result tabs compare them: seconds since the epoch of a
// local date and minute, daylight saving marked off and seconds 0, and the date texts
// the tabs read them from.
#include <ctime>
#include <string>

class LocalCalendar {
 public:
  static std::time_t Time(int year, int month, int day, int hour, int minute);
  // A date text YYYY-MM-DD at that hour and minute: the year is the number before the
  // first "-", the month the two characters after it, the day the two characters after
  // the last "-".
  static std::time_t DateTextTime(const std::string& date, int hour, int minute);
  // The wall clock's local time now, to the minute.
  static std::time_t NowToTheMinute();
  // The leading decimal digits of up to `count` characters from `start`; 0 when none.
  static int Number(const std::string& text, std::size_t start, std::size_t count);
};

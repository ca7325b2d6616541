#include "app/records/LocalCalendar.h"

#include <cstdlib>

#include "platform/base/Clock.h"

std::time_t LocalCalendar::Time(int year, int month, int day, int hour, int minute) {
  std::tm local{};
  local.tm_year = year - 1900;
  local.tm_mon = month - 1;
  local.tm_mday = day;
  local.tm_hour = hour;
  local.tm_min = minute;
  local.tm_sec = 0;
  local.tm_isdst = 0;
  return std::mktime(&local);
}

int LocalCalendar::Number(const std::string& text, std::size_t start, std::size_t count) {
  if (start >= text.size()) return 0;
  return std::atoi(text.substr(start, count).c_str());
}

std::time_t LocalCalendar::DateTextTime(const std::string& date, int hour, int minute) {
  const std::size_t first = date.find('-');
  const std::size_t last = date.rfind('-');
  const int year = std::atoi(date.substr(0, first).c_str());
  const int month = first == std::string::npos ? 0 : Number(date, first + 1, 2);
  const int day = last == std::string::npos ? 0 : Number(date, last + 1, 2);
  return Time(year, month, day, hour, minute);
}

std::time_t LocalCalendar::NowToTheMinute() {
  const std::time_t now = platform::WallClockSeconds();
  std::tm local{};
  localtime_r(&now, &local);
  return Time(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min);
}

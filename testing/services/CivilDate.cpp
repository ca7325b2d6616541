#include "testing/services/CivilDate.h"

#include <cstdio>
#include <ctime>

namespace test_support {

// The usual era arithmetic: years begin in March so that the leap day comes last.
long CivilDate::to_days() const {
  const int y = year - (month <= 2 ? 1 : 0);
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yoe = y - era * 400;
  const long doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

CivilDate CivilDate::from_days(long days) {
  days += 719468;
  const long era = (days >= 0 ? days : days - 146096) / 146097;
  const long doe = days - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  CivilDate date;
  date.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  date.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  date.year = static_cast<int>(yoe + era * 400 + (date.month <= 2 ? 1 : 0));
  return date;
}

bool CivilDate::parse(const std::string& text, CivilDate& date) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  for (int i : {0, 1, 2, 3, 5, 6, 8, 9}) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  date.year = std::stoi(text.substr(0, 4));
  date.month = std::stoi(text.substr(5, 2));
  date.day = std::stoi(text.substr(8, 2));
  return date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= 31;
}

CivilDate CivilDate::today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return CivilDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::string CivilDate::text() const {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year, month, day);
  return buffer;
}

int CivilDate::weekday() const {
  // 1970-01-01 was a Thursday.
  const long days = to_days();
  const long index = ((days % 7) + 7 + 3) % 7;  // 0 Monday
  return static_cast<int>(index) + 1;
}

}  // namespace test_support

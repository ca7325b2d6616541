#include "app/records/RunPhase.h"

#include <cctype>
#include <cstdlib>
#include <tuple>

namespace {

const std::string::size_type kTimeKeyLength = 16;

using Minute = std::tuple<int, int, int, int, int>;  // year, month, day, hour, minute

int Field(const std::string& key, std::string::size_type start, std::string::size_type length) {
  return std::atoi(key.substr(start, length).c_str());
}

bool AllDigits(const std::string& text) {
  for (const char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

}  // namespace

int GetRunPhase(const std::string& timeKey, const SYSTEMTIME& now) {
  if (timeKey.size() != kTimeKeyLength || !AllDigits(timeKey)) return 3;
  const int year = Field(timeKey, 0, 4);
  const int month = Field(timeKey, 4, 2);
  const int day = Field(timeKey, 6, 2);
  const Minute start{year, month, day, Field(timeKey, 8, 2), Field(timeKey, 10, 2)};
  const Minute end{year, month, day, Field(timeKey, 12, 2), Field(timeKey, 14, 2)};
  const Minute current{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute};
  if (start > current) return 1;
  if (start < current && current < end) return 2;
  const bool sameDay = now.wYear == year && now.wMonth == month && now.wDay == day;
  return sameDay ? 4 : 3;
}

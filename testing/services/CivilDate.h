#pragma once
// Calendar days for the fake services: "YYYY-MM-DD" texts, day numbers to step through
// periods, and weekdays. Proleptic Gregorian, no time zones.
#include <string>

namespace test_support {

struct CivilDate {
  int year = 1970;
  int month = 1;
  int day = 1;

  // Days since 1970-01-01.
  long to_days() const;
  static CivilDate from_days(long days);
  // False when the text is not "YYYY-MM-DD".
  static bool parse(const std::string& text, CivilDate& date);
  static CivilDate today();

  std::string text() const;
  // 1 Monday .. 7 Sunday.
  int weekday() const;
  CivilDate plus(long days) const { return from_days(to_days() + days); }
};

}  // namespace test_support

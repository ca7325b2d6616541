#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CommonTools/TextTime.h"

namespace {

using Pieces = std::vector<std::string>;

struct SplitCase {
  std::string text;
  std::string separators;
  Pieces pieces;
};

TEST(SplitTest, EverySeparatorCharacterSplitsAndEmptyPiecesStay) {
  const SplitCase cases[] = {
      {"1,2,3", ",", {"1", "2", "3"}},
      {"1,,3", ",", {"1", "", "3"}},
      {",1,", ",", {"", "1", ""}},
      {"", ",", {""}},
      {"a;b,c", ",;", {"a", "b", "c"}},
      {"a;,b", ",;", {"a", "", "b"}},
      {"abc", ",", {"abc"}},
      {"巡更|安防", "|", {"巡更", "安防"}},
  };
  for (const SplitCase& c : cases) {
    EXPECT_EQ(CommonTools::split(c.text, c.separators), c.pieces) << '"' << c.text << '"';
  }
}

SYSTEMTIME MakeTime(int year, int month, int day, int hour, int minute, int second) {
  SYSTEMTIME time = {};
  time.wYear = WORD(year);
  time.wMonth = WORD(month);
  time.wDay = WORD(day);
  time.wHour = WORD(hour);
  time.wMinute = WORD(minute);
  time.wSecond = WORD(second);
  return time;
}

struct TimeCase {
  SYSTEMTIME time;
  const char* text;
  const char* digits;
};

TEST(TimeTextTest, PaddedTextAndUnpaddedDigits) {
  const TimeCase cases[] = {
      {MakeTime(2022, 6, 3, 9, 5, 7), "2022-06-03 09:05:07", "202263957"},
      {MakeTime(2021, 12, 31, 23, 59, 59), "2021-12-31 23:59:59", "20211231235959"},
      {MakeTime(2000, 1, 1, 0, 0, 0), "2000-01-01 00:00:00", "200011000"},
  };
  for (const TimeCase& c : cases) {
    EXPECT_EQ(CommonTools::time_text(c.time), c.text);
    EXPECT_EQ(CommonTools::time_digits(c.time), c.digits);
  }
}

// Both texts of "now" describe the same local time: read them until no second
// boundary falls between the reads, then compare field by field.
TEST(TimeTextTest, NowTextsDescribeTheSameLocalTime) {
  std::string before, digits, after;
  do {
    before = CommonTools::now_text();
    digits = CommonTools::now_digits();
    after = CommonTools::now_text();
  } while (before != after);

  std::smatch fields;
  ASSERT_TRUE(std::regex_match(before, fields,
                               std::regex("(\\d{4})-(\\d{2})-(\\d{2}) (\\d{2}):(\\d{2}):(\\d{2})")))
      << before;
  const int month = std::stoi(fields[2]), day = std::stoi(fields[3]);
  const int hour = std::stoi(fields[4]), minute = std::stoi(fields[5]), second = std::stoi(fields[6]);
  EXPECT_TRUE(month >= 1 && month <= 12 && day >= 1 && day <= 31) << before;
  EXPECT_TRUE(hour <= 23 && minute <= 59 && second <= 60) << before;

  const std::string unpadded = fields[1].str() + std::to_string(month) + std::to_string(day) +
                               std::to_string(hour) + std::to_string(minute) +
                               std::to_string(second);
  EXPECT_EQ(digits, unpadded);
}

}  // namespace

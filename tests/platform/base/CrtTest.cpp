#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/base/Crt.h"

namespace {

const size_t kFailed = static_cast<size_t>(-1);

// Narrow literals here are GBK bytes.
TEST(CrtConversion, WcsToMbsCountsAndLimits) {
  const std::wstring notGbk = std::wstring(L"甲乙") + wchar_t(0x0E01) + L"丙";
  struct Case {
    const wchar_t* src;
    size_t n;
    size_t result;
    std::string written;  // the bytes before the first untouched one ('#')
  } cases[] = {
      {L"巡更ab", 16, 6, std::string("巡更ab", 7)},  // terminator written when room is left
      {L"巡更ab", 6, 6, "巡更ab"},                   // exactly full: no terminator
      {L"巡更ab", 3, 2, "巡"},                       // a double-byte character is never split
      {L"", 4, 0, std::string(1, '\0')},
      {notGbk.c_str(), 16, kFailed, std::string("甲乙", 5)},
      {notGbk.c_str(), 4, 4, "甲乙"},  // the limit comes before the bad character
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.written);
    char buffer[16];
    std::memset(buffer, '#', sizeof(buffer));
    EXPECT_EQ(platform::WcsToMbs(buffer, c.src, c.n), c.result);
    EXPECT_EQ(std::string(buffer, c.written.size()), c.written);
    EXPECT_EQ(buffer[c.written.size()], '#');
  }
}

TEST(CrtConversion, WcsToMbsLengthQuery) {
  const std::wstring notGbk = std::wstring(L"甲") + wchar_t(0x1F600);
  EXPECT_EQ(platform::WcsToMbs(nullptr, L"巡更ab", 0), 6u);
  EXPECT_EQ(platform::WcsToMbs(nullptr, notGbk.c_str(), 0), kFailed);
}

TEST(CrtConversion, MbsToWcsCountsAndLimits) {
  struct Case {
    const char* src;
    size_t n;
    size_t result;
    std::wstring written;
  } cases[] = {
      {"巡更ab", 16, 4, std::wstring(L"巡更ab", 5)},
      {"巡更ab", 4, 4, L"巡更ab"},
      {"巡更ab", 1, 1, L"巡"},
      {"甲\xFF乙", 16, kFailed, std::wstring(L"甲", 2)},
      {"甲\xFF乙", 1, 1, L"甲"},
      {"\x80", 16, 1, std::wstring(L"\x20AC", 2)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.src);
    wchar_t buffer[16];
    std::wmemset(buffer, L'#', 16);
    EXPECT_EQ(platform::MbsToWcs(buffer, c.src, c.n), c.result);
    EXPECT_EQ(std::wstring(buffer, c.written.size()), c.written);
    EXPECT_EQ(buffer[c.written.size()], L'#');
  }
  EXPECT_EQ(platform::MbsToWcs(nullptr, "巡更ab", 0), 4u);
  EXPECT_EQ(platform::MbsToWcs(nullptr, "a\xFF", 0), kFailed);
}

}  // namespace

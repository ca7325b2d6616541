#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
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

TEST(CrtNumbers, TextToNumber) {
  struct Case {
    const wchar_t* text;
    int asInt;
    long long asInt64;
  } cases[] = {
      {L"42", 42, 42},
      {L"  \t-17 apples", -17, -17},
      {L"+5", 5, 5},
      {L"12abc34", 12, 12},
      {L"abc", 0, 0},
      {L"", 0, 0},
      {L"- 3", 0, 0},
      {L"2147483647", INT_MAX, 2147483647LL},
      {L"2147483648", INT_MAX, 2147483648LL},
      {L"-2147483649", INT_MIN, -2147483649LL},
      {L"99999999999999999999", INT_MAX, LLONG_MAX},
      {L"-99999999999999999999", INT_MIN, LLONG_MIN},
      {nullptr, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text ? c.text : L"(null)");
    EXPECT_EQ(_wtoi(c.text), c.asInt);
    EXPECT_EQ(_wtol(c.text), c.asInt);  // Windows' long is 32 bits
    EXPECT_EQ(_wtoi64(c.text), c.asInt64);
  }
  EXPECT_DOUBLE_EQ(_wtof(L" 3.25kg"), 3.25);
  EXPECT_DOUBLE_EQ(_wtof(L"-1e3"), -1000.0);
  EXPECT_DOUBLE_EQ(_wtof(L"x"), 0.0);
}

TEST(CrtNumbers, NumberToText) {
  wchar_t buffer[72];
  struct Case {
    std::wstring actual;
    std::wstring expected;
  } cases[] = {
      {_itow(255, buffer, 16), L"ff"},
      {_itow(-255, buffer, 10), L"-255"},
      {_itow(-1, buffer, 16), L"ffffffff"},  // only radix 10 is signed
      {_itow(5, buffer, 2), L"101"},
      {_itow(0, buffer, 10), L"0"},
      {_itow(INT_MIN, buffer, 10), L"-2147483648"},
      {_itow(35, buffer, 36), L"z"},
      {_ltow(-1, buffer, 16), L"ffffffff"},
      {_ltow(-9, buffer, 10), L"-9"},
      {_i64tow(-1, buffer, 16), L"ffffffffffffffff"},
      {_i64tow(LLONG_MIN, buffer, 10), L"-9223372036854775808"},
      {_ultow(4000000000UL, buffer, 10), L"4000000000"},
      {_itow(7, buffer, 1), L""},  // no such radix
  };
  for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected);

  char narrow[16];
  EXPECT_STREQ(_itoa(-42, narrow, 10), "-42");

  wchar_t small[4];
  EXPECT_EQ(_itow_s(123, small, 4, 10), 0);
  EXPECT_STREQ(small, L"123");
  EXPECT_EQ(_itow_s(-123, small, 4, 10), ERANGE);
  EXPECT_STREQ(small, L"");
  EXPECT_EQ(_itow_s(1, small, 4, 99), EINVAL);
  EXPECT_EQ(_itow_s(1, nullptr, 4, 10), EINVAL);
}

int Sign(int value) { return value < 0 ? -1 : (value > 0 ? 1 : 0); }

TEST(CrtCase, WideCaseInsensitiveComparison) {
  struct Case {
    const wchar_t* a;
    const wchar_t* b;
    int sign;
  } cases[] = {
      {L"ABC", L"abc", 0},
      {L"巡更Ab", L"巡更aB", 0},
      {L"\x00C9" L"clair", L"éCLAIR", 0},
      {L"ΑΒΓ", L"αβγ", 0},
      {L"Привет", L"пРИВЕТ", 0},
      {L"巡更", L"巡更点", -1},
      {L"巡", L"更", -1},  // U+5DE1 before U+66F4
      {L"abc", L"ABD", -1},
      {L"a", L"", 1},
      {L"_", L"A", -1},  // compared lower-cased: '_' is below 'a'
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.a) + L" / " + c.b);
    EXPECT_EQ(Sign(_wcsicmp(c.a, c.b)), c.sign);
    EXPECT_EQ(Sign(_wcsicmp(c.b, c.a)), -c.sign);
    EXPECT_EQ(lstrcmpiW(c.a, c.b), c.sign);
  }
  EXPECT_EQ(_wcsnicmp(L"巡更ABx", L"巡更aby", 4), 0);
  EXPECT_LT(_wcsnicmp(L"巡更ABx", L"巡更aby", 5), 0);
}

TEST(CrtCase, NarrowCaseInsensitiveComparisonFoldsAsciiOnly) {
  EXPECT_EQ(_stricmp("Config.INI", "config.ini"), 0);
  EXPECT_EQ(_stricmp("巡A", "巡a"), 0);
  EXPECT_NE(_stricmp("巡", "更"), 0);
  EXPECT_LT(_stricmp("_", "A"), 0);
  EXPECT_EQ(_strnicmp("abcX", "ABCy", 3), 0);
  EXPECT_NE(_strnicmp("abcX", "ABCy", 4), 0);
}

TEST(CrtCase, CaseMappingKeepsChineseAndMapsOtherScripts) {
  wchar_t text[] = L"\x00C0" L"Bc巡更ΣЖ1";
  EXPECT_STREQ(_wcslwr(text), L"àbc巡更σж1");
  EXPECT_STREQ(_wcsupr(text), L"\x00C0" L"BC巡更ΣЖ1");
  EXPECT_STREQ(CharLowerW(text), L"àbc巡更σж1");
  EXPECT_STREQ(CharUpperW(text), L"\x00C0" L"BC巡更ΣЖ1");

  // A character passed in place of the pointer comes back mapped the same way.
  EXPECT_EQ(reinterpret_cast<uintptr_t>(CharLowerW(reinterpret_cast<LPWSTR>(uintptr_t(L'Q')))),
            uintptr_t(L'q'));
  EXPECT_EQ(reinterpret_cast<uintptr_t>(CharUpperW(reinterpret_cast<LPWSTR>(uintptr_t(L'é')))),
            uintptr_t(0xC9));

  wchar_t partial[] = L"ABCD";
  EXPECT_EQ(CharLowerBuffW(partial, 2), 2u);
  EXPECT_STREQ(partial, L"abCD");
}

TEST(CrtCase, CharacterClasses) {
  struct Case {
    wchar_t c;
    bool alpha, alnum, upper, lower;
  } cases[] = {
      {L'中', true, true, false, false},
      {L'A', true, true, true, false},
      {L'é', true, true, false, true},
      {L'7', false, true, false, false},
      {L'，', false, false, false, false},
      {L' ', false, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.c));
    EXPECT_EQ(IsCharAlphaW(c.c) != FALSE, c.alpha);
    EXPECT_EQ(IsCharAlphaNumericW(c.c) != FALSE, c.alnum);
    EXPECT_EQ(IsCharUpperW(c.c) != FALSE, c.upper);
    EXPECT_EQ(IsCharLowerW(c.c) != FALSE, c.lower);
    EXPECT_EQ(platform::IsAlphaW(c.c), c.alpha);
    EXPECT_EQ(platform::IsAlnumW(c.c), c.alnum);
  }
  EXPECT_TRUE(platform::IsSpaceW(0x3000));  // the ideographic space
  EXPECT_TRUE(platform::IsPunctW(L'，'));
  EXPECT_EQ(platform::ToUpperW(L'ж'), L'Ж');
  EXPECT_EQ(platform::ToLowerW(L'巡'), L'巡');
}

TEST(CrtCopy, BoundsCheckedCopies) {
  struct Case {
    const char* what;
    errno_t result;
    std::wstring buffer;
    errno_t expected;
    std::wstring expectedBuffer;
  };
  auto run = [](auto call) {
    wchar_t buffer[6];
    std::wmemcpy(buffer, L"xy\0###", 6);
    const errno_t result = call(buffer);
    return std::make_pair(result, std::wstring(buffer, 6));
  };
  struct Row {
    const char* what;
    std::pair<errno_t, std::wstring> actual;
    errno_t expected;
    std::wstring expectedBuffer;
  } rows[] = {
      {"wcscpy_s fits", run([](wchar_t* b) { return wcscpy_s(b, 6, L"abcde"); }), 0,
       std::wstring(L"abcde\0", 6)},
      {"wcscpy_s too long", run([](wchar_t* b) { return wcscpy_s(b, 6, L"abcdef"); }), ERANGE,
       std::wstring(L"\0", 1) + std::wstring(L"y\0###", 5)},
      {"wcscpy_s null source", run([](wchar_t* b) { return wcscpy_s(b, 6, nullptr); }), EINVAL,
       std::wstring(L"\0y\0###", 6)},
      {"wcsncpy_s count", run([](wchar_t* b) { return wcsncpy_s(b, 6, L"abcdef", 3); }), 0,
       std::wstring(L"abc\0##", 6)},
      {"wcsncpy_s truncate",
       run([](wchar_t* b) { return wcsncpy_s(b, 6, L"abcdefgh", _TRUNCATE); }), STRUNCATE,
       std::wstring(L"abcde\0", 6)},
      {"wcsncpy_s count too large", run([](wchar_t* b) { return wcsncpy_s(b, 6, L"abcdefgh", 7); }),
       ERANGE, std::wstring(L"\0y\0###", 6)},
      {"wcscat_s fits", run([](wchar_t* b) { return wcscat_s(b, 6, L"abc"); }), 0,
       std::wstring(L"xyabc\0", 6)},
      {"wcscat_s too long", run([](wchar_t* b) { return wcscat_s(b, 6, L"abcd"); }), ERANGE,
       std::wstring(L"\0y\0###", 6)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    EXPECT_EQ(row.actual.first, row.expected);
    EXPECT_EQ(row.actual.second, row.expectedBuffer);
  }
  wchar_t array[4];
  EXPECT_EQ(wcscpy_s(array, L"abc"), 0);  // the array form knows the size
  EXPECT_EQ(wcscpy_s(array, L"abcd"), ERANGE);

  char narrow[4];
  EXPECT_EQ(strcpy_s(narrow, "巡"), 0);
  EXPECT_STREQ(narrow, "巡");
  EXPECT_EQ(strcpy_s(narrow, 4, "巡更"), ERANGE);
  EXPECT_STREQ(narrow, "");
  EXPECT_EQ(strncpy_s(narrow, "abcdef", _TRUNCATE), STRUNCATE);
  EXPECT_STREQ(narrow, "abc");
  EXPECT_EQ(strncpy_s(narrow, 4, "abcdef", 2), 0);
  EXPECT_STREQ(narrow, "ab");
}

TEST(CrtCopy, DuplicatesAreIndependent) {
  wchar_t* wide = _wcsdup(L"巡更");
  ASSERT_NE(wide, nullptr);
  EXPECT_STREQ(wide, L"巡更");
  std::free(wide);
  char* narrow = _strdup("巡更");
  ASSERT_NE(narrow, nullptr);
  EXPECT_STREQ(narrow, "巡更");
  std::free(narrow);
  EXPECT_EQ(_wcsdup(nullptr), nullptr);
}

TEST(CrtKernelStrings, LengthsCopiesAndComparisons) {
  EXPECT_EQ(lstrlenW(L"巡更"), 2);
  EXPECT_EQ(lstrlenW(nullptr), 0);
  EXPECT_EQ(lstrlenA("巡更"), 4);
  EXPECT_EQ(lstrlenA(nullptr), 0);

  wchar_t buffer[8];
  EXPECT_EQ(lstrcpyW(buffer, L"ab"), buffer);
  EXPECT_STREQ(lstrcatW(buffer, L"巡"), L"ab巡");
  struct Case {
    int maxLength;
    const wchar_t* expected;
  } cases[] = {{4, L"abc"}, {1, L""}, {8, L"abcdef"}};
  for (const Case& c : cases) {
    EXPECT_STREQ(lstrcpynW(buffer, L"abcdef", c.maxLength), c.expected) << c.maxLength;
  }
  EXPECT_EQ(lstrcmpW(L"abc", L"abd"), -1);
  EXPECT_EQ(lstrcmpW(L"abc", L"abc"), 0);
  EXPECT_EQ(lstrcmpW(L"b", L"abc"), 1);
  EXPECT_EQ(lstrcmpW(nullptr, L""), 0);
}

TEST(CrtKernelStrings, CharacterSteps) {
  const wchar_t* text = L"巡更";
  EXPECT_EQ(CharNextW(text), text + 1);
  EXPECT_EQ(CharNextW(text + 2), text + 2);  // stays on the terminator
  EXPECT_EQ(CharPrevW(text, text + 2), text + 1);
  EXPECT_EQ(CharPrevW(text, text), text);  // stays at the start
}

}  // namespace

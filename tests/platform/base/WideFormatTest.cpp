#include <gtest/gtest.h>

#include <cstdarg>
#include <cwchar>
#include <string>

#include "platform/base/WideFormat.h"

using platform::FormatW;

namespace {

struct FormatCase {
  const char* what;
  std::wstring actual;
  std::wstring expected;
};

void ExpectAll(const FormatCase* cases, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    EXPECT_EQ(cases[i].actual, cases[i].expected) << cases[i].what;
  }
}

// Narrow literals here are GBK bytes, the program's narrow text.
TEST(WideFormat, TextAndCharacterConversionsFollowWindows) {
  const FormatCase cases[] = {
      {"%s is wide", FormatW(L"[%s]", L"巡更"), L"[巡更]"},
      {"%S is narrow GBK", FormatW(L"[%S]", "巡更点"), L"[巡更点]"},
      {"%hs is narrow", FormatW(L"%hs", "中文"), L"中文"},
      {"%ls and %ws are wide", FormatW(L"%ls%ws", L"甲", L"乙"), L"甲乙"},
      {"%s and %S together", FormatW(L"%s-%S-%s", L"a", "乙", L"c"), L"a-乙-c"},
      {"%c is wide", FormatW(L"%c%c", L'中', L'x'), L"中x"},
      {"%C is narrow", FormatW(L"%C", 'A'), L"A"},
      {"%hc is narrow, %lc wide", FormatW(L"%hc%lc", 'b', L'文'), L"b文"},
      {"%-5s pads right", FormatW(L"[%-5s]", L"ab"), L"[ab   ]"},
      {"%5s pads left", FormatW(L"[%5s]", L"ab"), L"[   ab]"},
      {"%.2s cuts", FormatW(L"[%.2s]", L"巡更点"), L"[巡更]"},
      {"%05s pads with zeros", FormatW(L"[%05s]", L"ab"), L"[000ab]"},
      {"%3c pads", FormatW(L"[%3c]", L'x'), L"[  x]"},
      {"null wide text", FormatW(L"%s", static_cast<const wchar_t*>(nullptr)), L"(null)"},
      {"null narrow text", FormatW(L"%S", static_cast<const char*>(nullptr)), L"(null)"},
      {"%%", FormatW(L"100%%"), L"100%"},
  };
  ExpectAll(cases, sizeof(cases) / sizeof(cases[0]));
}

TEST(WideFormat, NumbersFollowWindowsSizes) {
  const LONG longValue = -7;
  const DWORD dwordValue = 4000000000u;
  const FormatCase cases[] = {
      {"%d", FormatW(L"%d", -42), L"-42"},
      {"%i", FormatW(L"%i", 17), L"17"},
      {"%u of -1", FormatW(L"%u", -1), L"4294967295"},
      {"%ld is 32 bits", FormatW(L"%ld|%lu", longValue, dwordValue), L"-7|4000000000"},
      {"%lld", FormatW(L"%lld", -9000000000LL), L"-9000000000"},
      {"%I64d", FormatW(L"%I64d", static_cast<long long>(INT64_MIN)), L"-9223372036854775808"},
      {"%I64u", FormatW(L"%I64u", 18446744073709551615ULL), L"18446744073709551615"},
      {"%I64d keeps later arguments in step", FormatW(L"%I64d,%d", 1LL << 40, 5),
       L"1099511627776,5"},
      {"%Iu is pointer sized", FormatW(L"%Iu", static_cast<size_t>(1) << 40), L"1099511627776"},
      {"%hd", FormatW(L"%hd", 65537), L"1"},
      {"%x", FormatW(L"%x", 255), L"ff"},
      {"%X", FormatW(L"%X", 0xBEEF), L"BEEF"},
      {"%08X", FormatW(L"%08X", 0xABC), L"00000ABC"},
      {"%#x", FormatW(L"%#x", 26), L"0x1a"},
      {"%o", FormatW(L"%o", 8), L"10"},
      {"%5d", FormatW(L"[%5d]", 42), L"[   42]"},
      {"%-5d", FormatW(L"[%-5d]", 42), L"[42   ]"},
      {"%05d", FormatW(L"%05d", 42), L"00042"},
      {"%05d negative", FormatW(L"%05d", -42), L"-0042"},
      {"%+d", FormatW(L"%+d", 3), L"+3"},
      {"%02d:%02d", FormatW(L"%02d:%02d", 9, 5), L"09:05"},
      {"%.2f", FormatW(L"%.2f", 3.14159), L"3.14"},
      {"%.2f rounds", FormatW(L"%.2f", 2.675000001), L"2.68"},
      {"%10.3f", FormatW(L"[%10.3f]", -1.5), L"[    -1.500]"},
      {"%f", FormatW(L"%f", 0.5), L"0.500000"},
      {"%lf is double", FormatW(L"%lf", 0.25), L"0.250000"},
      {"%e", FormatW(L"%e", 12345.678), L"1.234568e+04"},
      {"%g", FormatW(L"%g", 0.0001), L"0.0001"},
      {"%*d", FormatW(L"[%*d]", 4, 7), L"[   7]"},
      {"%-*d via negative width", FormatW(L"[%*d]", -4, 7), L"[7   ]"},
      {"%.*f", FormatW(L"%.*f", 1, 2.25), L"2.2"},
      {"%*.*s", FormatW(L"[%*.*s]", 5, 2, L"abcdef"), L"[   ab]"},
  };
  ExpectAll(cases, sizeof(cases) / sizeof(cases[0]));
}

TEST(WideFormat, PointerPrintsAllHexDigits) {
  const std::wstring text = FormatW(L"%p", reinterpret_cast<void*>(0xAB12));
  EXPECT_EQ(text, std::wstring(sizeof(void*) * 2 - 4, L'0') + L"AB12");
}

TEST(WideFormat, NotAConversionStandsAsWritten) {
  EXPECT_EQ(FormatW(L"50% 完成"), L"50% 完成");
  EXPECT_EQ(FormatW(L"%y%d", 3), L"%y3");
  EXPECT_EQ(FormatW(L"trailing %"), L"trailing %");
}

TEST(WideFormat, WritingThroughAnArgumentIsRefused) {
  int written = 0;
  wchar_t buffer[16];
  EXPECT_EQ(_snwprintf(buffer, 16, L"ab%n", &written), -1);
  EXPECT_EQ(written, 0);
}

// A caller measuring, then formatting, with the same argument list, as string classes do.
int MeasureThenFormat(wchar_t* buffer, size_t size, const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  const int length = _vscwprintf(format, args);
  int written = -1;
  if (length >= 0 && static_cast<size_t>(length) < size) {
    written = _vsnwprintf(buffer, size, format, args);
  }
  va_end(args);
  return written;
}

TEST(WideFormat, OneArgumentListServesTwoCalls) {
  wchar_t buffer[32];
  EXPECT_EQ(MeasureThenFormat(buffer, 32, L"%s=%d/%S", L"键", 12, "值"), 6);
  EXPECT_STREQ(buffer, L"键=12/值");
}

TEST(WideFormat, WsprintfCapsAt1024Characters) {
  const std::wstring longText(2000, L'x');
  std::wstring buffer(2000, L'#');
  EXPECT_EQ(wsprintfW(&buffer[0], L"%s", longText.c_str()), 1023);
  EXPECT_EQ(buffer[1022], L'x');
  EXPECT_EQ(buffer[1023], L'\0');
  EXPECT_EQ(buffer[1024], L'#');

  wchar_t small[32];
  EXPECT_EQ(wsprintfW(small, L"%d-%s", 7, L"甲"), 3);
  EXPECT_STREQ(small, L"7-甲");
}

TEST(WideFormat, CountedFormattingLimits) {
  struct Case {
    const wchar_t* text;
    size_t count;
    int result;
    std::wstring buffer;  // what is left in a '#'-filled buffer of 8
  } cases[] = {
      {L"abc", 8, 3, std::wstring(L"abc\0####", 8)},
      {L"abcde", 5, 5, L"abcde###"},  // exactly full: no terminator
      {L"abcdefg", 4, -1, L"abcd####"},
  };
  for (const Case& c : cases) {
    wchar_t buffer[8];
    std::wmemset(buffer, L'#', 8);
    EXPECT_EQ(_snwprintf(buffer, c.count, L"%s", c.text), c.result) << c.count;
    EXPECT_EQ(std::wstring(buffer, 8), c.buffer) << c.count;
  }
  EXPECT_EQ(_snwprintf(nullptr, 0, L"%d", 12345), 5);
  EXPECT_EQ(_scwprintf(L"%s|%05d", L"巡更", 3), 8);
}

TEST(WideFormat, SecureFormsRefuseOrCut) {
  wchar_t buffer[6];
  EXPECT_EQ(swprintf_s(buffer, 6, L"%d", 12345), 5);
  EXPECT_STREQ(buffer, L"12345");
  EXPECT_EQ(swprintf_s(buffer, 6, L"%d", 123456), -1);
  EXPECT_STREQ(buffer, L"");
  EXPECT_EQ(swprintf_s(buffer, L"%s", L"ab"), 2);  // the array form knows the size
  EXPECT_STREQ(buffer, L"ab");

  EXPECT_EQ(_snwprintf_s(buffer, 6, _TRUNCATE, L"%s", L"abcdefgh"), -1);
  EXPECT_STREQ(buffer, L"abcde");
  EXPECT_EQ(_snwprintf_s(buffer, 6, 3, L"%s", L"abcdefgh"), -1);
  EXPECT_STREQ(buffer, L"abc");
  EXPECT_EQ(_snwprintf_s(buffer, 6, 10, L"%s", L"abc"), 3);
  EXPECT_STREQ(buffer, L"abc");
  EXPECT_EQ(_snwprintf_s(buffer, 6, 8, L"%s", L"abcdefgh"), -1);
  EXPECT_STREQ(buffer, L"");
}

}  // namespace

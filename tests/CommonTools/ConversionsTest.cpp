#include <string>

#include <gtest/gtest.h>

#include "CommonTools/Conversions.h"

namespace {

using std::string;
using std::wstring;

// Narrow literals are compiled to GBK: 巡更 is D1B2 B8FC.
TEST(ConversionsTest, NarrowLiteralsAreGbk) { EXPECT_EQ(string("巡更"), "\xD1\xB2\xB8\xFC"); }

// Thai has no code in GBK; 0xFF is never a GBK byte.
const wchar_t kUnmappable[] = L"\u0E01";

struct RouteCase {
  wstring wide;
  string narrow;
};

// The class library's route: what has no code becomes '?', the rest goes on.
TEST(ConversionsTest, ClassLibraryRouteReplacesWhatDoesNotMap) {
  const RouteCase toNarrow[] = {
      {L"巡更点A1", "巡更点A1"},
      {L"", ""},
      {wstring(L"ab") + kUnmappable + L"cd", "ab?cd"},
  };
  for (const RouteCase& c : toNarrow) {
    EXPECT_EQ(CommonTools::cstring_to_string(CStringW(c.wide.c_str())), c.narrow);
  }

  EXPECT_EQ(wstring(CommonTools::string_to_cstring("巡更点A1").GetString()), L"巡更点A1");
  const wstring invalid = CommonTools::string_to_cstring("ab\xFF" "cd").GetString();
  ASSERT_EQ(invalid.size(), 5u);
  EXPECT_EQ(invalid.substr(0, 2), L"ab");
  EXPECT_NE(invalid[2], L'\xFF');  // replaced, not passed through as Latin-1
  EXPECT_EQ(invalid.substr(3), L"cd");
}

// The runtime's route: the conversion stops at what does not convert and keeps
// what came before it.
TEST(ConversionsTest, RuntimeRouteKeepsThePrefixBeforeAFailure) {
  const RouteCase toNarrow[] = {
      {L"C:\\图片\\巡更", "C:\\图片\\巡更"},
      {L"", ""},
      {wstring(L"巡更") + kUnmappable + L"点", "巡更"},
      {kUnmappable, ""},
  };
  for (const RouteCase& c : toNarrow) {
    EXPECT_EQ(CommonTools::wstring_to_string(c.wide), c.narrow);
  }

  const RouteCase toWide[] = {
      {L"C:\\图片\\巡更", "C:\\图片\\巡更"},
      {L"", ""},
      {L"巡更", "巡更\xFF点"},
      {L"ab", "ab\x81"},  // a lead byte with nothing after it
  };
  for (const RouteCase& c : toWide) {
    EXPECT_EQ(CommonTools::string_to_wstring(c.narrow), c.wide);
  }
}

// The UTF-8 route: what does not convert is dropped and the rest goes on.
TEST(ConversionsTest, Utf8RouteSkipsWhatDoesNotConvert) {
  struct Utf8Case {
    string gbk;
    string utf8;
  };
  const Utf8Case cases[] = {
      {"巡更点A1", u8"巡更点A1"},
      {"", ""},
      {"巡更\xFF点", u8"巡更点"},
      {"ab\x81", "ab"},
  };
  for (const Utf8Case& c : cases) {
    EXPECT_EQ(CommonTools::to_utf8(c.gbk, "gbk"), c.utf8) << c.utf8;
  }
  EXPECT_EQ(CommonTools::to_utf8("巡更", "GBK"), u8"巡更");
}

TEST(ConversionsTest, IntToCStringIsPlainDecimal) {
  const std::pair<int, const wchar_t*> cases[] = {
      {0, L"0"}, {7, L"7"}, {-42, L"-42"}, {2147483647, L"2147483647"}};
  for (const auto& c : cases) {
    EXPECT_EQ(wstring(CommonTools::int_to_cstring(c.first).GetString()), c.second);
  }
}

}  // namespace

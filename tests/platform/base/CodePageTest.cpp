#include <gtest/gtest.h>

#include <iconv.h>

#include <functional>
#include <string>
#include <thread>

#include "platform/base/CodePage.h"
#include "platform/base/Error.h"

using platform::codepage::Policy;

namespace {

// Narrow literals in this file are GBK (the build's execution character set);
// u8 literals are UTF-8.

TEST(CodePageRoutes, ValidTextRoundTrips) {
  const std::wstring wide = L"巡更点 A-1，报警！";
  const std::string gbk = "巡更点 A-1，报警！";
  const std::string utf8 = u8"巡更点 A-1，报警！";
  bool complete = false;
  EXPECT_EQ(platform::codepage::GbkToWide(gbk, Policy::Fail, &complete), wide);
  EXPECT_TRUE(complete);
  EXPECT_EQ(platform::codepage::WideToGbk(wide, Policy::Fail, &complete), gbk);
  EXPECT_TRUE(complete);
  EXPECT_EQ(platform::codepage::Utf8ToWide(utf8, Policy::Fail, &complete), wide);
  EXPECT_TRUE(complete);
  EXPECT_EQ(platform::codepage::WideToUtf8(wide, Policy::Fail, &complete), utf8);
  EXPECT_TRUE(complete);
  EXPECT_EQ(platform::codepage::GbkToUtf8(gbk, Policy::Fail, &complete), utf8);
  EXPECT_TRUE(complete);
  EXPECT_EQ(platform::codepage::Utf8ToGbk(utf8, Policy::Fail, &complete), gbk);
  EXPECT_TRUE(complete);
}

TEST(CodePageRoutes, EmptyTextIsCompleteAndEmpty) {
  bool complete = false;
  EXPECT_EQ(platform::codepage::GbkToWide("", Policy::Fail, &complete), L"");
  EXPECT_TRUE(complete);
  EXPECT_EQ(platform::codepage::WideToUtf8(L"", Policy::Fail, &complete), "");
  EXPECT_TRUE(complete);
}

TEST(CodePageRoutes, Cp936MapsEuroAtByte0x80) {
  EXPECT_EQ(platform::codepage::GbkToWide("\x80"), std::wstring(1, wchar_t(0x20AC)));
  EXPECT_EQ(platform::codepage::WideToGbk(std::wstring(1, wchar_t(0x20AC))), "\x80");
}

TEST(CodePageRoutes, LongTextCrossesConversionChunks) {
  std::wstring wide;
  for (int i = 0; i < 3000; ++i) wide += (i % 2) ? L"巡" : L"x";
  const std::string gbk = platform::codepage::WideToGbk(wide);
  EXPECT_EQ(gbk.size(), 4500u);
  EXPECT_EQ(platform::codepage::GbkToWide(gbk), wide);
}

// Every route under every policy on input it cannot convert. Results are compared as
// UTF-8 so that one table holds narrow and wide outcomes.
struct PolicyCase {
  const char* route;
  std::function<std::string(Policy, bool*)> convert;
  const char* defaultChar;
  const char* stop;
  const char* skip;
};

std::string Utf8(const std::wstring& wide) { return platform::codepage::WideToUtf8(wide); }
std::string Utf8FromGbk(const std::string& gbk) { return platform::codepage::GbkToUtf8(gbk); }

TEST(CodePageRoutes, EachPolicyOnInvalidInput) {
  using namespace platform::codepage;
  const std::wstring emoji = std::wstring(L"甲") + wchar_t(0x1F600) + L"乙";
  const std::wstring surrogate = std::wstring(L"a") + wchar_t(0xD800) + L"b";
  const PolicyCase cases[] = {
      {"gbk byte 0xFF", [](Policy p, bool* c) { return Utf8(GbkToWide("中\xFF文", p, c)); },
       u8"中?文", u8"中", u8"中文"},
      // The user-defined area has no mapping here; its two bytes are one character.
      {"gbk double byte without a mapping",
       [](Policy p, bool* c) { return Utf8(GbkToWide("中\xAA\xA1文", p, c)); }, u8"中?文", u8"中",
       u8"中文"},
      {"gbk truncated lead byte",
       [](Policy p, bool* c) { return Utf8(GbkToWide("ab\xD6", p, c)); }, u8"ab?", u8"ab", u8"ab"},
      {"wide not in gbk", [&](Policy p, bool* c) { return Utf8FromGbk(WideToGbk(emoji, p, c)); },
       u8"甲?乙", u8"甲", u8"甲乙"},
      {"utf8 bad continuation",
       [](Policy p, bool* c) { return Utf8(Utf8ToWide("x\xC3(y", p, c)); }, u8"x?(y", u8"x",
       u8"x(y"},
      {"utf8 truncated", [](Policy p, bool* c) { return Utf8(Utf8ToWide("x\xE4\xB8", p, c)); },
       u8"x?", u8"x", u8"x"},
      {"wide lone surrogate", [&](Policy p, bool* c) { return WideToUtf8(surrogate, p, c); },
       u8"a?b", u8"a", u8"ab"},
      {"gbk to utf8 byte 0xFF", [](Policy p, bool* c) { return GbkToUtf8("1\xFF" "2", p, c); },
       u8"1?2", u8"1", u8"12"},
      {"utf8 character not in gbk",
       [](Policy p, bool* c) { return Utf8FromGbk(Utf8ToGbk(u8"甲😀乙", p, c)); }, u8"甲?乙",
       u8"甲", u8"甲乙"},
  };
  for (const PolicyCase& c : cases) {
    SCOPED_TRACE(c.route);
    bool complete = true;
    EXPECT_EQ(c.convert(Policy::DefaultChar, &complete), c.defaultChar);
    EXPECT_FALSE(complete);
    complete = true;
    EXPECT_EQ(c.convert(Policy::Stop, &complete), c.stop);
    EXPECT_FALSE(complete);
    complete = true;
    EXPECT_EQ(c.convert(Policy::Skip, &complete), c.skip);
    EXPECT_FALSE(complete);
    complete = true;
    EXPECT_EQ(c.convert(Policy::Fail, &complete), "");
    EXPECT_FALSE(complete);
  }
}

// The same policies where the refused character sits inside, before or after long runs
// of good text, so that what comes before it and what follows it must both survive.
// Each row builds its input from UTF-8 text around one refused unit.
struct LongTextCase {
  const char* route;
  std::function<std::string(const std::string& before, const std::string& after, Policy,
                            bool*)>
      convert;
  std::size_t before;  // characters of good text ahead of the refused unit
  std::size_t after;   // and behind it
};

std::string LongUtf8(std::size_t characters) {
  const std::wstring pattern = L"巡更点 A-1，报警！";
  std::wstring text;
  while (text.size() < characters) text += pattern[text.size() % pattern.size()];
  return platform::codepage::WideToUtf8(text);
}

TEST(CodePageRoutes, EachPolicyAroundLongRunsOfGoodText) {
  using namespace platform::codepage;
  const auto wide = [](const std::string& utf8) { return Utf8ToWide(utf8, Policy::Fail); };
  const auto gbk = [](const std::string& utf8) { return Utf8ToGbk(utf8, Policy::Fail); };
  const LongTextCase cases[] = {
      {"gbk byte 0xFF in the middle",
       [&](const std::string& b, const std::string& a, Policy p, bool* c) {
         return Utf8(GbkToWide(gbk(b) + "\xFF" + gbk(a), p, c));
       },
       6000, 6000},
      {"gbk double byte without a mapping at the start",
       [&](const std::string& b, const std::string& a, Policy p, bool* c) {
         return Utf8(GbkToWide(gbk(b) + "\xAA\xA1" + gbk(a), p, c));
       },
       0, 6000},
      {"gbk truncated lead byte at the end",
       [&](const std::string& b, const std::string& a, Policy p, bool* c) {
         return Utf8(GbkToWide(gbk(b) + "\xD6" + gbk(a), p, c));
       },
       6000, 0},
      {"wide not in gbk in the middle",
       [&](const std::string& b, const std::string& a, Policy p, bool* c) {
         return Utf8FromGbk(WideToGbk(wide(b) + wchar_t(0x1F600) + wide(a), p, c));
       },
       6000, 6000},
      {"utf8 bad continuation in the middle",
       [&](const std::string& b, const std::string& a, Policy p, bool* c) {
         return Utf8(Utf8ToWide(b + "\xC3" + a, p, c));
       },
       6000, 6000},
      {"utf8 truncated at the end",
       [&](const std::string& b, const std::string& a, Policy p, bool* c) {
         return Utf8(Utf8ToWide(b + "\xE4\xB8" + a, p, c));
       },
       6000, 0},
      {"wide lone surrogate in the middle",
       [&](const std::string& b, const std::string& a, Policy p, bool* c) {
         return WideToUtf8(wide(b) + wchar_t(0xD800) + wide(a), p, c);
       },
       6000, 6000},
      {"gbk to utf8 byte 0xFF in the middle",
       [&](const std::string& b, const std::string& a, Policy p, bool* c) {
         return GbkToUtf8(gbk(b) + "\xFF" + gbk(a), p, c);
       },
       6000, 6000},
      {"utf8 character not in gbk in the middle",
       [&](const std::string& b, const std::string& a, Policy p, bool* c) {
         return Utf8FromGbk(Utf8ToGbk(b + u8"😀" + a, p, c));
       },
       6000, 6000},
  };
  for (const LongTextCase& c : cases) {
    SCOPED_TRACE(c.route);
    const std::string before = LongUtf8(c.before);
    const std::string after = LongUtf8(c.after);
    const struct {
      Policy policy;
      std::string expected;
    } outcomes[] = {
        {Policy::DefaultChar, before + "?" + after},
        {Policy::Stop, before},
        {Policy::Skip, before + after},
        {Policy::Fail, ""},
    };
    for (const auto& outcome : outcomes) {
      SCOPED_TRACE(static_cast<int>(outcome.policy));
      bool complete = true;
      const std::string result = c.convert(before, after, outcome.policy, &complete);
      EXPECT_EQ(result.size(), outcome.expected.size());
      EXPECT_TRUE(result == outcome.expected) << "the texts differ";
      EXPECT_FALSE(complete);
    }
  }
}

TEST(CodePageRoutes, EveryRefusalInALongTextIsHandled) {
  using namespace platform::codepage;
  const std::string run = LongUtf8(3000);
  const std::string gbkRun = Utf8ToGbk(run, Policy::Fail);
  const std::string input = gbkRun + "\xFF" + gbkRun + "\x80\xFF" + gbkRun + "\xFF";
  bool complete = true;
  EXPECT_TRUE(Utf8(GbkToWide(input, Policy::DefaultChar, &complete)) ==
              run + "?" + run + u8"€?" + run + "?");
  EXPECT_FALSE(complete);
  EXPECT_TRUE(GbkToUtf8(input, Policy::Skip, &complete) == run + run + u8"€" + run);
  EXPECT_FALSE(complete);
}

std::string Utf8Of(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

// What iconv alone makes of one character: its GBK bytes, or nothing when it refuses.
bool IconvGbk(const std::string& utf8, std::string& gbk) {
  static iconv_t cd = iconv_open("CP936", "UTF-8");
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char* in = const_cast<char*>(utf8.data());
  size_t inLeft = utf8.size();
  char out[8];
  char* end = out;
  size_t outLeft = sizeof out;
  const bool converted = iconv(cd, &in, &inLeft, &end, &outLeft) != static_cast<size_t>(-1) && inLeft == 0;
  gbk.assign(out, end);
  return converted;
}

// UTF-8 to GBK goes through a table learnt from iconv: every character of the Basic
// Multilingual Plane converts as iconv converts it, the first time and once learnt, alone
// and inside a text, under each policy.
TEST(CodePageRoutes, Utf8ToGbkGivesIconvsCodeForEveryCharacter) {
  using namespace platform::codepage;
  std::string all;
  std::string skipped;
  std::string defaulted;
  std::string stopped;
  bool refusedYet = false;
  int refused = 0;
  for (char32_t c = 1; c <= 0xFFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    const std::string utf8 = Utf8Of(c);
    std::string expected;
    const bool converts = IconvGbk(utf8, expected);
    for (int pass = 0; pass < 2; ++pass) {
      bool complete = false;
      const std::string gbk = Utf8ToGbk(utf8, Policy::Fail, &complete);
      ASSERT_EQ(complete, converts) << std::hex << "U+" << static_cast<unsigned>(c) << " pass " << pass;
      ASSERT_EQ(gbk, converts ? expected : std::string()) << std::hex << "U+" << static_cast<unsigned>(c);
    }
    all += utf8;
    skipped += expected;
    defaulted += converts ? expected : "?";
    if (!converts) ++refused;
    refusedYet = refusedYet || !converts;
    if (!refusedYet) stopped += expected;
  }
  ASSERT_GT(refused, 0) << "some characters have no GBK code";
  bool complete = true;
  EXPECT_TRUE(Utf8ToGbk(all, Policy::Skip, &complete) == skipped);
  EXPECT_FALSE(complete);
  EXPECT_TRUE(Utf8ToGbk(all, Policy::DefaultChar) == defaulted);
  EXPECT_TRUE(Utf8ToGbk(all, Policy::Stop) == stopped);
  EXPECT_TRUE(Utf8ToGbk(all, Policy::Fail).empty());
  // Broken sequences between known characters: iconv's verdict on each, in place.
  const std::string broken = u8"巡更" "\xE5\xB7" "x" u8"点" "\xC0\x80" u8"东" "\xED\xA0\x80" u8"门" "\xE5";
  EXPECT_TRUE(Utf8ToGbk(broken, Policy::DefaultChar, &complete) == "巡更?x点??东?门?");
  EXPECT_TRUE(Utf8ToGbk(broken, Policy::Stop) == "巡更");
  EXPECT_FALSE(complete);
}

TEST(CodePageRoutes, ThreadsConvertIndependently) {
  // Each thread has its own conversion state; a shared one would mix up the outputs.
  std::string results[4];
  std::thread threads[4];
  for (int t = 0; t < 4; ++t) {
    threads[t] = std::thread([t, &results] {
      std::string all;
      for (int i = 0; i < 500; ++i) all += platform::codepage::WideToGbk(t % 2 ? L"巡更" : L"ab");
      results[t] = all;
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int t = 0; t < 4; ++t) {
    std::string expected;
    for (int i = 0; i < 500; ++i) expected += t % 2 ? "巡更" : "ab";
    EXPECT_EQ(results[t], expected) << "thread " << t;
  }
}

TEST(CodePageApi, AnsiCodePageIsGbk) { EXPECT_EQ(GetACP(), 936u); }

TEST(CodePageApi, MultiByteToWideCharSizesAndCodePages) {
  struct Case {
    UINT codePage;
    const char* input;
    int length;
    std::wstring expected;  // including the terminator when length is -1
  } cases[] = {
      {CP_ACP, "巡更", -1, std::wstring(L"巡更", 3)},
      {CP_THREAD_ACP, "巡更", 4, L"巡更"},
      {CP_OEMCP, "a\x80", 2, std::wstring(L"a") + wchar_t(0x20AC)},
      {936, "中", -1, std::wstring(L"中", 2)},
      {CP_UTF8, u8"巡更", -1, std::wstring(L"巡更", 3)},
      {CP_UTF8, u8"巡更", 3, L"巡"},
      {CP_ACP, "a\xFF" "b", 3, std::wstring(L"a") + wchar_t(0xFFFD) + L"b"},
      {CP_UTF8, "a\xC3", 2, std::wstring(L"a") + wchar_t(0xFFFD)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    const int needed = MultiByteToWideChar(c.codePage, 0, c.input, c.length, nullptr, 0);
    ASSERT_EQ(needed, static_cast<int>(c.expected.size()));
    std::wstring out(needed, L'#');
    ASSERT_EQ(MultiByteToWideChar(c.codePage, 0, c.input, c.length, &out[0], needed), needed);
    EXPECT_EQ(out, c.expected);
  }
}

TEST(CodePageApi, MultiByteToWideCharFailures) {
  wchar_t out[8] = {};
  struct Case {
    const char* what;
    UINT codePage;
    DWORD flags;
    const char* input;
    int length;
    int outSize;
    DWORD error;
  } cases[] = {
      {"buffer too small", CP_ACP, 0, "巡更", -1, 2, ERROR_INSUFFICIENT_BUFFER},
      {"strict on invalid gbk", CP_ACP, MB_ERR_INVALID_CHARS, "a\xFF", 2, 8,
       ERROR_NO_UNICODE_TRANSLATION},
      {"strict on invalid utf8", CP_UTF8, MB_ERR_INVALID_CHARS, "a\xC3", 2, 8,
       ERROR_NO_UNICODE_TRANSLATION},
      {"zero input length", CP_ACP, 0, "a", 0, 8, ERROR_INVALID_PARAMETER},
      {"null input", CP_ACP, 0, nullptr, -1, 8, ERROR_INVALID_PARAMETER},
      {"unknown code page", 12345, 0, "a", 1, 8, ERROR_INVALID_PARAMETER},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetLastError(0);
    EXPECT_EQ(MultiByteToWideChar(c.codePage, c.flags, c.input, c.length, out, c.outSize), 0);
    EXPECT_EQ(GetLastError(), c.error);
  }
}

TEST(CodePageApi, WideCharToMultiByteDefaultCharacter) {
  const std::wstring text = std::wstring(L"甲") + wchar_t(0x0E01) + L"乙";
  struct Case {
    const char* defaultChar;
    std::string expected;
  } cases[] = {
      {nullptr, "甲?乙"},
      {"*", "甲*乙"},
      {"口", "甲口乙"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    BOOL used = FALSE;
    char out[16] = {};
    const int written = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, out, sizeof(out),
                                            c.defaultChar, &used);
    EXPECT_EQ(written, static_cast<int>(c.expected.size()) + 1);
    EXPECT_EQ(std::string(out), c.expected);
    EXPECT_TRUE(used);
  }
  BOOL used = TRUE;
  char out[8] = {};
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"ab", 2, out, sizeof(out), nullptr, &used), 2);
  EXPECT_FALSE(used);
}

TEST(CodePageApi, WideCharToMultiByteSizesAndFailures) {
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, L"巡更", -1, nullptr, 0, nullptr, nullptr), 5);
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, L"巡更", -1, nullptr, 0, nullptr, nullptr), 7);
  char out[8] = {};
  ASSERT_EQ(WideCharToMultiByte(CP_UTF8, 0, L"巡", 1, out, sizeof(out), nullptr, nullptr), 3);
  EXPECT_EQ(std::string(out), u8"巡");

  const std::wstring surrogate = std::wstring(L"a") + wchar_t(0xD800);
  ASSERT_EQ(WideCharToMultiByte(CP_UTF8, 0, surrogate.c_str(), -1, out, sizeof(out), nullptr,
                                nullptr),
            5);
  EXPECT_EQ(std::string(out), "a\xEF\xBF\xBD");

  BOOL used = FALSE;
  struct Case {
    const char* what;
    UINT codePage;
    DWORD flags;
    const wchar_t* input;
    int outSize;
    LPCSTR defaultChar;
    LPBOOL usedDefault;
    DWORD error;
  } cases[] = {
      {"buffer too small", CP_ACP, 0, L"巡更", 3, nullptr, nullptr, ERROR_INSUFFICIENT_BUFFER},
      {"default character with utf8", CP_UTF8, 0, L"a", 8, "?", nullptr, ERROR_INVALID_PARAMETER},
      {"used flag with utf8", CP_UTF8, 0, L"a", 8, nullptr, &used, ERROR_INVALID_PARAMETER},
      {"strict utf8 on a surrogate", CP_UTF8, WC_ERR_INVALID_CHARS, surrogate.c_str(), 8,
       nullptr, nullptr, ERROR_NO_UNICODE_TRANSLATION},
      {"null input", CP_ACP, 0, nullptr, 8, nullptr, nullptr, ERROR_INVALID_PARAMETER},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetLastError(0);
    EXPECT_EQ(WideCharToMultiByte(c.codePage, c.flags, c.input, -1, out, c.outSize, c.defaultChar,
                                  c.usedDefault),
              0);
    EXPECT_EQ(GetLastError(), c.error);
  }
}

}  // namespace

#include "ui/core/types/CUIString.h"

#include <gtest/gtest.h>

#include <string>

using SkinUI::CUIString;

namespace {

// True when the characters sit in the string object itself rather than in a heap block.
bool IsInline(const CUIString& s) {
  const auto* begin = reinterpret_cast<const char*>(&s);
  const auto* at = reinterpret_cast<const char*>(s.GetData());
  return at >= begin && at < begin + sizeof(CUIString);
}

std::wstring Repeat(wchar_t ch, int n) { return std::wstring(static_cast<size_t>(n), ch); }

TEST(CUIStringStorage, ShortTextsStayInlineAndLongOnesGoToTheHeap) {
  struct Case {
    int length;
    bool inlineExpected;
  } cases[] = {{0, true}, {1, true}, {126, true}, {127, false}, {128, false}, {1000, false}};
  for (const Case& c : cases) {
    const std::wstring text = Repeat(L'x', c.length);
    CUIString s(text.c_str());
    EXPECT_EQ(c.inlineExpected, IsInline(s)) << c.length;
    EXPECT_EQ(text, s.GetData()) << c.length;
    EXPECT_EQ(c.length, s.GetLength());
  }
}

TEST(CUIStringStorage, ShortAssignmentAfterALongOneReturnsInline) {
  CUIString s(Repeat(L'a', 127).c_str());
  ASSERT_FALSE(IsInline(s));
  s = L"short";
  EXPECT_TRUE(IsInline(s));
  EXPECT_STREQ(L"short", s.GetData());
  s = Repeat(L'b', 200).c_str();
  s = Repeat(L'c', 150).c_str();  // reuses the longer block
  EXPECT_EQ(Repeat(L'c', 150), s.GetData());
  s.Empty();
  EXPECT_TRUE(IsInline(s));
  EXPECT_TRUE(s.IsEmpty());
}

TEST(CUIStringStorage, AppendCrossingTheInlineLimitKeepsTheText) {
  struct Case {
    int first;
    int second;
  } cases[] = {{100, 26}, {100, 27}, {126, 1}, {0, 300}, {200, 200}};
  for (const Case& c : cases) {
    CUIString s(Repeat(L'a', c.first).c_str());
    s += Repeat(L'b', c.second).c_str();
    EXPECT_EQ(Repeat(L'a', c.first) + Repeat(L'b', c.second), s.GetData()) << c.first << "+" << c.second;
    EXPECT_EQ(c.first + c.second <= 126, IsInline(s));
  }
}

TEST(CUIStringStorage, CopiesFromItsOwnTextAreSafe) {
  for (int length : {10, 100, 200}) {
    const std::wstring text = Repeat(L'a', length / 2) + Repeat(L'z', length - length / 2);
    CUIString doubled(text.c_str());
    doubled.Append(doubled.GetData());
    EXPECT_EQ(text + text, doubled.GetData()) << length;

    CUIString tail(text.c_str());
    tail.Assign(tail.GetData() + 3);
    EXPECT_EQ(text.substr(3), tail.GetData()) << length;

    CUIString cut(text.c_str());
    cut.Assign(cut.GetData(), 5);
    EXPECT_EQ(text.substr(0, 5), cut.GetData()) << length;

    CUIString self(text.c_str());
    self = self;
    EXPECT_EQ(text, self.GetData());
  }
}

TEST(CUIStringConstruction, LengthsNullsAndCharacters) {
  EXPECT_STREQ(L"abc", CUIString(L"abcdef", 3).GetData());
  EXPECT_STREQ(L"abcdef", CUIString(L"abcdef", -1).GetData());
  EXPECT_STREQ(L"ab", CUIString(L"ab", 50).GetData());  // never reads past the terminator
  EXPECT_STREQ(L"", CUIString(static_cast<LPCTSTR>(nullptr)).GetData());
  EXPECT_STREQ(L"中", CUIString(L'中').GetData());
  CUIString s(L"keep");
  s.AppendText(nullptr);
  EXPECT_STREQ(L"keep", s.GetData());
  s.SetText(nullptr);
  EXPECT_TRUE(s.IsEmpty());
  EXPECT_STREQ(L"keep", CUIString(L"keep").Concat(nullptr).GetData());
  EXPECT_STREQ(L"ab!", (CUIString(L"a") + L"b" + CUIString(L'!')).GetData());
}

TEST(CUIStringCompare, OrdinalAndCaseSensitive) {
  struct Case {
    const wchar_t* a;
    const wchar_t* b;
    int sign;
  } cases[] = {{L"abc", L"abc", 0}, {L"abc", L"abd", -1}, {L"b", L"abc", 1}, {L"ABC", L"abc", -1}, {L"", L"a", -1}, {L"中", L"a", 1}};
  for (const Case& c : cases) {
    CUIString s(c.a);
    const int result = s.Compare(c.b);
    EXPECT_EQ(c.sign, (result > 0) - (result < 0)) << c.a << " vs " << c.b;
    EXPECT_EQ(c.sign == 0, s.Equals(c.b));
    EXPECT_EQ(c.sign != 0, s.Differs(c.b));
    EXPECT_EQ(c.sign < 0, s.Less(c.b));
    EXPECT_EQ(c.sign == 0, s == CUIString(c.b));
    EXPECT_EQ(c.sign == 0, c.b == s);  // by content, not by address
    EXPECT_EQ(c.sign != 0, c.b != s);
  }
}

TEST(CUIStringSearch, FindFindCharAndReverseFind) {
  const CUIString s(L"abcabc");
  struct Case {
    const wchar_t* sub;
    int start;
    int expected;
  } finds[] = {{L"c", 0, 2}, {L"c", 3, 5}, {L"bc", 5, -1}, {L"x", 0, -1}, {L"a", 6, -1}, {L"a", 7, -1}, {L"a", -1, -1}, {L"", 6, 6}};
  for (const auto& c : finds) EXPECT_EQ(c.expected, s.Find(c.sub, c.start)) << c.sub << "@" << c.start;

  struct CharCase {
    wchar_t ch;
    int start;
    int expected;
  } chars[] = {{L'b', 0, 1}, {L'b', 2, 4}, {L'a', 5, -1}, {L'a', 6, -1}, {L'a', -1, -1}, {L'x', 0, -1}};
  for (const auto& c : chars) EXPECT_EQ(c.expected, s.FindChar(c.ch, c.start)) << c.ch << "@" << c.start;
  EXPECT_EQ(-1, CUIString().FindChar(L'a', 0));
  EXPECT_EQ(4, s.ReverseFind(L'b'));
  EXPECT_EQ(-1, s.ReverseFind(L'z'));
}

TEST(CUIStringSubstrings, MidAndLeftClampTheirArguments) {
  const CUIString s(L"abcdef");
  struct Case {
    int start;
    int count;
    const wchar_t* expected;
  } mids[] = {{2, -1, L"cdef"}, {4, 10, L"ef"}, {0, 0, L""}, {6, -1, L""}, {1, 2, L"bc"}, {-2, 3, L"abc"}, {10, 2, L""}, {3, -5, L""}};
  for (const auto& c : mids) EXPECT_STREQ(c.expected, s.Mid(c.start, c.count).GetData()) << c.start << "," << c.count;

  struct LeftCase {
    int count;
    const wchar_t* expected;
  } lefts[] = {{-3, L""}, {0, L""}, {3, L"abc"}, {6, L"abcdef"}, {10, L"abcdef"}};
  for (const auto& c : lefts) EXPECT_STREQ(c.expected, s.Left(c.count).GetData()) << c.count;
}

TEST(CUIStringReplace, ReplacesEveryOccurrenceOnce) {
  struct Case {
    const wchar_t* text;
    const wchar_t* from;
    const wchar_t* to;
    const wchar_t* expected;
    int count;
  } cases[] = {
      {L"aba", L"a", L"aa", L"aabaa", 2},
      {L"abc", L"x", L"y", L"abc", 0},
      {L"aaa", L"aa", L"b", L"ba", 1},
      {L"a.b.c", L".", L"", L"abc", 2},
      {L"a.b.c", L".", nullptr, L"abc", 2},
      {L"abc", L"", L"x", L"abc", 0},
      {L"宋体,宋体", L"宋体", L"SimSun", L"SimSun,SimSun", 2},
  };
  for (const Case& c : cases) {
    CUIString s(c.text);
    EXPECT_EQ(c.count, s.Replace(c.from, c.to)) << c.text;
    EXPECT_STREQ(c.expected, s.GetData()) << c.text;
  }
  CUIString grown(Repeat(L'x', 100).c_str());
  EXPECT_EQ(100, grown.Replace(L"x", L"yz"));
  std::wstring expected;
  for (int i = 0; i < 100; ++i) expected += L"yz";
  EXPECT_EQ(expected, grown.GetData());
}

TEST(CUIStringCase, MakeLowerFoldsLettersBeyondAscii) {
  CUIString s(L"HeLLo ÀÉ 中文 Ω");
  s.MakeLower();
  EXPECT_STREQ(L"hello àé 中文 ω", s.GetData());
}

TEST(CUIStringFormat, WindowsConventionsAndAnyLength) {
  CUIString s;
  EXPECT_EQ(7, s.Format(L"%s=%d,%c", L"宽字", 42, L'中'));
  EXPECT_STREQ(L"宽字=42,中", s.GetData());

  EXPECT_EQ(5, s.Format(L"%S-%02d", "中文", 7));  // narrow GBK argument
  EXPECT_STREQ(L"中文-07", s.GetData());

  const std::wstring longText = Repeat(L'q', 300);
  EXPECT_EQ(302, s.Format(L"[%s]", longText.c_str()));
  EXPECT_EQ(L"[" + longText + L"]", s.GetData());
}

TEST(CUIStringFormat, SmallFormatCutsInsteadOfOverflowing) {
  struct Case {
    int length;
    int expected;
  } cases[] = {{10, 10}, {63, 63}, {64, 63}, {200, 63}};
  for (const Case& c : cases) {
    CUIString s(L"previous");
    const std::wstring text = Repeat(L'w', c.length);
    EXPECT_EQ(c.expected, s.SmallFormat(L"%s", text.c_str())) << c.length;
    EXPECT_EQ(text.substr(0, static_cast<size_t>(c.expected)), s.GetData());
  }
  CUIString date;
  EXPECT_EQ(10, date.SmallFormat(L"%04d-%02d-%02d", 2024, 3, 9));
  EXPECT_STREQ(L"2024-03-09", date.GetData());
}

}  // namespace

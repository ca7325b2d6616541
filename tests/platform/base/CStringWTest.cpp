#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/base/CStringW.h"

namespace {

std::wstring Text(const CStringW& s) { return std::wstring(s.GetString(), s.GetLength()); }

// Narrow literals here are GBK bytes, the program's narrow text.
TEST(CStringW, Construction) {
  struct Case {
    const char* what;
    CStringW value;
    std::wstring expected;
  } cases[] = {
      {"default", CStringW(), L""},
      {"wide text", CStringW(L"巡更"), L"巡更"},
      {"null wide text", CStringW(static_cast<const wchar_t*>(nullptr)), L""},
      {"wide text and length", CStringW(L"abcdef", 3), L"abc"},
      {"negative length", CStringW(L"abcdef", -2), L""},
      {"repeated character", CStringW(L'巡', 3), L"巡巡巡"},
      {"GBK narrow text", CStringW("巡更点A"), L"巡更点A"},
      {"GBK euro byte", CStringW("\x80"), L"\x20AC"},
      {"invalid GBK byte", CStringW("a\xFF" "b"), L"a?b"},
      {"std::string", CStringW(std::string("出错")), L"出错"},
      {"null narrow text", CStringW(static_cast<const char*>(nullptr)), L""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Text(c.value), c.expected) << c.what;
    EXPECT_EQ(c.value.IsEmpty(), c.expected.empty()) << c.what;
    EXPECT_EQ(c.value.GetString()[c.value.GetLength()], L'\0') << c.what;
  }
}

TEST(CStringW, Assignment) {
  CStringW s;
  s = L"wide";
  EXPECT_EQ(Text(s), L"wide");
  s = "窄";
  EXPECT_EQ(Text(s), L"窄");
  s = std::string("串");
  EXPECT_EQ(Text(s), L"串");
  s = L'c';
  EXPECT_EQ(Text(s), L"c");
  CStringW other(L"other");
  s = other;
  EXPECT_EQ(Text(s), L"other");
  s = std::move(other);
  EXPECT_EQ(Text(s), L"other");
  s = s.GetString() + 2;  // from inside its own buffer
  EXPECT_EQ(Text(s), L"her");
  s.Empty();
  EXPECT_TRUE(s.IsEmpty());
  EXPECT_STREQ(static_cast<const wchar_t*>(s), L"");
}

TEST(CStringW, CopiesShareUntilOneIsWritten) {
  struct Case {
    const char* what;
    std::function<void(CStringW&)> write;
    std::wstring expected;
  } cases[] = {
      {"SetAt", [](CStringW& s) { s.SetAt(0, L'X'); }, L"X更点abc"},
      {"+=", [](CStringW& s) { s += L"!"; }, L"巡更点abc!"},
      {"+= character", [](CStringW& s) { s += L'!'; }, L"巡更点abc!"},
      {"Replace", [](CStringW& s) { s.Replace(L'a', L'A'); }, L"巡更点Abc"},
      {"Remove", [](CStringW& s) { s.Remove(L'b'); }, L"巡更点ac"},
      {"Insert", [](CStringW& s) { s.Insert(1, L"-"); }, L"巡-更点abc"},
      {"Delete", [](CStringW& s) { s.Delete(0, 2); }, L"点abc"},
      {"MakeUpper", [](CStringW& s) { s.MakeUpper(); }, L"巡更点ABC"},
      {"MakeReverse", [](CStringW& s) { s.MakeReverse(); }, L"cba点更巡"},
      {"TrimRight", [](CStringW& s) { s.TrimRight(L"cb"); }, L"巡更点a"},
      {"Format", [](CStringW& s) { s.Format(L"%d", 7); }, L"7"},
      {"AppendFormat", [](CStringW& s) { s.AppendFormat(L"%d", 7); }, L"巡更点abc7"},
      {"GetBuffer", [](CStringW& s) { s.GetBuffer()[0] = L'Y'; s.ReleaseBuffer(); },
       L"Y更点abc"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const CStringW original(L"巡更点abc");
    CStringW copy(original);
    EXPECT_EQ(copy.GetString(), original.GetString());  // one buffer
    c.write(copy);
    EXPECT_EQ(Text(copy), c.expected);
    EXPECT_EQ(Text(original), L"巡更点abc");
    EXPECT_NE(copy.GetString(), original.GetString());
  }
}

TEST(CStringW, ReadingOrChangingNothingKeepsSharing) {
  const CStringW original(L"abc");
  CStringW copy = original;
  EXPECT_EQ(copy.Replace(L'x', L'y'), 0);
  EXPECT_EQ(copy.Replace(L"xy", L"z"), 0);
  EXPECT_EQ(copy.Find(L'b'), 1);
  copy.Trim();
  EXPECT_EQ(copy.GetString(), original.GetString());
}

TEST(CStringW, CopiesCrossThreads) {
  // Every thread copies the shared text and writes to its copies; a count that is not
  // atomic loses updates and frees the buffer under a reader.
  const CStringW shared(L"共享的文本");
  std::vector<std::thread> threads;
  std::vector<int> failures(4, 0);
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&shared, &failures, t] {
      for (int i = 0; i < 20000; ++i) {
        CStringW copy(shared);
        CStringW second = copy;
        if (i % 2) second += L'!';
        if (Text(copy) != L"共享的文本") ++failures[t];
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int t = 0; t < 4; ++t) EXPECT_EQ(failures[t], 0) << "thread " << t;
  EXPECT_EQ(Text(shared), L"共享的文本");
}

TEST(CStringW, FormatFollowsWindowsConventions) {
  CStringW s;
  s.Format(L"%s=%d, %S (%05.1f%%)", L"点", 12, "巡更", 3.14159);
  EXPECT_EQ(Text(s), L"点=12, 巡更 (003.1%)");
  s.AppendFormat(L"|%-3s|%c", L"a", L'中');
  EXPECT_EQ(Text(s), L"点=12, 巡更 (003.1%)|a  |中");

  // A string object as an argument stands for its text, as with the class library.
  const CStringW name(L"巡更点");
  s.Format(L"[%s|%s]", name, CStringW(L"b"));
  EXPECT_EQ(Text(s), L"[巡更点|b]");
  s.AppendFormat(L"%s%d", name, 1);
  EXPECT_EQ(Text(s), L"[巡更点|b]巡更点1");

  // No cap on the length, unlike wsprintfW.
  const std::wstring longText(3000, L'x');
  s.Format(L"%s%d", longText.c_str(), 5);
  EXPECT_EQ(s.GetLength(), 3001);
}

TEST(CStringW, PiecesClampTheirArguments) {
  const CStringW s(L"abcdef");
  struct Case {
    const char* what;
    CStringW piece;
    std::wstring expected;
  } cases[] = {
      {"Mid(2)", s.Mid(2), L"cdef"},
      {"Mid(4, 10)", s.Mid(4, 10), L"ef"},
      {"Mid(6)", s.Mid(6), L""},
      {"Mid(10)", s.Mid(10), L""},
      {"Mid(10, 2)", s.Mid(10, 2), L""},
      {"Mid(-2, 3)", s.Mid(-2, 3), L"abc"},
      {"Mid(2, -1)", s.Mid(2, -1), L""},
      {"Mid(0, 0)", s.Mid(0, 0), L""},
      {"Left(2)", s.Left(2), L"ab"},
      {"Left(-3)", s.Left(-3), L""},
      {"Left(10)", s.Left(10), L"abcdef"},
      {"Right(2)", s.Right(2), L"ef"},
      {"Right(-1)", s.Right(-1), L""},
      {"Right(10)", s.Right(10), L"abcdef"},
      {"SpanIncluding", s.SpanIncluding(L"bac"), L"abc"},
      {"SpanIncluding none", s.SpanIncluding(L"xyz"), L""},
      {"SpanExcluding", s.SpanExcluding(L"ed"), L"abc"},
      {"SpanExcluding none", s.SpanExcluding(L"xyz"), L"abcdef"},
  };
  for (const Case& c : cases) EXPECT_EQ(Text(c.piece), c.expected) << c.what;
}

TEST(CStringW, FindingCharactersAndText) {
  const CStringW s(L"巡更a巡更b");
  struct Case {
    const char* what;
    int actual;
    int expected;
  } cases[] = {
      {"first character", s.Find(L'更'), 1},
      {"character from a start", s.Find(L'更', 2), 4},
      {"character missing", s.Find(L'x'), -1},
      {"character start at the length", s.Find(L'b', 6), -1},
      {"character negative start", s.Find(L'巡', -1), -1},
      {"text", s.Find(L"更b"), 4},
      {"text from a start", s.Find(L"巡更", 1), 3},
      {"text missing", s.Find(L"更c"), -1},
      {"text start past the length", s.Find(L"a", 7), -1},
      {"empty text at the length", s.Find(L"", 6), 6},
      {"reverse", s.ReverseFind(L'巡'), 3},
      {"reverse missing", s.ReverseFind(L'x'), -1},
      {"one of a set", s.FindOneOf(L"ba"), 2},
      {"one of a set missing", s.FindOneOf(L"xyz"), -1},
  };
  for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected) << c.what;
}

TEST(CStringW, ReplaceRemoveInsertDelete) {
  struct Case {
    const char* what;
    const wchar_t* start;
    std::function<int(CStringW&)> edit;
    int result;
    std::wstring expected;
  } cases[] = {
      {"replacement holding the searched text", L"aba",
       [](CStringW& s) { return s.Replace(L"a", L"aa"); }, 2, L"aabaa"},
      {"occurrences do not overlap", L"aaaa", [](CStringW& s) { return s.Replace(L"aa", L"b"); },
       2, L"bb"},
      {"replace by nothing", L"巡,更,点", [](CStringW& s) { return s.Replace(L",", L""); }, 2,
       L"巡更点"},
      {"replace by null", L"a-b", [](CStringW& s) { return s.Replace(L"-", nullptr); }, 1,
       L"ab"},
      {"replace empty text", L"abc", [](CStringW& s) { return s.Replace(L"", L"x"); }, 0, L"abc"},
      {"replace character", L"a\\b\\c", [](CStringW& s) { return s.Replace(L'\\', L'/'); }, 2,
       L"a/b/c"},
      {"remove", L"a b c ", [](CStringW& s) { return s.Remove(L' '); }, 3, L"abc"},
      {"insert", L"ac", [](CStringW& s) { return s.Insert(1, L'b'); }, 3, L"abc"},
      {"insert before the start", L"bc", [](CStringW& s) { return s.Insert(-5, L"a"); }, 3,
       L"abc"},
      {"insert past the end", L"ab", [](CStringW& s) { return s.Insert(99, L"c"); }, 3, L"abc"},
      {"delete", L"abcdef", [](CStringW& s) { return s.Delete(1, 2); }, 4, L"adef"},
      {"delete one by default", L"abc", [](CStringW& s) { return s.Delete(0); }, 2, L"bc"},
      {"delete past the end", L"abcdef", [](CStringW& s) { return s.Delete(4, 10); }, 4, L"abcd"},
      {"delete from past the end", L"abc", [](CStringW& s) { return s.Delete(5, 1); }, 3, L"abc"},
      {"delete negative", L"abc", [](CStringW& s) { return s.Delete(-1, 2); }, 1, L"c"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CStringW s(c.start);
    EXPECT_EQ(c.edit(s), c.result);
    EXPECT_EQ(Text(s), c.expected);
  }
}

TEST(CStringW, Trimming) {
  struct Case {
    const char* what;
    const wchar_t* start;
    std::function<void(CStringW&)> trim;
    std::wstring expected;
  } cases[] = {
      {"white space", L" \t ab c \r\n", [](CStringW& s) { s.Trim(); }, L"ab c"},
      {"ideographic space", L"\x3000巡更\x3000", [](CStringW& s) { s.Trim(); }, L"巡更"},
      {"all white space", L"   ", [](CStringW& s) { s.Trim(); }, L""},
      {"left only", L"  ab  ", [](CStringW& s) { s.TrimLeft(); }, L"ab  "},
      {"right only", L"  ab  ", [](CStringW& s) { s.TrimRight(); }, L"  ab"},
      {"one character", L"xxabxx", [](CStringW& s) { s.Trim(L'x'); }, L"ab"},
      {"a set", L"xyabyx", [](CStringW& s) { s.Trim(L"xy"); }, L"ab"},
      {"left set", L"\\\\path\\", [](CStringW& s) { s.TrimLeft(L"\\"); }, L"path\\"},
      {"right character", L"path\\\\", [](CStringW& s) { s.TrimRight(L'\\'); }, L"path"},
      {"nothing to trim", L"ab", [](CStringW& s) { s.Trim(L"xy"); }, L"ab"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CStringW s(c.start);
    c.trim(s);
    EXPECT_EQ(Text(s), c.expected);
  }
}

std::vector<std::wstring> Tokens(const wchar_t* text, const wchar_t* separators, int* finalStart) {
  const CStringW s(text);
  std::vector<std::wstring> tokens;
  int start = 0;
  for (int guard = 0; guard < 20; ++guard) {
    CStringW token = s.Tokenize(separators, start);
    if (start == -1) break;
    tokens.push_back(Text(token));
  }
  *finalStart = start;
  return tokens;
}

TEST(CStringW, Tokenize) {
  struct Case {
    const wchar_t* text;
    const wchar_t* separators;
    std::vector<std::wstring> tokens;
  } cases[] = {
      {L"a,,b;c", L",;", {L"a", L"b", L"c"}},
      {L",,a,", L",", {L"a"}},
      {L"巡更|点位", L"|", {L"巡更", L"点位"}},
      {L",,,", L",", {}},
      {L"", L",", {}},
      {L"a,b", L"", {L"a,b"}},  // no separators: the whole rest, then the end
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    int finalStart = 0;
    EXPECT_EQ(Tokens(c.text, c.separators, &finalStart), c.tokens);
    EXPECT_EQ(finalStart, -1);
  }
  const CStringW s(L"a,b");
  int start = -3;
  EXPECT_TRUE(s.Tokenize(L",", start).IsEmpty());
  EXPECT_EQ(start, -1);
}

TEST(CStringW, BufferAccess) {
  CStringW s(L"ab");
  wchar_t* buffer = s.GetBuffer(10);
  std::wcscpy(buffer, L"hello");
  s.ReleaseBuffer();
  EXPECT_EQ(Text(s), L"hello");
  EXPECT_EQ(s.GetLength(), 5);

  buffer = s.GetBuffer();
  buffer[1] = L'E';
  s.ReleaseBuffer(3);
  EXPECT_EQ(Text(s), L"hEl");

  buffer = s.GetBufferSetLength(4);
  buffer[3] = L'p';
  s.ReleaseBuffer();
  EXPECT_EQ(Text(s), L"hElp");

  // A copy taken while the buffer is out is a copy of its own.
  buffer = s.GetBuffer();
  CStringW copy(s);
  buffer[0] = L'Z';
  s.ReleaseBuffer();
  EXPECT_EQ(Text(s), L"ZElp");
  EXPECT_EQ(Text(copy), L"hElp");

  // A buffer filled by a call that writes a terminator anywhere within it.
  CStringW filled;
  wcscpy(filled.GetBuffer(260), L"C:\\巡更");
  filled.ReleaseBuffer();
  EXPECT_EQ(Text(filled), L"C:\\巡更");

  CStringW grown(L"x");
  grown.Preallocate(100);
  const wchar_t* before = grown.GetString();
  for (int i = 0; i < 99; ++i) grown += L'y';
  EXPECT_EQ(grown.GetString(), before);
  EXPECT_EQ(grown.GetLength(), 100);
}

TEST(CStringW, ComparisonsAndConcatenation) {
  const CStringW abc(L"abc");
  EXPECT_TRUE(abc == L"abc");
  EXPECT_TRUE(L"abc" == abc);
  EXPECT_TRUE(abc == CStringW(L"abc"));
  EXPECT_TRUE(abc != L"abd");
  EXPECT_TRUE(abc < CStringW(L"abd"));
  EXPECT_TRUE(L"ab" < abc);
  EXPECT_FALSE(abc < L"ab");
  EXPECT_LT(abc.Compare(L"abd"), 0);
  EXPECT_GT(abc.Compare(L"ABC"), 0);
  EXPECT_EQ(abc.CompareNoCase(L"ABC"), 0);
  EXPECT_EQ(CStringW(L"巡更Ab").CompareNoCase(L"巡更aB"), 0);
  EXPECT_LT(CStringW(L"巡").CompareNoCase(L"更"), 0);

  EXPECT_EQ(Text(abc + L"d"), L"abcd");
  EXPECT_EQ(Text(L"x" + abc), L"xabc");
  EXPECT_EQ(Text(abc + abc), L"abcabc");
  EXPECT_EQ(Text(abc + L'\\'), L"abc\\");
  EXPECT_EQ(Text(L'\\' + abc), L"\\abc");
  CStringW self(L"ab");
  self += self;
  EXPECT_EQ(Text(self), L"abab");
}

TEST(CStringW, CharacterAccessAndCase) {
  CStringW s(L"Ab巡");
  EXPECT_EQ(s.GetAt(2), L'巡');
  EXPECT_EQ(s[0], L'A');
  EXPECT_EQ(s.GetAt(3), L'\0');
  EXPECT_EQ(s.GetAt(-1), L'\0');
  EXPECT_EQ(s.GetAt(99), L'\0');
  s.SetAt(99, L'x');
  s.SetAt(-1, L'x');
  EXPECT_EQ(Text(s), L"Ab巡");
  EXPECT_EQ(Text(s.MakeLower()), L"ab巡");
  EXPECT_EQ(Text(s.MakeUpper()), L"AB巡");
  EXPECT_EQ(Text(s.MakeReverse()), L"巡BA");
}

}  // namespace

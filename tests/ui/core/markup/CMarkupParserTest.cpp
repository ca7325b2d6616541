#include "ui/core/markup/CMarkupParser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using SkinUI::CMarkupElement;
using SkinUI::CMarkupParser;

namespace {

std::vector<BYTE> Bytes(const std::string& s) { return std::vector<BYTE>(s.begin(), s.end()); }

std::vector<BYTE> Utf16(const std::wstring& text, bool bigEndian) {
  std::vector<BYTE> out = bigEndian ? std::vector<BYTE>{0xFE, 0xFF} : std::vector<BYTE>{0xFF, 0xFE};
  for (wchar_t ch : text) {
    const BYTE hi = static_cast<BYTE>(ch >> 8);
    const BYTE lo = static_cast<BYTE>(ch & 0xFF);
    out.push_back(bigEndian ? hi : lo);
    out.push_back(bigEndian ? lo : hi);
  }
  return out;
}

std::wstring ValueOf(CMarkupElement element, const wchar_t* name) {
  wchar_t buffer[256] = {};
  if (!element.GetAttributeValueByName(name, buffer, 256)) return L"<absent>";
  return buffer;
}

TEST(CMarkupParserErrors, DocumentsGiveSuccessOrTheExactErrorAndPlace) {
  struct Case {
    const wchar_t* name;
    std::wstring document;
    bool ok;
    const wchar_t* message;
    const wchar_t* location;
  } cases[] = {
      {L"empty", L"", true, L"", L""},
      {L"blank", L" \r\n\t ", true, L"", L""},
      {L"only declarations", L"<?xml version=\"1.0\"?><!-- a comment -->", true, L"", L""},
      {L"root and child left open", L"<Window><Button>", true, L"", L""},
      {L"root left open after a child", L"<Window><Button></Button>", true, L"", L""},
      {L"grandchild level left open", L"<Window><A><B/>", false, L"Expected start tag", L""},
      {L"grandchild content left open", L"<Window><A><B>", false, L"Expected end-tag start", L""},
      {L"text instead of a tag", L"hello", false, L"Expected start tag", L"hello"},
      {L"text after a child", L"<a><b/>tail</a>", false, L"Expected start tag", L"tail</a>"},
      {L"name cut off", L"<Wind", false, L"Error parsing element name", L""},
      {L"start tag not closed", L"<a x=\"1\" / >", false, L"Expected start-tag closing", L"/ >"},
      {L"stray character among attributes", L"<a x=\"1\" ?>", false, L"Error while parsing attributes", L"?>"},
      {L"closing name longer", L"<Window></Windows>", false, L"Unmatched closing tag", L"s>"},
      {L"closing name other", L"<a></b>", false, L"Unmatched closing tag", L"b>"},
      {L"closing tag without >", L"<a></a", false, L"Unmatched closing tag", L""},
      {L"closing name in other case", L"<a></A>", false, L"Unmatched closing tag", L"A>"},
      {L"attribute without =", L"<a x \"1\"/>", false, L"Error while parsing attributes", L"\"1\"/>"},
      {L"value in apostrophes", L"<a x='1'/>", false, L"Expected attribute value", L"'1'/>"},
      {L"value cut off", L"<a x=\"1", false, L"Error while parsing attribute string", L""},
      {L"spaces around names", L"< a x = \"1\" ></ a >", true, L"", L""},
  };
  for (const Case& c : cases) {
    CMarkupParser parser;
    EXPECT_EQ(c.ok, parser.LoadText(c.document.c_str())) << c.name;
    EXPECT_STREQ(c.message, parser.GetLastErrorMessage()) << c.name;
    EXPECT_STREQ(c.location, parser.GetLastErrorLocation()) << c.name;
    if (!c.ok) {
      EXPECT_FALSE(parser.GetRoot().IsValid()) << c.name;
    }
  }
}

TEST(CMarkupParserErrors, LocationHoldsAtMost49Characters) {
  const std::wstring rest = L"0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
  CMarkupParser parser;
  EXPECT_FALSE(parser.LoadText((L"<a>" + std::wstring(L"<b/>") + rest).c_str()));
  EXPECT_STREQ(L"Expected start tag", parser.GetLastErrorMessage());
  EXPECT_EQ(rest.substr(0, 49), parser.GetLastErrorLocation());
}

TEST(CMarkupParserErrors, AFailedLoadDropsThePreviousDocumentAndASuccessClearsTheError) {
  CMarkupParser parser(L"<Window/>");
  ASSERT_TRUE(parser.GetRoot().IsValid());
  EXPECT_FALSE(parser.LoadText(L"<Window x='1'/>"));
  EXPECT_FALSE(parser.GetRoot().IsValid());
  EXPECT_TRUE(parser.LoadText(L"<Other/>"));
  EXPECT_STREQ(L"", parser.GetLastErrorMessage());
  EXPECT_STREQ(L"Other", parser.GetRoot().GetName());
  parser.Release();
  EXPECT_FALSE(parser.GetRoot().IsValid());
}

TEST(CMarkupParserStructure, ElementsNestAsWritten) {
  CMarkupParser parser;
  ASSERT_TRUE(parser.LoadText(
      L"<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
      L"<Window size=\"400,300\" caption=\"0,0,0,30\">\r\n"
      L"  <!-- resources -->\r\n"
      L"  <Font name=\"宋体\" size=\"12\" />\r\n"
      L"  <VerticalLayout>\r\n"
      L"    <Button name=\"btn_ok\" text=\"确定\"/>\r\n"
      L"    <Label text=\"a\"></Label>\r\n"
      L"  </VerticalLayout>\r\n"
      L"</Window>\r\n"));
  CMarkupElement root = parser.GetRoot();
  ASSERT_TRUE(root.IsValid());
  EXPECT_STREQ(L"Window", root.GetName());
  EXPECT_EQ(2, root.GetAttributeCount());
  EXPECT_STREQ(L"size", root.GetAttributeName(0));
  EXPECT_STREQ(L"400,300", root.GetAttributeValue(0));
  EXPECT_STREQ(L"0,0,0,30", root.GetAttributeValue(1));
  EXPECT_STREQ(L"", root.GetAttributeValue(2));
  EXPECT_FALSE(root.GetSibling().IsValid());

  CMarkupElement font = root.GetChild();
  EXPECT_STREQ(L"Font", font.GetName());
  EXPECT_FALSE(font.HasChildren());
  EXPECT_EQ(L"宋体", ValueOf(font, L"name"));
  CMarkupElement layout = font.GetSibling();
  EXPECT_STREQ(L"VerticalLayout", layout.GetName());
  EXPECT_FALSE(layout.HasAttributes());
  CMarkupElement button = layout.GetChild();
  EXPECT_STREQ(L"Button", button.GetName());
  EXPECT_EQ(L"确定", ValueOf(button, L"text"));
  CMarkupElement label = button.GetSibling();
  EXPECT_STREQ(L"Label", label.GetName());
  EXPECT_EQ(L"a", ValueOf(label, L"text"));
  EXPECT_FALSE(label.GetSibling().IsValid());
  EXPECT_FALSE(label.GetChild().IsValid());

  CMarkupElement invalid;
  EXPECT_FALSE(invalid.IsValid());
  EXPECT_EQ(nullptr, invalid.GetName());
  EXPECT_EQ(nullptr, invalid.GetAttributeValue(0));
  EXPECT_EQ(0, invalid.GetAttributeCount());
  EXPECT_FALSE(invalid.GetChild().IsValid());
}

TEST(CMarkupParserStructure, EmptyElementsHoweverTheyAreClosed) {
  struct Case {
    const wchar_t* element;
    int attributes;
  } cases[] = {{L"<a/>", 0}, {L"<a />", 0}, {L"<a x=\"1\"/>", 1}, {L"<a x=\"1\" />", 1}, {L"<a\tx=\"1\"\ny=\"2\"/>", 2}};
  for (const Case& c : cases) {
    CMarkupParser parser;
    ASSERT_TRUE(parser.LoadText((std::wstring(L"<r>") + c.element + L"<b/></r>").c_str())) << c.element;
    CMarkupElement a = parser.GetRoot().GetChild();
    EXPECT_STREQ(L"a", a.GetName()) << c.element;
    EXPECT_FALSE(a.HasChildren()) << c.element;
    EXPECT_EQ(c.attributes, a.GetAttributeCount()) << c.element;
    EXPECT_STREQ(L"b", a.GetSibling().GetName()) << c.element;
  }
}

TEST(CMarkupParserStructure, NamesEndEvenWhenTheTextEndsInsideTheRoot) {
  CMarkupParser parser;
  ASSERT_TRUE(parser.LoadText(L"<Window size=\"1,2\"><Button>caption"));
  EXPECT_STREQ(L"Window", parser.GetRoot().GetName());
  EXPECT_STREQ(L"Button", parser.GetRoot().GetChild().GetName());
  EXPECT_STREQ(L"1,2", parser.GetRoot().GetAttributeValue(0));
}

TEST(CMarkupParserStructure, TopLevelElementsAfterTheRootAreSiblings) {
  CMarkupParser parser(L"<a/><b/>");
  EXPECT_STREQ(L"a", parser.GetRoot().GetName());
  EXPECT_STREQ(L"b", parser.GetRoot().GetSibling().GetName());
}

TEST(CMarkupParserStructure, ManySiblingsSurviveTableGrowth) {
  std::wstring document = L"<Window>";
  for (int i = 0; i < 2000; ++i) document += L"<Item index=\"" + std::to_wstring(i) + L"\"/>";
  document += L"</Window>";
  CMarkupParser parser;
  ASSERT_TRUE(parser.LoadText(document.c_str()));
  int count = 0;
  for (CMarkupElement item = parser.GetRoot().GetChild(); item.IsValid(); item = item.GetSibling()) {
    EXPECT_EQ(std::to_wstring(count), ValueOf(item, L"index"));
    ++count;
  }
  EXPECT_EQ(2000, count);
}

TEST(CMarkupParserValues, EntitiesAreDecodedOnce) {
  struct Case {
    const wchar_t* written;
    const wchar_t* decoded;
  } cases[] = {
      {L"&amp;&lt;", L"&<"},
      {L"&gt;&quot;&apos;", L">\"'"},
      {L"a&amp;lt;b", L"a&lt;b"},
      {L"&copy; &#65; a&b &", L"&copy; &#65; a&b &"},
      {L"<tag> it's", L"<tag> it's"},
      {L"  spaced  ", L"  spaced  "},
      {L"", L""},
  };
  for (const Case& c : cases) {
    CMarkupParser parser;
    const std::wstring document = std::wstring(L"<a v=\"") + c.written + L"\" next=\"after\">&lt;text&gt;</a>";
    ASSERT_TRUE(parser.LoadText(document.c_str())) << c.written;
    CMarkupElement a = parser.GetRoot();
    ASSERT_EQ(2, a.GetAttributeCount()) << c.written;
    EXPECT_STREQ(c.decoded, a.GetAttributeValue(0)) << c.written;
    EXPECT_STREQ(L"after", a.GetAttributeValue(1)) << c.written;  // still found after a shortened value
  }
}

TEST(CMarkupParserValues, OnlyTheFirst64AttributesAreSeen) {
  std::wstring document = L"<a";
  for (int i = 0; i < 70; ++i) document += L" a" + std::to_wstring(i) + L"=\"" + std::to_wstring(i) + L"\"";
  document += L"/>";
  CMarkupParser parser;
  ASSERT_TRUE(parser.LoadText(document.c_str()));
  CMarkupElement a = parser.GetRoot();
  EXPECT_EQ(64, a.GetAttributeCount());
  EXPECT_EQ(L"63", ValueOf(a, L"a63"));
  for (int i = 64; i < 70; ++i) EXPECT_EQ(L"<absent>", ValueOf(a, (L"a" + std::to_wstring(i)).c_str()));
}

TEST(CMarkupParserValues, ValueByNameIsExactAndAlwaysTerminated) {
  CMarkupParser parser(L"<a name=\"abcdef\" Name=\"other\" empty=\"\"/>");
  CMarkupElement a = parser.GetRoot();
  struct Case {
    const wchar_t* name;
    size_t max;
    bool found;
    const wchar_t* value;
  } cases[] = {
      {L"name", 10, true, L"abcdef"}, {L"name", 7, true, L"abcdef"}, {L"name", 6, true, L"abcde"},
      {L"name", 1, true, L""},        {L"Name", 10, true, L"other"}, {L"NAME", 10, false, L""},
      {L"empty", 10, true, L""},      {L"nam", 10, false, L""},
  };
  for (const Case& c : cases) {
    wchar_t buffer[16];
    std::fill(std::begin(buffer), std::end(buffer), L'#');
    buffer[c.max - 1] = L'#';
    const bool found = a.GetAttributeValueByName(c.name, buffer, c.max);
    EXPECT_EQ(c.found, found) << c.name << "/" << c.max;
    if (found) {
      EXPECT_STREQ(c.value, buffer) << c.name << "/" << c.max;
      for (size_t i = wcslen(buffer); i < c.max; ++i) EXPECT_EQ(L'\0', buffer[i]) << "padding at " << i;
    }
    for (size_t i = c.max; i < 16; ++i) EXPECT_EQ(L'#', buffer[i]) << "written past the buffer at " << i;
  }
}

TEST(CMarkupParserText, ChineseNamesAreIdentifiers) {
  CMarkupParser parser;
  ASSERT_TRUE(parser.LoadText(L"<窗口 标题=\"主界面\"><按钮_1 名称=\"确定\"/></窗口>"));
  CMarkupElement root = parser.GetRoot();
  EXPECT_STREQ(L"窗口", root.GetName());
  EXPECT_EQ(L"主界面", ValueOf(root, L"标题"));
  EXPECT_STREQ(L"按钮_1", root.GetChild().GetName());
  EXPECT_EQ(L"确定", ValueOf(root.GetChild(), L"名称"));
}

TEST(CMarkupParserMemory, EncodingsAndByteOrderMarks) {
  const std::wstring document = L"<窗口 名=\"值\"/>";
  const std::string utf8 = u8"<窗口 名=\"值\"/>";
  const std::string gbk = "<窗口 名=\"值\"/>";  // narrow literals are GBK
  struct Case {
    const char* name;
    std::vector<BYTE> bytes;
    int encoding;
    bool ok;
    const wchar_t* rootName;
  } cases[] = {
      {"utf-8", Bytes(utf8), CMarkupParser::XML_ENCODING_UTF8, true, L"窗口"},
      {"utf-8 with mark", Bytes("\xEF\xBB\xBF" + utf8), CMarkupParser::XML_ENCODING_UTF8, true, L"窗口"},
      {"utf-8 mark only", Bytes("\xEF\xBB\xBF"), CMarkupParser::XML_ENCODING_UTF8, true, nullptr},
      {"nothing", {}, CMarkupParser::XML_ENCODING_UTF8, true, nullptr},
      {"ansi (GBK)", Bytes(gbk), CMarkupParser::XML_ENCODING_ANSI, true, L"窗口"},
      {"utf-16 little-endian", Utf16(document, false), CMarkupParser::XML_ENCODING_UNICODE, true, L"窗口"},
      {"utf-16 big-endian", Utf16(document, true), CMarkupParser::XML_ENCODING_UNICODE, true, L"窗口"},
      {"utf-16 odd last byte", [&] { auto b = Utf16(document, false); b.push_back(0x41); return b; }(),
       CMarkupParser::XML_ENCODING_UNICODE, true, L"窗口"},
      {"utf-16 without mark", [&] { auto b = Utf16(document, false); return std::vector<BYTE>(b.begin() + 2, b.end()); }(),
       CMarkupParser::XML_ENCODING_UNICODE, false, nullptr},
      {"utf-16 one byte", {0xFF}, CMarkupParser::XML_ENCODING_UNICODE, false, nullptr},
      {"unknown encoding", Bytes(utf8), 7, false, nullptr},
  };
  for (const Case& c : cases) {
    CMarkupParser parser;
    std::vector<BYTE> bytes = c.bytes;
    const std::vector<BYTE> before = bytes;
    EXPECT_EQ(c.ok, parser.LoadFromMemory(bytes.data(), static_cast<DWORD>(bytes.size()), c.encoding)) << c.name;
    EXPECT_EQ(before, bytes) << c.name << ": the caller's bytes are left alone";
    CMarkupElement root = parser.GetRoot();
    if (c.rootName == nullptr) {
      EXPECT_FALSE(root.IsValid()) << c.name;
      continue;
    }
    EXPECT_STREQ(c.rootName, root.GetName()) << c.name;
    EXPECT_EQ(L"值", ValueOf(root, L"名")) << c.name;
  }
}

TEST(CMarkupParserMemory, SurrogatePairsBecomeOneCharacter) {
  const std::vector<BYTE> bytes{0xFF, 0xFE, '<', 0, 'a', 0, ' ', 0, 'v', 0, '=', 0, '"', 0, 0x3D, 0xD8, 0x00, 0xDE, '"', 0, '/', 0, '>', 0};
  CMarkupParser parser;
  ASSERT_TRUE(parser.LoadFromMemory(bytes.data(), static_cast<DWORD>(bytes.size()), CMarkupParser::XML_ENCODING_UNICODE));
  EXPECT_EQ(std::wstring(1, static_cast<wchar_t>(0x1F600)), ValueOf(parser.GetRoot(), L"v"));
}

TEST(CMarkupParserMemory, FourMebibytesIsTheLimit) {
  struct Case {
    DWORD size;
    bool ok;
    const wchar_t* message;
  } cases[] = {{4u * 1024u * 1024u, true, L""}, {4u * 1024u * 1024u + 1u, false, L"File too large"}};
  for (const Case& c : cases) {
    std::string document = "<a v=\"1\"/>";
    document.resize(c.size, ' ');
    CMarkupParser parser;
    EXPECT_EQ(c.ok, parser.LoadFromMemory(reinterpret_cast<const BYTE*>(document.data()), c.size)) << c.size;
    EXPECT_STREQ(c.message, parser.GetLastErrorMessage()) << c.size;
    EXPECT_EQ(c.ok, parser.GetRoot().IsValid()) << c.size;
  }
}

// Text handed over directly has the same bound as a file's bytes.
TEST(CMarkupParserText, FourMebicharactersIsTheLimit) {
  struct Case {
    size_t length;
    bool ok;
    const wchar_t* message;
  } cases[] = {{CMarkupParser::MAX_DOCUMENT_BYTES, true, L""},
               {CMarkupParser::MAX_DOCUMENT_BYTES + 1u, false, L"Text too large"}};
  for (const Case& c : cases) {
    std::wstring document = L"<a v=\"1\"/>";
    document.resize(c.length, L' ');
    CMarkupParser parser;
    EXPECT_EQ(c.ok, parser.LoadText(document.c_str())) << c.length;
    EXPECT_STREQ(c.message, parser.GetLastErrorMessage()) << c.length;
    EXPECT_EQ(c.ok, parser.GetRoot().IsValid()) << c.length;
  }
}

std::wstring Nested(size_t depth) {
  std::wstring document;
  for (size_t i = 0; i < depth; ++i) document += L"<a>";
  for (size_t i = 0; i < depth; ++i) document += L"</a>";
  return document;
}

// Elements are parsed recursively: a deep document is refused before the stack runs
// out, by text and from memory alike, and the deepest level a skin may have is kept.
TEST(CMarkupParserStructure, DocumentsDeeperThanTheLimitAreRefused) {
  struct Case {
    size_t depth;
    bool ok;
  } cases[] = {{1, true}, {CMarkupParser::MAX_DEPTH, true}, {CMarkupParser::MAX_DEPTH + 1, false}, {60000, false}};
  for (const Case& c : cases) {
    const std::wstring document = Nested(c.depth);
    CMarkupParser parser;
    EXPECT_EQ(c.ok, parser.LoadText(document.c_str())) << c.depth;
    EXPECT_STREQ(c.ok ? L"" : L"Elements nested too deeply", parser.GetLastErrorMessage()) << c.depth;
    EXPECT_EQ(c.ok ? c.depth : 0u, parser.GetDepth()) << c.depth;

    const std::string bytes(document.begin(), document.end());
    CMarkupParser fromMemory;
    EXPECT_EQ(c.ok, fromMemory.LoadFromMemory(reinterpret_cast<const BYTE*>(bytes.data()),
                                               static_cast<DWORD>(bytes.size())))
        << c.depth;
  }
  // Unclosed, as the top levels may be, and as deep: refused all the same.
  std::wstring unclosed;
  for (int i = 0; i < 100000; ++i) unclosed += L"<a>";
  CMarkupParser parser;
  EXPECT_FALSE(parser.LoadText(unclosed.c_str()));
  EXPECT_STREQ(L"Elements nested too deeply", parser.GetLastErrorMessage());
}

TEST(CMarkupParserStructure, DepthCountsTheDeepestBranch) {
  CMarkupParser parser;
  ASSERT_TRUE(parser.LoadText(L"<a><b><c/></b><d/></a><e/>"));
  EXPECT_EQ(3u, parser.GetDepth());
  EXPECT_TRUE(parser.FitsUnder(CMarkupParser::MAX_DEPTH - 3));
  EXPECT_STREQ(L"", parser.GetLastErrorMessage());
  EXPECT_FALSE(parser.FitsUnder(CMarkupParser::MAX_DEPTH - 2));
  EXPECT_STREQ(L"Elements nested too deeply", parser.GetLastErrorMessage());
  EXPECT_FALSE(parser.FitsUnder(0xFFFFFFFFu)) << "no wrap-around";
  ASSERT_TRUE(parser.LoadText(L""));
  EXPECT_EQ(0u, parser.GetDepth());
}

}  // namespace

#include "ui/core/types/CUIValueParser.h"

#include <gtest/gtest.h>

using SkinUI::CUIValueParser;

namespace {

TEST(CUIValueParserFlag, OnlyTheExactWordTrueIsOn) {
  struct Case {
    const char* what;
    LPCTSTR text;
    bool on;
  } cases[] = {
      {"true", L"true", true},
      {"capitalised", L"True", false},
      {"upper case", L"TRUE", false},
      {"one", L"1", false},
      {"leading blank", L" true", false},
      {"trailing blank", L"true ", false},
      {"longer word", L"truex", false},
      {"empty", L"", false},
      {"no text", nullptr, false},
  };
  for (const Case& c : cases) EXPECT_EQ(c.on, CUIValueParser::IsTrue(c.text)) << c.what;
}

}  // namespace

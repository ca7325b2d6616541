// Which texts the program's narrow code page can carry to the server unchanged.
#include <gtest/gtest.h>

#include <string>

#include "app/shell/SavableText.h"

namespace {

TEST(SavableText, OnlyTextGbkHoldsWhole) {
  const struct {
    const char* what;
    std::wstring text;
    bool savable;
  } cases[] = {
      {"empty", L"", true},
      {"letters, digits and signs", L"Route 7 - A&B (2024)", true},
      {"common Chinese", L"东门巡更点", true},
      {"full-width punctuation", L"备注：已检查！", true},
      {"a traditional character GBK has", L"東門", true},
      {"an emoji", L"东门\U0001F600", false},
      {"a CJK extension B ideograph", L"\U00020000", false},
      {"a Korean syllable", L"\uAC00", false},
      {"a lone surrogate", std::wstring(1, wchar_t(0xD800)), false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsSavableText(c.text), c.savable) << c.what;
}

}  // namespace

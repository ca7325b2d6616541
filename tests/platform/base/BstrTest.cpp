#include <gtest/gtest.h>

#include <string>

#include "platform/base/Bstr.h"

namespace {

TEST(Bstr, LengthIsKeptInFrontOfTheCharacters) {
  BSTR text = SysAllocString(L"192.168.1.2");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(SysStringLen(text), 11u);
  EXPECT_STREQ(text, L"192.168.1.2");
  SysFreeString(text);

  // With an explicit length the text may hold NUL characters and is still terminated.
  BSTR withNul = SysAllocStringLen(L"a\0b巡", 4);
  ASSERT_NE(withNul, nullptr);
  EXPECT_EQ(SysStringLen(withNul), 4u);
  EXPECT_EQ(std::wstring(withNul, 4), std::wstring(L"a\0b巡", 4));
  EXPECT_EQ(withNul[4], L'\0');
  SysFreeString(withNul);

  BSTR blank = SysAllocStringLen(nullptr, 3);
  ASSERT_NE(blank, nullptr);
  EXPECT_EQ(SysStringLen(blank), 3u);
  EXPECT_EQ(std::wstring(blank, 4), std::wstring(4, L'\0'));
  SysFreeString(blank);

  BSTR empty = SysAllocString(L"");
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(SysStringLen(empty), 0u);
  SysFreeString(empty);
}

TEST(Bstr, NullIsAcceptedEverywhere) {
  EXPECT_EQ(SysAllocString(nullptr), nullptr);
  EXPECT_EQ(SysStringLen(nullptr), 0u);
  SysFreeString(nullptr);
  EXPECT_FALSE(SysReAllocString(nullptr, L"x"));
}

TEST(Bstr, ReallocationMayReadFromTheOldString) {
  BSTR text = SysAllocString(L"10.0.0.1|10.0.0.2");
  ASSERT_TRUE(SysReAllocString(&text, text + 9));
  EXPECT_STREQ(text, L"10.0.0.2");
  EXPECT_EQ(SysStringLen(text), 8u);
  ASSERT_TRUE(SysReAllocString(&text, nullptr));
  EXPECT_EQ(text, nullptr);
}

}  // namespace

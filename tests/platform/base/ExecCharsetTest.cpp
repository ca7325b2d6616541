#include <gtest/gtest.h>

#include <cstring>

// Every target compiles narrow literals to GBK, like the rest of the program's narrow text.
TEST(ExecCharset, ChineseNarrowLiteralIsGbk) {
  struct Case {
    const char* literal;
    const char* gbk;
  } cases[] = {
      {"中", "\xD6\xD0"},
      {"巡更", "\xD1\xB2\xB8\xFC"},
      {"出错，错误信息为：", "\xB3\xF6\xB4\xED\xA3\xAC\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xCE\xAA\xA3\xBA"},
      {"abc", "abc"},
  };
  for (const Case& c : cases) {
    EXPECT_STREQ(c.literal, c.gbk);
  }
  EXPECT_EQ(std::wstring(L"中"), std::wstring(1, wchar_t(0x4E2D)));
}

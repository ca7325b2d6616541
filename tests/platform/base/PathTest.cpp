#include <gtest/gtest.h>

#include <string>

#include "platform/win32.h"

namespace {

TEST(NativePath, WidePathsBecomeUtf8WithSlashes) {
  struct Case {
    std::wstring path;
    std::string native;
  } cases[] = {
      {L"", ""},
      {L"Config.ini", "Config.ini"},
      {L"log\\Wardenfell\\2024-06-03\\", "log/Wardenfell/2024-06-03/"},
      {L"/opt/patrol\\skin/MainFrameWnd.xml", "/opt/patrol/skin/MainFrameWnd.xml"},
      {L"图片\\巡更点\\1.jpg", u8"图片/巡更点/1.jpg"},
      {L"C:\\Users\\pics", "C:/Users/pics"},
      {L"\\\\server\\share", "//server/share"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::NativePath(c.path), c.native);
  }
}

TEST(NativePath, GbkPathsBecomeUtf8WithSlashes) {
  struct Case {
    std::string gbk;
    std::string native;
  } cases[] = {
      {"", ""},
      {"logs\\202406\\20240603", "logs/202406/20240603"},
      {"配置\\Config.ini", u8"配置/Config.ini"},
      // 0x5C is the trail byte of this character, not a separator.
      {"\x81\x5C\\a", u8"乗/a"},
      {"dir\\\xD5\x5C.txt", u8"dir/誠.txt"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::NativePath(c.gbk), c.native) << c.gbk;
  }
}

TEST(LastPathSeparator, FindsEitherSeparator) {
  struct Case {
    std::wstring path;
    size_t index;
  } cases[] = {
      {L"", std::wstring::npos},
      {L"Config.ini", std::wstring::npos},
      {L"C:\\prog\\client.exe", 7},
      {L"/opt/prog/client", 9},
      {L"/opt\\mixed/name", 10},
      {L"dir\\", 3},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::LastPathSeparator(c.path), c.index) << c.path.size();
  }
}

TEST(LastPathSeparator, NarrowPathSkipsGbkTrailBytes) {
  struct Case {
    std::string path;
    size_t index;
  } cases[] = {
      {"", std::string::npos},
      {"a\\b/c", 3},
      {"dir\\\x81\x5C", 3},
      {"\xD5\x5C", std::string::npos},
      {"\xD5\x5C\\x", 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::LastPathSeparator(c.path), c.index) << c.path;
  }
}

}  // namespace

// Profile reads where Windows has a rule of its own: integers out of range, and
// lines of a section that hold no key.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/win32.h"

namespace {

class ProfileFile : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/profile-rules-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    root_ = pattern;
    path_ = platform::codepage::Utf8ToWide(root_) + L"\\Rules.ini";
  }
  void TearDown() override { std::filesystem::remove_all(root_); }

  void Put(const std::string& bytes) const { std::ofstream(root_ + "/Rules.ini", std::ios::binary) << bytes; }

  std::string root_;
  std::wstring path_;
};

TEST_F(ProfileFile, IntegersWrapIn32Bits) {
  Put("[S]\nmax=4294967295\nwrap=4294967296\none=4294967297\nlong=99999999999\nminus=-1\n"
      "minusWrap=-4294967297\n");
  struct Case {
    LPCWSTR key;
    UINT expected;
  } cases[] = {
      {L"max", 4294967295u},  {L"wrap", 0u},         {L"one", 1u},
      {L"long", 1215752191u}, {L"minus", 0xFFFFFFFFu}, {L"minusWrap", 0xFFFFFFFFu},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetPrivateProfileIntW(L"S", c.key, 7, path_.c_str()), c.expected)
        << platform::codepage::WideToUtf8(c.key);
  }
}

TEST_F(ProfileFile, TheKeyListLeavesOutLinesWithoutEquals) {
  Put("[S]\nfirst=1\nnot a key\n; a comment\n\n  second = 2\n[T]\nthird=3\n");
  WCHAR buffer[64];
  const DWORD count = GetPrivateProfileStringW(L"S", nullptr, nullptr, buffer, 64, path_.c_str());
  EXPECT_EQ(std::wstring(buffer, count), std::wstring(L"first\0second\0", 13));
}

}  // namespace

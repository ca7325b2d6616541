#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32.h"

namespace fs = std::filesystem;

namespace {

class ProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/profile-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    root_ = pattern;
    ini_ = root_ + "/Config.ini";
    // Program code names the file with '\'.
    wini_ = platform::codepage::Utf8ToWide(root_) + L"\\Config.ini";
  }
  void TearDown() override { fs::remove_all(root_); }

  void Put(const std::string& bytes) const { std::ofstream(ini_, std::ios::binary) << bytes; }
  std::string Bytes() const {
    std::ifstream in(ini_, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  // The value read with a buffer of the given size, and the count returned.
  std::wstring Read(LPCWSTR section, LPCWSTR key, LPCWSTR fallback, DWORD size = 261, DWORD* count = nullptr) const {
    std::vector<WCHAR> buffer(size + 1, L'#');
    DWORD copied = GetPrivateProfileStringW(section, key, fallback, buffer.data(), size, wini_.c_str());
    if (count != nullptr) *count = copied;
    EXPECT_EQ(buffer[copied], L'\0');
    return std::wstring(buffer.data(), copied);
  }

  BOOL Write(LPCWSTR section, LPCWSTR key, LPCWSTR value) const {
    return WritePrivateProfileStringW(section, key, value, wini_.c_str());
  }

  std::string root_;
  std::string ini_;
  std::wstring wini_;
};

TEST_F(ProfileTest, MissingFileReadsTheDefaultAndStaysMissing) {
  struct Case {
    LPCWSTR fallback;
    std::wstring expected;
  } cases[] = {
      {nullptr, L""},
      {L"", L""},
      {L"http://10.0.0.1/", L"http://10.0.0.1/"},
      {L"trailing  ", L"trailing"},  // Windows trims the default's trailing blanks
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Read(L"LoginInfo", L"ServerAddr", c.fallback), c.expected);
  }
  EXPECT_EQ(GetPrivateProfileIntW(L"LoginInfo", L"OutSideSchool", 7, wini_.c_str()), 7u);
  // Deleting from a missing file has nothing to do, and creates nothing either.
  EXPECT_TRUE(Write(L"LoginInfo", L"ServerAddr", nullptr));
  EXPECT_TRUE(Write(L"LoginInfo", nullptr, nullptr));
  EXPECT_FALSE(fs::exists(ini_));
}

// Reads every case from the same content written with CRLF and with LF line ends.
TEST_F(ProfileTest, ReadsNamesInAnyCaseAndValuesTrimmedAndUnquoted) {
  const std::vector<std::string> lines = {
      "; written by hand",
      "[LoginInfo]",
      "QVBaseAddr = http://10.0.0.1/ \t",
      "ServerAddr=\"http://srv:8080/\"",
      "Quoted = ' padded '",
      "Mismatched=\"abc'",
      "OutSideSchool=\"1 \"",
      ";Secret_ID=hidden",
      "  Indented  =  yes",
      "Empty=",
      "Name=巡更",  // GBK on disk
      "[ SystemSetting ]",
      "PictureSavePath=D:\\pics",
  };
  struct Case {
    LPCWSTR section;
    LPCWSTR key;
    std::wstring expected;
  } cases[] = {
      {L"LoginInfo", L"QVBaseAddr", L"http://10.0.0.1/"},
      {L"logininfo", L"qvbaseaddr", L"http://10.0.0.1/"},
      {L"LOGININFO", L"ServerAddr", L"http://srv:8080/"},
      {L"LoginInfo", L"Quoted", L" padded "},
      {L"LoginInfo", L"Mismatched", L"\"abc'"},
      {L"LoginInfo", L"OutSideSchool", L"1 "},
      {L"LoginInfo", L";Secret_ID", L"<default>"},
      {L"LoginInfo", L"Secret_ID", L"<default>"},
      {L"LoginInfo", L"Indented", L"yes"},
      {L"LoginInfo", L"Empty", L""},
      {L"LoginInfo", L"Name", L"巡更"},
      {L"SystemSetting", L"PictureSavePath", L"D:\\pics"},
      {L"LoginInfo", L"PictureSavePath", L"<default>"},
      {L"Missing", L"QVBaseAddr", L"<default>"},
  };
  for (const char* ending : {"\r\n", "\n"}) {
    std::string content;
    for (const std::string& line : lines) content += line + ending;
    Put(content);
    for (const Case& c : cases) {
      EXPECT_EQ(Read(c.section, c.key, L"<default>"), c.expected)
          << platform::codepage::WideToUtf8(c.key) << (ending[0] == '\r' ? " CRLF" : " LF");
    }
  }
}

TEST_F(ProfileTest, ValuesAreCutToTheBuffer) {
  const std::wstring chinese300 = std::wstring(150, L'巡') + std::wstring(150, L'x');
  struct Case {
    std::wstring stored;
    DWORD size;
    std::wstring expected;
  } cases[] = {
      {chinese300, 261, chinese300.substr(0, 260)},
      {std::wstring(260, L'a'), 261, std::wstring(260, L'a')},
      {std::wstring(261, L'b'), 261, std::wstring(260, L'b')},
      {L"abcdef", 5, L"abcd"},
      {L"abcdef", 1, L""},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Write(L"LoginInfo", L"Secret_ID", c.stored.c_str()));
    DWORD count = 0;
    EXPECT_EQ(Read(L"LoginInfo", L"Secret_ID", nullptr, c.size, &count), c.expected) << c.size;
    EXPECT_EQ(count, c.expected.size());
  }
  // The default is cut the same way.
  EXPECT_EQ(Read(L"Other", L"Key", L"defaults", 4), L"def");
}

TEST_F(ProfileTest, WritesKeepEveryOtherLineByteForByte) {
  // LF and CRLF lines mixed, comments, blank lines, a key spelt in another case.
  const std::string start = "; head comment\n[A]\nx=1\r\nY = 2\n; inside\n\n[B]\nz=3\n";
  struct Case {
    const char* what;
    LPCWSTR section;
    LPCWSTR key;
    LPCWSTR value;
    std::string expected;
  } cases[] = {
      {"replace in place", L"a", L"y", L"new", "; head comment\n[A]\nx=1\r\nY =new\n; inside\n\n[B]\nz=3\n"},
      {"new key at the end of its section", L"A", L"w", L"4",
       "; head comment\n[A]\nx=1\r\nY = 2\n; inside\nw=4\r\n\n[B]\nz=3\n"},
      {"new key in the last section", L"B", L"k", L"v", start + "k=v\r\n"},
      {"new section at the end", L"C", L"k", L"v", start + "[C]\r\nk=v\r\n"},
      {"delete a key", L"A", L"x", nullptr, "; head comment\n[A]\nY = 2\n; inside\n\n[B]\nz=3\n"},
      {"delete a section", L"A", nullptr, nullptr, "; head comment\n[B]\nz=3\n"},
      {"delete a missing key", L"A", L"nothing", nullptr, start},
  };
  for (const Case& c : cases) {
    Put(start);
    EXPECT_TRUE(Write(c.section, c.key, c.value)) << c.what;
    EXPECT_EQ(Bytes(), c.expected) << c.what;
  }
}

TEST_F(ProfileTest, WritesCreateTheFileAndEndAnOpenLastLine) {
  ASSERT_TRUE(Write(L"LoginInfo", L"ServerAddr", L"http://10.0.0.2:8080/"));
  ASSERT_TRUE(Write(L"LoginInfo", L"OutSideSchool", L"1"));
  ASSERT_TRUE(Write(L"SystemSetting", L"PictureSavePath", L"/home/u/图片"));
  EXPECT_EQ(Bytes(),
            "[LoginInfo]\r\nServerAddr=http://10.0.0.2:8080/\r\nOutSideSchool=1\r\n"
            "[SystemSetting]\r\nPictureSavePath=/home/u/图片\r\n");  // narrow literal: GBK bytes
  EXPECT_EQ(Read(L"SystemSetting", L"PictureSavePath", nullptr), L"/home/u/图片");

  Put("[A]\nx=1");  // no line end after the last line
  ASSERT_TRUE(Write(L"A", L"y", L"2"));
  EXPECT_EQ(Bytes(), "[A]\nx=1\r\ny=2\r\n");
}

TEST_F(ProfileTest, ChineseValueIsGbkOnDisk) {
  ASSERT_TRUE(Write(L"LoginInfo", L"Name", L"巡更"));
  EXPECT_EQ(Bytes(), std::string("[LoginInfo]\r\nName=\xD1\xB2\xB8\xFC\r\n"));
}

TEST_F(ProfileTest, FailedWritesReportAndChangeNothing) {
  Put("[A]\r\nx=1\r\n");
  struct Case {
    const char* what;
    std::wstring file;
    LPCWSTR section;
    LPCWSTR key;
    LPCWSTR value;
    DWORD error;
  } cases[] = {
      {"the path is a folder", platform::codepage::Utf8ToWide(root_), L"A", L"x", L"2", ERROR_ACCESS_DENIED},
      {"the folder is missing", platform::codepage::Utf8ToWide(root_) + L"\\nowhere\\Config.ini", L"A", L"x", L"2",
       ERROR_PATH_NOT_FOUND},
      {"a value with a line break", wini_, L"A", L"x", L"2\r\n[Injected]", ERROR_INVALID_PARAMETER},
      {"a key with '='", wini_, L"A", L"x=y", L"2", ERROR_INVALID_PARAMETER},
      {"a section with ']'", wini_, L"A]x", L"x", L"2", ERROR_INVALID_PARAMETER},
      {"no section but a key", wini_, nullptr, L"x", L"2", ERROR_INVALID_PARAMETER},
  };
  for (const Case& c : cases) {
    SetLastError(0);
    EXPECT_FALSE(WritePrivateProfileStringW(c.section, c.key, c.value, c.file.c_str())) << c.what;
    EXPECT_EQ(GetLastError(), c.error) << c.what;
  }
  EXPECT_EQ(Bytes(), "[A]\r\nx=1\r\n");
  // Reading a folder as a file finds nothing.
  WCHAR buffer[16];
  EXPECT_EQ(GetPrivateProfileStringW(L"A", L"x", L"d", buffer, 16, platform::codepage::Utf8ToWide(root_).c_str()), 1u);
  EXPECT_EQ(std::wstring(buffer), L"d");
}

TEST_F(ProfileTest, WritesLeaveNoTemporaryFilesAndKeepTheMode) {
  Put("[A]\r\nx=1\r\n");
  fs::permissions(ini_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(Write(L"A", L"x", std::to_wstring(i).c_str()));
  std::vector<std::string> names;
  for (auto& entry : fs::directory_iterator(root_)) names.push_back(entry.path().filename().string());
  EXPECT_EQ(names, std::vector<std::string>{"Config.ini"});
  EXPECT_EQ(fs::status(ini_).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(ProfileTest, IntegersReadAsWindowsReadsThem) {
  Put("[S]\nplain=12\nnegative=-3\nsuffix=7abc\nword=abc\nquoted=\"42\"\nempty=\n");
  struct Case {
    LPCWSTR key;
    UINT expected;
  } cases[] = {
      {L"plain", 12u},  {L"negative", static_cast<UINT>(-3)}, {L"suffix", 7u}, {L"word", 0u},
      {L"quoted", 42u}, {L"empty", 0u},                        {L"absent", 99u},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetPrivateProfileIntW(L"S", c.key, 99, wini_.c_str()), c.expected)
        << platform::codepage::WideToUtf8(c.key);
  }
}

TEST_F(ProfileTest, NullNamesListSectionsAndKeys) {
  Put("[A]\nx=1\ny=2\n[B]\nz=3\n");
  EXPECT_EQ(Read(nullptr, nullptr, nullptr, 64), std::wstring(L"A\0B\0", 4));
  EXPECT_EQ(Read(L"a", nullptr, nullptr, 64), std::wstring(L"x\0y\0", 4));
  // A list that does not fit is cut and still ends with two NULs.
  WCHAR buffer[4] = {L'#', L'#', L'#', L'#'};
  EXPECT_EQ(GetPrivateProfileStringW(L"A", nullptr, nullptr, buffer, 4, wini_.c_str()), 2u);
  EXPECT_EQ(std::wstring(buffer, 4), std::wstring(L"x\0y\0", 4).substr(0, 2) + std::wstring(2, L'\0'));
}

TEST_F(ProfileTest, ConcurrentWritersLoseNoKey) {
  const int kThreads = 4;
  const int kKeys = 25;
  std::vector<std::thread> writers;
  for (int t = 0; t < kThreads; ++t) {
    writers.emplace_back([this, t] {
      for (int k = 0; k < kKeys; ++k) {
        std::wstring key = L"k" + std::to_wstring(t) + L"_" + std::to_wstring(k);
        EXPECT_TRUE(Write(L"S", key.c_str(), key.c_str()));
      }
    });
  }
  for (std::thread& writer : writers) writer.join();
  for (int t = 0; t < kThreads; ++t) {
    for (int k = 0; k < kKeys; ++k) {
      std::wstring key = L"k" + std::to_wstring(t) + L"_" + std::to_wstring(k);
      EXPECT_EQ(Read(L"S", key.c_str(), L"lost"), key);
    }
  }
}

}  // namespace

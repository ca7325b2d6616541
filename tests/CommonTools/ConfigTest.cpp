#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "CommonTools/Config.h"

namespace {

using std::string;
using std::wstring;

// Config.ini lives beside the test executable, shared by every test process that
// ctest runs at the same time: each test holds a lock on the executable's folder
// while it uses the file, and leaves no file behind.
class ConfigTest : public ::testing::Test {
 protected:
  void SetUp() override {
    exeDir_ = platform::NativePath(CommonTools::get_exe_dir());
    lock_ = open(exeDir_.c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(lock_, 0);
    ASSERT_EQ(flock(lock_, LOCK_EX), 0);
    configPath_ = exeDir_ + "/Config.ini";
    RemoveConfig();
  }

  void TearDown() override {
    RemoveConfig();
    if (lock_ >= 0) close(lock_);
  }

  void RemoveConfig() {
    const string command = "rm -rf '" + configPath_ + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
  }

  bool ConfigExists() const {
    struct stat info;
    return stat(configPath_.c_str(), &info) == 0;
  }

  void WriteRawConfig(const string& bytes) {
    std::ofstream(configPath_, std::ios::binary) << bytes;
  }

  string ReadRawConfig() const {
    std::ifstream in(configPath_, std::ios::binary);
    return string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  string exeDir_;
  string configPath_;
  int lock_ = -1;
};

TEST_F(ConfigTest, ExeDirHasNoTrailingSeparator) {
  const wstring dir = CommonTools::get_exe_dir();
  ASSERT_FALSE(dir.empty());
  EXPECT_NE(dir.back(), L'/');
  EXPECT_NE(dir.back(), L'\\');
  struct stat info;
  ASSERT_EQ(stat(exeDir_.c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
}

TEST_F(ConfigTest, MissingFileReadsEmptyAndCreatesNothing) {
  for (const wchar_t* key : {L"QVBaseAddr", L"ServerAddr", L"OutSideSchool", L"Secret_ID"}) {
    EXPECT_EQ(CommonTools::read_login_config(key), L"") << key;
  }
  EXPECT_FALSE(ConfigExists());
}

TEST_F(ConfigTest, WriteFromAnotherFolderLandsBesideTheExecutable) {
  char pattern[] = "/tmp/config_cwd_XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const string elsewhere = pattern;
  char previous[4096];
  ASSERT_NE(getcwd(previous, sizeof(previous)), nullptr);
  ASSERT_EQ(chdir(elsewhere.c_str()), 0);

  const BOOL written = CommonTools::write_config(L"LoginInfo", L"ServerAddr", L"http://10.0.0.2:8080/");
  const wstring readBack = CommonTools::read_login_config(L"ServerAddr");
  struct stat info;
  const bool strayFile = stat((elsewhere + "/Config.ini").c_str(), &info) == 0;

  ASSERT_EQ(chdir(previous), 0);
  std::system(("rm -rf '" + elsewhere + "'").c_str());

  EXPECT_TRUE(written);
  EXPECT_TRUE(ConfigExists());
  EXPECT_FALSE(strayFile);
  EXPECT_EQ(readBack, L"http://10.0.0.2:8080/");
}

struct ReadCase {
  const char* name;
  string file;  // GBK bytes on disk
  const wchar_t* key;
  wstring value;
};

TEST_F(ConfigTest, ReadsWhatTheFileHoldsTheWayWindowsDoes) {
  const string longValue(300, 'x');
  const ReadCase cases[] = {
      {"plain", "[LoginInfo]\r\nServerAddr=http://10.0.0.2/\r\n", L"ServerAddr",
       L"http://10.0.0.2/"},
      {"names in another case", "[logininfo]\r\nSERVERADDR=http://10.0.0.2/\r\n", L"ServerAddr",
       L"http://10.0.0.2/"},
      {"LF lines", "[LoginInfo]\nQVBaseAddr=http://base/\n", L"QVBaseAddr", L"http://base/"},
      {"blanks trimmed", "[LoginInfo]\r\nQVBaseAddr =  http://base/  \r\n", L"QVBaseAddr",
       L"http://base/"},
      {"one pair of quotes stripped", "[LoginInfo]\r\nQVBaseAddr=\"http://base/\"\r\n", L"QVBaseAddr",
       L"http://base/"},
      // Only the exact text "1" means outside the school network; this one must come
      // back with its blank so that start-up sees it is not "1".
      {"quoted blank kept", "[LoginInfo]\r\nOutSideSchool=\"1 \"\r\n", L"OutSideSchool", L"1 "},
      {"GBK value", "[LoginInfo]\r\nSecret_ID=巡更点\r\n", L"Secret_ID", L"巡更点"},
      {"cut at 260 characters", "[LoginInfo]\r\nSecret_ID=" + longValue + "\r\n", L"Secret_ID",
       wstring(260, L'x')},
      {"missing key", "[LoginInfo]\r\nServerAddr=http://10.0.0.2/\r\n", L"QVBaseAddr", L""},
      {"comment line", "[LoginInfo]\r\n;ServerAddr=http://old/\r\n", L"ServerAddr", L""},
      {"only LoginInfo is read", "[SystemSetting]\r\nPictureSavePath=D:\\pics\r\n",
       L"PictureSavePath", L""},
  };
  for (const ReadCase& c : cases) {
    WriteRawConfig(c.file);
    EXPECT_EQ(CommonTools::read_login_config(c.key), c.value) << c.name;
  }
}

TEST_F(ConfigTest, WritesKeepOtherLinesAndStoreGbk) {
  WriteRawConfig("; settings\r\n[LoginInfo]\r\nQVBaseAddr=http://old/\r\nServerAddr=http://s/\r\n");

  EXPECT_TRUE(CommonTools::write_config(L"LoginInfo", L"QVBaseAddr", L"http://new/"));
  EXPECT_TRUE(CommonTools::write_config(L"LoginInfo", L"Secret_ID", L"巡更点"));
  EXPECT_TRUE(CommonTools::write_config(L"SystemSetting", L"PictureSavePath", L"D:\\图片"));

  const string raw = ReadRawConfig();
  EXPECT_NE(raw.find("; settings\r\n"), string::npos) << raw;
  EXPECT_NE(raw.find("QVBaseAddr=http://new/\r\n"), string::npos) << raw;
  EXPECT_EQ(raw.find("http://old/"), string::npos) << raw;
  EXPECT_NE(raw.find("ServerAddr=http://s/\r\n"), string::npos) << raw;
  EXPECT_NE(raw.find("Secret_ID=\xD1\xB2\xB8\xFC\xB5\xE3\r\n"), string::npos) << raw;
  EXPECT_NE(raw.find("[SystemSetting]\r\nPictureSavePath=D:\\图片"), string::npos) << raw;

  EXPECT_EQ(CommonTools::read_login_config(L"QVBaseAddr"), L"http://new/");
  EXPECT_EQ(CommonTools::read_login_config(L"Secret_ID"), L"巡更点");
  EXPECT_EQ(CommonTools::read_login_config(L"ServerAddr"), L"http://s/");
}

// Tests run as root, so the failure cannot come from permissions: a folder stands
// where the file should be.
TEST_F(ConfigTest, WriteReportsFailureWhenTheFileCannotBeWritten) {
  ASSERT_EQ(mkdir(configPath_.c_str(), 0755), 0);
  EXPECT_FALSE(CommonTools::write_config(L"LoginInfo", L"ServerAddr", L"http://10.0.0.2/"));
  EXPECT_EQ(CommonTools::read_login_config(L"ServerAddr"), L"");
}

}  // namespace

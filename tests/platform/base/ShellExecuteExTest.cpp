// ShellExecuteExW over ShellExecuteW: the structure's fields reach the shell hook as
// ShellExecuteW's arguments, and its answer becomes TRUE or FALSE with a last error.
#include <gtest/gtest.h>

#include <unistd.h>

#include <string>
#include <vector>

#include "platform/win32.h"

namespace {

struct Call {
  std::wstring verb, file, params, dir;
  int show;
};

class ShellExecuteExTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetShellExecuteHook([this](const std::wstring& verb, const std::wstring& file,
                                         const std::wstring& params, const std::wstring& dir, int show) -> INT_PTR {
      calls.push_back({verb, file, params, dir, show});
      return answer;
    });
  }
  void TearDown() override { platform::SetShellExecuteHook(nullptr); }

  static SHELLEXECUTEINFOW Info(LPCWSTR verb, LPCWSTR file) {
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpVerb = verb;
    info.lpFile = file;
    info.nShow = SW_SHOWNORMAL;
    return info;
  }

  INT_PTR answer = 42;
  std::vector<Call> calls;
};

TEST_F(ShellExecuteExTest, FieldsReachTheHookAsShellExecuteArguments) {
  SHELLEXECUTEINFOW info = Info(nullptr, L"C:\\Program Files\\巡更\\PictInfo.txt");
  info.lpParameters = L"-x";
  info.lpDirectory = L"C:\\tmp";
  ASSERT_TRUE(ShellExecuteExW(&info));
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].verb, L"") << "a null verb is the default verb";
  EXPECT_EQ(calls[0].file, L"C:\\Program Files\\巡更\\PictInfo.txt");
  EXPECT_EQ(calls[0].params, L"-x");
  EXPECT_EQ(calls[0].dir, L"C:\\tmp");
  EXPECT_EQ(calls[0].show, SW_SHOWNORMAL);
  EXPECT_EQ(reinterpret_cast<INT_PTR>(info.hInstApp), 42);
}

TEST_F(ShellExecuteExTest, ShellFailuresBecomeFalseWithTheMatchingLastError) {
  const struct {
    INT_PTR answer;
    DWORD error;
  } cases[] = {{SE_ERR_FNF, ERROR_FILE_NOT_FOUND},
               {SE_ERR_PNF, ERROR_PATH_NOT_FOUND},
               {SE_ERR_ACCESSDENIED, ERROR_ACCESS_DENIED},
               {SE_ERR_OOM, ERROR_NOT_ENOUGH_MEMORY},
               {SE_ERR_NOASSOC, ERROR_NO_ASSOCIATION}};
  for (const auto& c : cases) {
    answer = c.answer;
    SHELLEXECUTEINFOW info = Info(L"open", L"missing.txt");
    SetLastError(0);
    EXPECT_FALSE(ShellExecuteExW(&info)) << c.answer;
    EXPECT_EQ(GetLastError(), c.error) << c.answer;
    EXPECT_EQ(reinterpret_cast<INT_PTR>(info.hInstApp), c.answer);
  }
}

TEST_F(ShellExecuteExTest, AStructureTooSmallOrMissingIsRefusedBeforeTheShell) {
  SHELLEXECUTEINFOW info = Info(nullptr, L"a.txt");
  info.cbSize = sizeof(DWORD) * 2;
  EXPECT_FALSE(ShellExecuteExW(&info));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_FALSE(ShellExecuteExW(nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_TRUE(calls.empty());
}

// Without the hook a missing file is reported, and nothing is started or shown.
TEST(ShellExecuteExUnhooked, AMissingFileGivesFileNotFound) {
  char folder[] = "/tmp/shellex-XXXXXX";
  ASSERT_NE(mkdtemp(folder), nullptr);
  const std::wstring missing = platform::codepage::Utf8ToWide(std::string(folder) + "/PictInfo.txt");
  SHELLEXECUTEINFOW info = {};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_FLAG_NO_UI;
  info.lpFile = missing.c_str();
  info.nShow = SW_SHOWNORMAL;
  EXPECT_FALSE(ShellExecuteExW(&info));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  rmdir(folder);
}

}  // namespace

// The shell's dialogs: the folder chooser's item lists and paths, answered by the
// test driver's script.
#include <gtest/gtest.h>

#include <string>

#include "platform/win32.h"
#include "testing/driver/TestDriver.h"

namespace {

using platform::headless::TestDriver;

enum class Answer { Folder, NotFileSystem, Cancel };

struct FolderCase {
  const char* name;
  Answer answer;
  std::wstring scripted;
  bool item;                  // SHBrowseForFolderW returned one
  std::wstring displayName;   // what the caller's buffer holds afterwards
  BOOL isPath;
  std::wstring path;
};

class FolderChooser : public ::testing::TestWithParam<FolderCase> {
 protected:
  TestDriver driver;
};

TEST_P(FolderChooser, AnswersFromTheScriptAndRecordsTheCall) {
  const FolderCase& c = GetParam();
  if (c.answer == Answer::Folder) driver.ScriptFolder(c.scripted);
  if (c.answer == Answer::NotFileSystem) driver.ScriptNonFileSystemFolder(c.scripted);
  if (c.answer == Answer::Cancel) driver.ScriptFolderCancel();

  wchar_t displayName[MAX_PATH] = L"untouched";
  BROWSEINFOW info{};
  info.pszDisplayName = displayName;
  info.lpszTitle = L"从下面选文件夹目录:";
  info.ulFlags = BIF_RETURNFSANCESTORS;
  PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&info);

  EXPECT_EQ(item != nullptr, c.item);
  EXPECT_EQ(std::wstring(displayName), c.displayName);
  wchar_t path[MAX_PATH] = L"stale";
  EXPECT_EQ(SHGetPathFromIDListW(item, path), c.isPath);
  EXPECT_EQ(std::wstring(path), c.path);
  CoTaskMemFree(item);

  const auto calls = driver.FolderChooserCalls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].title, L"从下面选文件夹目录:");
  EXPECT_EQ(calls[0].flags, static_cast<UINT>(BIF_RETURNFSANCESTORS));
  EXPECT_EQ(calls[0].owner, nullptr);
}

const std::wstring kLongPath = L"/tmp/" + std::wstring(MAX_PATH, L'a');

INSTANTIATE_TEST_SUITE_P(
    Table, FolderChooser,
    ::testing::Values(
        FolderCase{"Folder", Answer::Folder, L"/home/巡更/导出", true, L"导出", TRUE, L"/home/巡更/导出"},
        FolderCase{"TrailingSeparator", Answer::Folder, L"/srv/data/", true, L"data", TRUE, L"/srv/data/"},
        FolderCase{"Root", Answer::Folder, L"/", true, L"/", TRUE, L"/"},
        FolderCase{"NotFileSystem", Answer::NotFileSystem, L"此电脑", true, L"此电脑", FALSE, L""},
        FolderCase{"PathTooLong", Answer::Folder, kLongPath, true, std::wstring(MAX_PATH - 1, L'a'), FALSE, L""},
        FolderCase{"Cancel", Answer::Cancel, L"", false, L"untouched", FALSE, L""}),
    [](const ::testing::TestParamInfo<FolderCase>& info) { return std::string(info.param.name); });

TEST(FolderChooserScript, AnswersInOrderAndCancelsOnceEmpty) {
  TestDriver driver;
  driver.ScriptFolder(L"/first");
  driver.ScriptFolderCancel();
  driver.ScriptFolder(L"/third");
  std::wstring answers;
  for (int i = 0; i < 4; ++i) {
    BROWSEINFOW info{};
    info.ulFlags = BIF_NEWDIALOGSTYLE;
    PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&info);
    wchar_t path[MAX_PATH] = L"";
    answers += SHGetPathFromIDListW(item, path) ? std::wstring(path) : L"-";
    answers += L"|";
    CoTaskMemFree(item);
  }
  EXPECT_EQ(answers, L"/first|-|/third|-|");
  const auto calls = driver.FolderChooserCalls();
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[3].title, L"");
  EXPECT_EQ(calls[3].flags, static_cast<UINT>(BIF_NEWDIALOGSTYLE));
}

TEST(FolderChooserScript, RefusesWhatItDidNotMake) {
  const BYTE foreign[16] = {12, 0, 'x', 'y', 'z', 'w', 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  wchar_t path[MAX_PATH] = L"stale";
  EXPECT_FALSE(SHGetPathFromIDListW(reinterpret_cast<PCIDLIST_ABSOLUTE>(foreign), path));
  EXPECT_EQ(std::wstring(path), L"");
  EXPECT_FALSE(SHGetPathFromIDListW(nullptr, path));
  EXPECT_EQ(SHBrowseForFolderW(nullptr), nullptr);
}

}  // namespace

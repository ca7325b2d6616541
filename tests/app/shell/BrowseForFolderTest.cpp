// The program's folder chooser: what it asks the shell and what it makes of the answer.
#include <gtest/gtest.h>

#include <string>

#include "app/shell/BrowseForFolder.h"
#include "testing/driver/TestDriver.h"

namespace {

using platform::headless::TestDriver;

enum class Pick { Folder, NotFileSystem, Cancel };

struct BrowseCase {
  const char* name;
  Pick pick;
  std::wstring scripted;
  std::string expected;  // narrow, GBK
};

class BrowseForFolderTest : public ::testing::TestWithParam<BrowseCase> {
 protected:
  TestDriver driver;
};

TEST_P(BrowseForFolderTest, GivesTheChosenFileSystemFolderOnly) {
  const BrowseCase& c = GetParam();
  if (c.pick == Pick::Folder) driver.ScriptFolder(c.scripted);
  if (c.pick == Pick::NotFileSystem) driver.ScriptNonFileSystemFolder(c.scripted);
  if (c.pick == Pick::Cancel) driver.ScriptFolderCancel();

  EXPECT_EQ(BrowseForFolder(), c.expected);
  const auto calls = driver.FolderChooserCalls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].owner, nullptr);
  EXPECT_EQ(calls[0].title, L"选择一个文件夹");
  EXPECT_EQ(calls[0].flags, 0x40u);
}

INSTANTIATE_TEST_SUITE_P(Table, BrowseForFolderTest,
                         ::testing::Values(BrowseCase{"Folder", Pick::Folder, L"/home/guard/导出", "/home/guard/导出"},
                                           BrowseCase{"NotFileSystem", Pick::NotFileSystem, L"此电脑", ""},
                                           BrowseCase{"Cancel", Pick::Cancel, L"", ""}),
                         [](const ::testing::TestParamInfo<BrowseCase>& info) { return std::string(info.param.name); });

}  // namespace

// The shell's folder copy: what lands in the target for each kind of source.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/base/CodePage.h"
#include "platform/win32.h"
#include "testing/files/ScratchFolder.h"

namespace {

namespace fs = std::filesystem;
using test_support::ScratchFolder;

// A path list as the shell takes it: each path ends in a zero, the list in a second.
std::wstring List(const std::vector<std::string>& utf8Paths) {
  std::wstring list;
  for (const std::string& path : utf8Paths) list += platform::codepage::Utf8ToWide(path) + L'\0';
  return list + L'\0';
}

// Every file below the folder as "relative path=content", sorted.
std::vector<std::string> Tree(const std::string& folder) {
  std::vector<std::string> files;
  if (!fs::exists(folder)) return files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    files.push_back(fs::relative(entry.path(), folder).string() + "=" + ScratchFolder::read(entry.path().string()));
  }
  std::sort(files.begin(), files.end());
  return files;
}

int Copy(const std::wstring& from, const std::wstring& to) {
  SHFILEOPSTRUCTW op{};
  op.wFunc = FO_COPY;
  op.pFrom = from.c_str();
  op.pTo = to.c_str();
  op.fFlags = FOF_NOCONFIRMATION;
  return SHFileOperationW(&op);
}

class FolderCopy : public ::testing::Test {
 protected:
  FolderCopy() {
    fs::create_directories(scratch.file(u8"res/7/202405010800/夜间"));
    ScratchFolder::write(scratch.file(u8"res/7/202405010800/a.jpg"), "A");
    ScratchFolder::write(scratch.file(u8"res/7/202405010800/夜间/b.png"), "B");
    source = scratch.file(u8"res/7/202405010800");
  }

  ScratchFolder scratch;
  std::string source;
};

TEST_F(FolderCopy, CopiesTheFolderItselfIntoTheTargetAndOverwrites) {
  const struct {
    const char* what;
    std::string target;          // UTF-8, below the scratch folder
    std::string written;         // files already there before the copy
  } cases[] = {
      {"an existing target", u8"导出/巡更", ""},
      {"a missing target", u8"新建/目标", ""},
      {"files already there", u8"导出/巡更", u8"202405010800/a.jpg"},
      {"a target written with backslashes", u8"导出\\巡更\\", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::string target = scratch.file(c.target);
    std::replace(target.begin(), target.end(), '\\', '/');
    fs::remove_all(scratch.file(u8"导出"));
    fs::remove_all(scratch.file(u8"新建"));
    if (c.target.find(u8"导出") == 0) fs::create_directories(scratch.file(u8"导出/巡更"));
    if (!c.written.empty()) {
      fs::create_directories(fs::path(target + "/" + c.written).parent_path());
      ScratchFolder::write(target + "/" + c.written, "OLD");
    }
    EXPECT_EQ(Copy(List({source}), List({scratch.file(c.target)})), 0);
    EXPECT_EQ(Tree(target), (std::vector<std::string>{u8"202405010800/a.jpg=A", u8"202405010800/夜间/b.png=B"}));
  }
  EXPECT_EQ(Tree(source), (std::vector<std::string>{"a.jpg=A", u8"夜间/b.png=B"})) << "the source stays";
}

TEST_F(FolderCopy, RefusesWhatCannotBeCopied) {
  const std::string target = scratch.file("out");
  const struct {
    const char* what;
    std::wstring from;
    std::wstring to;
    int result;
  } cases[] = {
      {"a missing source", List({scratch.file("res/none")}), List({target}), ERROR_FILE_NOT_FOUND},
      {"one source of two missing", List({source, scratch.file("res/none")}), List({target}), ERROR_FILE_NOT_FOUND},
      {"a folder into itself", List({source}), List({source + "/inner"}), DE_DESTSUBTREE},
      {"a folder onto itself", List({source}), List({scratch.file("res/7")}), DE_SAMEFILE},
      {"no source", List({}), List({target}), DE_INVALIDFILES},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Copy(c.from, c.to), c.result) << c.what;
    EXPECT_FALSE(fs::exists(target)) << c.what << ": nothing copied";
    EXPECT_FALSE(fs::exists(source + "/inner")) << c.what;
  }
  SHFILEOPSTRUCTW op{};
  op.wFunc = FO_DELETE;
  const std::wstring from = List({source});
  op.pFrom = from.c_str();
  EXPECT_EQ(SHFileOperationW(&op), ERROR_INVALID_PARAMETER);
  EXPECT_TRUE(fs::exists(source));
}

TEST_F(FolderCopy, TakesPathsLongerThanTheShellsFixedBuffers) {
  // 519 characters, what the program's fixed buffers can no longer hold: the layer
  // has no such limit.
  std::string deep = scratch.path();
  while (deep.size() + 51 < 519) deep += "/" + std::string(50, 'd');
  deep += "/" + std::string(519 - deep.size() - 1, 'e');
  ASSERT_EQ(deep.size(), 519u);
  fs::create_directories(deep);
  ScratchFolder::write(deep + "/a.jpg", "A");
  EXPECT_EQ(Copy(List({deep}), List({scratch.file("out")})), 0);
  const std::string copied = deep.substr(deep.rfind('/') + 1) + "/a.jpg=A";
  EXPECT_EQ(Tree(scratch.file("out")), std::vector<std::string>{copied});
}

}  // namespace

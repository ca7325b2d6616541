// Copying a run's picture folder out: the folder lands inside the target with what it
// holds, a second copy replaces files, and paths too long for the shell's buffers are
// refused before anything is written.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/records/FolderCopy.h"
#include "platform/base/CodePage.h"
#include "testing/files/ScratchFolder.h"

namespace {

namespace fs = std::filesystem;
using test_support::ScratchFolder;

class FolderCopy : public ::testing::Test {
 protected:
  std::wstring W(const std::string& path) const { return platform::codepage::Utf8ToWide(path); }
  // A folder under the scratch folder whose path is exactly that many characters long.
  std::string FolderOfLength(const std::string& under, size_t length) const {
    std::string path = under;
    while (length - path.size() > 101) path += "/" + std::string(100, 'x');
    path += "/" + std::string(length - path.size() - 1, 'y');
    fs::create_directories(path);
    return path;
  }

  ScratchFolder scratch;
};

TEST_F(FolderCopy, TheFolderLandsInsideTheTargetAndReplacesWhatIsThere) {
  fs::create_directories(scratch.file("run/sub"));
  ScratchFolder::write(scratch.file("run/a.jpg"), "A1");
  ScratchFolder::write(scratch.file("run/sub/b.png"), "B");
  const std::wstring run = W(scratch.path()) + L"\\run";
  const std::wstring target = W(scratch.path()) + L"\\out";

  ASSERT_TRUE(CopyFolderInto(run, target));
  EXPECT_EQ(ScratchFolder::read(scratch.file("out/run/a.jpg")), "A1");
  EXPECT_EQ(ScratchFolder::read(scratch.file("out/run/sub/b.png")), "B");

  ScratchFolder::write(scratch.file("run/a.jpg"), "A2");
  EXPECT_TRUE(CopyFolderInto(run, target)) << "copying again replaces without asking";
  EXPECT_EQ(ScratchFolder::read(scratch.file("out/run/a.jpg")), "A2");

  EXPECT_FALSE(CopyFolderInto(W(scratch.file("missing")), target));
  EXPECT_FALSE(fs::exists(scratch.file("out/missing")));
}

TEST_F(FolderCopy, PathsOf519CharactersOrMoreAreRefused) {
  const struct {
    const char* what;
    size_t sourceLength;
    size_t targetLength;
    bool copied;
  } cases[] = {
      {"both 518", 518, 518, true},
      {"source 519", 519, 40, false},
      {"target 519", 40, 519, false},
  };
  for (const auto& c : cases) {
    ScratchFolder scope;
    const std::string source = FolderOfLength(scope.file("s"), c.sourceLength);
    ScratchFolder::write(source + "/a.jpg", "A");
    const std::string target = FolderOfLength(scope.file("t"), c.targetLength);
    ASSERT_EQ(W(source).size(), c.sourceLength);
    ASSERT_EQ(W(target).size(), c.targetLength);
    EXPECT_EQ(CopyFolderInto(W(source), W(target)), c.copied) << c.what;
    const std::string copied = target + "/" + fs::path(source).filename().string() + "/a.jpg";
    EXPECT_EQ(fs::exists(copied), c.copied) << c.what << ": nothing written when refused";
  }
}

}  // namespace

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CommonTools/Files.h"

namespace {

using std::string;
using std::wstring;

wstring Widen(const string& ascii) { return wstring(ascii.begin(), ascii.end()); }

// A scratch folder holding "root" (the folder to delete) and "outside" (a folder
// with a file and a read-only file, which links inside root point to).
class DeleteFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/delete_folder_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    scratch_ = pattern;
    root_ = scratch_ + "/root";
    outside_ = scratch_ + "/outside";
    ASSERT_EQ(mkdir(root_.c_str(), 0755), 0);
    ASSERT_EQ(mkdir(outside_.c_str(), 0755), 0);
    WriteFile(outside_ + "/kept.txt");
    WriteFile(outside_ + "/locked.txt");
    SetFileAttributesW(Widen(outside_ + "/locked.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  }

  void TearDown() override {
    const string command = "chmod -R u+w '" + scratch_ + "' && rm -rf '" + scratch_ + "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
  }

  static void WriteFile(const string& path) { std::ofstream(path) << "content"; }

  static bool Exists(const string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
  }

  // Entries, built in order: "name/" a folder, "name" a file, "name!" makes an entry
  // built before it read-only, "name@" a link to the outside folder, "name~" a link
  // to the outside read-only file.
  void Build(const std::vector<string>& entries) {
    for (const string& entry : entries) {
      const string path = root_ + "/" + EntryPath(entry);
      switch (entry.back()) {
        case '!':
          ASSERT_TRUE(SetFileAttributesW(Widen(path).c_str(), FILE_ATTRIBUTE_READONLY)) << path;
          break;
        case '@':
          ASSERT_EQ(symlink(outside_.c_str(), path.c_str()), 0) << path;
          break;
        case '~':
          ASSERT_EQ(symlink((outside_ + "/locked.txt").c_str(), path.c_str()), 0) << path;
          break;
        case '/':
          ASSERT_EQ(mkdir(path.c_str(), 0755), 0) << path;
          break;
        default:
          WriteFile(path);
      }
    }
  }

  // An entry's path relative to root, without its mark.
  static string EntryPath(string entry) {
    if (entry.find_last_of("!@~/") == entry.size() - 1) entry.pop_back();
    return entry;
  }

  // The folder root belongs to.
  CStringW Container() const { return CStringW(Widen(scratch_).c_str()); }

  string scratch_, root_, outside_;
};

struct TreeCase {
  const char* name;
  std::vector<string> tree;
  std::vector<string> survivors;  // relative to root, with the folders above them
};

bool Survives(const string& path, const std::vector<string>& survivors) {
  for (const string& survivor : survivors) {
    if (survivor == path || survivor.compare(0, path.size() + 1, path + "/") == 0) return true;
  }
  return false;
}

TEST_F(DeleteFolderTest, RemovesTreesAndNeverLeavesThroughLinks) {
  const TreeCase cases[] = {
      {"files and folders", {"a.txt", "b/", "b/c.txt", "b/d/", "b/d/e.txt", "b/empty/"}, {}},
      {"read-only entries",
       {"ro.txt", "ro.txt!", "sub/", "sub/ro.txt", "sub/ro.txt!", "sub/locked/", "sub/locked/f.txt",
        "sub/locked!"},
       {}},
      {"links out of the folder", {"to_dir@", "to_file~", "sub/", "sub/deeper@"}, {}},
      {"a dot entry keeps its folder", {".keep", "sub/", "sub/f.txt"}, {".keep"}},
      {"a dot folder deep down keeps the folders above it",
       {"top.txt", "sub/", "sub/.hidden/", "sub/.hidden/f.txt", "sub/g.txt"},
       {"sub/.hidden/f.txt"}},
  };
  for (const TreeCase& c : cases) {
    SCOPED_TRACE(c.name);
    Build(c.tree);

    EXPECT_EQ(CommonTools::delete_folder(CStringW(Widen(root_).c_str()), Container()), 1);

    EXPECT_EQ(Exists(root_), !c.survivors.empty());
    for (const string& entry : c.tree) {
      const string path = EntryPath(entry);
      EXPECT_EQ(Exists(root_ + "/" + path), Survives(path, c.survivors)) << path;
    }

    // What the links pointed to is untouched, read-only flag included.
    EXPECT_TRUE(Exists(outside_ + "/kept.txt"));
    EXPECT_EQ(GetFileAttributesW(Widen(outside_ + "/locked.txt").c_str()) & FILE_ATTRIBUTE_READONLY,
              DWORD(FILE_ATTRIBUTE_READONLY));

    const string reset = "rm -rf '" + root_ + "' && mkdir '" + root_ + "'";
    ASSERT_EQ(std::system(reset.c_str()), 0);
  }
}

TEST_F(DeleteFolderTest, PathWrittenWithATrailingSeparator) {
  for (const char* separator : {"\\", "/"}) {
    SCOPED_TRACE(separator);
    if (!Exists(root_)) {
      ASSERT_EQ(mkdir(root_.c_str(), 0755), 0);
    }
    Build({"a.txt", "b/", "b/c.txt"});
    EXPECT_EQ(CommonTools::delete_folder(CStringW(Widen(root_ + separator).c_str()), Container()), 1);
    EXPECT_FALSE(Exists(root_));
  }
}

TEST_F(DeleteFolderTest, MissingFolderGivesZeroAndCreatesNothing) {
  const string missing = root_ + "/missing";
  EXPECT_EQ(CommonTools::delete_folder(CStringW(Widen(missing).c_str()), Container()), 0);
  EXPECT_FALSE(Exists(missing));
  EXPECT_TRUE(Exists(root_));
}

// A path put together from outside names may lead out of the folder it belongs to; it
// is refused before anything is listed, whichever way it gets out.
TEST_F(DeleteFolderTest, ATargetOutsideItsFolderIsRefusedAndKeptWhole) {
  Build({"plan/", "plan/run/", "plan/run/a.jpg", "plan/out@", "plan2/", "plan2/b.jpg"});
  const CStringW plan(Widen(root_ + "/plan").c_str());
  const struct {
    const char* what;
    string target;
    CStringW container;
  } cases[] = {
      {"up and across with ..", root_ + "\\plan\\..\\..\\outside", plan},
      {"up with .. written the other way", root_ + "/plan/run/../../plan2", plan},
      {"a link inside leading out", root_ + "\\plan\\out", plan},
      {"the folder itself", root_ + "/plan", plan},
      {"a sibling whose name begins like the folder's", root_ + "/plan2", plan},
      {"inside, but the folder is missing", root_ + "/plan/run", CStringW(Widen(root_ + "/gone").c_str())},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CommonTools::delete_folder(CStringW(Widen(c.target).c_str()), c.container), 0) << c.what;
  }
  EXPECT_TRUE(Exists(outside_ + "/kept.txt"));
  EXPECT_TRUE(Exists(root_ + "/plan2/b.jpg"));
  EXPECT_TRUE(Exists(root_ + "/plan/run/a.jpg"));

  EXPECT_EQ(CommonTools::delete_folder(CStringW(Widen(root_ + "\\plan\\run").c_str()), plan), 1);
  EXPECT_FALSE(Exists(root_ + "/plan/run"));
  EXPECT_TRUE(Exists(root_ + "/plan/out")) << "the folder's other entries stay";
}

// A path shown to the user keeps the one separator its folder uses.
TEST(JoinPathTest, UsesTheFoldersOwnSeparatorOnce) {
  const struct {
    const wchar_t* folder;
    const wchar_t* name;
    const wchar_t* joined;
  } cases[] = {
      {L"/home/guard/导出", L"巡更计划.xls", L"/home/guard/导出/巡更计划.xls"},
      {L"/home/guard/", L"a.xls", L"/home/guard/a.xls"},
      {L"/", L"a.xls", L"/a.xls"},
      {L"/home/odd\\name", L"a.xls", L"/home/odd\\name/a.xls"},
      {L"C:\\Users\\guard", L"a.xls", L"C:\\Users\\guard\\a.xls"},
      {L"C:\\", L"a.xls", L"C:\\a.xls"},
      {L"", L"a.xls", L"\\a.xls"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CommonTools::join_path(wstring(c.folder), wstring(c.name)), c.joined);
  }
}

TEST(JoinPathTest, ANarrowFolderEndingInACharacterWhoseSecondByteIsABackslashGetsItsSeparator) {
  // 0xD5 0x5C is one GBK character: its second byte is the byte of "\".
  const string windows = "C:\\\xD5\x5C";
  EXPECT_EQ(CommonTools::join_path(windows, string("a.xls")), windows + "\\a.xls");
  const string local = "/tmp/\xD5\x5C";
  EXPECT_EQ(CommonTools::join_path(local, string("a.xls")), local + "/a.xls");
}

TEST(AppendBackslashTest, AddsOneBackslash) {
  EXPECT_EQ(wstring(CommonTools::append_backslash(CStringW(L"C:\\pics")).GetString()), L"C:\\pics\\");
  EXPECT_EQ(wstring(CommonTools::append_backslash(CStringW(L"")).GetString()), L"\\");
}

struct ShellCall {
  wstring verb, file, params, dir;
  int show = -1;
};

class OpenFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/open_file_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
    std::ofstream(folder_ + "/report.xls") << "content";
  }
  void TearDown() override {
    platform::SetShellExecuteHook(nullptr);
    std::system(("rm -rf '" + folder_ + "'").c_str());
  }

  void HookShell(INT_PTR result) {
    platform::SetShellExecuteHook([this, result](const wstring& verb, const wstring& file,
                                                 const wstring& params, const wstring& dir, int show) {
      calls_.push_back({verb, file, params, dir, show});
      return result;
    });
  }

  string folder_;
  std::vector<ShellCall> calls_;
};

TEST_F(OpenFileTest, OpensOnlyAnExistingFileAndReportsTheShellsAnswer) {
  struct Case {
    const char* name;
    INT_PTR shellResult;
    bool opened;
    size_t calls;
  };
  const Case cases[] = {
      {"report.xls", 42, true, 1},
      {"report.xls", 33, true, 1},
      {"report.xls", 32, false, 1},
      {"report.xls", SE_ERR_NOASSOC, false, 1},
      {"missing.xls", 42, false, 0},
  };
  for (const Case& c : cases) {
    calls_.clear();
    HookShell(c.shellResult);
    const wstring path = Widen(folder_ + "/" + c.name);
    EXPECT_EQ(CommonTools::open_file_if_exists(path), c.opened) << c.name << " " << c.shellResult;
    ASSERT_EQ(calls_.size(), c.calls);
    if (c.calls == 0) continue;
    EXPECT_EQ(calls_[0].verb, L"open");
    EXPECT_EQ(calls_[0].file, path);
    EXPECT_EQ(calls_[0].params, L"");
    EXPECT_EQ(calls_[0].dir, L"");
    EXPECT_EQ(calls_[0].show, SW_SHOWNORMAL);
  }
}

}  // namespace

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace fs = std::filesystem;

namespace {

// A fresh folder per test, named with '\' the way program code writes paths.
class FileApiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/fileapi-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    root_ = pattern;
    wroot_ = platform::codepage::Utf8ToWide(root_);
  }
  void TearDown() override {
    // Read-only folders would survive remove_all's unlinks under a non-root user.
    for (auto& entry : fs::recursive_directory_iterator(root_)) {
      if (!entry.is_symlink()) fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
    }
    fs::remove_all(root_);
  }

  // Wide path under the folder; '\' separators as program code writes them.
  std::wstring W(const std::wstring& relative) const { return wroot_ + L"\\" + relative; }
  std::string N(const std::string& relative) const { return root_ + "/" + relative; }

  void Put(const std::string& relative, const std::string& bytes) const {
    std::ofstream(N(relative), std::ios::binary) << bytes;
  }
  std::string Get(const std::string& relative) const {
    std::ifstream in(N(relative), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  std::string root_;
  std::wstring wroot_;
};

TEST_F(FileApiTest, CreationDispositions) {
  struct Case {
    DWORD disposition;
    bool existsBefore;
    bool opens;
    DWORD lastError;
    const char* contentAfter;  // null: no file afterwards
  } cases[] = {
      {CREATE_NEW, true, false, ERROR_FILE_EXISTS, "old"},
      {CREATE_NEW, false, true, ERROR_SUCCESS, ""},
      {CREATE_ALWAYS, true, true, ERROR_ALREADY_EXISTS, ""},
      {CREATE_ALWAYS, false, true, ERROR_SUCCESS, ""},
      {OPEN_EXISTING, true, true, ERROR_SUCCESS, "old"},
      {OPEN_EXISTING, false, false, ERROR_FILE_NOT_FOUND, nullptr},
      {OPEN_ALWAYS, true, true, ERROR_ALREADY_EXISTS, "old"},
      {OPEN_ALWAYS, false, true, ERROR_SUCCESS, ""},
      {TRUNCATE_EXISTING, true, true, ERROR_SUCCESS, ""},
      {TRUNCATE_EXISTING, false, false, ERROR_FILE_NOT_FOUND, nullptr},
  };
  int n = 0;
  for (const Case& c : cases) {
    const std::string name = "f" + std::to_string(n++);
    if (c.existsBefore) Put(name, "old");
    SetLastError(12345);
    HANDLE h = CreateFileW(W(platform::codepage::Utf8ToWide(name)).c_str(), GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ, nullptr, c.disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_EQ(h != INVALID_HANDLE_VALUE, c.opens) << "disposition " << c.disposition;
    EXPECT_EQ(GetLastError(), c.lastError) << "disposition " << c.disposition;
    if (h != INVALID_HANDLE_VALUE) {
      EXPECT_TRUE(CloseHandle(h));
    }
    EXPECT_EQ(fs::exists(N(name)), c.contentAfter != nullptr) << "disposition " << c.disposition;
    if (c.contentAfter != nullptr) {
      EXPECT_EQ(Get(name), c.contentAfter) << "disposition " << c.disposition;
    }
  }
}

TEST_F(FileApiTest, WriteSeekReadAndSize) {
  HANDLE h = CreateFileW(W(L"data.bin").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  ASSERT_TRUE(WriteFile(h, "hello world", 11, &written, nullptr));
  EXPECT_EQ(written, 11u);
  DWORD high = 99;
  EXPECT_EQ(GetFileSize(h, &high), 11u);
  EXPECT_EQ(high, 0u);
  LARGE_INTEGER size;
  ASSERT_TRUE(GetFileSizeEx(h, &size));
  EXPECT_EQ(size.QuadPart, 11);

  EXPECT_EQ(SetFilePointer(h, 6, nullptr, FILE_BEGIN), 6u);
  char buffer[16] = {};
  DWORD read = 0;
  ASSERT_TRUE(ReadFile(h, buffer, sizeof buffer, &read, nullptr));
  EXPECT_EQ(read, 5u);
  EXPECT_EQ(std::string(buffer, read), "world");
  // At the end a read succeeds with nothing read, as Windows reports end of file.
  ASSERT_TRUE(ReadFile(h, buffer, sizeof buffer, &read, nullptr));
  EXPECT_EQ(read, 0u);

  EXPECT_EQ(SetFilePointer(h, -5, nullptr, FILE_END), 6u);
  EXPECT_EQ(SetFilePointer(h, -100, nullptr, FILE_CURRENT), INVALID_SET_FILE_POINTER);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NEGATIVE_SEEK));
  LONG farHigh = 1;  // 4 GiB: a sparse seek past 32 bits
  EXPECT_EQ(SetFilePointer(h, 0, &farHigh, FILE_BEGIN), 0u);
  EXPECT_EQ(farHigh, 1);
  EXPECT_TRUE(FlushFileBuffers(h));
  EXPECT_TRUE(CloseHandle(h));

  // A closed handle is dead for every call, and closing it again fails.
  EXPECT_FALSE(ReadFile(h, buffer, 1, &read, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  EXPECT_FALSE(CloseHandle(h));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  EXPECT_EQ(Get("data.bin"), "hello world");
}

TEST_F(FileApiTest, AccessFollowsTheRequestedRights) {
  Put("r.txt", "abc");
  HANDLE reader = CreateFileW(W(L"r.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  EXPECT_FALSE(WriteFile(reader, "x", 1, &written, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  CloseHandle(reader);

  HANDLE writer = CreateFileW(W(L"r.txt").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  char buffer[4];
  DWORD read = 0;
  EXPECT_FALSE(ReadFile(writer, buffer, 1, &read, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  CloseHandle(writer);

  // A folder is no file to open.
  fs::create_directory(N("folder"));
  EXPECT_EQ(CreateFileW(W(L"folder").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr),
            INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
}

TEST_F(FileApiTest, WideAndNarrowNamesLandAsUtf8) {
  ASSERT_TRUE(CreateDirectoryW(W(L"巡更\\").c_str(), nullptr));
  HANDLE h = CreateFileW(W(L"巡更\\记录.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  CloseHandle(h);
  EXPECT_TRUE(fs::is_regular_file(N(u8"巡更/记录.txt")));

  // The narrow forms take GBK.
  const std::string gbkFolder = platform::codepage::WideToUtf8(wroot_);  // ASCII root
  ASSERT_TRUE(CreateDirectoryA((gbkFolder + "\\图片").c_str(), nullptr));
  EXPECT_TRUE(fs::is_directory(N(u8"图片")));
  EXPECT_EQ(GetFileAttributesA((gbkFolder + "\\图片").c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}

TEST_F(FileApiTest, ErrorsNameWhatIsMissingOrWrong) {
  Put("file.txt", "x");
  fs::create_directories(N("full/inner"));
  struct Case {
    const char* what;
    std::function<BOOL()> call;
    DWORD error;
  } cases[] = {
      {"delete a missing file", [&] { return DeleteFileW(W(L"nothing.txt").c_str()); }, ERROR_FILE_NOT_FOUND},
      {"delete in a missing folder", [&] { return DeleteFileW(W(L"nowhere\\x.txt").c_str()); },
       ERROR_PATH_NOT_FOUND},
      {"delete a folder", [&] { return DeleteFileW(W(L"full").c_str()); }, ERROR_ACCESS_DENIED},
      {"remove a non-empty folder", [&] { return RemoveDirectoryW(W(L"full").c_str()); }, ERROR_DIR_NOT_EMPTY},
      {"remove a file as a folder", [&] { return RemoveDirectoryW(W(L"file.txt").c_str()); }, ERROR_DIRECTORY},
      {"remove a missing folder", [&] { return RemoveDirectoryW(W(L"gone").c_str()); }, ERROR_FILE_NOT_FOUND},
      {"create an existing folder", [&] { return CreateDirectoryW(W(L"full").c_str(), nullptr); },
       ERROR_ALREADY_EXISTS},
      {"create under a missing folder", [&] { return CreateDirectoryW(W(L"a\\b").c_str(), nullptr); },
       ERROR_PATH_NOT_FOUND},
      {"create under a file", [&] { return CreateDirectoryW(W(L"file.txt\\b").c_str(), nullptr); },
       ERROR_PATH_NOT_FOUND},
      {"change into a missing folder", [&] { return SetCurrentDirectoryW(W(L"gone").c_str()); },
       ERROR_FILE_NOT_FOUND},
      {"attributes of a missing file", [&] { return BOOL(GetFileAttributesW(W(L"gone.txt").c_str()) != INVALID_FILE_ATTRIBUTES); },
       ERROR_FILE_NOT_FOUND},
      {"attributes in a missing folder",
       [&] { return BOOL(GetFileAttributesW(W(L"gone\\x.txt").c_str()) != INVALID_FILE_ATTRIBUTES); },
       ERROR_PATH_NOT_FOUND},
      {"copy a missing file", [&] { return CopyFileW(W(L"gone").c_str(), W(L"copy").c_str(), FALSE); },
       ERROR_FILE_NOT_FOUND},
      {"move a missing file", [&] { return MoveFileW(W(L"gone").c_str(), W(L"moved").c_str()); },
       ERROR_FILE_NOT_FOUND},
  };
  for (const Case& c : cases) {
    SetLastError(0);
    EXPECT_FALSE(c.call()) << c.what;
    EXPECT_EQ(GetLastError(), c.error) << c.what;
  }
  EXPECT_TRUE(fs::exists(N("full/inner")));
  EXPECT_TRUE(fs::exists(N("file.txt")));
  EXPECT_FALSE(PathFileExistsW(W(L"gone").c_str()));
  EXPECT_TRUE(PathFileExistsW(W(L"file.txt").c_str()));
}

// Names a search hands out, in order, or the error when it finds nothing.
std::vector<std::wstring> Listing(const std::wstring& pattern, DWORD* error) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW data;
  HANDLE h = FindFirstFileW(pattern.c_str(), &data);
  *error = GetLastError();
  if (h == INVALID_HANDLE_VALUE) return names;
  do {
    names.push_back(data.cFileName);
  } while (FindNextFileW(h, &data));
  *error = GetLastError();
  FindClose(h);
  return names;
}

TEST_F(FileApiTest, SearchPatterns) {
  for (const char* name : {"a.txt", "ab.txt", "b.log", "readme", "c.txt.bak", "A.TXT"}) Put(name, "12345");
  fs::create_directory(N("sub"));
  typedef std::vector<std::wstring> Names;
  const Names all = {L".", L"..", L"A.TXT", L"a.txt", L"ab.txt", L"b.log", L"c.txt.bak", L"readme", L"sub"};
  struct Case {
    std::wstring pattern;
    Names names;
    DWORD error;  // after the last name, or of the failed search
  } cases[] = {
      {L"*", all, ERROR_NO_MORE_FILES},
      {L"*.*", all, ERROR_NO_MORE_FILES},
      {L"*.txt", {L"a.txt", L"ab.txt"}, ERROR_NO_MORE_FILES},
      {L"?.txt", {L"a.txt"}, ERROR_NO_MORE_FILES},
      {L"*.txt*", {L"a.txt", L"ab.txt", L"c.txt.bak"}, ERROR_NO_MORE_FILES},
      {L"read*", {L"readme"}, ERROR_NO_MORE_FILES},
      {L"readme", {L"readme"}, ERROR_NO_MORE_FILES},
      {L"sub", {L"sub"}, ERROR_NO_MORE_FILES},
      {L"missing*", {}, ERROR_FILE_NOT_FOUND},
      {L"missing.txt", {}, ERROR_FILE_NOT_FOUND},
      {L"nofolder\\*.*", {}, ERROR_PATH_NOT_FOUND},
  };
  for (const Case& c : cases) {
    DWORD error = 0;
    EXPECT_EQ(Listing(W(c.pattern), &error), c.names) << platform::codepage::WideToUtf8(c.pattern);
    EXPECT_EQ(error, c.error) << platform::codepage::WideToUtf8(c.pattern);
  }
}

TEST_F(FileApiTest, SearchEntriesCarryAttributesSizesAndTimes) {
  Put("five.txt", "12345");
  fs::create_directory(N("sub"));
  WIN32_FIND_DATAW data;
  HANDLE h = FindFirstFileW(W(L"*.*").c_str(), &data);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  int seen = 0;
  do {
    std::wstring name = data.cFileName;
    if (name == L"five.txt") {
      ++seen;
      EXPECT_EQ(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
      EXPECT_EQ(data.nFileSizeLow, 5u);
      EXPECT_EQ(data.nFileSizeHigh, 0u);
      // 100-ns ticks since 1601: any time after 2000 has a high part above 0x01BF53EB.
      EXPECT_GT(data.ftLastWriteTime.dwHighDateTime, 0x01BF53EBu);
    } else if (name == L"sub" || name == L"." || name == L"..") {
      ++seen;
      EXPECT_NE(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY, 0u) << platform::codepage::WideToUtf8(name);
    }
  } while (FindNextFileW(h, &data));
  EXPECT_EQ(seen, 4);
  EXPECT_TRUE(FindClose(h));
  EXPECT_FALSE(FindNextFileW(h, &data));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(FileApiTest, ReadOnlyFilesAndFoldersResistChangeWhateverTheUser) {
  Put("ro.txt", "keep");
  fs::create_directory(N("rodir"));
  ASSERT_TRUE(SetFileAttributesW(W(L"ro.txt").c_str(), FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(SetFileAttributesW(W(L"rodir").c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(GetFileAttributesW(W(L"ro.txt").c_str()) & FILE_ATTRIBUTE_READONLY,
            static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(fs::status(N("ro.txt")).permissions() & fs::perms::all & (fs::perms::owner_write | fs::perms::group_write |
                                                                     fs::perms::others_write),
            fs::perms::none);

  struct Case {
    const char* what;
    std::function<bool()> fails;
  } cases[] = {
      {"delete", [&] { return !DeleteFileW(W(L"ro.txt").c_str()); }},
      {"open for writing",
       [&] {
         return CreateFileW(W(L"ro.txt").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr) ==
                INVALID_HANDLE_VALUE;
       }},
      {"create over it",
       [&] {
         return CreateFileW(W(L"ro.txt").c_str(), GENERIC_READ, 0, nullptr, CREATE_ALWAYS, 0, nullptr) ==
                INVALID_HANDLE_VALUE;
       }},
      {"copy over it", [&] { Put("src.txt", "new"); return !CopyFileW(W(L"src.txt").c_str(), W(L"ro.txt").c_str(), FALSE); }},
      {"remove the folder", [&] { return !RemoveDirectoryW(W(L"rodir").c_str()); }},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(c.fails()) << c.what;
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED)) << c.what;
  }
  EXPECT_EQ(Get("ro.txt"), "keep");
  EXPECT_TRUE(fs::is_directory(N("rodir")));

  // Reading stays allowed, and clearing the attribute lets the file go.
  HANDLE reader = CreateFileW(W(L"ro.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_NE(reader, INVALID_HANDLE_VALUE);
  CloseHandle(reader);
  ASSERT_TRUE(SetFileAttributesW(W(L"ro.txt").c_str(), FILE_ATTRIBUTE_NORMAL));
  EXPECT_EQ(GetFileAttributesW(W(L"ro.txt").c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
  EXPECT_TRUE(DeleteFileW(W(L"ro.txt").c_str()));
  ASSERT_TRUE(SetFileAttributesW(W(L"rodir").c_str(), FILE_ATTRIBUTE_NORMAL));
  EXPECT_TRUE(RemoveDirectoryW(W(L"rodir").c_str()));
}

TEST_F(FileApiTest, NewReadOnlyFileFromCreationAttributes) {
  HANDLE h = CreateFileW(W(L"made.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_READONLY,
                         nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  EXPECT_TRUE(WriteFile(h, "ab", 2, &written, nullptr));  // the handle that made it may write
  CloseHandle(h);
  EXPECT_NE(GetFileAttributesW(W(L"made.txt").c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
  EXPECT_EQ(Get("made.txt"), "ab");
}

TEST_F(FileApiTest, LinkToAFolderIsNeverAFolder) {
  // The target lies outside the tree being walked; nothing may reach it through the link.
  char outside[] = "/tmp/fileapi-outside-XXXXXX";
  ASSERT_NE(mkdtemp(outside), nullptr);
  std::ofstream(std::string(outside) + "/precious.txt") << "data";
  fs::create_directory_symlink(outside, N("link"));

  for (const std::wstring& name : {W(L"link"), W(L"link\\"), W(L"link/")}) {
    DWORD attributes = GetFileAttributesW(name.c_str());
    EXPECT_EQ(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u) << platform::codepage::WideToUtf8(name);
    EXPECT_NE(attributes & FILE_ATTRIBUTE_REPARSE_POINT, 0u) << platform::codepage::WideToUtf8(name);
  }
  DWORD error = 0;
  WIN32_FIND_DATAW data;
  HANDLE h = FindFirstFileW(W(L"l*").c_str(), &data);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  EXPECT_EQ(std::wstring(data.cFileName), L"link");
  EXPECT_EQ(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
  FindClose(h);
  EXPECT_EQ(Listing(W(L"link\\*"), &error).size(), 3u);  // a path through the link still lists the target

  // Clearing read-only on the link leaves the target's mode alone.
  fs::permissions(outside, fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_TRUE(SetFileAttributesW(W(L"link").c_str(), FILE_ATTRIBUTE_NORMAL));
  EXPECT_TRUE(SetFileAttributesW(W(L"link\\").c_str(), FILE_ATTRIBUTE_NORMAL));
  EXPECT_EQ(fs::status(outside).permissions() & fs::perms::owner_write, fs::perms::none);
  fs::permissions(outside, fs::perms::owner_all);

  EXPECT_TRUE(DeleteFileW(W(L"link").c_str()));
  EXPECT_FALSE(fs::exists(fs::symlink_status(N("link"))));
  EXPECT_TRUE(fs::exists(std::string(outside) + "/precious.txt"));
  fs::remove_all(outside);
}

TEST_F(FileApiTest, CopyAndMoveNeverLoseData) {
  Put("a.txt", "alpha");
  Put("b.txt", "beta");
  SetLastError(0);
  EXPECT_FALSE(CopyFileW(W(L"a.txt").c_str(), W(L"b.txt").c_str(), TRUE));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_EXISTS));
  EXPECT_EQ(Get("b.txt"), "beta");
  // Copying a file onto itself would empty it before reading it.
  EXPECT_FALSE(CopyFileW(W(L"a.txt").c_str(), (wroot_ + L"/./a.txt").c_str(), FALSE));
  EXPECT_EQ(Get("a.txt"), "alpha");
  EXPECT_TRUE(CopyFileW(W(L"a.txt").c_str(), W(L"b.txt").c_str(), FALSE));
  EXPECT_EQ(Get("b.txt"), "alpha");
  EXPECT_TRUE(CopyFileW(W(L"a.txt").c_str(), W(L"c.txt").c_str(), TRUE));
  EXPECT_EQ(Get("c.txt"), "alpha");

  Put("b.txt", "beta");
  EXPECT_FALSE(MoveFileW(W(L"a.txt").c_str(), W(L"b.txt").c_str()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  EXPECT_EQ(Get("a.txt"), "alpha");
  EXPECT_EQ(Get("b.txt"), "beta");
  EXPECT_TRUE(MoveFileW(W(L"a.txt").c_str(), W(L"d.txt").c_str()));
  EXPECT_FALSE(fs::exists(N("a.txt")));
  EXPECT_EQ(Get("d.txt"), "alpha");
}

TEST_F(FileApiTest, CurrentAndTemporaryFolders) {
  WCHAR saved[4096];
  ASSERT_GT(GetCurrentDirectoryW(4096, saved), 0u);
  ASSERT_TRUE(SetCurrentDirectoryW(wroot_.c_str()));
  WCHAR buffer[4096];
  DWORD length = GetCurrentDirectoryW(4096, buffer);
  EXPECT_EQ(std::wstring(buffer, length), wroot_);
  // Too small a buffer: the size needed, NUL included, and nothing promised in it.
  EXPECT_EQ(GetCurrentDirectoryW(3, buffer), static_cast<DWORD>(wroot_.size() + 1));
  EXPECT_EQ(GetCurrentDirectoryW(static_cast<DWORD>(wroot_.size()), buffer), static_cast<DWORD>(wroot_.size() + 1));
  EXPECT_TRUE(SetCurrentDirectoryW(saved));

  const char* oldTmp = std::getenv("TMPDIR");
  std::string restore = oldTmp != nullptr ? oldTmp : "";
  setenv("TMPDIR", root_.c_str(), 1);
  length = GetTempPathW(4096, buffer);
  EXPECT_EQ(std::wstring(buffer, length), wroot_ + L"/");
  unsetenv("TMPDIR");
  length = GetTempPathW(4096, buffer);
  EXPECT_EQ(std::wstring(buffer, length), L"/tmp/");
  if (oldTmp != nullptr) setenv("TMPDIR", restore.c_str(), 1);
}

}  // namespace

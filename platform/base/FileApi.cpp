#include "platform/base/FileApi.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/base/CodePage.h"
#include "platform/base/Path.h"

namespace platform {

namespace {

std::string ParentOf(const std::string& nativePath) {
  size_t slash = nativePath.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return nativePath.substr(0, slash);
}

bool IsParentFolder(const std::string& nativePath) {
  struct stat st;
  return stat(ParentOf(nativePath).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

DWORD ErrorFromErrno(int error, const std::string& nativePath) {
  switch (error) {
    case ENOENT:
      return IsParentFolder(nativePath) ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
    case ENOTDIR:
    case ELOOP:
      return ERROR_PATH_NOT_FOUND;
    case EEXIST:
      return ERROR_ALREADY_EXISTS;
    case ENOTEMPTY:
      return ERROR_DIR_NOT_EMPTY;
    case ENOSPC:
    case EDQUOT:
      return ERROR_DISK_FULL;
    case ENAMETOOLONG:
      return ERROR_FILENAME_EXCED_RANGE;
    case EBADF:
      return ERROR_INVALID_HANDLE;
    case EINVAL:
      return ERROR_INVALID_PARAMETER;
    case EXDEV:
      return ERROR_NOT_SAME_DEVICE;
    case ENOMEM:
      return ERROR_NOT_ENOUGH_MEMORY;
    default:
      return ERROR_ACCESS_DENIED;
  }
}

}  // namespace platform

namespace {

using platform::ErrorFromErrno;

bool IsFolder(const std::string& nativePath) {
  struct stat st;
  return stat(nativePath.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Seconds between 1601-01-01 (FILETIME's epoch) and 1970-01-01.
const long long kEpochDifference = 11644473600LL;

BOOL Fail(DWORD error) {
  SetLastError(error);
  return FALSE;
}

BOOL FailErrno(const std::string& nativePath) { return Fail(ErrorFromErrno(errno, nativePath)); }

FILETIME ToFileTime(const struct timespec& ts) {
  unsigned long long ticks =
      static_cast<unsigned long long>(ts.tv_sec + kEpochDifference) * 10000000ULL + ts.tv_nsec / 100;
  FILETIME ft;
  ft.dwLowDateTime = static_cast<DWORD>(ticks);
  ft.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
  return ft;
}

bool IsReadOnly(const struct stat& st) { return !S_ISLNK(st.st_mode) && (st.st_mode & S_IWUSR) == 0; }

DWORD AttributesOf(const struct stat& st) {
  // A link is reported as a link only: calling it a folder would let a tree walk
  // leave the tree through it.
  if (S_ISLNK(st.st_mode)) return FILE_ATTRIBUTE_REPARSE_POINT;
  DWORD attributes = S_ISDIR(st.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
  if (IsReadOnly(st)) attributes |= FILE_ATTRIBUTE_READONLY;
  return attributes;
}

std::string NativeOf(LPCWSTR path) { return platform::NativePath(std::wstring(path)); }

// Without trailing separators, so that lstat sees a link as a link: "link/" would
// name the folder it points to.
std::string WithoutTrailingSeparators(std::string nativePath) {
  while (nativePath.size() > 1 && nativePath.back() == '/') nativePath.pop_back();
  return nativePath;
}

// Copies text and its NUL when it fits; the Windows return convention of the
// buffer-filling calls: the length copied, or the size needed including the NUL.
DWORD CopyOut(const std::wstring& text, DWORD size, LPWSTR buffer) {
  if (buffer == nullptr || size <= text.size()) return static_cast<DWORD>(text.size() + 1);
  std::copy(text.begin(), text.end(), buffer);
  buffer[text.size()] = L'\0';
  return static_cast<DWORD>(text.size());
}

// A found entry, kept until FindNextFileW hands it out.
typedef std::vector<WIN32_FIND_DATAW> FindEntries;

// Open files and searches. Handle values count up and are never reused, so a
// stale handle fails instead of reaching another file.
class HandleTable {
 public:
  HANDLE AddFile(int fd) {
    std::lock_guard<std::mutex> lock(mutex_);
    HANDLE handle = NextHandle();
    files_[handle] = fd;
    return handle;
  }

  HANDLE AddSearch(FindEntries entries) {
    std::lock_guard<std::mutex> lock(mutex_);
    HANDLE handle = NextHandle();
    searches_[handle] = Search{std::move(entries), 1};
    return handle;
  }

  // -1 when the handle is not an open file.
  int FileOf(HANDLE handle) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = files_.find(handle);
    return it == files_.end() ? -1 : it->second;
  }

  int TakeFile(HANDLE handle) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = files_.find(handle);
    if (it == files_.end()) return -1;
    int fd = it->second;
    files_.erase(it);
    return fd;
  }

  // 1 with the next entry, 0 at the end, -1 for an unknown handle.
  int NextEntry(HANDLE handle, WIN32_FIND_DATAW* entry) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = searches_.find(handle);
    if (it == searches_.end()) return -1;
    Search& search = it->second;
    if (search.next >= search.entries.size()) return 0;
    *entry = search.entries[search.next++];
    return 1;
  }

  bool RemoveSearch(HANDLE handle) {
    std::lock_guard<std::mutex> lock(mutex_);
    return searches_.erase(handle) != 0;
  }

 private:
  struct Search {
    FindEntries entries;
    size_t next;
  };

  HANDLE NextHandle() {
    next_ += 4;
    return reinterpret_cast<HANDLE>(next_);
  }

  std::mutex mutex_;
  uintptr_t next_ = 0x1000;
  std::map<HANDLE, int> files_;
  std::map<HANDLE, Search> searches_;
};

HandleTable& Handles() {
  static HandleTable* table = new HandleTable;  // outlives static destructors
  return *table;
}

}  // namespace

int platform::FileDescriptorOf(HANDLE handle) { return Handles().FileOf(handle); }

namespace {

int FileOrFail(HANDLE handle) {
  int fd = Handles().FileOf(handle);
  if (fd < 0) SetLastError(ERROR_INVALID_HANDLE);
  return fd;
}

bool HasWildcard(const std::wstring& name) { return name.find_first_of(L"*?") != std::wstring::npos; }

bool GlobMatch(const wchar_t* pattern, const wchar_t* name) {
  // Iterative matcher with one backtrack point for the last '*'.
  const wchar_t* starPattern = nullptr;
  const wchar_t* starName = nullptr;
  while (*name != L'\0') {
    if (*pattern == L'*') {
      starPattern = pattern++;
      starName = name;
    } else if (*pattern == L'?' || *pattern == *name) {
      ++pattern;
      ++name;
    } else if (starPattern != nullptr) {
      pattern = starPattern + 1;
      name = ++starName;
    } else {
      return false;
    }
  }
  while (*pattern == L'*') ++pattern;
  return *pattern == L'\0';
}

bool NameMatches(const std::wstring& pattern, const std::wstring& name) {
  if (GlobMatch(pattern.c_str(), name.c_str())) return true;
  // As on Windows, a trailing ".*" also matches a name without an extension.
  const size_t n = pattern.size();
  if (n >= 2 && pattern.compare(n - 2, 2, L".*") == 0) {
    return GlobMatch(pattern.substr(0, n - 2).c_str(), name.c_str());
  }
  return false;
}

WIN32_FIND_DATAW EntryOf(const std::wstring& name, const struct stat& st) {
  WIN32_FIND_DATAW entry = {};
  entry.dwFileAttributes = AttributesOf(st);
  entry.ftCreationTime = ToFileTime(st.st_ctim);
  entry.ftLastAccessTime = ToFileTime(st.st_atim);
  entry.ftLastWriteTime = ToFileTime(st.st_mtim);
  if (S_ISREG(st.st_mode)) {
    unsigned long long size = static_cast<unsigned long long>(st.st_size);
    entry.nFileSizeHigh = static_cast<DWORD>(size >> 32);
    entry.nFileSizeLow = static_cast<DWORD>(size);
  }
  size_t length = std::min<size_t>(name.size(), MAX_PATH - 1);
  std::copy(name.begin(), name.begin() + length, entry.cFileName);
  entry.cFileName[length] = L'\0';
  return entry;
}

// "." and ".." first, as Windows lists a folder, then the names in order.
bool ListedBefore(const WIN32_FIND_DATAW& a, const WIN32_FIND_DATAW& b) {
  auto rank = [](const WIN32_FIND_DATAW& e) {
    std::wstring name = e.cFileName;
    return name == L"." ? 0 : name == L".." ? 1 : 2;
  };
  int ra = rank(a);
  int rb = rank(b);
  if (ra != rb) return ra < rb;
  return std::wstring(a.cFileName) < std::wstring(b.cFileName);
}

// Lists the entries of a folder whose names match; false with the last error set
// when the folder cannot be read.
bool ListFolder(const std::string& folder, const std::wstring& pattern, FindEntries* entries) {
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) {
    SetLastError(errno == ENOENT ? ERROR_PATH_NOT_FOUND : ErrorFromErrno(errno, folder));
    return false;
  }
  while (struct dirent* d = readdir(dir)) {
    std::wstring name = platform::codepage::Utf8ToWide(d->d_name);
    if (!NameMatches(pattern, name)) continue;
    struct stat st;
    if (lstat((folder + "/" + d->d_name).c_str(), &st) != 0) continue;  // gone meanwhile
    entries->push_back(EntryOf(name, st));
  }
  closedir(dir);
  std::sort(entries->begin(), entries->end(), ListedBefore);
  return true;
}

bool CopyContents(int from, int to) {
  char buffer[65536];
  for (;;) {
    ssize_t got = read(from, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    for (ssize_t done = 0; done < got;) {
      ssize_t put = write(to, buffer + done, static_cast<size_t>(got - done));
      if (put < 0 && errno == EINTR) continue;
      if (put < 0) return false;
      done += put;
    }
  }
}

// Copies a regular file with its mode and times; the caller has checked names.
BOOL CopyRegularFile(const std::string& from, const std::string& to, bool failIfExists) {
  int in = open(from.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return FailErrno(from);
  struct stat st;
  if (fstat(in, &st) != 0) {
    close(in);
    return FailErrno(from);
  }
  int flags = O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | (failIfExists ? O_EXCL : 0);
  int out = open(to.c_str(), flags, 0600);
  if (out < 0) {
    int error = errno;
    close(in);
    return Fail(error == EEXIST ? ERROR_FILE_EXISTS : ErrorFromErrno(error, to));
  }
  bool copied = CopyContents(in, out);
  int error = errno;
  if (copied) {
    struct timespec times[2] = {st.st_atim, st.st_mtim};
    futimens(out, times);
    fchmod(out, st.st_mode & 07777);
  }
  close(in);
  if (close(out) != 0 && copied) {
    copied = false;
    error = errno;
  }
  if (!copied) {
    unlink(to.c_str());  // no half copy under the new name
    return Fail(ErrorFromErrno(error, to));
  }
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

BOOL CreateNativeDirectory(const std::string& path) {
  if (mkdir(path.c_str(), 0777) != 0) {
    return Fail(errno == ENOENT ? ERROR_PATH_NOT_FOUND : ErrorFromErrno(errno, path));
  }
  return TRUE;
}

DWORD NativeAttributes(const std::string& name) {
  const std::string path = WithoutTrailingSeparators(name);
  struct stat st;
  if (lstat(path.c_str(), &st) != 0) {
    SetLastError(ErrorFromErrno(errno, path));
    return INVALID_FILE_ATTRIBUTES;
  }
  return AttributesOf(st);
}

}  // namespace

HANDLE CreateFileW(LPCWSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                   LPSECURITY_ATTRIBUTES lpSecurityAttributes, DWORD dwCreationDisposition,
                   DWORD dwFlagsAndAttributes, HANDLE hTemplateFile) {
  if (lpFileName == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  const std::string path = NativeOf(lpFileName);
  const bool wantRead = (dwDesiredAccess & (GENERIC_READ | GENERIC_ALL)) != 0;
  const bool wantWrite = (dwDesiredAccess & (GENERIC_WRITE | GENERIC_ALL)) != 0;
  int flags = O_CLOEXEC | (wantWrite ? (wantRead ? O_RDWR : O_WRONLY) : O_RDONLY);

  struct stat st;
  const bool exists = stat(path.c_str(), &st) == 0;
  bool truncates = false;
  switch (dwCreationDisposition) {
    case CREATE_NEW:
      if (exists) return SetLastError(ERROR_FILE_EXISTS), INVALID_HANDLE_VALUE;
      flags |= O_CREAT | O_EXCL;
      break;
    case CREATE_ALWAYS:
      flags |= O_CREAT | O_TRUNC;
      truncates = exists;
      break;
    case OPEN_EXISTING:
      break;
    case OPEN_ALWAYS:
      flags |= O_CREAT;
      break;
    case TRUNCATE_EXISTING:
      if (!wantWrite) return SetLastError(ERROR_INVALID_PARAMETER), INVALID_HANDLE_VALUE;
      flags |= O_TRUNC;
      truncates = true;
      break;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return INVALID_HANDLE_VALUE;
  }
  if (exists && S_ISDIR(st.st_mode)) return SetLastError(ERROR_ACCESS_DENIED), INVALID_HANDLE_VALUE;
  if (exists && IsReadOnly(st) && (wantWrite || truncates)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return INVALID_HANDLE_VALUE;
  }
  mode_t mode = (dwFlagsAndAttributes & FILE_ATTRIBUTE_READONLY) ? 0444 : 0666;
  int fd = open(path.c_str(), flags, mode);
  if (fd < 0) {
    SetLastError(ErrorFromErrno(errno, path));
    return INVALID_HANDLE_VALUE;
  }
  const bool reportsExisting = dwCreationDisposition == CREATE_ALWAYS || dwCreationDisposition == OPEN_ALWAYS;
  SetLastError(exists && reportsExisting ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
  return Handles().AddFile(fd);
}

BOOL ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead, LPDWORD lpNumberOfBytesRead,
              LPOVERLAPPED lpOverlapped) {
  if (lpNumberOfBytesRead != nullptr) *lpNumberOfBytesRead = 0;
  int fd = FileOrFail(hFile);
  if (fd < 0) return FALSE;
  if (lpOverlapped != nullptr) return Fail(ERROR_INVALID_PARAMETER);
  char* buffer = static_cast<char*>(lpBuffer);
  DWORD done = 0;
  while (done < nNumberOfBytesToRead) {
    ssize_t got = read(fd, buffer + done, nNumberOfBytesToRead - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return Fail(errno == EBADF || errno == EISDIR ? ERROR_ACCESS_DENIED : ERROR_READ_FAULT);
    if (got == 0) break;
    done += static_cast<DWORD>(got);
    if (lpNumberOfBytesRead != nullptr) *lpNumberOfBytesRead = done;
  }
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

BOOL WriteFile(HANDLE hFile, LPCVOID lpBuffer, DWORD nNumberOfBytesToWrite, LPDWORD lpNumberOfBytesWritten,
               LPOVERLAPPED lpOverlapped) {
  if (lpNumberOfBytesWritten != nullptr) *lpNumberOfBytesWritten = 0;
  int fd = FileOrFail(hFile);
  if (fd < 0) return FALSE;
  if (lpOverlapped != nullptr) return Fail(ERROR_INVALID_PARAMETER);
  const char* buffer = static_cast<const char*>(lpBuffer);
  DWORD done = 0;
  while (done < nNumberOfBytesToWrite) {
    ssize_t put = write(fd, buffer + done, nNumberOfBytesToWrite - done);
    if (put < 0 && errno == EINTR) continue;
    if (put < 0) {
      if (errno == EBADF) return Fail(ERROR_ACCESS_DENIED);  // opened for reading only
      return Fail(errno == ENOSPC || errno == EDQUOT ? ERROR_DISK_FULL : ERROR_WRITE_FAULT);
    }
    done += static_cast<DWORD>(put);
    if (lpNumberOfBytesWritten != nullptr) *lpNumberOfBytesWritten = done;
  }
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

BOOL CloseHandle(HANDLE hObject) {
  int fd = Handles().TakeFile(hObject);
  if (fd < 0) return Fail(ERROR_INVALID_HANDLE);
  close(fd);
  return TRUE;
}

DWORD GetFileSize(HANDLE hFile, LPDWORD lpFileSizeHigh) {
  LARGE_INTEGER size;
  if (!GetFileSizeEx(hFile, &size)) return INVALID_FILE_SIZE;
  if (lpFileSizeHigh != nullptr) *lpFileSizeHigh = static_cast<DWORD>(size.u.HighPart);
  SetLastError(ERROR_SUCCESS);  // lets a caller tell a size ending in 0xFFFFFFFF from a failure
  return size.u.LowPart;
}

BOOL GetFileSizeEx(HANDLE hFile, PLARGE_INTEGER lpFileSize) {
  int fd = FileOrFail(hFile);
  if (fd < 0) return FALSE;
  struct stat st;
  if (fstat(fd, &st) != 0) return Fail(ERROR_INVALID_HANDLE);
  lpFileSize->QuadPart = st.st_size;
  return TRUE;
}

DWORD SetFilePointer(HANDLE hFile, LONG lDistanceToMove, LONG* lpDistanceToMoveHigh, DWORD dwMoveMethod) {
  int fd = FileOrFail(hFile);
  if (fd < 0) return INVALID_SET_FILE_POINTER;
  long long distance = lDistanceToMove;
  if (lpDistanceToMoveHigh != nullptr) {
    distance = static_cast<long long>((static_cast<unsigned long long>(static_cast<DWORD>(*lpDistanceToMoveHigh))
                                       << 32) |
                                      static_cast<DWORD>(lDistanceToMove));
  }
  int whence = dwMoveMethod == FILE_BEGIN ? SEEK_SET : dwMoveMethod == FILE_CURRENT ? SEEK_CUR : SEEK_END;
  if (dwMoveMethod > FILE_END) return SetLastError(ERROR_INVALID_PARAMETER), INVALID_SET_FILE_POINTER;
  off_t position = lseek(fd, static_cast<off_t>(distance), whence);
  if (position < 0) {
    SetLastError(errno == EINVAL ? ERROR_NEGATIVE_SEEK : ERROR_INVALID_HANDLE);
    return INVALID_SET_FILE_POINTER;
  }
  unsigned long long at = static_cast<unsigned long long>(position);
  if (lpDistanceToMoveHigh != nullptr) *lpDistanceToMoveHigh = static_cast<LONG>(at >> 32);
  SetLastError(ERROR_SUCCESS);
  return static_cast<DWORD>(at);
}

BOOL FlushFileBuffers(HANDLE hFile) {
  int fd = FileOrFail(hFile);
  if (fd < 0) return FALSE;
  if (fsync(fd) != 0 && errno != EINVAL) return Fail(ERROR_WRITE_FAULT);
  return TRUE;
}

HANDLE FindFirstFileW(LPCWSTR lpFileName, LPWIN32_FIND_DATAW lpFindFileData) {
  if (lpFileName == nullptr || lpFindFileData == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  const std::wstring pattern = lpFileName;
  const size_t cut = platform::LastPathSeparator(pattern);
  const std::wstring name = cut == std::wstring::npos ? pattern : pattern.substr(cut + 1);
  if (name.empty()) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  FindEntries entries;
  if (HasWildcard(name)) {
    std::string folder = cut == std::wstring::npos ? "." : cut == 0 ? "/" : NativeOf(pattern.substr(0, cut).c_str());
    if (!ListFolder(folder, name, &entries)) return INVALID_HANDLE_VALUE;
  } else {
    const std::string path = NativeOf(lpFileName);
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) {
      SetLastError(ErrorFromErrno(errno, path));
      return INVALID_HANDLE_VALUE;
    }
    entries.push_back(EntryOf(name, st));
  }
  if (entries.empty()) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  *lpFindFileData = entries.front();
  HANDLE handle = Handles().AddSearch(std::move(entries));
  SetLastError(ERROR_SUCCESS);
  return handle;
}

BOOL FindNextFileW(HANDLE hFindFile, LPWIN32_FIND_DATAW lpFindFileData) {
  int found = Handles().NextEntry(hFindFile, lpFindFileData);
  if (found < 0) return Fail(ERROR_INVALID_HANDLE);
  if (found == 0) return Fail(ERROR_NO_MORE_FILES);
  return TRUE;
}

BOOL FindClose(HANDLE hFindFile) {
  if (!Handles().RemoveSearch(hFindFile)) return Fail(ERROR_INVALID_HANDLE);
  return TRUE;
}

BOOL DeleteFileW(LPCWSTR lpFileName) {
  if (lpFileName == nullptr) return Fail(ERROR_INVALID_PARAMETER);
  const std::string path = WithoutTrailingSeparators(NativeOf(lpFileName));
  struct stat st;
  if (lstat(path.c_str(), &st) != 0) return FailErrno(path);
  if (S_ISDIR(st.st_mode) || IsReadOnly(st)) return Fail(ERROR_ACCESS_DENIED);
  if (unlink(path.c_str()) != 0) return FailErrno(path);
  return TRUE;
}

BOOL CreateDirectoryW(LPCWSTR lpPathName, LPSECURITY_ATTRIBUTES lpSecurityAttributes) {
  if (lpPathName == nullptr) return Fail(ERROR_INVALID_PARAMETER);
  return CreateNativeDirectory(NativeOf(lpPathName));
}

BOOL CreateDirectoryA(LPCSTR lpPathName, LPSECURITY_ATTRIBUTES lpSecurityAttributes) {
  if (lpPathName == nullptr) return Fail(ERROR_INVALID_PARAMETER);
  return CreateNativeDirectory(platform::NativePath(std::string(lpPathName)));
}

BOOL RemoveDirectoryW(LPCWSTR lpPathName) {
  if (lpPathName == nullptr) return Fail(ERROR_INVALID_PARAMETER);
  const std::string path = WithoutTrailingSeparators(NativeOf(lpPathName));
  struct stat st;
  if (lstat(path.c_str(), &st) != 0) return FailErrno(path);
  if (S_ISLNK(st.st_mode)) {
    // A link to a folder goes as Windows removes a directory link: the link only.
    if (!IsFolder(path)) return Fail(ERROR_DIRECTORY);
    if (unlink(path.c_str()) != 0) return FailErrno(path);
    return TRUE;
  }
  if (!S_ISDIR(st.st_mode)) return Fail(ERROR_DIRECTORY);
  if (IsReadOnly(st)) return Fail(ERROR_ACCESS_DENIED);
  if (rmdir(path.c_str()) != 0) return Fail(errno == EEXIST ? ERROR_DIR_NOT_EMPTY : ErrorFromErrno(errno, path));
  return TRUE;
}

BOOL SetFileAttributesW(LPCWSTR lpFileName, DWORD dwFileAttributes) {
  if (lpFileName == nullptr) return Fail(ERROR_INVALID_PARAMETER);
  const std::string path = WithoutTrailingSeparators(NativeOf(lpFileName));
  struct stat st;
  if (lstat(path.c_str(), &st) != 0) return FailErrno(path);
  if (S_ISLNK(st.st_mode)) return TRUE;  // chmod would reach the target
  mode_t mode = st.st_mode & 07777;
  mode = (dwFileAttributes & FILE_ATTRIBUTE_READONLY) ? (mode & ~0222) : (mode | S_IWUSR);
  if (chmod(path.c_str(), mode) != 0) return FailErrno(path);
  return TRUE;
}

DWORD GetFileAttributesW(LPCWSTR lpFileName) {
  if (lpFileName == nullptr) return SetLastError(ERROR_INVALID_PARAMETER), INVALID_FILE_ATTRIBUTES;
  return NativeAttributes(NativeOf(lpFileName));
}

DWORD GetFileAttributesA(LPCSTR lpFileName) {
  if (lpFileName == nullptr) return SetLastError(ERROR_INVALID_PARAMETER), INVALID_FILE_ATTRIBUTES;
  return NativeAttributes(platform::NativePath(std::string(lpFileName)));
}

BOOL PathFileExistsW(LPCWSTR pszPath) {
  if (pszPath == nullptr) return FALSE;
  return GetFileAttributesW(pszPath) != INVALID_FILE_ATTRIBUTES;
}

BOOL CopyFileW(LPCWSTR lpExistingFileName, LPCWSTR lpNewFileName, BOOL bFailIfExists) {
  if (lpExistingFileName == nullptr || lpNewFileName == nullptr) return Fail(ERROR_INVALID_PARAMETER);
  const std::string from = NativeOf(lpExistingFileName);
  const std::string to = NativeOf(lpNewFileName);
  struct stat source;
  if (stat(from.c_str(), &source) != 0) return FailErrno(from);
  if (S_ISDIR(source.st_mode)) return Fail(ERROR_ACCESS_DENIED);
  struct stat target;
  if (stat(to.c_str(), &target) == 0) {
    if (bFailIfExists) return Fail(ERROR_FILE_EXISTS);
    if (S_ISDIR(target.st_mode) || IsReadOnly(target)) return Fail(ERROR_ACCESS_DENIED);
    // Opening the target for writing would empty the source before reading it.
    if (target.st_dev == source.st_dev && target.st_ino == source.st_ino) return Fail(ERROR_SHARING_VIOLATION);
  }
  return CopyRegularFile(from, to, bFailIfExists != FALSE);
}

BOOL MoveFileW(LPCWSTR lpExistingFileName, LPCWSTR lpNewFileName) {
  if (lpExistingFileName == nullptr || lpNewFileName == nullptr) return Fail(ERROR_INVALID_PARAMETER);
  const std::string from = NativeOf(lpExistingFileName);
  const std::string to = NativeOf(lpNewFileName);
  struct stat st;
  if (lstat(from.c_str(), &st) != 0) return FailErrno(from);
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return TRUE;
  int error = errno;
  if (error == EINVAL || error == ENOSYS) {
    // A file system without no-replace renames: check first, then rename.
    struct stat existing;
    if (lstat(to.c_str(), &existing) == 0) return Fail(ERROR_ALREADY_EXISTS);
    if (rename(from.c_str(), to.c_str()) == 0) return TRUE;
    error = errno;
  }
  if (error == EXDEV && S_ISREG(st.st_mode)) {
    // Windows moves a file to another volume by copying it.
    if (!CopyRegularFile(from, to, true)) return FALSE;
    unlink(from.c_str());
    return TRUE;
  }
  return Fail(error == EEXIST ? ERROR_ALREADY_EXISTS : ErrorFromErrno(error, to));
}

DWORD GetTempPathW(DWORD nBufferLength, LPWSTR lpBuffer) {
  const char* tmp = std::getenv("TMPDIR");
  std::string folder = (tmp != nullptr && *tmp != '\0') ? tmp : "/tmp";
  if (folder.back() != '/') folder += '/';
  return CopyOut(platform::codepage::Utf8ToWide(folder), nBufferLength, lpBuffer);
}

DWORD GetCurrentDirectoryW(DWORD nBufferLength, LPWSTR lpBuffer) {
  std::unique_ptr<char, void (*)(void*)> cwd(getcwd(nullptr, 0), std::free);
  if (!cwd) {
    SetLastError(ErrorFromErrno(errno, "."));
    return 0;
  }
  return CopyOut(platform::codepage::Utf8ToWide(cwd.get()), nBufferLength, lpBuffer);
}

BOOL SetCurrentDirectoryW(LPCWSTR lpPathName) {
  if (lpPathName == nullptr) return Fail(ERROR_INVALID_PARAMETER);
  const std::string path = NativeOf(lpPathName);
  if (chdir(path.c_str()) != 0) return Fail(errno == ENOTDIR ? ERROR_DIRECTORY : ErrorFromErrno(errno, path));
  return TRUE;
}

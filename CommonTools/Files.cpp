#include "CommonTools/Files.h"

#include <filesystem>
#include <system_error>

#include "CommonTools/Log.h"
#include "platform/base/CodePage.h"
#include "platform/base/Path.h"

namespace CommonTools {

namespace {

const INT_PTR kShellSuccessAbove = 32;

bool EndsWithSeparator(const CStringW& path) {
  const int length = path.GetLength();
  if (length == 0) return false;
  const wchar_t last = path.GetString()[length - 1];
  return last == L'\\' || last == L'/';
}

// The path ready to take an entry name after it.
CStringW EntryPrefix(const CStringW& path) {
  if (EndsWithSeparator(path)) return path;
  return path + L"\\";
}

// A link is removed as itself, so the walk never leaves the folder through it.
bool RemoveLink(const CStringW& link) {
  if (DeleteFileW(link.GetString())) return true;
  return RemoveDirectoryW(link.GetString()) != FALSE;  // a folder link, as Windows keeps it
}

int DeleteTree(const CStringW& path);

bool RemoveEntry(const CStringW& entry, DWORD attributes) {
  if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return RemoveLink(entry);
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
    DeleteTree(entry);
    SetFileAttributesW(entry.GetString(), FILE_ATTRIBUTE_NORMAL);
    return RemoveDirectoryW(entry.GetString()) != FALSE;
  }
  SetFileAttributesW(entry.GetString(), FILE_ATTRIBUTE_NORMAL);
  return DeleteFileW(entry.GetString()) != FALSE;
}

int DeleteTree(const CStringW& path) {
  const CStringW prefix = EntryPrefix(path);
  WIN32_FIND_DATAW data = {};
  const HANDLE find = FindFirstFileW((prefix + L"*.*").GetString(), &data);
  if (find == INVALID_HANDLE_VALUE) return 0;

  int result = 0;
  do {
    if (data.cFileName[0] == L'.') continue;
    result = RemoveEntry(prefix + data.cFileName, data.dwFileAttributes) ? 1 : 0;
  } while (FindNextFileW(find, &data));
  const bool listedAll = GetLastError() == ERROR_NO_MORE_FILES;
  FindClose(find);

  if (!listedAll) return result;
  RemoveDirectoryW(path.GetString());
  return 1;
}

// The path as the file system resolves it; empty when it does not exist.
std::filesystem::path Resolved(const CStringW& path) {
  std::error_code error;
  std::filesystem::path resolved = std::filesystem::canonical(platform::NativePath(std::wstring(path.GetString())), error);
  return error ? std::filesystem::path() : resolved;
}

}  // namespace

bool lies_inside(const CStringW& path, const CStringW& container) {
  const std::filesystem::path target = Resolved(path);
  const std::filesystem::path folder = Resolved(container);
  if (target.empty() || folder.empty()) return false;
  auto inner = target.begin();
  for (auto outer = folder.begin(); outer != folder.end(); ++outer, ++inner) {
    if (inner == target.end() || *inner != *outer) return false;
  }
  return inner != target.end();
}

bool open_file_if_exists(const std::wstring& path) {
  WIN32_FIND_DATAW data = {};
  const HANDLE find = FindFirstFileW(path.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return false;
  FindClose(find);
  const HINSTANCE result = ShellExecuteW(NULL, L"open", path.c_str(), L"", L"", SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > kShellSuccessAbove;
}

int delete_folder(CStringW path, CStringW container) {
  if (!lies_inside(path, container)) {
    g_log.Write(3, "拒绝删除文件夹外的路径：%s（应在%s内）\n", platform::codepage::WideToGbk(path.GetString()).c_str(),
                platform::codepage::WideToGbk(container.GetString()).c_str());
    return 0;
  }
  return DeleteTree(path);
}

std::wstring join_path(const std::wstring& folder, const std::wstring& name) {
  // A folder of this machine always holds a "/" (its root at least), and may hold a
  // "\\" inside a name.
  const wchar_t separator = folder.find(L'/') != std::wstring::npos ? L'/' : L'\\';
  if (!folder.empty() && folder.back() == separator) return folder + name;
  return folder + separator + name;
}

std::string join_path(const std::string& folder, const std::string& name) {
  // Through wide text: a GBK character's second byte may be the byte of "\\".
  using platform::codepage::GbkToWide;
  return platform::codepage::WideToGbk(join_path(GbkToWide(folder), GbkToWide(name)));
}

CStringW append_backslash(CStringW path) { return path + L"\\"; }

}  // namespace CommonTools

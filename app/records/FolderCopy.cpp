#include "app/records/FolderCopy.h"

#include "platform/win32.h"

namespace {

const std::wstring::size_type kLongestCopyPath = 519;

// The shell's form of a path list: each path ends in a zero, the list in a second one.
std::wstring PathList(const std::wstring& path) { return path + L'\0'; }

}  // namespace

bool CopyFolderInto(const std::wstring& folder, const std::wstring& target) {
  if (folder.size() >= kLongestCopyPath || target.size() >= kLongestCopyPath) return false;
  const std::wstring from = PathList(folder);
  const std::wstring to = PathList(target);
  SHFILEOPSTRUCTW operation = {};
  operation.hwnd = nullptr;
  operation.wFunc = FO_COPY;
  operation.pFrom = from.c_str();
  operation.pTo = to.c_str();
  operation.fFlags = FOF_NOCONFIRMATION;
  return ::SHFileOperationW(&operation) == 0;
}

#include "platform/user/OpenFileWindow.h"

namespace platform::user {
namespace {

wchar_t Folded(wchar_t c) { return c >= L'A' && c <= L'Z' ? wchar_t(c - L'A' + L'a') : c; }

bool Glob(const wchar_t* pattern, const wchar_t* name) {
  if (*pattern == L'\0') return *name == L'\0';
  if (*pattern == L'*') {
    for (const wchar_t* rest = name;; ++rest) {
      if (Glob(pattern + 1, rest)) return true;
      if (*rest == L'\0') return false;
    }
  }
  if (*name == L'\0') return false;
  if (*pattern != L'?' && Folded(*pattern) != Folded(*name)) return false;
  return Glob(pattern + 1, name + 1);
}

std::wstring Trimmed(const std::wstring& text) {
  const size_t first = text.find_first_not_of(L' ');
  if (first == std::wstring::npos) return std::wstring();
  return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

}  // namespace

OpenFileWindow::OpenFileWindow(std::wstring title, std::wstring description, std::wstring patterns, bool multiSelect,
                               std::wstring start)
    : FileBrowserWindow(title.empty() ? L"打开" : title, std::move(description), L"/", std::move(start)),
      patterns_(std::move(patterns)),
      multiSelect_(multiSelect) {}

bool OpenFileWindow::Matches(const std::wstring& patterns, const std::wstring& name) {
  if (Trimmed(patterns).empty()) return true;
  size_t start = 0;
  while (start <= patterns.size()) {
    size_t end = patterns.find(L';', start);
    if (end == std::wstring::npos) end = patterns.size();
    const std::wstring pattern = Trimmed(patterns.substr(start, end - start));
    // "*.*" means every file, those without a dot too.
    if (pattern == L"*.*" || (!pattern.empty() && Glob(pattern.c_str(), name.c_str()))) return true;
    start = end + 1;
  }
  return false;
}

bool OpenFileWindow::Confirm() {
  std::vector<std::wstring> files;
  const std::vector<int> selection = Selection();
  for (int index : selection) {
    if (!Entries()[index].folder) files.push_back(PathOf(Entries()[index]));
  }
  if (!files.empty()) {
    chosen_ = files;
    return true;
  }
  if (selection.size() == 1) Enter(PathOf(Entries()[selection.front()]));
  return false;
}

}  // namespace platform::user

#include <algorithm>
#include <cstdlib>
#include <cwchar>

#include "platform/base/CodePage.h"
#include "platform/user/FolderChooserWindow.h"
#include "platform/user/ShellDialogScript.h"
#include "platform/user/ShellItemList.h"
#include "platform/user/ShlObj.h"

namespace {

using platform::user::FolderAnswer;
using platform::user::FolderChooserCall;
using platform::user::FolderChooserWindow;
using platform::user::ShellDialogScript;
using platform::user::ShellItem;
using platform::user::ShellItemList;

// Copies with truncation, always terminated; `capacity` counts the terminator.
void CopyText(const std::wstring& text, LPWSTR buffer, size_t capacity) {
  const size_t count = std::min(text.size(), capacity - 1);
  std::wmemcpy(buffer, text.c_str(), count);
  buffer[count] = L'\0';
}

FolderAnswer AskForFolder(const BROWSEINFOW& info) {
  FolderChooserCall call;
  call.owner = info.hwndOwner;
  call.title = info.lpszTitle != nullptr ? info.lpszTitle : L"";
  call.flags = info.ulFlags;
  ShellDialogScript& script = ShellDialogScript::Instance();
  if (script.Active()) return script.AnswerFolder(call);
  ShellItem root;
  const bool rooted = ShellItemList::Read(info.pidlRoot, &root) && root.fileSystem;
  const char* home = std::getenv("HOME");
  const std::wstring start = rooted ? root.text : platform::codepage::Utf8ToWide(home != nullptr ? home : "/");
  FolderChooserWindow window(call.title, rooted ? root.text : L"/", start);
  if (!window.Run(info.hwndOwner)) return FolderAnswer{};
  return FolderAnswer{false, ShellItem{true, window.Chosen()}};
}

}  // namespace

PIDLIST_ABSOLUTE SHBrowseForFolderW(LPBROWSEINFOW lpbi) {
  if (lpbi == nullptr) return nullptr;
  const FolderAnswer answer = AskForFolder(*lpbi);
  if (answer.cancelled) return nullptr;
  PIDLIST_ABSOLUTE list = ShellItemList::Make(answer.item);
  if (list != nullptr && lpbi->pszDisplayName != nullptr) {
    CopyText(ShellItemList::DisplayName(answer.item), lpbi->pszDisplayName, MAX_PATH);
  }
  return list;
}

BOOL SHGetPathFromIDListW(PCIDLIST_ABSOLUTE pidl, LPWSTR pszPath) {
  if (pszPath == nullptr) return FALSE;
  pszPath[0] = L'\0';
  ShellItem item;
  if (!ShellItemList::Read(pidl, &item) || !item.fileSystem) return FALSE;
  if (item.text.empty() || item.text.size() >= MAX_PATH) return FALSE;
  CopyText(item.text, pszPath, MAX_PATH);
  return TRUE;
}

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include "platform/base/CodePage.h"
#include "platform/user/CommDlg.h"
#include "platform/user/FolderChooserWindow.h"
#include "platform/user/OpenFileWindow.h"
#include "platform/user/ShellDialogScript.h"
#include "platform/user/ShellItemList.h"
#include "platform/user/ShlObj.h"

namespace {

using platform::user::FolderAnswer;
using platform::user::FolderChooserCall;
using platform::user::FolderChooserWindow;
using platform::user::OpenFileAnswer;
using platform::user::OpenFileCall;
using platform::user::OpenFileWindow;
using platform::user::ShellDialogScript;
using platform::user::ShellItem;
using platform::user::ShellItemList;

// Copies with truncation, always terminated; `capacity` counts the terminator.
void CopyText(const std::wstring& text, LPWSTR buffer, size_t capacity) {
  const size_t count = std::min(text.size(), capacity - 1);
  std::wmemcpy(buffer, text.c_str(), count);
  buffer[count] = L'\0';
}

std::wstring HomeFolder() {
  const char* home = std::getenv("HOME");
  return platform::codepage::Utf8ToWide(home != nullptr ? home : "/");
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
  const std::wstring start = rooted ? root.text : HomeFolder();
  FolderChooserWindow window(call.title, rooted ? root.text : L"/", start);
  if (!window.Run(info.hwndOwner)) return FolderAnswer{};
  return FolderAnswer{false, ShellItem{true, window.Chosen()}};
}

thread_local DWORD t_dialogError = 0;

BOOL DialogFailed(DWORD error) {
  t_dialogError = error;
  return FALSE;
}

// The filter's strings up to the empty one that ends it.
std::vector<std::wstring> FilterParts(LPCWSTR filter) {
  std::vector<std::wstring> parts;
  for (LPCWSTR part = filter; part != nullptr && *part != L'\0'; part += parts.back().size() + 1) {
    parts.push_back(part);
  }
  return parts;
}

OpenFileAnswer AskForFiles(const OPENFILENAMEW& ofn) {
  OpenFileCall call;
  call.owner = ofn.hwndOwner;
  call.title = ofn.lpstrTitle != nullptr ? ofn.lpstrTitle : L"";
  call.filter = FilterParts(ofn.lpstrFilter);
  call.flags = ofn.Flags;
  ShellDialogScript& script = ShellDialogScript::Instance();
  if (script.Active()) return script.AnswerOpenFile(call);
  const size_t pair = ofn.nFilterIndex > 0 ? ofn.nFilterIndex - 1 : 0;
  const bool hasPair = 2 * pair + 1 < call.filter.size();
  const std::wstring description = hasPair ? call.filter[2 * pair] : L"";
  const std::wstring patterns = hasPair ? call.filter[2 * pair + 1] : L"";
  const bool chosenStart = ofn.lpstrInitialDir != nullptr && *ofn.lpstrInitialDir != L'\0';
  OpenFileWindow window(call.title, description, patterns, (ofn.Flags & OFN_ALLOWMULTISELECT) != 0,
                        chosenStart ? std::wstring(ofn.lpstrInitialDir) : HomeFolder());
  if (!window.Run(ofn.hwndOwner)) return OpenFileAnswer{};
  return OpenFileAnswer{false, window.Chosen()};
}

// One file: its path. Several: the folder, then each name. Each part ends in a zero,
// and with several allowed the whole ends in a second one.
std::wstring ResultText(const std::vector<std::wstring>& paths, bool multiSelect, WORD* fileOffset,
                        WORD* extensionOffset) {
  if (paths.size() == 1) {
    const std::wstring& path = paths.front();
    const size_t cut = path.find_last_of(L"/\\");
    const size_t name = cut == std::wstring::npos ? 0 : cut + 1;
    const size_t dot = path.rfind(L'.');
    *fileOffset = WORD(std::min<size_t>(name, 0xFFFF));
    *extensionOffset = WORD(std::min<size_t>(dot == std::wstring::npos || dot < name ? path.size() : dot + 1, 0xFFFF));
    return path + (multiSelect ? std::wstring(2, L'\0') : std::wstring(1, L'\0'));
  }
  const std::wstring& first = paths.front();
  const size_t cut = first.find_last_of(L"/\\");
  std::wstring text = cut == std::wstring::npos ? std::wstring() : first.substr(0, cut == 0 ? 1 : cut);
  *fileOffset = WORD(std::min<size_t>(text.size() + 1, 0xFFFF));
  *extensionOffset = 0;
  text += L'\0';
  for (const std::wstring& path : paths) {
    const size_t slash = path.find_last_of(L"/\\");
    text += (slash == std::wstring::npos ? path : path.substr(slash + 1)) + L'\0';
  }
  return text + L'\0';
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

BOOL GetOpenFileNameW(LPOPENFILENAMEW lpofn) {
  // Any size that covers the fields read and written here will do.
  if (lpofn == nullptr || lpofn->lStructSize < offsetof(OPENFILENAMEW, lpstrDefExt)) {
    return DialogFailed(CDERR_STRUCTSIZE);
  }
  if (lpofn->lpstrFile == nullptr || lpofn->nMaxFile == 0) return DialogFailed(CDERR_INITIALIZATION);
  const OpenFileAnswer answer = AskForFiles(*lpofn);
  if (answer.cancelled || answer.paths.empty()) return DialogFailed(0);
  WORD fileOffset = 0;
  WORD extensionOffset = 0;
  const std::wstring text =
      ResultText(answer.paths, (lpofn->Flags & OFN_ALLOWMULTISELECT) != 0, &fileOffset, &extensionOffset);
  if (text.size() > lpofn->nMaxFile) {
    lpofn->lpstrFile[0] = static_cast<WCHAR>(text.size());
    return DialogFailed(FNERR_BUFFERTOOSMALL);
  }
  std::wmemcpy(lpofn->lpstrFile, text.data(), text.size());
  lpofn->nFileOffset = fileOffset;
  lpofn->nFileExtension = extensionOffset;
  if (lpofn->lpstrFileTitle != nullptr && lpofn->nMaxFileTitle > 0 && answer.paths.size() == 1) {
    CopyText(answer.paths.front().substr(fileOffset), lpofn->lpstrFileTitle, lpofn->nMaxFileTitle);
  }
  t_dialogError = 0;
  return TRUE;
}

DWORD CommDlgExtendedError() { return t_dialogError; }

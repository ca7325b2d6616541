#include "app/shell/BrowseForFolder.h"

#include "CommonTools/Conversions.h"
#include "platform/win32.h"

std::wstring BrowseForFolderW() {
  wchar_t displayName[MAX_PATH] = {0};
  BROWSEINFOW info{};
  info.hwndOwner = nullptr;
  info.pidlRoot = nullptr;
  info.pszDisplayName = displayName;
  info.lpszTitle = L"选择一个文件夹";
  info.ulFlags = BIF_NEWDIALOGSTYLE;
  PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&info);
  if (item == nullptr) return std::wstring();
  wchar_t path[MAX_PATH] = {0};
  const BOOL isFolder = SHGetPathFromIDListW(item, path);
  CoTaskMemFree(item);
  if (!isFolder) return std::wstring();
  return path;
}

std::string BrowseForFolder() { return CommonTools::cstring_to_string(CStringW(BrowseForFolderW().c_str())); }

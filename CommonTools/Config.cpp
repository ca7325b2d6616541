#include "CommonTools/Config.h"

#include "platform/base/PrivateProfile.h"

namespace CommonTools {

namespace {

const DWORD kPathBuffer = MAX_PATH + 1;
const DWORD kValueBuffer = MAX_PATH + 1;

std::wstring ConfigPath() { return get_exe_dir() + L"\\" + L"Config.ini"; }

}  // namespace

std::wstring get_exe_dir() {
  WCHAR path[kPathBuffer] = {0};
  GetModuleFileNameW(NULL, path, kPathBuffer);
  std::wstring dir(path);
  const std::wstring::size_type cut = platform::LastPathSeparator(dir);
  if (cut == std::wstring::npos) return dir;
  return dir.substr(0, cut);
}

BOOL write_config(LPCWSTR section, LPCWSTR key, LPCWSTR value) {
  const std::wstring path = ConfigPath();
  // The file keeps the remembered account and password.
  if (!platform::KeepProfilePrivate(path.c_str())) return FALSE;
  return WritePrivateProfileStringW(section, key, value, path.c_str());
}

std::wstring read_login_config(LPCWSTR key) {
  const std::wstring path = ConfigPath();
  if (!PathFileExistsW(path.c_str())) return std::wstring();
  WCHAR value[kValueBuffer] = {0};
  GetPrivateProfileStringW(L"LoginInfo", key, NULL, value, kValueBuffer, path.c_str());
  return value;
}

}  // namespace CommonTools

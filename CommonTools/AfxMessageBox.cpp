#include "CommonTools/AfxMessageBox.h"

namespace CommonTools {

CStringW ProgramName() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring name(path, length < MAX_PATH ? length : 0);
  const size_t separator = platform::LastPathSeparator(name);
  if (separator != std::wstring::npos) name.erase(0, separator + 1);
  const size_t dot = name.rfind(L'.');
  if (dot != std::wstring::npos && dot > 0) name.erase(dot);
  return CStringW(name.c_str());
}

}  // namespace CommonTools

int AfxMessageBox(LPCWSTR lpszText, UINT nType, UINT nIDHelp) {
  const CStringW caption = CommonTools::ProgramName();
  return MessageBoxW(nullptr, lpszText, caption, nType);
}

#include "app/records/FileNames.h"

#include <algorithm>
#include <cwchar>

#include "platform/base/CodePage.h"

using platform::codepage::GbkToWide;
using platform::codepage::WideToGbk;

bool IsForbiddenFileNameChar(wchar_t c) { return c < 0x20 || std::wcschr(L"\\/:*?\"<>|", c) != nullptr; }

std::string PlanFileName(const std::string& planName) {
  if (planName == "." || planName == "..") return "_";
  std::wstring name = GbkToWide(planName);
  std::replace_if(name.begin(), name.end(), IsForbiddenFileNameChar, L'_');
  return WideToGbk(name);
}

bool IsPlainFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  const std::wstring wide = GbkToWide(name);
  return std::none_of(wide.begin(), wide.end(), IsForbiddenFileNameChar);
}

std::string InChosenFolder(const std::string& folder, const std::string& name) {
  const char* separator = !folder.empty() && folder.front() == '/' ? "/" : "\\";
  return folder + separator + name;
}

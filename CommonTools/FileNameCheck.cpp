#include "CommonTools/FileNameCheck.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>

#include "CommonTools/Log.h"
#include "platform/base/CodePage.h"

namespace CommonTools {

namespace {

const wchar_t* const kDeviceNames[] = {L"CON",  L"PRN",  L"AUX",  L"NUL",  L"COM1", L"COM2", L"COM3", L"COM4",
                                       L"COM5", L"COM6", L"COM7", L"COM8", L"COM9", L"LPT1", L"LPT2", L"LPT3",
                                       L"LPT4", L"LPT5", L"LPT6", L"LPT7", L"LPT8", L"LPT9"};

// Windows opens the device whatever extension follows its name.
bool IsDeviceName(const std::wstring& name) {
  std::wstring stem = name.substr(0, name.find(L'.'));
  while (!stem.empty() && stem.back() == L' ') stem.pop_back();
  for (wchar_t& c : stem) c = static_cast<wchar_t>(std::towupper(c));
  return std::any_of(std::begin(kDeviceNames), std::end(kDeviceNames),
                     [&](const wchar_t* device) { return stem == device; });
}

}  // namespace

bool is_forbidden_file_name_char(wchar_t c) { return c < 0x20 || std::wcschr(L"\\/:*?\"<>|", c) != nullptr; }

bool is_plain_file_name(const std::wstring& name) {
  if (name.empty() || name == L"." || name == L"..") return false;
  if (std::any_of(name.begin(), name.end(), is_forbidden_file_name_char)) return false;
  if (name.back() == L'.' || name.back() == L' ') return false;
  return !IsDeviceName(name);
}

bool is_plain_file_name(const std::string& gbkName) {
  return is_plain_file_name(platform::codepage::GbkToWide(gbkName));
}

bool accept_file_name(const std::string& gbkName, const char* what) {
  if (is_plain_file_name(gbkName)) return true;
  g_log.Write(6, "拒绝用作文件名的%s：%s\n", what, gbkName.c_str());
  return false;
}

std::wstring last_url_segment(const std::wstring& url) {
  const std::wstring path = url.substr(0, url.find_first_of(L"?#"));
  const std::wstring::size_type cut = path.find_last_of(L"/\\");
  return cut == std::wstring::npos ? path : path.substr(cut + 1);
}

}  // namespace CommonTools

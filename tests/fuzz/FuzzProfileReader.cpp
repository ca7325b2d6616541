#include <cstdio>
#include <string>
#include <vector>

#include <unistd.h>

#include "platform/win32.h"
#include "tests/fuzz/FuzzTargets.h"

namespace fuzz {
namespace {

// The names in a list the reader returns: each NUL-terminated, a second NUL at the end.
std::vector<std::wstring> Names(const std::vector<wchar_t>& list) {
  std::vector<std::wstring> names;
  for (const wchar_t* p = list.data(); *p != L'\0'; p += wcslen(p) + 1) names.emplace_back(p);
  return names;
}

}  // namespace

// The reader takes file names only: the input becomes one file of this process.
int FuzzProfileReader(const uint8_t* data, size_t size) {
  static const std::string path = "/tmp/fuzz-profile-" + std::to_string(::getpid()) + ".ini";
  static const std::wstring widePath(path.begin(), path.end());
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return 0;
  std::fwrite(data, 1, size, file);
  std::fclose(file);

  std::vector<wchar_t> list(8192, L'\0');
  GetPrivateProfileStringW(nullptr, nullptr, L"", list.data(), static_cast<DWORD>(list.size()), widePath.c_str());
  for (const std::wstring& section : Names(list)) {
    std::vector<wchar_t> keys(8192, L'\0');
    GetPrivateProfileStringW(section.c_str(), nullptr, L"", keys.data(), static_cast<DWORD>(keys.size()),
                             widePath.c_str());
    for (const std::wstring& key : Names(keys)) {
      wchar_t value[64];
      GetPrivateProfileStringW(section.c_str(), key.c_str(), L"-", value, 64, widePath.c_str());
      GetPrivateProfileIntW(section.c_str(), key.c_str(), 7, widePath.c_str());
    }
  }
  return 0;
}

}  // namespace fuzz

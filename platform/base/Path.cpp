#include "platform/base/Path.h"

#include <algorithm>

#include "platform/base/CodePage.h"

namespace platform {

namespace {

bool IsAscii(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

std::string NativePath(const std::wstring& path) {
  std::string native = codepage::WideToUtf8(path);
  std::replace(native.begin(), native.end(), '\\', '/');
  return native;
}

std::string NativePath(const std::string& gbkPath) {
  // A '\' byte can be the second byte of a GBK character, so the separators are
  // replaced only once the text is UTF-8, where it cannot.
  if (IsAscii(gbkPath)) {
    std::string native = gbkPath;
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
  }
  return NativePath(codepage::GbkToWide(gbkPath));
}

size_t LastPathSeparator(const std::wstring& path) { return path.find_last_of(L"\\/"); }

size_t LastPathSeparator(const std::string& path) {
  // GBK trail bytes include 0x5C ('\'), so a narrow path is scanned character by
  // character: a lead byte (0x81-0xFE) always takes the byte after it.
  size_t last = std::string::npos;
  for (size_t i = 0; i < path.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(path[i]);
    if (c >= 0x81 && c <= 0xFE && i + 1 < path.size()) {
      ++i;
      continue;
    }
    if (c == '\\' || c == '/') last = i;
  }
  return last;
}

}  // namespace platform

#include "CommonTools/QueryValue.h"

#include "platform/base/CodePage.h"

namespace CommonTools {

namespace {

bool IsUnreserved(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
         c == '_' || c == '~';
}

}  // namespace

std::string query_value(const std::string& gbkText) {
  static const char kHex[] = "0123456789ABCDEF";
  const std::string utf8 = platform::codepage::WideToUtf8(platform::codepage::GbkToWide(gbkText));
  std::string encoded;
  encoded.reserve(utf8.size());
  for (const char ch : utf8) {
    const auto c = static_cast<unsigned char>(ch);
    if (IsUnreserved(c)) {
      encoded += ch;
      continue;
    }
    encoded += '%';
    encoded += kHex[c >> 4];
    encoded += kHex[c & 0x0F];
  }
  return encoded;
}

}  // namespace CommonTools

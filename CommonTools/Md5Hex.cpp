#include "CommonTools/Md5Hex.h"

#include <string>

#include "CommonTools/Conversions.h"
#include "CommonTools/MD5.h"

namespace CommonTools {

std::string md5_hex(std::string text) {
  MD5 digest;
  digest.update(text.data(), text.size());
  return digest.finalize().hex_digest();
}

std::string md5_hex_reversed(const std::string& text) {
  const std::string hex = md5_hex(to_utf8(text, "gbk"));
  return std::string(hex.rbegin(), hex.rend());
}

}  // namespace CommonTools

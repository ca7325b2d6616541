#pragma once
// The MD5 texts the base platform's web services are secured with.
#include <string>

namespace CommonTools {

// MD5 of the text's bytes as they are, as 32 lower-case hexadecimal characters.
std::string md5_hex(std::string text);

// md5_hex of the GBK text's UTF-8 form, read backwards.
std::string md5_hex_reversed(const std::string& text);

}  // namespace CommonTools

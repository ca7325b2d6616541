#include "testing/services/QueryValues.h"

#include <cctype>

namespace test_support {

namespace {

int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (lower >= 'a' && lower <= 'f') return lower - 'a' + 10;
  return -1;
}

}  // namespace

std::string percent_decode(const std::string& text) {
  std::string decoded;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && hex_value(text[i + 1]) >= 0 &&
        hex_value(text[i + 2]) >= 0) {
      decoded += static_cast<char>(hex_value(text[i + 1]) * 16 + hex_value(text[i + 2]));
      i += 2;
    } else {
      decoded += text[i];
    }
  }
  return decoded;
}

std::map<std::string, std::string> query_values(const std::string& target) {
  std::map<std::string, std::string> values;
  const auto mark = target.find('?');
  if (mark == std::string::npos) return values;
  std::size_t start = mark + 1;
  while (start <= target.size()) {
    std::size_t end = target.find('&', start);
    if (end == std::string::npos) end = target.size();
    const std::string pair = target.substr(start, end - start);
    const auto equals = pair.find('=');
    if (!pair.empty()) {
      const std::string key = pair.substr(0, equals);
      values.emplace(key, equals == std::string::npos ? std::string() : percent_decode(pair.substr(equals + 1)));
    }
    start = end + 1;
  }
  return values;
}

}  // namespace test_support

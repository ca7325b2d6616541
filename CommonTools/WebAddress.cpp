#include "CommonTools/WebAddress.h"

#include <cctype>

namespace CommonTools {

namespace {

bool StartsWithWithoutCase(const std::string& text, const std::string& start) {
  if (text.size() < start.size()) return false;
  for (std::string::size_type i = 0; i < start.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != start[i]) return false;
  }
  return true;
}

bool NamesHostAfter(const std::string& address, std::string::size_type start) {
  return address.size() > start && address.find_first_of("/?#", start) != start;
}

}  // namespace

bool is_web_address(const std::string& address) {
  if (StartsWithWithoutCase(address, "http://")) return NamesHostAfter(address, 7);
  if (StartsWithWithoutCase(address, "https://")) return NamesHostAfter(address, 8);
  return false;
}

}  // namespace CommonTools

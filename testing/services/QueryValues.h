#pragma once
// The query of a request target, as the patrol server reads it: "key=value" pairs split at
// "&", each value percent-decoded; a key without "=" has the empty value.
#include <map>
#include <string>

namespace test_support {

std::map<std::string, std::string> query_values(const std::string& target);

// "%XX" escapes turned into their bytes.
std::string percent_decode(const std::string& text);

}  // namespace test_support

#pragma once
// A value that goes into the query of an address (an id, a date, a name, a token) is
// sent as the value it is: its UTF-8 bytes with everything but the unreserved
// characters of RFC 3986 (letters, digits, "-", ".", "_", "~") written as "%XX". So
// "&", "#", "?", "=", a space or "..\" in a value can neither start another parameter
// nor change the address. The same encoding makes a name one segment of an address's
// path, where "/", "?" and "#" would otherwise end it.
#include <string>

namespace CommonTools {

// The GBK text encoded as one query value or one path segment.
std::string query_value(const std::string& gbkText);

}  // namespace CommonTools

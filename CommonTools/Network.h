#pragma once
// IPv4 tests and host-name resolution.
#include <string>

#include "platform/win32.h"

namespace CommonTools {

// True when the whole text is a dotted IPv4 address; a part may have a leading zero.
bool is_ipv4_address(const std::string& text);

// The dotted form of the last IPv4 address the name resolves to, or "".
std::string host_to_ipv4(const std::string& host);

// Replaces the host name of an "http://" URL by its IPv4 address, keeping the port
// and path. True when the host already was an address or resolved; false, with the
// URL untouched, when it did not resolve or the URL does not begin with "http://".
bool resolve_url_host(std::string& url);

// The dotted form of this PC's last IPv4 address, "" when there is none. The caller
// frees the result with SysFreeString.
BSTR get_local_ipv4();

}  // namespace CommonTools

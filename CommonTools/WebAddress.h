#pragma once
// Addresses from outside that the program hands to the desktop's browser: only web
// pages are opened, never "file:", a custom scheme or a program's handler.
#include <string>

namespace CommonTools {

// True when the address begins with "http://" or "https://" (either case) and names a
// host.
bool is_web_address(const std::string& address);

}  // namespace CommonTools

#pragma once
// The RTSP address of an IP camera's stream.
#include <string>

namespace CommonTools {

// True when the camera address from the server's records is a host as an address may name
// it: an IPv4 literal ("10.0.0.8"), an IPv6 literal, bare or in brackets ("fe80::1",
// "[::1]"; no zone), or a host name (dot-separated labels of letters, digits and "-",
// none starting or ending with "-", the last not all digits). Anything else (a user
// part, a port, a path, a blank, "%") could point the player at another host or path.
bool is_camera_address(const std::string& ip);

// kind: 1 main stream, 2 sub-stream. brand: the camera brand code 1 to 4 (the value,
// not a digit character). User name and password are percent-encoded as the user
// information of a URL, so a password holding "@", "/", ":" or "%" cannot name another
// host or path; an IPv6 address goes in brackets, and the port is always 554. An address
// that is_camera_address refuses gives "", as does an unknown kind; an unknown brand
// gives the bare address for the main stream and "" for the sub-stream.
std::string build_rtsp_url(const std::string& ip, int kind, char brand, const std::string& user,
                           const std::string& password);

}  // namespace CommonTools

#pragma once
// The RTSP address of an IP camera's stream.
#include <string>

namespace CommonTools {

// kind: 1 main stream, 2 sub-stream. brand: the camera brand code 1 to 4 (the value,
// not a digit character). User name and password are percent-encoded as the user
// information of a URL, so a password holding "@", "/", ":" or "%" cannot name another
// host or path; every other part goes in as it is. An unknown kind
// gives ""; an unknown brand gives the bare address for the main stream and "" for
// the sub-stream.
std::string build_rtsp_url(const std::string& ip, int kind, char brand, const std::string& user,
                           const std::string& password);

}  // namespace CommonTools

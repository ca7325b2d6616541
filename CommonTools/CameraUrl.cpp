#include "CommonTools/CameraUrl.h"

#include <boost/asio/ip/address_v4.hpp>
#include <boost/asio/ip/address_v6.hpp>
#include <boost/system/error_code.hpp>

namespace CommonTools {

namespace {

const int kMainStream = 1;
const int kSubStream = 2;

struct BrandPaths {
  char brand;
  const char* mainStream;
  const char* subStream;
};

const BrandPaths kBrandPaths[] = {
    {1, "/cam/realmonitor?channel=1&subtype=0", "/cam/realmonitor?channel=1&subtype=1"},
    {2, "/h264/ch1/main/av_stream", "/h264/ch1/sub/av_stream"},
    {3, "/live/av0", "/live/av1"},
    {4, "/ch2", ""},
};

bool KeptInUserInfo(unsigned char c) {
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
  // The unreserved marks and the sub-delimiters; ":" is left out, it parts the user from the password.
  for (const char* k = "-._~!$&'()*+,;="; *k; ++k) {
    if (c == static_cast<unsigned char>(*k)) return true;
  }
  return false;
}

std::string EncodeUserInfo(const std::string& text) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (KeptInUserInfo(c)) {
      out += ch;
      continue;
    }
    out += '%';
    out += kHex[c >> 4];
    out += kHex[c & 0x0F];
  }
  return out;
}

const BrandPaths* FindBrand(char brand) {
  for (const BrandPaths& paths : kBrandPaths) {
    if (paths.brand == brand) return &paths;
  }
  return nullptr;
}

const std::string::size_type kLongestHostName = 253;
const std::string::size_type kLongestLabel = 63;

bool IsIpv4(const std::string& text) {
  boost::system::error_code ec;
  boost::asio::ip::make_address_v4(text, ec);
  return !ec;
}

// A zone ("%eth0") would need encoding in the address and names an interface of this
// machine: left out.
bool IsIpv6(const std::string& text) {
  if (text.empty() || text.find('%') != std::string::npos) return false;
  boost::system::error_code ec;
  boost::asio::ip::make_address_v6(text, ec);
  return !ec;
}

bool IsLabelChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
}

bool IsLabel(const std::string& label) {
  if (label.empty() || label.size() > kLongestLabel) return false;
  if (label.front() == '-' || label.back() == '-') return false;
  for (const char c : label) {
    if (!IsLabelChar(c)) return false;
  }
  return true;
}

bool AllDigits(const std::string& text) {
  return text.find_first_not_of("0123456789") == std::string::npos;
}

// An all-digit last label would make "10.0.0.256" a name instead of a wrong address.
bool IsHostName(const std::string& text) {
  if (text.empty() || text.size() > kLongestHostName) return false;
  std::string::size_type start = 0;
  std::string label;
  while (true) {
    const std::string::size_type dot = text.find('.', start);
    label = text.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
    if (!IsLabel(label)) return false;
    if (dot == std::string::npos) break;
    start = dot + 1;
  }
  return !AllDigits(label);
}

// The host as it goes between "@" and ":554"; "" when the address is refused.
std::string UrlHost(const std::string& ip) {
  if (IsIpv4(ip) || IsHostName(ip)) return ip;
  if (IsIpv6(ip)) return "[" + ip + "]";
  const bool bracketed = ip.size() > 2 && ip.front() == '[' && ip.back() == ']';
  if (bracketed && IsIpv6(ip.substr(1, ip.size() - 2))) return ip;
  return std::string();
}

}  // namespace

bool is_camera_address(const std::string& ip) { return !UrlHost(ip).empty(); }

std::string build_rtsp_url(const std::string& ip, int kind, char brand, const std::string& user,
                           const std::string& password) {
  if (kind != kMainStream && kind != kSubStream) return std::string();
  const std::string host = UrlHost(ip);
  if (host.empty()) return std::string();
  const std::string base = "rtsp://" + EncodeUserInfo(user) + ":" + EncodeUserInfo(password) + "@" + host + ":" + "554";
  const BrandPaths* paths = FindBrand(brand);
  if (!paths) return kind == kMainStream ? base : std::string();
  return base + (kind == kMainStream ? paths->mainStream : paths->subStream);
}

}  // namespace CommonTools

#include "CommonTools/CameraUrl.h"

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

}  // namespace

std::string build_rtsp_url(const std::string& ip, int kind, char brand, const std::string& user,
                           const std::string& password) {
  if (kind != kMainStream && kind != kSubStream) return std::string();
  const std::string base = "rtsp://" + EncodeUserInfo(user) + ":" + EncodeUserInfo(password) + "@" + ip + ":" + "554";
  const BrandPaths* paths = FindBrand(brand);
  if (!paths) return kind == kMainStream ? base : std::string();
  return base + (kind == kMainStream ? paths->mainStream : paths->subStream);
}

}  // namespace CommonTools

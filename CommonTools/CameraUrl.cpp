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
  const std::string base = "rtsp://" + user + ":" + password + "@" + ip + ":" + "554";
  const BrandPaths* paths = FindBrand(brand);
  if (!paths) return kind == kMainStream ? base : std::string();
  return base + (kind == kMainStream ? paths->mainStream : paths->subStream);
}

}  // namespace CommonTools

#include "data/DalExchange.h"

#include <cctype>
#include <climits>

#include "CommonTools/HttpHelper.h"

namespace dal {

// The transport rewrites the URL it is given, so it gets copies: taken by value, a URL
// or body built for the call is moved in rather than copied.
int Request(std::string url, std::string body, Verb verb, std::string& reply,
            std::uint64_t replyCap) {
  const int code = verb == Verb::Get ? CommonTools::http_helper::kGet : CommonTools::http_helper::kPost;
  return CommonTools::http_helper::instance()->request(url, body, code, reply, replyCap);
}

namespace {

constexpr std::uint64_t kMiB = 1ull << 20;

// Ten times the compact wire record (the largest of the demonstration school's, 10 to 20
// per cent more for the audit and device records made up to their longest fields) times
// the big school's count, rounded up to a power-of-two MiB figure.
struct KindCap {
  const char* path;
  std::uint64_t cap;
};
const KindCap kCaps[] = {
    {"api/InspectPlan/Get", 32 * kMiB},              // 245 B x 10,000 x 10 = 24.5 MB
    {"api/InspectRoute/Get", 16 * kMiB},             // 112 B x 10,000 x 10 = 11.2 MB
    {"api/InspectPositionDevice/Get", 32 * kMiB},    // 270 B x 10,000 x 10 = 27.0 MB
    {"api/InspectPeople/Get", 16 * kMiB},            // 121 B x 10,000 x 10 = 12.1 MB
    {"api/InspectDevice/Get", 32 * kMiB},            // 248 B x 10,000 x 10 = 24.8 MB
    {"api/Authority/Get", 32 * kMiB},                // 262 B x 10,000 x 10 = 26.2 MB
    {"api/DeviceRecord/Get", 192 * kMiB},            // 162 B x 100,000 x 10 = 162 MB
    {"api/InspectLog/Get", 256 * kMiB},              // 208 B x 100,000 x 10 = 208 MB
    {"api/InspectRecord/GetByDate", 256 * kMiB},     // visits of many runs at once
    {"api/InspectRecord/GetrecordRorDownLoad", 256 * kMiB},
};

}  // namespace

std::uint64_t ReplyCap(const std::string& path) {
  const std::string bare = path.substr(0, path.find('?'));
  for (const KindCap& kind : kCaps) {
    if (bare == kind.path) return kind.cap;
  }
  return CommonTools::http_helper::kDefaultReplyCap;
}

int ReplyToInt(const std::string& reply) {
  std::size_t i = 0;
  while (i < reply.size() && std::isspace(static_cast<unsigned char>(reply[i]))) ++i;
  bool negative = false;
  if (i < reply.size() && (reply[i] == '+' || reply[i] == '-')) {
    negative = reply[i] == '-';
    ++i;
  }
  long long value = 0;
  for (; i < reply.size() && std::isdigit(static_cast<unsigned char>(reply[i])); ++i) {
    value = value * 10 + (reply[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) break;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

}  // namespace dal

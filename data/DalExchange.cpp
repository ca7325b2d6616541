#include "data/DalExchange.h"

#include <cctype>
#include <climits>

#include "CommonTools/HttpHelper.h"

namespace dal {

// The transport rewrites the URL it is given, so it gets copies: taken by value, a URL
// or body built for the call is moved in rather than copied.
int Request(std::string url, std::string body, Verb verb, std::string& reply) {
  const int code = verb == Verb::Get ? CommonTools::http_helper::kGet : CommonTools::http_helper::kPost;
  return CommonTools::http_helper::instance()->request(url, body, code, reply);
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

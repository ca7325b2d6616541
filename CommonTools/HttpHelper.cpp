#include "CommonTools/HttpHelper.h"

#include <exception>
#include <memory>
#include <mutex>

#include <boost/exception/diagnostic_information.hpp>
#include <boost/throw_exception.hpp>

#include "CommonTools/Conversions.h"
#include "CommonTools/HttpInflate.h"
#include "CommonTools/HttpSession.h"
#include "platform/win32.h"

namespace CommonTools {

namespace http = boost::beast::http;

namespace {

// Audit logs and device records grow for ever, so replies may be far larger than the
// HTTP library's default of 8 MiB.
constexpr std::uint64_t kBodyLimit = 512ull * 1024 * 1024;

std::mutex g_instanceMutex;
http_helper* g_instance = nullptr;

// Code 2 for a failure at the connect step, 4 for any other. The reply takes the failure
// text ("<step>: <message>\n") when there is one.
int classify(const std::exception& e, std::string& reply) {
  const std::string info = boost::diagnostic_information(e);
  const std::string marker = "std::exception::what: ";
  const auto at = info.find(marker);
  if (at == std::string::npos) return 4;
  const std::string text = info.substr(at + marker.size());
  const auto colon = text.find(':');
  if (colon == std::string::npos) return 4;
  reply = text;
  return text.compare(0, colon, "connect") == 0 ? 2 : 4;
}

void inflate_response(http::response<http::string_body>& response) {
  const auto encoding = response.find(http::field::content_encoding);
  if (encoding == response.end()) return;
  const std::string coding(encoding->value());
  if (!is_inflatable_encoding(coding)) return;
  std::string error;
  if (!inflate_content(coding, response.body(), kBodyLimit, error)) {
    BOOST_THROW_EXCEPTION(std::logic_error(error));
  }
}

}  // namespace

bool split_url(const std::string& url, std::string& host, std::string& port) {
  std::string rest;
  if (url.find("http://") != std::string::npos) {
    rest = url.substr(7);
  } else if (url.find("https://") != std::string::npos) {
    rest = url.substr(8);
  } else {
    return false;
  }
  const std::string hostPart = rest.substr(0, rest.find('/'));
  const auto colon = hostPart.find(':');
  if (colon == std::string::npos) {
    host = hostPart;
    port = "80";
    return true;
  }
  host = hostPart.substr(0, colon);
  port = hostPart.substr(colon + 1);
  return true;
}

http_helper* http_helper::instance() {
  std::lock_guard<std::mutex> lock(g_instanceMutex);
  if (!g_instance) g_instance = new http_helper();
  return g_instance;
}

http_helper::http_helper() = default;

http_helper::~http_helper() {
  std::lock_guard<std::mutex> lock(g_instanceMutex);
  if (g_instance == this) g_instance = nullptr;
}

int http_helper::request(std::string& url, std::string& body, int verb, std::string& reply) {
  try {
    boost::asio::io_context io;
    std::string host;
    std::string port;
    if (!split_url(url, host, port)) {
      reply = "http_error_url，url为：" + url;
      return 1;
    }
    url = to_utf8(url, "gbk");
    auto exchange = std::make_shared<session>(io, std::chrono::milliseconds(m_connectLimitMs),
                                              std::chrono::milliseconds(m_readLimitMs),
                                              kBodyLimit);
    if (verb == kGet) {
      exchange->run(http::verb::get, host, port, url, m_version, std::string());
    } else if (verb == kPost) {
      exchange->run(http::verb::post, host, port, url, m_version, to_utf8(body, "gbk"));
    }
    io.run();
    inflate_response(exchange->response());
    reply = platform::codepage::Utf8ToGbk(exchange->response().body(),
                                          platform::codepage::Policy::Skip);
    return reply == "-1" ? -1 : 0;
  } catch (const std::exception& e) {
    return classify(e, reply);
  }
}

int http_helper::get(std::string& url, std::string& reply) {
  std::string body;
  return request(url, body, kGet, reply);
}

}  // namespace CommonTools


#include "CommonTools/HttpHelper.h"

#include <exception>
#include <memory>
#include <mutex>

#include "CommonTools/Conversions.h"
#include "CommonTools/HttpInflate.h"
#include "CommonTools/HttpSession.h"
#include "CommonTools/Log.h"
#include "CommonTools/SecretMask.h"
#include "platform/win32.h"

namespace CommonTools {

namespace http = boost::beast::http;

namespace {

std::mutex g_instanceMutex;
http_helper* g_instance = nullptr;

// Anything else that goes wrong on the way (running out of memory) counts as a failure of
// no step: code 4, and the reply takes the text when it reads like a failure text.
int classify_exception(const std::exception& e, std::string& reply) {
  const std::string text = e.what();
  if (text.find(':') != std::string::npos) reply = text + "\n";
  return 4;
}

// False with the failure text in `error` when the body was encoded and does not inflate.
bool inflate_response(http::response<http::string_body>& response, std::uint64_t cap,
                      std::string& error) {
  const auto encoding = response.find(http::field::content_encoding);
  if (encoding == response.end()) return true;
  const std::string coding(encoding->value());
  if (!is_inflatable_encoding(coding)) return true;
  return inflate_content(coding, response.body(), cap, error);
}

// What the log may name of a URL: its query can carry the user's token.
std::string without_query(const std::string& url) { return url.substr(0, url.find('?')); }

// The address becomes the request line and the Host header: a line break in it, from a
// base address or value of outside, would end them there and pass the rest off as
// headers of its own; a NUL would cut it short.
bool holds_line_break(const std::string& text) {
  return text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos;
}

int refuse_line_break(std::string& reply) {
  g_log.Write(3, "[http_helper]the address holds a line break: the request was not sent\n");
  reply = "request: the address holds a line break and was not sent\n";
  return 4;
}

int fail_over_cap(std::uint64_t cap, std::string& reply) {
  reply = "read: the reply is larger than its cap of " + std::to_string(cap) +
          " bytes and was refused\n";
  return 4;
}

}  // namespace

int classify(session_step step, const boost::system::error_code& error, std::string& reply) {
  reply = std::string(step_name(step)) + ": " + error.message() + "\n";
  if (step == session_step::connect) return 2;
  return step == session_step::deadline ? 3 : 4;
}

bool is_tls_url(const std::string& url) {
  return url.find("http://") == std::string::npos && url.find("https://") != std::string::npos;
}

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
    port = is_tls_url(url) ? "443" : "80";
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

std::shared_ptr<boost::asio::ssl::context> http_helper::tls_context() {
  std::lock_guard<std::mutex> lock(m_tlsMutex);
  if (!m_tls) {
    auto context = std::make_shared<boost::asio::ssl::context>(boost::asio::ssl::context::tls_client);
    context->set_options(boost::asio::ssl::context::default_workarounds |
                         boost::asio::ssl::context::no_sslv2 | boost::asio::ssl::context::no_sslv3);
    context->set_default_verify_paths();
    m_tls = context;
  }
  return m_tls;
}

bool http_helper::set_trusted_authorities(const std::string& pemFile) {
  auto context = std::make_shared<boost::asio::ssl::context>(boost::asio::ssl::context::tls_client);
  context->set_options(boost::asio::ssl::context::default_workarounds |
                       boost::asio::ssl::context::no_sslv2 | boost::asio::ssl::context::no_sslv3);
  boost::system::error_code ec;
  if (pemFile.empty()) {
    context->set_default_verify_paths(ec);
  } else {
    context->load_verify_file(pemFile, ec);
  }
  if (ec) return false;
  std::lock_guard<std::mutex> lock(m_tlsMutex);
  m_tls = context;
  return true;
}

http_helper::~http_helper() {
  std::lock_guard<std::mutex> lock(g_instanceMutex);
  if (g_instance == this) g_instance = nullptr;
}

int http_helper::request(std::string& url, std::string& body, int verb, std::string& reply,
                         std::uint64_t replyCap) {
  try {
    // Before anything else: even the reply to a wrong scheme, which callers log, would
    // carry the line break.
    if (holds_line_break(url)) return refuse_line_break(reply);
    std::string host;
    std::string port;
    if (!split_url(url, host, port)) {
      // Callers log the reply, and the query may carry the user's token.
      reply = "http_error_url，url为：" + mask_url(url);
      return 1;
    }
    // The event loop opens descriptors of its own: a refused URL does without it.
    boost::asio::io_context io;
    url = to_utf8(url, "gbk");
    const session::limits bounds{std::chrono::milliseconds(m_connectLimitMs),
                                 std::chrono::milliseconds(m_readLimitMs),
                                 std::chrono::milliseconds(m_deadlineMs), replyCap};
    // Held for the exchange: a change of trust meanwhile applies to the next one.
    const std::shared_ptr<boost::asio::ssl::context> tls = is_tls_url(url) ? tls_context() : nullptr;
    auto exchange = std::make_shared<session>(io, bounds, tls.get());
    if (verb == kGet) {
      exchange->run(http::verb::get, host, port, url, m_version, std::string());
    } else if (verb == kPost) {
      exchange->run(http::verb::post, host, port, url, m_version, to_utf8(body, "gbk"));
    }
    io.run();
    if (exchange->failed_step() == session_step::deadline) {
      g_log.Write(3, "[http_helper]%s gave up after its deadline of %lld ms\n",
                  without_query(url).c_str(), static_cast<long long>(bounds.deadline.count()));
    }
    if (exchange->failed_step() == session_step::handshake) {
      g_log.Write(3, "[http_helper]TLS with %s failed: %s\n", without_query(url).c_str(),
                  exchange->error().message().c_str());
    }
    if (exchange->error() == http::error::body_limit) return fail_over_cap(replyCap, reply);
    if (exchange->failed_step() != session_step::none) {
      return classify(exchange->failed_step(), exchange->error(), reply);
    }
    std::string inflateError;
    if (!inflate_response(exchange->response(), replyCap, inflateError)) {
      reply = inflateError + "\n";
      return 4;
    }
    reply = platform::codepage::Utf8ToGbk(exchange->response().body(),
                                          platform::codepage::Policy::Skip);
    return reply == "-1" ? -1 : 0;
  } catch (const std::exception& e) {
    return classify_exception(e, reply);
  }
}

int http_helper::get(std::string& url, std::string& reply) {
  std::string body;
  return request(url, body, kGet, reply);
}

}  // namespace CommonTools


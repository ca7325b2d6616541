#pragma once
// The state of one HTTP exchange of the REST transport: resolve, then connect, for an
// "https://" address make the TLS handshake, write the request, read the whole response
// and shut the socket down, as a chain of completion handlers on the caller's event loop.
// A failed step is kept with its error and starts no further work, so the event loop runs
// out and the caller reads what failed. Always owned through a shared pointer: each
// pending handler holds one.
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/ssl/context.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/tcp_stream.hpp>
#include <boost/beast/http/message.hpp>
#include <boost/beast/http/parser.hpp>
#include <boost/beast/http/string_body.hpp>
#include <boost/beast/ssl/ssl_stream.hpp>
#include <boost/system/error_code.hpp>

#include "CommonTools/SessionStep.h"

namespace CommonTools {

class session : public std::enable_shared_from_this<session> {
 public:
  // The limits of one exchange. The connect limit bounds connecting; the read limit bounds
  // each wait for the server while the request is written and the response read; the
  // deadline bounds the whole exchange, so a server that trickles its reply a byte at a
  // time cannot hold the caller for longer.
  struct limits {
    std::chrono::milliseconds connect;
    std::chrono::milliseconds read;
    std::chrono::milliseconds deadline;
    std::uint64_t body;
  };

  // With `tls`, the exchange speaks TLS through that context and accepts the server only
  // with a certificate valid for the host it was asked for; nothing goes out in plain text.
  session(boost::asio::io_context& io, const limits& bounds, boost::asio::ssl::context* tls);

  void run(boost::beast::http::verb verb, const std::string& host, const std::string& port,
           const std::string& target, int version, std::string body);

  // The response once the event loop has run out of work.
  const boost::beast::http::response<boost::beast::http::string_body>& response() const {
    return m_response;
  }
  boost::beast::http::response<boost::beast::http::string_body>& response() { return m_response; }

  // The step that failed and its error; session_step::none while no step has failed.
  session_step failed_step() const { return m_failedStep; }
  const boost::system::error_code& error() const { return m_error; }

 private:
  using tls_stream = boost::beast::ssl_stream<boost::beast::tcp_stream>;

  boost::beast::tcp_stream& socket_stream();
  // Calls `step` with the stream the HTTP messages go through.
  template <class Step>
  void with_stream(Step&& step) {
    if (m_tls) {
      step(*m_tls);
    } else {
      step(*m_plain);
    }
  }

  void fail(const boost::system::error_code& ec, session_step step);
  void on_resolve(const boost::system::error_code& ec,
                  const boost::asio::ip::tcp::resolver::results_type& results);
  void on_connect(const boost::system::error_code& ec);
  bool prepare_tls();
  void on_handshake(const boost::system::error_code& ec);
  void write_request();
  void on_write(const boost::system::error_code& ec);
  void read_some();
  void on_read_some(const boost::system::error_code& ec);
  void shutdown();
  void on_deadline();
  void finish();

  boost::asio::ip::tcp::resolver m_resolver;
  std::optional<boost::beast::tcp_stream> m_plain;
  std::optional<tls_stream> m_tls;
  boost::asio::steady_timer m_deadline;
  std::string m_host;
  boost::beast::flat_buffer m_buffer;
  boost::beast::http::request<boost::beast::http::string_body> m_request;
  boost::beast::http::response<boost::beast::http::string_body> m_response;
  std::optional<boost::beast::http::response_parser<boost::beast::http::string_body>> m_parser;
  limits m_limits;
  bool m_expired = false;
  session_step m_failedStep = session_step::none;
  boost::system::error_code m_error;
};

}  // namespace CommonTools

#include "CommonTools/HttpSession.h"

#include <openssl/err.h>
#include <openssl/ssl.h>

#include <boost/asio/ssl/error.hpp>
#include <boost/asio/ssl/host_name_verification.hpp>
#include <boost/beast/http/read.hpp>
#include <boost/beast/http/write.hpp>

namespace CommonTools {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = asio::ip::tcp;

namespace {

// What the server is told it talks to; fixed, whatever the library's own version text.
const char kUserAgent[] = "Boost.Beast/144";

constexpr std::size_t kReadChunk = 64 * 1024;

}  // namespace

session::session(asio::io_context& io, const limits& bounds, asio::ssl::context* tls)
    : m_resolver(io), m_deadline(io), m_limits(bounds) {
  if (tls) {
    m_tls.emplace(io, *tls);
  } else {
    m_plain.emplace(io);
  }
}

beast::tcp_stream& session::socket_stream() { return m_tls ? beast::get_lowest_layer(*m_tls) : *m_plain; }

void session::run(http::verb verb, const std::string& host, const std::string& port,
                  const std::string& target, int version, std::string body) {
  m_host = host;
  m_request.version(version);
  m_request.method(verb);
  m_request.target(target);
  m_request.set(http::field::host, host);
  m_request.set(http::field::user_agent, kUserAgent);
  if (verb == http::verb::post) {
    m_request.set(http::field::content_length, std::to_string(body.size()));
    m_request.set(http::field::accept_encoding, "gzip, deflate");
    m_request.set(http::field::content_type, "application/json");
    m_request.body() = std::move(body);
  }
  m_deadline.expires_after(m_limits.deadline);
  m_deadline.async_wait([self = shared_from_this()](const boost::system::error_code& e) {
    if (!e) self->on_deadline();
  });
  // Resolved on the calling thread, which waits for the whole exchange anyway: the
  // event loop's asynchronous resolve would start a thread of its own for every request.
  // Numeric hosts must resolve even where no address but the loopback one is configured,
  // so the resolver is not asked to filter by configured addresses.
  boost::system::error_code ec;
  const auto results = m_resolver.resolve(host, port, tcp::resolver::flags(), ec);
  on_resolve(ec, results);
}

// The stream cancels its expiry timer as each operation completes, and the deadline is
// cancelled here, so nothing is left pending once a step stops the chain. An operation
// that the deadline cut short reports its abort: the deadline is what failed.
void session::fail(const boost::system::error_code& ec, session_step step) {
  m_failedStep = m_expired ? session_step::deadline : step;
  m_error = m_expired ? boost::system::error_code(asio::error::timed_out) : ec;
  finish();
}

void session::finish() { m_deadline.cancel(); }

// The pending step completes with "operation aborted" and the chain stops there.
void session::on_deadline() {
  if (m_failedStep != session_step::none) return;
  m_expired = true;
  socket_stream().cancel();
}

void session::on_resolve(const boost::system::error_code& ec,
                         const tcp::resolver::results_type& results) {
  if (ec) {
    fail(ec, session_step::resolve);
    return;
  }
  socket_stream().expires_after(m_limits.connect);
  socket_stream().async_connect(results, [self = shared_from_this()](const boost::system::error_code& e,
                                                              const tcp::endpoint&) {
    self->on_connect(e);
  });
}

void session::on_connect(const boost::system::error_code& ec) {
  if (ec || m_expired) {
    fail(ec, session_step::connect);
    return;
  }
  if (!m_tls) {
    write_request();
    return;
  }
  if (!prepare_tls()) return;
  socket_stream().expires_after(m_limits.read);
  m_tls->async_handshake(asio::ssl::stream_base::client,
                         [self = shared_from_this()](const boost::system::error_code& e) {
                           self->on_handshake(e);
                         });
}

// The name goes out for the server to pick its certificate (a bare address is not a name
// and is left out), and the certificate must be valid for the host the URL names.
bool session::prepare_tls() {
  boost::system::error_code ec;
  asio::ip::make_address(m_host, ec);
  const bool isAddress = !ec;
  if (!isAddress && !SSL_set_tlsext_host_name(m_tls->native_handle(), m_host.c_str())) {
    fail(boost::system::error_code(static_cast<int>(::ERR_get_error()), asio::error::get_ssl_category()),
         session_step::handshake);
    return false;
  }
  m_tls->set_verify_mode(asio::ssl::verify_peer, ec);
  if (!ec) m_tls->set_verify_callback(asio::ssl::host_name_verification(m_host), ec);
  if (ec) {
    fail(ec, session_step::handshake);
    return false;
  }
  return true;
}

void session::on_handshake(const boost::system::error_code& ec) {
  if (ec || m_expired) {
    fail(ec, session_step::handshake);
    return;
  }
  write_request();
}

void session::write_request() {
  socket_stream().expires_after(m_limits.read);
  with_stream([this](auto& stream) {
    http::async_write(stream, m_request,
                      [self = shared_from_this()](const boost::system::error_code& e, std::size_t) {
                        self->on_write(e);
                      });
  });
}

void session::on_write(const boost::system::error_code& ec) {
  if (ec || m_expired) {
    fail(ec, session_step::write);
    return;
  }
  m_parser.emplace();
  m_parser->body_limit(m_limits.body);
  // The library reads as much as the buffer has room for, at least 512 bytes: an empty
  // buffer would take a large reply 512 bytes, one poll, one read and one timer update
  // at a time.
  m_buffer.reserve(kReadChunk);
  read_some();
}

// Each wait for the server is bounded on its own, so a large reply that keeps arriving
// is never cut, while a server that goes quiet is.
void session::read_some() {
  socket_stream().expires_after(m_limits.read);
  with_stream([this](auto& stream) {
    http::async_read_some(stream, m_buffer, *m_parser,
                          [self = shared_from_this()](const boost::system::error_code& e,
                                                      std::size_t) { self->on_read_some(e); });
  });
}

void session::on_read_some(const boost::system::error_code& ec) {
  if (ec || m_expired) {
    fail(ec, session_step::read);
    return;
  }
  if (!m_parser->is_done()) {
    read_some();
    return;
  }
  m_response = m_parser->release();
  shutdown();
}

void session::shutdown() {
  finish();
  socket_stream().expires_never();
  // A TLS close notification would wait on the server once more: the reply is complete,
  // so the connection is simply closed, as for plain HTTP.
  boost::system::error_code ec;
  socket_stream().socket().shutdown(tcp::socket::shutdown_both, ec);
  if (ec && ec != boost::system::errc::not_connected) fail(ec, session_step::shutdown);
}

}  // namespace CommonTools

#include "testing/http/FakeTlsServer.h"

#include <chrono>
#include <memory>

#include <boost/asio/ssl/stream.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/tcp_stream.hpp>
#include <boost/beast/http/read.hpp>
#include <boost/beast/http/string_body.hpp>
#include <boost/beast/http/write.hpp>
#include <boost/beast/ssl/ssl_stream.hpp>

namespace test_support {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using asio::ip::tcp;
using boost::system::error_code;

namespace {

// A client that stops talking is dropped after this, so the server never waits for good.
constexpr std::chrono::seconds kConnectionLimit{10};

class TlsConnection : public std::enable_shared_from_this<TlsConnection> {
 public:
  TlsConnection(tcp::socket socket, asio::ssl::context& tls, const std::string& body,
                std::atomic<std::size_t>& requests)
      : stream_(std::move(socket), tls), body_(body), requests_(requests) {}

  void start() {
    beast::get_lowest_layer(stream_).expires_after(kConnectionLimit);
    stream_.async_handshake(asio::ssl::stream_base::server, [self = shared_from_this()](error_code ec) {
      if (!ec) self->read();
    });
  }

 private:
  void read() {
    http::async_read(stream_, buffer_, request_, [self = shared_from_this()](error_code ec, std::size_t) {
      if (ec) return;
      ++self->requests_;
      self->answer();
    });
  }

  void answer() {
    response_.result(http::status::ok);
    response_.version(11);
    response_.set(http::field::content_type, "text/plain; charset=utf-8");
    response_.keep_alive(false);
    response_.body() = body_;
    response_.prepare_payload();
    http::async_write(stream_, response_, [self = shared_from_this()](error_code, std::size_t) {
      error_code ignored;
      beast::get_lowest_layer(self->stream_).socket().shutdown(tcp::socket::shutdown_both, ignored);
    });
  }

  beast::ssl_stream<beast::tcp_stream> stream_;
  const std::string& body_;
  std::atomic<std::size_t>& requests_;
  beast::flat_buffer buffer_;
  http::request<http::string_body> request_;
  http::response<http::string_body> response_;
};

}  // namespace

FakeTlsServer::FakeTlsServer(const std::string& certificateFile, const std::string& keyFile, std::string body)
    : work_(asio::make_work_guard(io_)),
      tls_(asio::ssl::context::tls_server),
      acceptor_(io_, tcp::endpoint(asio::ip::make_address("127.0.0.1"), 0)),
      body_(std::move(body)) {
  tls_.use_certificate_chain_file(certificateFile);
  tls_.use_private_key_file(keyFile, asio::ssl::context::pem);
  port_ = acceptor_.local_endpoint().port();
  accept();
  thread_ = std::thread([this] { io_.run(); });
}

FakeTlsServer::~FakeTlsServer() {
  work_.reset();
  io_.stop();
  if (thread_.joinable()) thread_.join();
}

void FakeTlsServer::accept() {
  acceptor_.async_accept([this](error_code ec, tcp::socket socket) {
    if (ec) return;
    std::make_shared<TlsConnection>(std::move(socket), tls_, body_, requests_)->start();
    accept();
  });
}

}  // namespace test_support

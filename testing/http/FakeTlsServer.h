#pragma once
// An HTTPS server on 127.0.0.1 (an ephemeral port) for the transports' TLS tests: it
// presents the certificate it is given, answers every request that arrives over TLS with
// one fixed body, and counts the requests it read. A client that never completes the
// handshake is dropped without a request counted. Runs on a thread of its own.
#include <atomic>
#include <cstddef>
#include <string>
#include <thread>

#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/ssl/context.hpp>

namespace test_support {

class FakeTlsServer {
 public:
  // PEM files of the certificate chain and its private key.
  FakeTlsServer(const std::string& certificateFile, const std::string& keyFile, std::string body);
  ~FakeTlsServer();
  FakeTlsServer(const FakeTlsServer&) = delete;
  FakeTlsServer& operator=(const FakeTlsServer&) = delete;

  unsigned short port() const { return port_; }
  // Requests read whole over TLS.
  std::size_t request_count() const { return requests_; }

 private:
  void accept();

  boost::asio::io_context io_;
  boost::asio::executor_work_guard<boost::asio::io_context::executor_type> work_;
  boost::asio::ssl::context tls_;
  boost::asio::ip::tcp::acceptor acceptor_;
  unsigned short port_ = 0;
  std::string body_;
  std::atomic<std::size_t> requests_{0};
  std::thread thread_;
};

}  // namespace test_support

#include "testing/http/FakeHttpServer.h"

#include <memory>

#include <boost/asio/strand.hpp>

#include "testing/http/FakeHttpConnection.h"

namespace test_support {

namespace asio = boost::asio;
using asio::ip::tcp;

FakeHttpServer::FakeHttpServer(unsigned short port)
    : work_(asio::make_work_guard(io_)),
      acceptor_(io_, tcp::endpoint(asio::ip::make_address("127.0.0.1"), port)) {
  port_ = acceptor_.local_endpoint().port();
  accept();
  threads_.emplace_back([this] { run(); });
}

FakeHttpServer::~FakeHttpServer() {
  stop();
  // Destroying the pending handlers releases the connections and closes their sockets.
}

void FakeHttpServer::stop() {
  work_.reset();
  io_.stop();
  for (std::thread& thread : threads_) {
    if (thread.joinable()) thread.join();
  }
}

void FakeHttpServer::serve_on(std::size_t threads) {
  while (threads_.size() < threads) threads_.emplace_back([this] { run(); });
}

std::string FakeHttpServer::base_url() const {
  return "http://127.0.0.1:" + std::to_string(port_) + "/";
}

void FakeHttpServer::route(const std::string& method, const std::string& path,
                           HttpReply reply) {
  routes_.add_exact(method, path, [reply](const RecordedRequest&) { return reply; });
}

void FakeHttpServer::route(const std::string& method, const std::string& path,
                           HttpHandler handler) {
  routes_.add_exact(method, path, std::move(handler));
}

void FakeHttpServer::route_prefix(const std::string& method, const std::string& prefix,
                                  HttpHandler handler) {
  routes_.add_prefix(method, prefix, std::move(handler));
}

void FakeHttpServer::set_fallback(HttpReply reply) {
  routes_.set_fallback([reply](const RecordedRequest&) { return reply; });
}

void FakeHttpServer::set_limits(ServerLimits limits) {
  std::lock_guard<std::mutex> lock(limits_mutex_);
  limits_ = limits;
}

// Each connection on a strand of its own: its reads, writes and timers never run at once,
// whatever number of threads serve.
void FakeHttpServer::accept() {
  acceptor_.async_accept(asio::make_strand(io_), [this](boost::system::error_code ec, tcp::socket socket) {
    if (ec) {
      if (ec != asio::error::operation_aborted) accept();
      return;
    }
    ServerLimits limits;
    {
      std::lock_guard<std::mutex> lock(limits_mutex_);
      limits = limits_;
    }
    std::make_shared<FakeHttpConnection>(std::move(socket), routes_, log_, limits)->start();
    accept();
  });
}

void FakeHttpServer::run() {
  for (;;) {
    try {
      io_.run();
      return;
    } catch (...) {
      // A handler that throws must not take the server down with it.
    }
  }
}

}  // namespace test_support

#pragma once
// An HTTP/1.1 server on 127.0.0.1 (an ephemeral port unless told one), run on a thread of its own
// (or several, see serve_on), that tests use in place of the patrol server and the campus services. It answers by route
// with canned replies or handlers, can be scripted to misbehave, answers
// "Expect: 100-continue", and records every request as it arrived. Every connection is
// answered or closed within its bounds (ServerLimits), so no client waits on it for good.
#include <cstddef>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>

#include "testing/http/HttpReply.h"
#include "testing/http/RecordedRequest.h"
#include "testing/http/RequestLog.h"
#include "testing/http/RouteTable.h"
#include "testing/http/ServerLimits.h"

namespace test_support {

class FakeHttpServer {
 public:
  // Port 0 takes any free port; a fixed one serves a stand-alone program.
  explicit FakeHttpServer(unsigned short port = 0);
  ~FakeHttpServer();
  FakeHttpServer(const FakeHttpServer&) = delete;
  FakeHttpServer& operator=(const FakeHttpServer&) = delete;

  unsigned short port() const { return port_; }
  // "http://127.0.0.1:<port>/"
  std::string base_url() const;

  // Routes match the method and the target's path without its query; see RouteTable.
  void route(const std::string& method, const std::string& path, HttpReply reply);
  void route(const std::string& method, const std::string& path, HttpHandler handler);
  void route_prefix(const std::string& method, const std::string& prefix, HttpHandler handler);
  void set_fallback(HttpReply reply);

  // Applies to connections accepted from now on.
  void set_limits(ServerLimits limits);

  // Answers on this many threads in all (at least the one it starts with), so that
  // requests on different connections are answered at once, as a real server does; the
  // requests of one connection stay in turn. The routes' handlers must then be safe to
  // call from several threads at once. A test that scripts a handler by hand keeps the
  // one thread unless it means otherwise.
  void serve_on(std::size_t threads);

  // Stops serving and waits until no handler runs any more, so that whatever the
  // routes reach can go; the destructor stops too. Idempotent.
  void stop();

  std::vector<RecordedRequest> requests() const { return log_.all(); }
  std::size_t request_count() const { return log_.count(); }
  void clear_requests() { log_.clear(); }

 private:
  void accept();
  void run();

  boost::asio::io_context io_;
  boost::asio::executor_work_guard<boost::asio::io_context::executor_type> work_;
  boost::asio::ip::tcp::acceptor acceptor_;
  unsigned short port_ = 0;
  RouteTable routes_;
  RequestLog log_;
  mutable std::mutex limits_mutex_;
  ServerLimits limits_;
  std::vector<std::thread> threads_;
};

}  // namespace test_support

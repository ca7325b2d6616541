#pragma once
// One client connection of the test server: reads requests one after another, records each
// as it arrived, and answers (or misbehaves) as the route says. Runs on a strand of
// its own among the server's threads.
#include <array>
#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/http/parser.hpp>
#include <boost/beast/http/string_body.hpp>

#include "testing/http/HttpReply.h"
#include "testing/http/RecordedRequest.h"
#include "testing/http/RequestLog.h"
#include "testing/http/RouteTable.h"
#include "testing/http/ServerLimits.h"

namespace test_support {

class FakeHttpConnection : public std::enable_shared_from_this<FakeHttpConnection> {
 public:
  FakeHttpConnection(boost::asio::ip::tcp::socket socket, const RouteTable& routes,
                     RequestLog& log, ServerLimits limits);
  void start();

 private:
  using Parser = boost::beast::http::request_parser<boost::beast::http::string_body>;

  void begin_request();
  void read_more();
  void process();
  bool feed();
  bool wants_continue() const;
  void send_continue();
  void finish_request();
  RecordedRequest take_request();
  void act(const HttpReply& reply);
  void write(std::string bytes, bool close_after);
  void start_trickle(const HttpReply& reply);
  void trickle(std::shared_ptr<const std::string> body, std::size_t sent,
               std::chrono::milliseconds every);
  void close();

  boost::asio::ip::tcp::socket socket_;
  const RouteTable& routes_;
  RequestLog& log_;
  ServerLimits limits_;
  boost::asio::steady_timer deadline_;
  boost::asio::steady_timer delay_;
  std::array<char, 16384> chunk_{};
  std::string input_;
  std::size_t consumed_ = 0;
  std::optional<Parser> parser_;
  std::string raw_head_;
  bool continue_sent_ = false;
  bool keep_alive_ = true;
  bool closed_ = false;
};

}  // namespace test_support

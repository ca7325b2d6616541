#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>

#include <boost/asio/connect.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/read.hpp>
#include <boost/asio/write.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/http/dynamic_body.hpp>
#include <boost/beast/http/read.hpp>
#include <boost/beast/http/string_body.hpp>

#include "testing/http/FakeHttpServer.h"

namespace {

using namespace std::chrono_literals;
using test_support::FakeHttpServer;
using test_support::HttpReply;
using test_support::RecordedRequest;
namespace asio = boost::asio;
namespace http = boost::beast::http;

// A client that writes exactly the bytes given, so the tests see what the server makes of
// them; it relies on the server's own bounds to never wait for good.
class RawClient {
 public:
  explicit RawClient(unsigned short port) : socket_(io_) {
    socket_.connect({asio::ip::make_address("127.0.0.1"), port});
  }
  void send(const std::string& bytes) { asio::write(socket_, asio::buffer(bytes)); }
  // Everything the server sends until it closes the connection.
  std::string read_to_end() {
    std::string all;
    boost::system::error_code ec;
    char chunk[4096];
    for (;;) {
      const std::size_t n = socket_.read_some(asio::buffer(chunk), ec);
      all.append(chunk, n);
      if (ec) return all;
    }
  }
  std::string read_exactly(std::size_t size) {
    std::string bytes(size, '\0');
    boost::system::error_code ec;
    const std::size_t n = asio::read(socket_, asio::buffer(&bytes[0], size), ec);
    bytes.resize(n);
    return bytes;
  }
  http::response<http::string_body> read_response() {
    http::response<http::string_body> response;
    http::read(socket_, buffer_, response);
    return response;
  }

 private:
  asio::io_context io_;
  asio::ip::tcp::socket socket_;
  boost::beast::flat_buffer buffer_;
};

TEST(FakeHttpServer, RecordsTheRequestAsItArrived) {
  FakeHttpServer server;
  server.route("POST", "/api/\xE6\xB5\x8B", HttpReply(201, "made"));
  const std::string head =
      "POST http://127.0.0.1:" + std::to_string(server.port()) +
      "/api/\xE6\xB5\x8B?id=7&x=a:b HTTP/1.1\r\n"
      "host: 127.0.0.1\r\n"
      "X-Second: two\r\n"
      "Content-Length: 5\r\n"
      "X-Second: again\r\n"
      "Connection: close\r\n"
      "\r\n";
  RawClient client(server.port());
  client.send(head + std::string("a\0b\r\n", 5));
  const std::string answer = client.read_to_end();

  EXPECT_EQ(answer.substr(0, answer.find("\r\n")), "HTTP/1.1 201 Created");
  ASSERT_EQ(server.request_count(), 1u);
  const RecordedRequest request = server.requests().front();
  EXPECT_EQ(request.raw_head, head);
  EXPECT_EQ(request.request_line, head.substr(0, head.find("\r\n")));
  EXPECT_EQ(request.method, "POST");
  EXPECT_EQ(request.target, "http://127.0.0.1:" + std::to_string(server.port()) +
                                "/api/\xE6\xB5\x8B?id=7&x=a:b");
  EXPECT_EQ(request.path(), "/api/\xE6\xB5\x8B");
  EXPECT_EQ(request.version, "HTTP/1.1");
  const std::vector<std::pair<std::string, std::string>> headers = {
      {"host", "127.0.0.1"}, {"X-Second", "two"}, {"Content-Length", "5"},
      {"X-Second", "again"}, {"Connection", "close"}};
  EXPECT_EQ(request.headers, headers);
  EXPECT_EQ(request.header("HOST"), "127.0.0.1");
  EXPECT_EQ(request.header("x-second"), "two");
  EXPECT_FALSE(request.has_header("Content-Type"));
  EXPECT_EQ(request.body, std::string("a\0b\r\n", 5));
}

TEST(FakeHttpServer, DecodesAChunkedBody) {
  FakeHttpServer server;
  RawClient client(server.port());
  client.send(
      "PUT /c HTTP/1.1\r\nHost: h\r\nTransfer-Encoding: chunked\r\nConnection: close\r\n\r\n"
      "3\r\nabc\r\n2\r\nde\r\n0\r\n\r\n");
  client.read_to_end();
  ASSERT_EQ(server.request_count(), 1u);
  EXPECT_EQ(server.requests().front().body, "abcde");
}

TEST(FakeHttpServer, SplitsMultipartPartsInOrder) {
  FakeHttpServer server;
  const std::string body =
      "--XyZ\r\n"
      "Content-Disposition: form-data; name=\"chunk\"\r\n\r\n"
      "0\r\n"
      "--XyZ\r\n"
      "Content-Disposition: form-data; name=\"name\"\r\n\r\n"
      "\r\n"
      "--XyZ\r\n"
      "Content-Disposition: form-data; name=\"file\"; filename=\"\xD5\xD5\xC6\xAC.jpg\"\r\n"
      "Content-Type: image/jpeg\r\n\r\n"
      "\xFF\xD8--XyZ\r\n\xFF\xD9\r\n"
      "--XyZ--\r\n";
  RawClient client(server.port());
  client.send("POST /Upload.ashx HTTP/1.1\r\nHost: h\r\nConnection: close\r\n"
              "Content-Type: multipart/form-data; charset=UTF-8; boundary=\"XyZ\"\r\n"
              "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body);
  client.read_to_end();

  ASSERT_EQ(server.request_count(), 1u);
  const auto parts = server.requests().front().parts;
  ASSERT_EQ(parts.size(), 3u);
  EXPECT_EQ(parts[0].name, "chunk");
  EXPECT_EQ(parts[0].body, "0");
  EXPECT_FALSE(parts[0].has_filename);
  EXPECT_EQ(parts[1].name, "name");
  EXPECT_EQ(parts[1].body, "");
  EXPECT_EQ(parts[2].name, "file");
  EXPECT_TRUE(parts[2].has_filename);
  EXPECT_EQ(parts[2].filename, "\xD5\xD5\xC6\xAC.jpg");
  EXPECT_EQ(parts[2].content_type, "image/jpeg");
  EXPECT_EQ(parts[2].body, "\xFF\xD8--XyZ\r\n\xFF\xD9");
  EXPECT_EQ(parts[2].headers.size(), 2u);
}

TEST(FakeHttpServer, RoutesByMethodAndPath) {
  FakeHttpServer server;
  server.route("GET", "/api/x", HttpReply(200, "exact get"));
  server.route("POST", "/api/x", HttpReply(200, "exact post"));
  server.route_prefix("GET", "/api/", [](const RecordedRequest& r) {
    return HttpReply(200, "short prefix " + r.target);
  });
  server.route_prefix("GET", "/api/long/", [](const RecordedRequest&) {
    return HttpReply(200, "long prefix");
  });
  struct Case {
    const char* method;
    const char* target;
    unsigned status;
    std::string body;
  } cases[] = {
      {"GET", "/api/x", 200, "exact get"},
      {"GET", "/api/x?q=1", 200, "exact get"},
      {"POST", "/api/x", 200, "exact post"},
      {"GET", "/api/y?z", 200, "short prefix /api/y?z"},
      {"GET", "/api/long/z", 200, "long prefix"},
      {"POST", "/api/y", 404, "not found"},
      {"GET", "/other", 404, "not found"},
  };
  for (const Case& c : cases) {
    RawClient client(server.port());
    client.send(std::string(c.method) + " " + c.target +
                " HTTP/1.1\r\nHost: h\r\nContent-Length: 0\r\n\r\n");
    const auto response = client.read_response();
    EXPECT_EQ(response.result_int(), c.status) << c.method << " " << c.target;
    EXPECT_EQ(response.body(), c.body) << c.method << " " << c.target;
  }
}

TEST(FakeHttpServer, AnswersSeveralRequestsOnOneConnection) {
  FakeHttpServer server;
  server.route("GET", "/a", HttpReply(200, "first"));
  server.route("GET", "/b", HttpReply(200, "second").with_header("Content-Encoding", "gzip"));
  RawClient client(server.port());
  client.send("GET /a HTTP/1.1\r\nHost: h\r\n\r\nGET /b HTTP/1.1\r\nHost: h\r\n\r\n");
  const auto first = client.read_response();
  const auto second = client.read_response();
  EXPECT_EQ(first.body(), "first");
  EXPECT_EQ(second.body(), "second");
  EXPECT_EQ(second[http::field::content_encoding], "gzip");
  EXPECT_EQ(server.request_count(), 2u);
}

TEST(FakeHttpServer, AnswersExpectContinueBeforeTheBody) {
  FakeHttpServer server;
  server.route("POST", "/up", HttpReply(200, "stored"));
  RawClient client(server.port());
  client.send("POST /up HTTP/1.1\r\nHost: h\r\nExpect: 100-continue\r\nContent-Length: 4\r\n"
              "Connection: close\r\n\r\n");
  const std::string interim = "HTTP/1.1 100 Continue\r\n\r\n";
  EXPECT_EQ(client.read_exactly(interim.size()), interim);
  client.send("data");
  const std::string answer = client.read_to_end();
  EXPECT_EQ(answer.substr(answer.size() - 6), "stored");
  ASSERT_EQ(server.request_count(), 1u);
  EXPECT_EQ(server.requests().front().body, "data");
}

// On several threads the connection's timers and reads could otherwise meet.
TEST(FakeHttpServer, MisbehavesAsScriptedAndAlwaysEnds) {
  for (std::size_t threads : {1u, 4u}) {
    SCOPED_TRACE(std::to_string(threads) + " serving threads");
    FakeHttpServer server;
    server.serve_on(threads);
    test_support::ServerLimits limits;
    limits.max_delay = 20ms;
    limits.request_limit = 50ms;
    server.set_limits(limits);
    server.route("GET", "/close", HttpReply::close_without_answer());
    server.route("GET", "/slow", HttpReply(200, "late").after(std::chrono::hours(1)));
    server.route("GET", "/cut", HttpReply(200, "0123456789").misbehave(
                                     HttpReply::Misbehaviour::CloseMidBody));
    struct Case {
      const char* what;
      std::string request;
      std::string expected_tail;
    } cases[] = {
        {"closed without answer", "GET /close HTTP/1.1\r\nHost: h\r\n\r\n", ""},
        {"delay cut to the limit", "GET /slow HTTP/1.1\r\nHost: h\r\nConnection: close\r\n\r\n",
         "\r\n\r\nlate"},
        {"half the body", "GET /cut HTTP/1.1\r\nHost: h\r\n\r\n", "Content-Length: 10\r\n"
                                                                 "Connection: close\r\n\r\n01234"},
        {"request never finished", "GET /slow HTTP/1.1\r\nHost: h\r\nX-Never", ""},
    };
    for (const Case& c : cases) {
      RawClient client(server.port());
      client.send(c.request);
      const std::string answer = client.read_to_end();
      ASSERT_GE(answer.size(), c.expected_tail.size()) << c.what;
      EXPECT_EQ(answer.substr(answer.size() - c.expected_tail.size()), c.expected_tail) << c.what;
      if (c.expected_tail.empty()) {
        EXPECT_EQ(answer, "") << c.what;
      }
    }
    EXPECT_EQ(server.request_count(), 3u);
  }
}

// A handler that holds its answer until a request on another connection has been
// answered: served in turn, the second request would wait behind the first until its bound.
TEST(FakeHttpServer, AnswersConnectionsAtOnceWhenServingOnSeveralThreads) {
  FakeHttpServer server;
  server.serve_on(2);
  std::mutex mutex;
  std::condition_variable changed;
  bool released = false;
  server.route("GET", "/hold", [&](const RecordedRequest&) {
    std::unique_lock<std::mutex> lock(mutex);
    const bool met = changed.wait_for(lock, 20s, [&] { return released; });
    return HttpReply(200, met ? "met" : "never met");
  });
  server.route("GET", "/release", [&](const RecordedRequest&) {
    {
      std::lock_guard<std::mutex> lock(mutex);
      released = true;
    }
    changed.notify_all();
    return HttpReply(200, "released");
  });
  RawClient holding(server.port());
  holding.send("GET /hold HTTP/1.1\r\nHost: h\r\n\r\n");
  while (server.request_count() == 0) std::this_thread::yield();
  RawClient releasing(server.port());
  releasing.send("GET /release HTTP/1.1\r\nHost: h\r\n\r\n");
  EXPECT_EQ(releasing.read_response().body(), "released");
  EXPECT_EQ(holding.read_response().body(), "met");
}

TEST(FakeHttpServer, StopsWhileAClientWaitsForAnAnswer) {
  std::unique_ptr<RawClient> client;
  {
    FakeHttpServer server;
    server.route("GET", "/slow", HttpReply(200, "late").after(std::chrono::hours(1)));
    client = std::make_unique<RawClient>(server.port());
    client->send("GET /slow HTTP/1.1\r\nHost: h\r\n\r\n");
    while (server.request_count() == 0) std::this_thread::yield();
  }
  EXPECT_EQ(client->read_to_end(), "");
}

}  // namespace

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <netinet/in.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>

#include <boost/asio/error.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core/error.hpp>
#include <boost/beast/http/error.hpp>

#include "CommonTools/HttpHelper.h"
#include "testing/http/Compression.h"
#include "testing/http/FakeHttpServer.h"
#include "testing/http/FakeTlsServer.h"
#include "tests/CommonTools/ProcessTextLog.h"

namespace {

using namespace std::chrono_literals;
using CommonTools::http_helper;
using test_support::FakeHttpServer;
using test_support::HttpReply;

// GBK and UTF-8 bytes written out by hand, so that the compiler's own charset cannot make
// both sides of a comparison agree by accident.
const std::string kGbkTest = "\xB2\xE2\xCA\xD4";           // 测试
const std::string kUtf8Test = "\xE6\xB5\x8B\xE8\xAF\x95";  // 测试
const std::string kGbkChinese = "\xD6\xD0\xCE\xC4";           // 中文
const std::string kUtf8Chinese = "\xE4\xB8\xAD\xE6\x96\x87";  // 中文

// A port on which nothing listens.
unsigned short closed_port() {
  boost::asio::io_context io;
  boost::asio::ip::tcp::acceptor acceptor(
      io, {boost::asio::ip::make_address("127.0.0.1"), 0});
  return acceptor.local_endpoint().port();
}

class HttpHelperTest : public ::testing::Test {
 protected:
  std::string url(const std::string& rest) const { return server.base_url() + rest; }

  FakeHttpServer server;
  http_helper helper;
};

TEST_F(HttpHelperTest, SendsExactlyTheRequestBytes) {
  server.set_fallback(HttpReply(200, "ok"));
  const std::string host = "127.0.0.1:" + std::to_string(server.port());
  const std::string utf8Url = "http://" + host + "/api/" + kUtf8Test + "?id=1";
  const std::string utf8Body = "{\"name\":\"" + kUtf8Chinese + "\"}";
  struct Case {
    int verb;
    std::string body;
    std::string head;
    std::string sentBody;
  } cases[] = {
      {http_helper::kGet, "",
       "GET " + utf8Url + " HTTP/1.1\r\n"
       "Host: 127.0.0.1\r\n"
       "User-Agent: Boost.Beast/144\r\n"
       "\r\n",
       ""},
      {http_helper::kPost, "{\"name\":\"" + kGbkChinese + "\"}",
       "POST " + utf8Url + " HTTP/1.1\r\n"
       "Host: 127.0.0.1\r\n"
       "User-Agent: Boost.Beast/144\r\n"
       "Content-Length: 17\r\n"
       "Accept-Encoding: gzip, deflate\r\n"
       "Content-Type: application/json\r\n"
       "\r\n",
       utf8Body},
  };
  for (Case& c : cases) {
    server.clear_requests();
    std::string target = url("api/" + kGbkTest + "?id=1");
    std::string reply;
    ASSERT_EQ(helper.request(target, c.body, c.verb, reply), 0) << reply;
    EXPECT_EQ(target, utf8Url) << "the caller's URL holds its UTF-8 form";
    ASSERT_EQ(server.request_count(), 1u);
    const auto request = server.requests().front();
    EXPECT_EQ(request.raw_head, c.head);
    EXPECT_EQ(request.body, c.sentBody);
  }
}

TEST_F(HttpHelperTest, ReturnsTheCodeOfEachOutcome) {
  server.route("GET", "/minus", HttpReply(200, "-1"));
  server.route("GET", "/blank-minus", HttpReply(200, " -1"));
  server.route("GET", "/minus-line", HttpReply(200, "-1\n"));
  server.route("GET", "/missing", HttpReply(404, "no such thing"));
  server.route("GET", "/close", HttpReply::close_without_answer());
  server.route("GET", "/stall", HttpReply(200, "too late").after(5s));
  helper.set_read_limit(100ms);
  const std::string refused = "http://127.0.0.1:" + std::to_string(closed_port()) + "/x";
  struct Case {
    const char* what;
    std::string url;
    int verb;
    int code;
    std::string reply;  // the whole reply, or its start when `prefix`
    bool prefix;
    std::size_t requests;
  } cases[] = {
      {"reply -1", url("minus"), 2, -1, "-1", false, 1},
      {"reply with a leading blank", url("blank-minus"), 2, 0, " -1", false, 1},
      {"reply with a line end", url("minus-line"), 2, 0, "-1\n", false, 1},
      {"404 with a body", url("missing"), 2, 0, "no such thing", false, 1},
      {"another scheme", "ftp://127.0.0.1/x", 2, 1,
       "http_error_url\xA3\xACurl\xCE\xAA\xA3\xBA" "ftp://127.0.0.1/x", false, 0},
      // The callers log this reply: the token in the query is masked.
      {"another scheme, a token in the query", "ftp://127.0.0.1/x?token=0123456789abcdefSECRET&id=7", 2, 1,
       "http_error_url\xA3\xACurl\xCE\xAA\xA3\xBA" "ftp://127.0.0.1/x?token=0123***&id=7", false, 0},
      {"refused port", refused, 2, 2, "connect: ", true, 0},
      {"non-numeric port", "http://127.0.0.1:abc/x", 2, 4, "resolve: ", true, 0},
      {"closed before answering", url("close"), 2, 4, "read: ", true, 1},
      {"stalled past the read limit", url("stall"), 2, 4, "read: ", true, 1},
      {"another verb", url("minus"), 5, 0, "", false, 0},
  };
  // Failures are the callers' to log: the transport writes nothing of its own.
  testing::internal::CaptureStderr();
  for (Case& c : cases) {
    server.clear_requests();
    std::string body = "{}";
    std::string reply = "untouched";
    EXPECT_EQ(helper.request(c.url, body, c.verb, reply), c.code) << c.what << ": " << reply;
    if (c.prefix) {
      EXPECT_EQ(reply.substr(0, c.reply.size()), c.reply) << c.what;
      EXPECT_EQ(reply.back(), '\n') << c.what;
    } else {
      EXPECT_EQ(reply, c.reply) << c.what;
    }
    EXPECT_EQ(server.request_count(), c.requests) << c.what;
  }
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

// An address holding a line break would end the request line there and pass the rest
// off as headers: nothing is sent, the code is 4, and the log says why.
TEST_F(HttpHelperTest, RefusesAnAddressHoldingALineBreakWithoutSendingIt) {
  commontest::LoggedErrors();  // the log starts before the line is written
  server.set_fallback(HttpReply(200, "ok"));
  const std::string injected[] = {
      url("api/x?token=t\r\nX-Injected: 1"),
      url("api/x?id=1\nHost: elsewhere"),
      url("api/x\r"),
      url("api/x") + std::string("\0tail", 5),
      "http://127.0.0.1\r\nX-Injected: 1:" + std::to_string(server.port()) + "/api/x",
      "ftp://127.0.0.1/x?token=t\r\nX-Injected: 1",
  };
  for (const std::string& address : injected) {
    for (int verb : {http_helper::kGet, http_helper::kPost}) {
      std::string target = address;
      std::string body = "{}";
      std::string reply;
      EXPECT_EQ(helper.request(target, body, verb, reply), 4) << address;
      EXPECT_EQ(reply, "request: the address holds a line break and was not sent\n") << address;
    }
  }
  EXPECT_EQ(server.request_count(), 0u);
  EXPECT_TRUE(commontest::WaitForLogged("[http_helper]the address holds a line break: the request was not sent\n"));
  EXPECT_EQ(commontest::LoggedErrors().find("X-Injected"), std::string::npos);
}

// A listening socket whose accept queue is full drops further connection attempts, so a
// connect to it waits until the client gives up.
TEST_F(HttpHelperTest, GivesUpConnectingAfterTheConnectLimit) {
  const int listener = socket(AF_INET, SOCK_STREAM, 0);
  ASSERT_GE(listener, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
  ASSERT_EQ(listen(listener, 0), 0);
  socklen_t length = sizeof(address);
  getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
  const int filler = socket(AF_INET, SOCK_STREAM, 0);
  ASSERT_EQ(connect(filler, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);

  helper.set_connect_limit(200ms);
  std::string target = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/x";
  std::string reply;
  EXPECT_EQ(helper.get(target, reply), 2) << reply;
  EXPECT_EQ(reply.substr(0, 9), "connect: ");
  close(filler);
  close(listener);
}

TEST_F(HttpHelperTest, ConvertsAUtf8ReplyToGbk) {
  struct Case {
    std::string sent;
    std::string received;
  } cases[] = {
      {"{\"name\":\"" + kUtf8Chinese + "\"}", "{\"name\":\"" + kGbkChinese + "\"}"},
      {"a\xF0\x9F\x98\x80" "b", "ab"},  // no GBK code for the emoji: skipped
      {"a\xFF" "b", "ab"},              // not UTF-8: skipped
  };
  for (const Case& c : cases) {
    server.route("GET", "/text", HttpReply(200, c.sent, "application/json; charset=utf-8"));
    std::string target = url("text");
    std::string reply;
    EXPECT_EQ(helper.get(target, reply), 0);
    EXPECT_EQ(reply, c.received);
  }
}

TEST_F(HttpHelperTest, InflatesACompressedReply) {
  std::string json = "[";
  for (int i = 0; i < 2000; ++i) json += "{\"id\":" + std::to_string(i) + ",\"name\":\"" + kUtf8Chinese + "\"},";
  json += "{}]";
  std::string expected = json;
  for (std::size_t at = expected.find(kUtf8Chinese); at != std::string::npos;
       at = expected.find(kUtf8Chinese, at)) {
    expected.replace(at, kUtf8Chinese.size(), kGbkChinese);
  }
  struct Case {
    const char* encoding;
    std::string body;
    int code;
  } cases[] = {
      {"gzip", test_support::gzip_compress(json), 0},
      {"deflate", test_support::zlib_compress(json), 0},
      {"deflate", test_support::raw_deflate_compress(json), 0},
      {"GZIP", test_support::gzip_compress(json), 0},
      {"gzip", test_support::gzip_compress(json).substr(0, 100), 4},
      {"gzip", "plainly not compressed", 4},
  };
  for (const Case& c : cases) {
    server.route("POST", "/list", HttpReply(200, c.body).with_header("Content-Encoding", c.encoding));
    std::string target = url("list");
    std::string body = "{}";
    std::string reply;
    ASSERT_EQ(helper.request(target, body, http_helper::kPost, reply), c.code) << c.encoding;
    if (c.code == 0) {
      EXPECT_EQ(reply, expected) << c.encoding;
    } else {
      EXPECT_EQ(reply.substr(0, 9), "inflate: ") << c.encoding;
    }
  }
}

// A server that sends a byte now and then never trips the read limit; the deadline ends
// the exchange whatever the server still has to send.
TEST_F(HttpHelperTest, GivesUpOnAReplyThatTricklesPastTheDeadline) {
  commontest::LoggedErrors();  // the log starts before the line is written
  server.route("GET", "/trickle", HttpReply(200, std::string(2000, 'x')).trickle(5ms));
  helper.set_read_limit(5s);
  helper.set_deadline(200ms);
  std::string target = url("trickle?token=secret");
  std::string reply;
  EXPECT_EQ(helper.get(target, reply), 3) << reply;
  EXPECT_EQ(reply.substr(0, 10), "deadline: ");
  EXPECT_TRUE(commontest::WaitForLogged("[http_helper]" + url("trickle") +
                                        " gave up after its deadline of 200 ms\n"));
  EXPECT_EQ(commontest::LoggedErrors().find("secret"), std::string::npos)
      << "the query stays out of the log";
}

// Whatever way the size shows (announced, streamed in chunks, or only once inflated), a
// reply over the caller's cap is refused, and one just at the cap is not.
TEST_F(HttpHelperTest, RefusesAReplyLargerThanItsCap) {
  constexpr std::uint64_t kCap = 1 << 20;
  const std::string atCap(kCap, 'a');
  const std::string overCap(kCap + 1, 'a');
  std::string chunked;
  for (std::size_t at = 0; at < overCap.size(); at += 65536) {
    const std::string piece = overCap.substr(at, 65536);
    char size[16];
    std::snprintf(size, sizeof size, "%zx", piece.size());
    chunked += std::string(size) + "\r\n" + piece + "\r\n";
  }
  chunked += "0\r\n\r\n";
  server.route("GET", "/at-cap", HttpReply(200, atCap));
  // Announces 300 MB and sends none of it: the refusal must not wait for the body.
  server.route("GET", "/announced", HttpReply(200, "").with_header("Content-Length", "300000000"));
  server.route("GET", "/chunked", HttpReply(200, chunked).with_header("Transfer-Encoding", "chunked"));
  server.route("GET", "/inflated", HttpReply(200, test_support::gzip_compress(overCap))
                                       .with_header("Content-Encoding", "gzip"));
  helper.set_read_limit(5s);
  const std::string refusal = "the reply is larger than its cap of 1048576 bytes and was refused";
  const struct {
    const char* path;
    int code;
  } cases[] = {{"at-cap", 0}, {"announced", 4}, {"chunked", 4}, {"inflated", 4}};
  for (const auto& c : cases) {
    std::string target = url(c.path);
    std::string body;
    std::string reply;
    ASSERT_EQ(helper.request(target, body, http_helper::kGet, reply, kCap), c.code) << c.path;
    if (c.code == 0) {
      EXPECT_EQ(reply.size(), atCap.size()) << c.path;
    } else {
      EXPECT_NE(reply.find(refusal), std::string::npos) << c.path << ": " << reply;
    }
  }
}

std::string TlsFile(const std::string& name) { return std::string(TLS_TEST_FILES) + "/" + name; }

// An "https://" address is reached over TLS only: a server whose certificate the trusted
// authorities did not sign, or signed for another name, is refused at the handshake with
// the failure code and a log line, and no request reaches any server in plain text.
TEST_F(HttpHelperTest, SpeaksTlsToHttpsAndRefusesAnUnverifiedServer) {
  commontest::LoggedErrors();  // the log starts before the lines are written
  ASSERT_TRUE(helper.set_trusted_authorities(TlsFile("ca.pem")));
  helper.set_read_limit(5s);
  struct Case {
    const char* what;
    const char* certificate;
    const char* host;
    int code;
  } cases[] = {
      {"signed by the trusted authority", "loopback", "127.0.0.1", 0},
      {"same certificate, named by its host name", "loopback", "localhost", 0},
      {"signed by nobody", "selfsigned", "127.0.0.1", 4},
      {"signed for another name", "elsewhere", "127.0.0.1", 4},
  };
  for (const Case& c : cases) {
    test_support::FakeTlsServer tls(TlsFile(std::string(c.certificate) + ".pem"),
                                    TlsFile(std::string(c.certificate) + ".key"), "secure " + kUtf8Test);
    const std::string base = "https://" + std::string(c.host) + ":" + std::to_string(tls.port());
    std::string target = base + "/api/x?token=t";
    std::string reply;
    EXPECT_EQ(helper.get(target, reply), c.code) << c.what << ": " << reply;
    if (c.code == 0) {
      EXPECT_EQ(reply, "secure " + kGbkTest) << c.what;
      EXPECT_EQ(tls.request_count(), 1u) << c.what;
      continue;
    }
    EXPECT_EQ(reply.substr(0, 11), "handshake: ") << c.what;
    EXPECT_EQ(tls.request_count(), 0u) << c.what;
    EXPECT_TRUE(commontest::WaitForLogged("[http_helper]TLS with " + base + "/api/x failed: ")) << c.what;
  }
  // A plain HTTP server at an "https://" address sees a TLS hello, never a request.
  server.set_fallback(HttpReply(200, "plain"));
  std::string plain = "https://127.0.0.1:" + std::to_string(server.port()) + "/api/x";
  std::string reply;
  EXPECT_EQ(helper.get(plain, reply), 4) << reply;
  EXPECT_EQ(server.request_count(), 0u);
}

// Without a trust of its own the transport trusts the system's authorities, which never
// signed the test authority.
TEST_F(HttpHelperTest, TrustsTheSystemsAuthoritiesByDefault) {
  test_support::FakeTlsServer tls(TlsFile("loopback.pem"), TlsFile("loopback.key"), "secure");
  std::string target = "https://127.0.0.1:" + std::to_string(tls.port()) + "/x";
  std::string reply;
  helper.set_read_limit(5s);
  EXPECT_EQ(helper.get(target, reply), 4) << reply;
  EXPECT_EQ(tls.request_count(), 0u);
  EXPECT_FALSE(helper.set_trusted_authorities(TlsFile("absent.pem")));
}

TEST_F(HttpHelperTest, TakesRepliesFarLargerThanEightMebibytes) {
  const std::string big(20u << 20, 'x');
  server.route("GET", "/big", HttpReply(200, big));
  std::string target = url("big");
  std::string reply;
  ASSERT_EQ(helper.get(target, reply), 0) << reply.substr(0, 100);
  EXPECT_EQ(reply.size(), big.size());
}

// Every way a step can fail, including those no test server provokes reliably (a write
// into a reset connection, a failed shutdown).
TEST(Classify, OnlyTheConnectStepGivesTwoAndTheReplyNamesTheStepAndTheError) {
  using CommonTools::session_step;
  namespace asio_error = boost::asio::error;
  struct Case {
    session_step step;
    boost::system::error_code error;
    int code;
    const char* head;
  } cases[] = {
      {session_step::resolve, asio_error::host_not_found, 4, "resolve: "},
      {session_step::resolve, asio_error::service_not_found, 4, "resolve: "},
      {session_step::connect, asio_error::connection_refused, 2, "connect: "},
      {session_step::connect, boost::beast::error::timeout, 2, "connect: "},
      {session_step::connect, asio_error::network_unreachable, 2, "connect: "},
      {session_step::write, asio_error::broken_pipe, 4, "write: "},
      {session_step::write, asio_error::connection_reset, 4, "write: "},
      {session_step::read, boost::beast::http::error::end_of_stream, 4, "read: "},
      {session_step::read, boost::beast::error::timeout, 4, "read: "},
      {session_step::read, boost::beast::http::error::body_limit, 4, "read: "},
      {session_step::deadline, boost::asio::error::timed_out, 3, "deadline: "},
      {session_step::shutdown, asio_error::bad_descriptor, 4, "shutdown: "},
  };
  for (const Case& c : cases) {
    std::string reply = "untouched";
    EXPECT_EQ(CommonTools::classify(c.step, c.error, reply), c.code) << c.head << c.error.message();
    EXPECT_EQ(reply, c.head + c.error.message() + "\n");
  }
}

TEST(SplitUrl, FindsHostAndPort) {
  struct Case {
    const char* url;
    bool ok;
    const char* host;
    const char* port;
  } cases[] = {
      {"http://10.0.0.5:8080/api/x", true, "10.0.0.5", "8080"},
      {"http://10.0.0.5/api/x", true, "10.0.0.5", "80"},
      {"http://10.0.0.5/api/x?t=a:b", true, "10.0.0.5", "80"},
      {"http://10.0.0.5", true, "10.0.0.5", "80"},
      {"https://host:81/x", true, "host", "81"},
      {"https://host/x", true, "host", "443"},
      {"ftp://host/x", false, "", ""},
  };
  for (const Case& c : cases) {
    std::string host;
    std::string port;
    EXPECT_EQ(CommonTools::split_url(c.url, host, port), c.ok) << c.url;
    EXPECT_EQ(host, c.host) << c.url;
    EXPECT_EQ(port, c.port) << c.url;
  }
}

}  // namespace

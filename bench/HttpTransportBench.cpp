// The REST transport's cost per exchange against the test server on loopback, beside a
// plain synchronous Beast client making the same exchange: the ratio is what the
// transport's own steps (conversions, the asynchronous chain, limits) add.
#include <benchmark/benchmark.h>

#include <string>

#include <boost/asio/connect.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/http.hpp>

#include "CommonTools/HttpHelper.h"
#include "testing/http/FakeHttpServer.h"

namespace {

namespace asio = boost::asio;
namespace http = boost::beast::http;

// A JSON list of about the given size, in UTF-8 with Chinese names, as the server sends.
std::string JsonReply(std::size_t size) {
  std::string json = "[";
  for (int i = 0; json.size() < size; ++i) {
    json += "{\"id\":" + std::to_string(i) + ",\"name\":\"\xE5\xB7\xA1\xE6\x9B\xB4\"},";
  }
  json.back() = ']';
  return json;
}

test_support::FakeHttpServer& ServerFor(std::size_t size) {
  static test_support::FakeHttpServer server;
  server.route("GET", "/api/InspectPlan/Get", test_support::HttpReply(200, JsonReply(size),
                                                                      "application/json"));
  return server;
}

void BM_HttpHelperGet(benchmark::State& state) {
  auto& server = ServerFor(static_cast<std::size_t>(state.range(0)));
  CommonTools::http_helper helper;
  const std::string url = server.base_url() + "api/InspectPlan/Get";
  for (auto _ : state) {
    std::string target = url;
    std::string reply;
    if (helper.get(target, reply) != 0) state.SkipWithError("request failed");
    benchmark::DoNotOptimize(reply);
  }
  state.SetItemsProcessed(state.iterations());
}

// The same request bytes, sent and read with Beast's synchronous calls, no conversions.
void BM_PlainBeastGet(benchmark::State& state) {
  auto& server = ServerFor(static_cast<std::size_t>(state.range(0)));
  const std::string port = std::to_string(server.port());
  const std::string url = server.base_url() + "api/InspectPlan/Get";
  for (auto _ : state) {
    asio::io_context io;
    asio::ip::tcp::resolver resolver(io);
    asio::ip::tcp::socket socket(io);
    asio::connect(socket, resolver.resolve("127.0.0.1", port));
    http::request<http::string_body> request(http::verb::get, url, 11);
    request.set(http::field::host, "127.0.0.1");
    request.set(http::field::user_agent, "Boost.Beast/144");
    http::write(socket, request);
    boost::beast::flat_buffer buffer;
    http::response_parser<http::string_body> parser;
    parser.body_limit(512u << 20);
    http::read(socket, buffer, parser);
    boost::system::error_code ignored;
    socket.shutdown(asio::ip::tcp::socket::shutdown_both, ignored);
    benchmark::DoNotOptimize(parser.get().body());
  }
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_HttpHelperGet)->Arg(256)->Arg(64 << 10)->UseRealTime();
BENCHMARK(BM_PlainBeastGet)->Arg(256)->Arg(64 << 10)->UseRealTime();

}  // namespace

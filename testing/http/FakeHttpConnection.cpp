#include "testing/http/FakeHttpConnection.h"

#include <algorithm>

#include <boost/algorithm/string/predicate.hpp>
#include <boost/algorithm/string/trim.hpp>
#include <boost/asio/write.hpp>
#include <boost/beast/http/error.hpp>
#include <boost/beast/http/status.hpp>

#include "testing/http/MultipartParser.h"

namespace test_support {

namespace asio = boost::asio;
namespace http = boost::beast::http;
using boost::system::error_code;

namespace {

constexpr std::uint64_t kBodyLimit = 512ull * 1024 * 1024;
constexpr std::uint32_t kHeaderLimit = 64 * 1024;

std::string status_line(unsigned status) {
  return "HTTP/1.1 " + std::to_string(status) + " " +
         std::string(http::obsolete_reason(http::int_to_status(status))) + "\r\n";
}

bool has_header(const HttpReply& reply, const char* name) {
  return std::any_of(reply.headers.begin(), reply.headers.end(), [name](const auto& field) {
    return boost::algorithm::iequals(field.first, name);
  });
}

// The head of an answer; the Content-Length always announces the whole body, also when
// the server is scripted to send only part of it.
std::string reply_head(const HttpReply& reply, bool keep_alive) {
  std::string head = status_line(reply.status);
  if (!reply.content_type.empty()) head += "Content-Type: " + reply.content_type + "\r\n";
  for (const auto& field : reply.headers) head += field.first + ": " + field.second + "\r\n";
  if (!has_header(reply, "Content-Length") && !has_header(reply, "Transfer-Encoding")) {
    head += "Content-Length: " + std::to_string(reply.body.size()) + "\r\n";
  }
  if (!keep_alive) head += "Connection: close\r\n";
  return head + "\r\n";
}

// The header lines of a head in the order they came; the parser's own field list groups
// repeated names together, which would hide the order a client used.
std::vector<std::pair<std::string, std::string>> header_lines(const std::string& head) {
  std::vector<std::pair<std::string, std::string>> headers;
  std::string::size_type pos = head.find("\r\n");
  while (pos != std::string::npos) {
    pos += 2;
    const auto end = head.find("\r\n", pos);
    if (end == std::string::npos || end == pos) break;
    const std::string line = head.substr(pos, end - pos);
    const auto colon = line.find(':');
    if (colon != std::string::npos) {
      headers.emplace_back(line.substr(0, colon),
                           boost::algorithm::trim_copy(line.substr(colon + 1)));
    }
    pos = end;
  }
  return headers;
}

}  // namespace

FakeHttpConnection::FakeHttpConnection(asio::ip::tcp::socket socket, const RouteTable& routes,
                                       RequestLog& log, ServerLimits limits)
    : socket_(std::move(socket)),
      routes_(routes),
      log_(log),
      limits_(limits),
      deadline_(socket_.get_executor()),
      delay_(socket_.get_executor()) {}

void FakeHttpConnection::start() { begin_request(); }

void FakeHttpConnection::begin_request() {
  parser_.emplace();
  parser_->body_limit(kBodyLimit);
  parser_->header_limit(kHeaderLimit);
  raw_head_.clear();
  continue_sent_ = false;
  deadline_.expires_after(limits_.request_limit);
  deadline_.async_wait([self = shared_from_this()](error_code ec) {
    if (!ec) self->close();
  });
  if (consumed_ < input_.size()) {
    process();
    return;
  }
  read_more();
}

void FakeHttpConnection::read_more() {
  socket_.async_read_some(asio::buffer(chunk_),
                          [self = shared_from_this()](error_code ec, std::size_t n) {
                            if (ec) {
                              self->close();
                              return;
                            }
                            self->input_.append(self->chunk_.data(), n);
                            self->process();
                          });
}

void FakeHttpConnection::process() {
  if (!feed()) {
    keep_alive_ = false;
    write(reply_head(HttpReply(400, ""), false), true);
    return;
  }
  if (parser_->is_done()) {
    finish_request();
    return;
  }
  if (parser_->is_header_done() && wants_continue() && !continue_sent_) {
    send_continue();
    return;
  }
  read_more();
}

// Hands what has arrived to the parser; the bytes that complete the head are kept as they
// came. False on a request the parser rejects.
bool FakeHttpConnection::feed() {
  while (consumed_ < input_.size() && !parser_->is_done()) {
    error_code ec;
    const bool head_was_done = parser_->is_header_done();
    const std::size_t n =
        parser_->put(asio::buffer(input_.data() + consumed_, input_.size() - consumed_), ec);
    if (!head_was_done && parser_->is_header_done()) {
      raw_head_ = input_.substr(consumed_, n);
      parser_->eager(true);
    }
    consumed_ += n;
    if (ec == http::error::need_more) return true;
    if (ec) return false;
    if (n == 0) break;
  }
  return true;
}

bool FakeHttpConnection::wants_continue() const {
  const auto& fields = parser_->get();
  const auto expect = fields.find(http::field::expect);
  return expect != fields.end() && boost::algorithm::iequals(expect->value(), "100-continue");
}

void FakeHttpConnection::send_continue() {
  continue_sent_ = true;
  auto bytes = std::make_shared<std::string>("HTTP/1.1 100 Continue\r\n\r\n");
  asio::async_write(socket_, asio::buffer(*bytes),
                    [self = shared_from_this(), bytes](error_code ec, std::size_t) {
                      if (ec) {
                        self->close();
                        return;
                      }
                      self->process();
                    });
}

RecordedRequest FakeHttpConnection::take_request() {
  auto message = parser_->release();
  RecordedRequest request;
  request.raw_head = raw_head_;
  request.request_line = raw_head_.substr(0, raw_head_.find("\r\n"));
  request.method = std::string(message.method_string());
  request.target = std::string(message.target());
  request.version = "HTTP/" + std::to_string(message.version() / 10) + "." +
                    std::to_string(message.version() % 10);
  request.headers = header_lines(raw_head_);
  request.body = std::move(message.body());
  const std::string type = request.header("Content-Type");
  if (boost::algorithm::istarts_with(type, "multipart/")) {
    request.parts = parse_multipart(multipart_boundary(type), request.body);
  }
  keep_alive_ = message.keep_alive();
  return request;
}

void FakeHttpConnection::finish_request() {
  deadline_.cancel();
  RecordedRequest request = take_request();
  input_.erase(0, consumed_);
  consumed_ = 0;
  log_.add(request);
  HttpReply reply;
  try {
    reply = routes_.answer(request);
  } catch (const std::exception& e) {
    reply = HttpReply(500, e.what());
  }
  const auto wait = std::min(reply.delay, limits_.max_delay);
  if (wait.count() <= 0) {
    act(reply);
    return;
  }
  delay_.expires_after(wait);
  delay_.async_wait([self = shared_from_this(), reply](error_code ec) {
    if (ec) {
      self->close();
      return;
    }
    self->act(reply);
  });
}

void FakeHttpConnection::act(const HttpReply& reply) {
  switch (reply.misbehaviour) {
    case HttpReply::Misbehaviour::CloseWithoutAnswer:
      close();
      return;
    case HttpReply::Misbehaviour::CloseMidBody:
      write(reply_head(reply, false) + reply.body.substr(0, reply.body.size() / 2), true);
      return;
    case HttpReply::Misbehaviour::None:
      if (reply.trickle_interval.count() > 0) {
        start_trickle(reply);
        return;
      }
      write(reply_head(reply, keep_alive_) + reply.body, !keep_alive_);
      return;
  }
}

void FakeHttpConnection::start_trickle(const HttpReply& reply) {
  keep_alive_ = false;
  auto head = std::make_shared<std::string>(reply_head(reply, false));
  auto body = std::make_shared<const std::string>(reply.body);
  const auto every = reply.trickle_interval;
  asio::async_write(socket_, asio::buffer(*head),
                    [self = shared_from_this(), head, body, every](error_code ec, std::size_t) {
                      if (ec) {
                        self->close();
                        return;
                      }
                      self->trickle(body, 0, every);
                    });
}

// Uses the delay timer, so closing the connection stops it; a client that gives up makes
// the next write fail, which closes it too.
void FakeHttpConnection::trickle(std::shared_ptr<const std::string> body, std::size_t sent,
                                 std::chrono::milliseconds every) {
  if (closed_) return;
  if (sent >= body->size()) {
    close();
    return;
  }
  delay_.expires_after(every);
  delay_.async_wait([self = shared_from_this(), body, sent, every](error_code ec) {
    if (ec || self->closed_) return;
    auto byte = std::make_shared<std::string>(1, (*body)[sent]);
    asio::async_write(self->socket_, asio::buffer(*byte),
                      [self, body, sent, every, byte](error_code wrote, std::size_t) {
                        if (wrote) {
                          self->close();
                          return;
                        }
                        self->trickle(body, sent + 1, every);
                      });
  });
}

void FakeHttpConnection::write(std::string bytes, bool close_after) {
  auto data = std::make_shared<std::string>(std::move(bytes));
  asio::async_write(socket_, asio::buffer(*data),
                    [self = shared_from_this(), data, close_after](error_code ec, std::size_t) {
                      if (ec || close_after) {
                        self->close();
                        return;
                      }
                      self->begin_request();
                    });
}

void FakeHttpConnection::close() {
  if (closed_) return;
  closed_ = true;
  error_code ignored;
  deadline_.cancel();
  delay_.cancel();
  socket_.shutdown(asio::ip::tcp::socket::shutdown_both, ignored);
  socket_.close(ignored);
}

}  // namespace test_support

#pragma once
// What the test server sends back for one request, including the ways it can misbehave.
#include <chrono>
#include <string>
#include <utility>
#include <vector>

namespace test_support {

struct HttpReply {
  enum class Misbehaviour {
    None,                // answer normally
    CloseWithoutAnswer,  // read the request, then close the connection, sending nothing
    CloseMidBody,        // send the head and half the body, then close
  };

  HttpReply() = default;
  HttpReply(unsigned status_code, std::string body_bytes,
            std::string type = "text/plain; charset=utf-8")
      : status(status_code), body(std::move(body_bytes)), content_type(std::move(type)) {}

  static HttpReply close_without_answer() {
    HttpReply reply;
    reply.misbehaviour = Misbehaviour::CloseWithoutAnswer;
    return reply;
  }

  HttpReply& with_header(std::string name, std::string value) {
    headers.emplace_back(std::move(name), std::move(value));
    return *this;
  }
  // The server holds the answer (or the close) back this long; it caps the wait so that a
  // test never hangs on it.
  HttpReply& after(std::chrono::milliseconds wait) {
    delay = wait;
    return *this;
  }
  // The head at once, then the body one byte every `every`: a server that never goes
  // quiet for long, yet never finishes.
  HttpReply& trickle(std::chrono::milliseconds every) {
    trickle_interval = every;
    return *this;
  }
  HttpReply& misbehave(Misbehaviour how) {
    misbehaviour = how;
    return *this;
  }

  unsigned status = 200;
  std::string body;
  std::string content_type = "text/plain; charset=utf-8";  // no Content-Type line when empty
  std::vector<std::pair<std::string, std::string>> headers;
  std::chrono::milliseconds delay{0};
  std::chrono::milliseconds trickle_interval{0};
  Misbehaviour misbehaviour = Misbehaviour::None;
};

}  // namespace test_support

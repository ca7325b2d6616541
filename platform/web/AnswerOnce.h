#pragma once
// An answer the engine waits for: a page's navigation held until the program decides,
// or a page's script stopped in a native call. The engine frees what it holds for the
// page only once answered, so an answer dropped unanswered (its view was destroyed
// with the report still queued) gives the fallback instead of leaving the page waiting.
#include <functional>
#include <utility>

namespace platform::web {

template <class Value>
class AnswerOnce {
 public:
  AnswerOnce(std::function<void(const Value&)> reply, Value fallback)
      : reply_(std::move(reply)), fallback_(std::move(fallback)) {}
  ~AnswerOnce() { Give(fallback_); }
  AnswerOnce(const AnswerOnce&) = delete;
  AnswerOnce& operator=(const AnswerOnce&) = delete;

  // The first answer goes to the engine; later ones are ignored.
  void Give(const Value& value) {
    std::function<void(const Value&)> reply = std::move(reply_);
    reply_ = nullptr;
    if (reply) reply(value);
  }

 private:
  std::function<void(const Value&)> reply_;
  Value fallback_;
};

}  // namespace platform::web

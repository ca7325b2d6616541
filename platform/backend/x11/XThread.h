#pragma once
// The one thread that talks to the X server. Other threads hand it commands, which
// it runs in order between reading events; nobody else waits on the server, except
// a caller that asks a question and waits a bounded time for the answer.
#include <atomic>
#include <chrono>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace platform::x11 {

class XThread {
 public:
  XThread();
  ~XThread();
  XThread(const XThread&) = delete;
  XThread& operator=(const XThread&) = delete;

  // `pump` reads and handles whatever the server sent; it runs after each batch of
  // commands and whenever `connectionFd` is readable. It returns true when it left
  // events already read from the connection (Xlib queues them during any request
  // that waits for a reply): `connectionFd` shows nothing of those, so it runs again
  // at once instead of sleeping on them.
  void Start(int connectionFd, std::function<bool()> pump);
  void Stop();
  void Post(std::function<void()> command);
  bool OnThread() const { return std::this_thread::get_id() == id_.load(); }

  // Runs `query` on the X thread and waits at most `limit` for its answer.
  template <class T>
  std::optional<T> Ask(std::function<T()> query, std::chrono::milliseconds limit) {
    if (OnThread()) return query();
    auto promise = std::make_shared<std::promise<T>>();
    std::future<T> answer = promise->get_future();
    Post([promise, query] { promise->set_value(query()); });
    if (answer.wait_for(limit) != std::future_status::ready) return std::nullopt;
    try {
      return answer.get();
    } catch (const std::future_error&) {
      return std::nullopt;  // the thread stopped before it came to the question
    }
  }

 private:
  void Loop();
  void Wake();
  bool RunCommands();

  std::thread thread_;
  std::atomic<std::thread::id> id_{};
  int connectionFd_ = -1;
  int wakeFd_ = -1;
  std::function<bool()> pump_;
  std::mutex mutex_;
  std::deque<std::function<void()>> commands_;
  std::atomic<bool> stopping_{false};
};

}  // namespace platform::x11

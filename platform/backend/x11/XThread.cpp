#include "platform/backend/x11/XThread.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>

namespace platform::x11 {

XThread::XThread() { wakeFd_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC); }

XThread::~XThread() {
  Stop();
  if (wakeFd_ >= 0) close(wakeFd_);
}

void XThread::Start(int connectionFd, std::function<bool()> pump) {
  connectionFd_ = connectionFd;
  pump_ = std::move(pump);
  thread_ = std::thread([this] {
    id_.store(std::this_thread::get_id());
    Loop();
  });
}

void XThread::Stop() {
  if (!thread_.joinable()) return;
  stopping_.store(true);
  Wake();
  thread_.join();
}

void XThread::Post(std::function<void()> command) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    commands_.push_back(std::move(command));
  }
  Wake();
}

void XThread::Wake() {
  const uint64_t one = 1;
  if (write(wakeFd_, &one, sizeof(one)) < 0) {
    // The counter is full only if the thread is far behind; it wakes anyway.
  }
}

bool XThread::RunCommands() {
  std::deque<std::function<void()>> batch;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    batch.swap(commands_);
  }
  for (auto& command : batch) command();
  return !batch.empty();
}

void XThread::Loop() {
  while (!stopping_.load()) {
    RunCommands();
    if (pump_()) continue;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (!commands_.empty()) continue;
    }
    pollfd fds[2] = {{connectionFd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
    if (poll(fds, 2, -1) < 0) continue;
    if (fds[1].revents & POLLIN) {
      uint64_t count;
      while (read(wakeFd_, &count, sizeof(count)) > 0) {
      }
    }
  }
  RunCommands();
}

}  // namespace platform::x11

#include "platform/video/PlayerEvents.h"

#include <condition_variable>
#include <deque>
#include <mutex>

#include <pthread.h>

namespace platform::video {

struct PlayerEvents::Queue {
  std::mutex mutex;
  std::condition_variable wake;
  std::deque<PlayerEvent> pending;
  bool closing = false;

  void Deliver() {
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
      wake.wait(lock, [this] { return closing || !pending.empty(); });
      if (closing) return;
      const PlayerEvent event = pending.front();
      pending.pop_front();
      lock.unlock();
      event.callback(event.handle, event.hwnd, event.eventId, event.param);
      lock.lock();
    }
  }
};

PlayerEvents::PlayerEvents() : queue_(std::make_shared<Queue>()) {
  thread_ = std::thread([queue = queue_] { queue->Deliver(); });
  // Named here, not by the thread itself, so the name is there once the player is.
  pthread_setname_np(thread_.native_handle(), "player-events");
}

PlayerEvents::~PlayerEvents() { Close(); }

void PlayerEvents::Post(const PlayerEvent& event) {
  if (!event.callback) return;
  {
    std::lock_guard<std::mutex> lock(queue_->mutex);
    if (queue_->closing) return;
    queue_->pending.push_back(event);
  }
  queue_->wake.notify_one();
}

void PlayerEvents::DropPending() {
  std::lock_guard<std::mutex> lock(queue_->mutex);
  queue_->pending.clear();
}

void PlayerEvents::Close() {
  {
    std::lock_guard<std::mutex> lock(queue_->mutex);
    queue_->closing = true;
    queue_->pending.clear();
  }
  queue_->wake.notify_one();
  if (!thread_.joinable()) return;
  if (thread_.get_id() == std::this_thread::get_id()) {
    thread_.detach();
    return;
  }
  thread_.join();
}

}  // namespace platform::video

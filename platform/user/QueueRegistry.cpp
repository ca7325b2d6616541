#include "platform/user/QueueRegistry.h"

#include <algorithm>
#include <chrono>

#include "platform/base/Clock.h"
#include "platform/user/ThreadQueue.h"

namespace platform::user {

QueueRegistry& QueueRegistry::Instance() {
  static QueueRegistry* registry = new QueueRegistry;
  return *registry;
}

void QueueRegistry::Add(ThreadQueue* queue) { queues_.push_back(queue); }

void QueueRegistry::Remove(ThreadQueue* queue) {
  queues_.erase(std::remove(queues_.begin(), queues_.end(), queue), queues_.end());
  changed_.notify_all();
}

ThreadQueue* QueueRegistry::FindThread(DWORD threadId) const {
  for (ThreadQueue* queue : queues_) {
    if (queue->threadId == threadId) return queue;
  }
  return nullptr;
}

void QueueRegistry::WakeAll() {
  for (ThreadQueue* queue : queues_) queue->cv.notify_all();
  changed_.notify_all();
}

bool QueueRegistry::AllIdle(const ThreadQueue* except, uint64_t now) const {
  for (const ThreadQueue* queue : queues_) {
    if (queue == except || !queue->gui) continue;
    if (!queue->waiting || queue->HasWork(queue->waitFilter, now)) return false;
  }
  return true;
}

bool QueueRegistry::WaitAllIdle(Guard& guard, const ThreadQueue* except, uint64_t limitMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
  while (!AllIdle(except, platform::ClockMilliseconds())) {
    if (changed_.wait_until(guard, deadline) == std::cv_status::timeout) {
      return AllIdle(except, platform::ClockMilliseconds());
    }
  }
  return true;
}

uint64_t QueueRegistry::NextDue() const {
  uint64_t next = UINT64_MAX;
  for (const ThreadQueue* queue : queues_) next = std::min(next, queue->NextDue());
  return next;
}

}  // namespace platform::user

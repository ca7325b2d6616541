#pragma once
// A blocking first-in-first-out queue of texts with a fixed capacity: a producer waits
// while it is full, the consumer while it is empty. Waiting to pop is a thread
// interruption point, so an idle consumer can be interrupted.
#include <cstddef>
#include <string>

#include <boost/circular_buffer.hpp>
#include <boost/thread/condition_variable.hpp>
#include <boost/thread/mutex.hpp>

namespace CommonTools {

class bounded_buffer {
 public:
  explicit bounded_buffer(std::size_t capacity);
  bounded_buffer(const bounded_buffer&) = delete;
  bounded_buffer& operator=(const bounded_buffer&) = delete;

  // Waits while the buffer is full. False, with the text dropped, once the buffer is
  // closed: a closed buffer has no consumer left to make room.
  bool push(const std::string& text);
  void pop(std::string& text);
  // The oldest unread text without waiting; false when there is none.
  bool try_pop(std::string& text);
  // Refuses further texts and wakes the producers waiting for room; what was queued
  // can still be popped.
  void close();

 private:
  std::string take();

  boost::circular_buffer<std::string> m_container;
  std::size_t m_unread = 0;
  bool m_closed = false;
  boost::mutex m_mutex;
  boost::condition_variable m_notEmpty;
  boost::condition_variable m_notFull;
};

}  // namespace CommonTools

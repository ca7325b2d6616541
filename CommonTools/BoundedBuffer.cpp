#include "CommonTools/BoundedBuffer.h"

namespace CommonTools {

bounded_buffer::bounded_buffer(std::size_t capacity) : m_container(capacity) {}

bool bounded_buffer::push(const std::string& text) {
  {
    boost::unique_lock<boost::mutex> lock(m_mutex);
    while (m_unread == m_container.capacity() && !m_closed) m_notFull.wait(lock);
    if (m_closed) return false;
    m_container.push_front(text);
    ++m_unread;
  }
  m_notEmpty.notify_one();
  return true;
}

void bounded_buffer::pop(std::string& text) {
  {
    boost::unique_lock<boost::mutex> lock(m_mutex);
    while (m_unread == 0) m_notEmpty.wait(lock);
    text = take();
  }
  m_notFull.notify_one();
}

bool bounded_buffer::try_pop(std::string& text) {
  {
    boost::lock_guard<boost::mutex> lock(m_mutex);
    if (m_unread == 0) return false;
    text = take();
  }
  m_notFull.notify_one();
  return true;
}

void bounded_buffer::close() {
  {
    boost::lock_guard<boost::mutex> lock(m_mutex);
    m_closed = true;
  }
  m_notFull.notify_all();
}

// Newest entries go in at the front, so the oldest unread one sits at index unread - 1;
// read entries stay in place until the buffer wraps over them.
std::string bounded_buffer::take() {
  --m_unread;
  return m_container[m_unread];
}

}  // namespace CommonTools

#include "platform/user/UserLock.h"

namespace platform::user {

std::mutex& UserLock::Mutex() {
  // Leaked on purpose: threads may still use windows while statics are destroyed.
  static std::mutex* mutex = new std::mutex;
  return *mutex;
}

}  // namespace platform::user

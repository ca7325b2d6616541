#include "data/ConcurrentCalls.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace dal {

void RunConcurrently(std::size_t count, const std::function<void(std::size_t)>& call, std::size_t connections) {
  std::atomic<std::size_t> next{0};
  std::mutex errorMutex;
  std::exception_ptr error;
  const auto work = [&] {
    for (std::size_t i = next++; i < count; i = next++) {
      try {
        call(i);
      } catch (...) {
        std::lock_guard<std::mutex> lock(errorMutex);
        if (!error) error = std::current_exception();
      }
    }
  };
  const std::size_t helpers = std::min(count, std::max<std::size_t>(connections, 1)) - (count > 0 ? 1 : 0);
  std::vector<std::thread> threads;
  threads.reserve(helpers);
  for (std::size_t t = 0; t < helpers; ++t) threads.emplace_back(work);
  work();
  for (std::thread& thread : threads) thread.join();
  if (error) std::rethrow_exception(error);
}

}  // namespace dal

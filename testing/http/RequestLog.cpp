#include "testing/http/RequestLog.h"

#include <utility>

namespace test_support {

void RequestLog::add(RecordedRequest request) {
  std::lock_guard<std::mutex> lock(mutex_);
  requests_.push_back(std::move(request));
}

std::vector<RecordedRequest> RequestLog::all() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return requests_;
}

std::size_t RequestLog::count() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return requests_.size();
}

void RequestLog::clear() {
  std::lock_guard<std::mutex> lock(mutex_);
  requests_.clear();
}

}  // namespace test_support

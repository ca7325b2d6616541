#pragma once
// Every request the test server has received, in arrival order; read from any thread.
#include <cstddef>
#include <mutex>
#include <vector>

#include "testing/http/RecordedRequest.h"

namespace test_support {

class RequestLog {
 public:
  void add(RecordedRequest request);
  std::vector<RecordedRequest> all() const;
  std::size_t count() const;
  void clear();

 private:
  mutable std::mutex mutex_;
  std::vector<RecordedRequest> requests_;
};

}  // namespace test_support

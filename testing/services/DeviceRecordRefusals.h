#pragma once
// Scripts the fake patrol server to refuse chosen device-record uploads: an add whose
// person code is one of the refused ones is answered "-1" and stored nowhere; every other
// add goes to the server's device records as before.
#include <mutex>
#include <set>
#include <string>

#include "testing/services/FakePatrolServer.h"

namespace test_support {

class DeviceRecordRefusals {
 public:
  explicit DeviceRecordRefusals(FakePatrolServer& server);
  DeviceRecordRefusals(const DeviceRecordRefusals&) = delete;
  DeviceRecordRefusals& operator=(const DeviceRecordRefusals&) = delete;

  void refuse(const std::string& people_code);
  // The adds refused so far.
  int refused() const;

 private:
  mutable std::mutex mutex_;
  std::set<std::string> codes_;
  int refused_ = 0;
};

}  // namespace test_support

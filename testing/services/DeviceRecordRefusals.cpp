#include "testing/services/DeviceRecordRefusals.h"

#include "testing/services/WireJson.h"

namespace test_support {

DeviceRecordRefusals::DeviceRecordRefusals(FakePatrolServer& server) {
  PatrolTable& records = server.device_records();
  server.http().route("POST", "/api/DeviceRecord/Add", [this, &records](const RecordedRequest& request) {
    Json::Value body;
    if (!read_wire_json(request.body, body) || !body.isObject()) return HttpReply(200, "-1");
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (codes_.count(body["strPeopleCode"].asString()) != 0) {
        ++refused_;
        return HttpReply(200, "-1");
      }
    }
    const int id = records.add(body);
    return HttpReply(200, id > 0 ? std::to_string(id) : "-1");
  });
}

void DeviceRecordRefusals::refuse(const std::string& people_code) {
  std::lock_guard<std::mutex> lock(mutex_);
  codes_.insert(people_code);
}

int DeviceRecordRefusals::refused() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return refused_;
}

}  // namespace test_support

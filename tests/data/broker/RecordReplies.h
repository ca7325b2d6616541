#pragma once
// The patrol server's answer to "api/InspectRecord/GetByID" for the consumer tests: the
// records put here, by id, and an empty object for any other id, as the server answers
// for a record it does not hold.
#include <map>
#include <mutex>
#include <string>

#include "data/InspectRecordInfo.h"
#include "tests/support/FakeHttpServer.h"

namespace broker_test {

class RecordReplies {
 public:
  static constexpr const char* kPath = "/api/InspectRecord/GetByID";

  // Installs the route on the server, which must outlive this object's use.
  explicit RecordReplies(test_support::FakeHttpServer& server);

  void Put(const InspectRecordInfo& record);
  void Clear();
  // The GetByID requests the server received.
  int Requests() const;

 private:
  test_support::FakeHttpServer& m_server;
  mutable std::mutex m_mutex;
  std::map<std::string, std::string> m_bodies;  // the ID query value -> reply body
};

}  // namespace broker_test

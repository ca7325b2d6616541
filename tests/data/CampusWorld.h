#pragma once
// One test server playing every outside service at once (patrol server, base platform,
// digital campus), with the session pointed at it, the start-up caches empty and the data
// layer's log lines collected. The session, the caches and the log observer are given back
// when the world goes.
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include <json/json.h>

#include "CommonTools/global_singleton.h"
#include "data/DalLog.h"
#include "testing/services/FakeBasePlatform.h"
#include "testing/services/FakeCampusService.h"
#include "testing/services/FakePatrolServer.h"
#include "testing/services/FakeRoutesAndPlans.h"

class CampusWorld {
 public:
  // Logged in as "u1" of school "s1" with token "tok", inside the school network, with
  // every right.
  CampusWorld();
  ~CampusWorld();
  CampusWorld(const CampusWorld&) = delete;
  CampusWorld& operator=(const CampusWorld&) = delete;

  global_singleton& session() { return global_singleton::get_mutable_instance(); }
  test_support::FakeHttpServer& http() { return patrol.http(); }
  // The JSON bodies of the requests received on that path ("/api/..."), in order; null
  // for a body that is no JSON.
  std::vector<Json::Value> requestBodies(const std::string& path);
  // Every line, or only those that went to one of the two loggers.
  std::vector<std::string> logLines() const;
  std::vector<std::string> logLines(DalLog::Sink sink) const;
  void clearLog();

  test_support::FakePatrolServer patrol;
  test_support::FakeBasePlatform platform;
  test_support::FakeCampusService campus;
  test_support::FakeRoutesAndPlans plans;

 private:
  struct Saved {
    std::string baseAddr;
    std::string serverAddr;
    int outSideSchool = 0;
    OnlineUserInfo user;
    std::string token;
    int allRights = 0;
    int allTypes = 0;
    std::map<int, std::string> types;
  };
  Saved m_saved;
  mutable std::mutex m_mutex;
  std::vector<std::pair<DalLog::Sink, std::string>> m_lines;
};

// The base URL of a server that has just stopped, where every connection is refused.
std::string RefusingBaseUrl();

#pragma once
// The digital-campus service, played on a test server: the school's buildings with their
// cameras and its campuses, in the order they were added (duplicates kept, as a real
// reply may hold them). Data are held in the program's GBK and sent as UTF-8.
#include <mutex>
#include <vector>

#include "data/CampusInfo.h"
#include "data/DigiAreaInfo.h"
#include "testing/http/FakeHttpServer.h"

namespace test_support {

class FakeCampusService {
 public:
  // Installs the service's routes on the server.
  explicit FakeCampusService(FakeHttpServer& server);

  void add_building(const DigiAreaInfo& building);
  void add_campus(const CampusInfo& campus);
  // The "error" both replies carry; 0 is success.
  void set_error(int error);
  // The buildings as added, for services that name areas after them.
  std::vector<DigiAreaInfo> buildings() const;

 private:
  HttpReply serve_buildings(const RecordedRequest& request) const;
  HttpReply serve_campuses(const RecordedRequest& request) const;

  mutable std::mutex mutex_;
  std::vector<DigiAreaInfo> buildings_;
  std::vector<CampusInfo> campuses_;
  int error_ = 0;
};

}  // namespace test_support

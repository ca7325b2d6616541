#pragma once
// A small school read from the fixture files beside the program (UTF-8 JSON) and put
// into the fake services: the platform's users and identities, the campus map, and the
// patrol data with its plans and visits placed around today's date.
#include <string>
#include <vector>

#include "testing/services/FakeBasePlatform.h"
#include "testing/services/FakeCampusService.h"
#include "testing/services/FakePatrolServer.h"
#include "testing/services/FakeRoutesAndPlans.h"

namespace campus_server {

struct SchoolServices {
  test_support::FakePatrolServer& patrol;
  test_support::FakeBasePlatform& platform;
  test_support::FakeCampusService& campus;
  test_support::FakeRoutesAndPlans& plans;
};

class SchoolFixture {
 public:
  // Throws std::runtime_error naming the file that is missing or not JSON.
  explicit SchoolFixture(const std::string& folder);

  // Seeds the services; every sub-system's address becomes publicUrl.
  void Seed(SchoolServices services, const std::string& publicUrl) const;
  // The platform, the campus map and the rights alone: the setting of a generated school.
  void SeedSetting(SchoolServices services, const std::string& publicUrl) const;

  // The platform's user ids, in fixture order.
  std::vector<std::string> UserIds() const;

 private:
  void SeedPlatform(test_support::FakeBasePlatform& platform, const std::string& publicUrl) const;
  void SeedCampus(test_support::FakeCampusService& campus) const;
  void SeedPatrol(SchoolServices services) const;
  void SeedRights(test_support::FakePatrolServer& patrol) const;

  Json::Value m_platform;
  Json::Value m_campus;
  Json::Value m_patrol;
};

}  // namespace campus_server

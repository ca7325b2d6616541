#pragma once
// A school of any size made up from a few rules, for measuring the client at scale: the
// same counts always give the same records (no randomness), placed around today's date.
// Plans run on routes of eight checkpoints each, with two patrol people and three slots
// that cover the day, so that at any hour one slot of a running plan is under way; the
// visits, device records and log lines are spread over the last ten days. The platform's
// users, the campus map and the rights come from the fixture school beside it.
#include <string>
#include <vector>

#include "tools/campus-server/SchoolFixture.h"
#include "tools/campus-server/SchoolSize.h"

namespace campus_server {

class GeneratedSchool {
 public:
  // creators: platform user ids that the routes and plans name as their creators;
  // buildings: the campus buildings the checkpoints stand in. Neither may be empty.
  GeneratedSchool(SchoolSize size, std::vector<std::string> creators, std::vector<int> buildings);

  void Seed(SchoolServices services) const;

  // The checkpoint ids of a route, in walking order.
  std::vector<int> RouteCheckpoints(int route) const;

 private:
  void SeedPeople(SchoolServices services) const;
  void SeedCheckpoints(SchoolServices services) const;
  void SeedReaders(SchoolServices services) const;
  void SeedRoutes(SchoolServices services) const;
  void SeedPlans(SchoolServices services) const;
  void SeedVisits(SchoolServices services) const;
  void SeedDeviceRecords(SchoolServices services) const;
  void SeedLog(SchoolServices services) const;

  SchoolSize m_size;
  std::vector<std::string> m_creators;
  std::vector<int> m_buildings;
};

}  // namespace campus_server

#pragma once
// The route, plan and patrol-record paths of the fake patrol server, kept in tables of
// their own on the same server:
//   api/InspectRoute/{Get,Add,Update,Delete}; api/InspectRouteDevice/{GetByID,Add,Delete}
//   (the links answer with the data of their checkpoint); api/InspectPlan/{Get,Add,Update,
//   Delete,DateTest}; api/InspectRecord/{GetByID,GetByDate,GetrecordRorDownLoad,
//   GetPassRate,GetByIDAndTime,Update}.
// Periods (the type of the pass-rate and download queries): 1 the day, 2 its week from
// Monday, 3 its month, 4 its year. A visit is due once per plan window and route
// checkpoint on each day the plan runs (within its dates, on a weekday of its mask); it
// passed when its record of kind 2 has a non-zero result.
// The pass rate answers seven periods of the query's type, "dateflag" 7 the one holding the
// date and 1 six periods before it.
#include <string>

#include <json/json.h>

#include "testing/services/CivilDate.h"
#include "testing/services/FakeCampusService.h"
#include "testing/services/FakePatrolServer.h"

namespace test_support {

class FakeRoutesAndPlans {
 public:
  // The campus service, when given, names the areas of a plan run after its buildings.
  FakeRoutesAndPlans(FakePatrolServer& server, const FakeCampusService* campus = nullptr);
  FakeRoutesAndPlans(const FakeRoutesAndPlans&) = delete;
  FakeRoutesAndPlans& operator=(const FakeRoutesAndPlans&) = delete;

  PatrolTable& routes() { return routes_; }
  PatrolTable& links() { return links_; }
  PatrolTable& plans() { return plans_; }
  // Patrol records in reply form, as tests and fixtures seed them.
  PatrolTable& visits() { return visits_; }

 private:
  void serve_routes();
  void serve_plans();
  void serve_visits();

  Json::Value links_of_route(int route) const;
  Json::Value visits_between(int plan, const CivilDate& first, const CivilDate& last) const;
  Json::Value pass_rate(int plan, const CivilDate& date, int period) const;
  Json::Value run_areas(int plan, const std::string& run) const;
  int due_visits(const Json::Value& plan, const CivilDate& day) const;

  FakePatrolServer& server_;
  const FakeCampusService* campus_;
  PatrolTable routes_;
  PatrolTable links_;
  PatrolTable plans_;
  PatrolTable visits_;
};

}  // namespace test_support

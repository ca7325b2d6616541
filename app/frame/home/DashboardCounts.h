#pragma once
// The dashboard's figures from the start-up caches: people, checkpoints and readers, and
// for each plan type the plans still to run against all plans of the type.
#include <array>

class DashboardCounts {
 public:
  enum { PLAN_TYPES = 7 };

  static DashboardCounts FromCaches();

  int people = 0;
  int checkpoints = 0;
  int readers = 0;
  // By plan type 0 to 6: plans not started or running, and all plans.
  std::array<int, PLAN_TYPES> active{};
  std::array<int, PLAN_TYPES> total{};
};

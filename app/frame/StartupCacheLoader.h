#pragma once
// The reference data every page reads, loaded into the start-up caches once the user is
// logged in: buildings and campuses from the digital-campus service, then people,
// checkpoints, routes, plans (those of the user's types) and readers from the patrol
// server, and each plan's status for today. A service that fails leaves its cache empty.
#include <ctime>
#include <string>

class StartupCacheLoader {
 public:
  // The plan statuses.
  enum : int { PLAN_NOT_STARTED = 1, PLAN_RUNNING = 2, PLAN_FINISHED = 3 };

  // Replaces the caches' contents, in the order above, then sets the plan statuses.
  static void Load();

  // Every cached plan's status for the local date of the wall clock.
  static void UpdatePlanStates();

  // A plan between the two "YYYY-MM-DD" dates on the day that starts at `today`; both
  // limits count as running.
  static int PlanState(const std::string& startDate, const std::string& endDate, std::time_t today);

  // Local midnight of the wall clock's date, daylight saving not in force.
  static std::time_t Today();

  // Local midnight of a "YYYY-MM-DD" date; missing parts count as 0.
  static std::time_t DateToTime(const std::string& date);
};

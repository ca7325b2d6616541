#pragma once
// Stands in for the plan execution view until it is built: it takes the plan and the run
// as the view will, and remembers the last run asked for, so that the result page's
// "查看" can be followed.
#include <string>

class LookPlanStandIn {
 public:
  struct Opened {
    int planId = 0;
    std::string runKey;  // YYYY-MM-DD/HH:MM-HH:MM
  };

  explicit LookPlanStandIn(int planId);

  void LoadPlanRun(const std::string& runKey);

  // The last run loaded in this process.
  static Opened LastOpened();

 private:
  int m_planId;
};

#pragma once
// The checkpoint list of a plan run: every checkpoint of the plan's route, areas in
// ascending building id and the route's checkpoints of each in its order, with what the
// run's records say happened there. A checkpoint listed in two areas of the records takes
// the first record met. The state says whether the checkpoint was visited, the result
// (合格 or 不合格) whether the visit passed.
#include <list>
#include <string>
#include <vector>

#include "app/records/PlanRunRow.h"
#include "data/InspectRouteInfo.h"
#include "data/RecordAreaInfo.h"

struct CheckpointRow {
  int checkpointId = 0;
  PlanRunRow texts;
};

std::vector<CheckpointRow> BuildCheckpointRows(const InspectRouteInfo& route, const std::list<RecordAreaInfo>& areas,
                                               const std::string& people);

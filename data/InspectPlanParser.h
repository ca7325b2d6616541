#pragma once
#include <list>

#include "data/InspectPlanInfo.h"

// Appends the plans of a reply that the user may see, each completed with its people (a
// patrol-server request per distinct person id of the reply), its creator's name (a
// platform request per distinct creator of the reply) and its route's name from the route
// cache. Those requests go over several connections at once; nothing of their answers is
// kept after the reply.
void ParseInspectPlanJsonData(const char* pData, std::list<InspectPlanInfo>& listPlan);

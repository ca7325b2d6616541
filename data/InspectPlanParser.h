#pragma once
#include <list>

#include "data/InspectPlanInfo.h"

// Appends the plans of a reply that the user may see, each completed with its people (one
// patrol-server request per piece of its people text), its creator's name (one platform
// request) and its route's name from the route cache.
void ParseInspectPlanJsonData(const char* pData, std::list<InspectPlanInfo>& listPlan);

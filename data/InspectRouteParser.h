#pragma once
#include <list>

#include "data/InspectRouteInfo.h"

// Appends the routes of a reply that the user may see, each completed with its creator's
// name (one platform request) and its links (one patrol-server request) grouped by the
// building of their checkpoint. The buildings are asked of the digital campus once per
// reply; the checkpoints come from the checkpoint cache.
void ParseInspectRouteJsonData(const char* pData, std::list<InspectRouteInfo>& listRoute);

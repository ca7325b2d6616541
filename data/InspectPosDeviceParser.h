#pragma once
#include <list>

#include "data/InspectPosDeviceInfo.h"

// Appends the checkpoints of a reply in reply order, each named after its building in
// g_mapDigiArea (empty when the building is not there).
void ParseInspectPosDeviceJsonData(const char* pData, std::list<InspectPosDeviceInfo>& listPosDevice);

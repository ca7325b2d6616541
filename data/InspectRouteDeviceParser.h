#pragma once
#include <list>

#include "data/InspectRouteDeviceInfo.h"

// Appends the links of one route's reply in reply order.
void ParseInspectRouteDeviceJsonData(const char* pData, std::list<InspectRouteDeviceInfo>& listDevice);

#pragma once
#include <list>

#include "data/DeviceRecordInfo.h"

// Appends the device records of a reply in reply order, their codes resolved to names
// through the checkpoint and reader caches.
void ParseDeviceRecordJsonData(const char* pData, std::list<DeviceRecordInfo>& listRecord);

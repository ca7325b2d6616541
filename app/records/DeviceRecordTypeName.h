#pragma once
// The word a device record's type shows as, on the record tab and in its export alike:
// 4 a manual alarm, 5 a low-battery alarm, anything else a check-in.
#include <string>

std::string DeviceRecordTypeName(int type);

#pragma once
// What the system-log tab keeps of the audit log: the entries of a day range whose user
// name or event contains a search text.
#include <ctime>
#include <list>
#include <string>

#include "data/SystemLogInfo.h"

class SystemLogFilter {
 public:
  // Days as local times at 00:00; an entry counts on the day its time text begins with.
  // A start after the end keeps nothing.
  static std::list<SystemLogInfo> Filter(const std::list<SystemLogInfo>& entries, const std::wstring& search,
                                         std::time_t startDay, std::time_t endDay);
};

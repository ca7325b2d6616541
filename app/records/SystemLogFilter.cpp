#include "app/records/SystemLogFilter.h"

#include "app/records/LocalCalendar.h"
#include "platform/base/CodePage.h"

namespace {

bool Contains(const std::string& gbk, const std::wstring& search) {
  return platform::codepage::GbkToWide(gbk).find(search) != std::wstring::npos;
}

}  // namespace

std::list<SystemLogInfo> SystemLogFilter::Filter(const std::list<SystemLogInfo>& entries, const std::wstring& search,
                                                 std::time_t startDay, std::time_t endDay) {
  std::list<SystemLogInfo> kept;
  for (const SystemLogInfo& entry : entries) {
    if (!search.empty() && !Contains(entry.strUser, search) && !Contains(entry.strEvent, search)) continue;
    const std::time_t day = LocalCalendar::DateTextTime(entry.strTime, 0, 0);
    if (day >= startDay && day <= endDay) kept.push_back(entry);
  }
  return kept;
}

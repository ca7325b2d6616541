#include "app/records/DeviceRecordFilter.h"

#include "app/records/LocalCalendar.h"
#include "platform/base/CodePage.h"

namespace {

const std::size_t kReaderTimeLength = 12;

bool Contains(const std::string& gbk, const std::wstring& search) {
  return platform::codepage::GbkToWide(gbk).find(search) != std::wstring::npos;
}

}  // namespace

bool DeviceRecordFilter::RecordTime(const std::string& readerTime, std::time_t& time) {
  if (readerTime.size() < kReaderTimeLength) return false;
  const auto two = [&](std::size_t at) { return LocalCalendar::Number(readerTime, at, 2); };
  time = LocalCalendar::Time(2000 + two(0), two(2), two(4), two(6), two(8));
  return true;
}

std::string DeviceRecordFilter::TimeText(const std::string& readerTime) {
  if (readerTime.size() < kReaderTimeLength) return readerTime;
  const auto two = [&](std::size_t at) { return readerTime.substr(at, 2); };
  return "20" + two(0) + "-" + two(2) + "-" + two(4) + " " + two(6) + ":" + two(8) + ":" + two(10);
}

std::list<DeviceRecordInfo> DeviceRecordFilter::Filter(const std::list<DeviceRecordInfo>& records,
                                                       const std::wstring& search, std::time_t start,
                                                       std::time_t end) {
  std::list<DeviceRecordInfo> kept;
  for (const DeviceRecordInfo& record : records) {
    if (!search.empty() && !Contains(record.strDeviceName, search) && !Contains(record.strPeopleName, search)) continue;
    std::time_t time = 0;
    if (!RecordTime(record.strTime, time) || time < start || time > end) continue;
    kept.push_back(record);
  }
  return kept;
}

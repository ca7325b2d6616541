#pragma once
// What the device-record tab keeps of the server's device records, and how it writes
// their times. A record's time is its reader time YYMMDDhhmmss to the minute (its
// seconds ignored), so a range ending at 08:30 keeps 08:30:59.
#include <ctime>
#include <list>
#include <string>

#include "data/DeviceRecordInfo.h"

class DeviceRecordFilter {
 public:
  // Records within [start, end] whose reader or person name contains the search (any
  // record for an empty search), in reply order.
  static std::list<DeviceRecordInfo> Filter(const std::list<DeviceRecordInfo>& records, const std::wstring& search,
                                            std::time_t start, std::time_t end);
  // False for a time text shorter than twelve digits: such a record is kept by no range.
  static bool RecordTime(const std::string& readerTime, std::time_t& time);
  // "20YY-MM-DD hh:mm:ss"; a time text too short for that is shown as it came.
  static std::string TimeText(const std::string& readerTime);
};

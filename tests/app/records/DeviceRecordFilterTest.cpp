// What the device-record and system-log tabs keep of the server's lists.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/records/DeviceRecordFilter.h"
#include "app/records/DeviceRecordTypeName.h"
#include "app/records/LocalCalendar.h"
#include "app/records/SystemLogFilter.h"

namespace {

DeviceRecordInfo Record(const std::string& time, const std::string& reader = "一号机",
                        const std::string& person = "张三") {
  DeviceRecordInfo record;
  record.strTime = time;
  record.strDeviceName = reader;
  record.strPeopleName = person;
  return record;
}

std::vector<std::string> Times(const std::list<DeviceRecordInfo>& records) {
  std::vector<std::string> times;
  for (const DeviceRecordInfo& record : records) times.push_back(record.strTime);
  return times;
}

TEST(DeviceRecordFilter, KeepsTheMinutesOfTheRange) {
  const std::list<DeviceRecordInfo> records = {Record("220601075959"), Record("220601080000"),
                                               Record("220601083059"), Record("220601083100"), Record("2206010830")};
  const struct {
    const char* what;
    int startMinute, endMinute;
    std::vector<std::string> kept;
  } cases[] = {
      {"08:00 to 08:30", 0, 30, {"220601080000", "220601083059"}},
      {"equal start and end", 30, 30, {"220601083059"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto kept = DeviceRecordFilter::Filter(records, L"", LocalCalendar::Time(2022, 6, 1, 8, c.startMinute),
                                                 LocalCalendar::Time(2022, 6, 1, 8, c.endMinute));
    EXPECT_EQ(Times(kept), c.kept);
  }
}

TEST(DeviceRecordFilter, SearchesReaderAndPersonNames) {
  const std::list<DeviceRecordInfo> records = {Record("220601080000", "一号机", "张三"),
                                               Record("220601080100", "二号机", "李四")};
  const std::time_t start = LocalCalendar::Time(2022, 6, 1, 0, 0);
  const std::time_t end = LocalCalendar::Time(2022, 6, 1, 23, 59);
  EXPECT_EQ(Times(DeviceRecordFilter::Filter(records, L"李", start, end)), std::vector<std::string>{"220601080100"});
  EXPECT_EQ(Times(DeviceRecordFilter::Filter(records, L"一号", start, end)), std::vector<std::string>{"220601080000"});
  EXPECT_TRUE(DeviceRecordFilter::Filter(records, L"王", start, end).empty());
}

TEST(DeviceRecordFilter, WordsAndTimeText) {
  EXPECT_EQ(DeviceRecordTypeName(4), "手动报警");
  EXPECT_EQ(DeviceRecordTypeName(5), "低电报警");
  EXPECT_EQ(DeviceRecordTypeName(0), "位置打卡");
  EXPECT_EQ(DeviceRecordTypeName(2), "位置打卡");
  EXPECT_EQ(DeviceRecordFilter::TimeText("220601083059"), "2022-06-01 08:30:59");
  EXPECT_EQ(DeviceRecordFilter::TimeText("2206"), "2206");
}

TEST(SystemLogFilter, KeepsWholeDaysAndSearchesNamesAndEvents) {
  SystemLogInfo late;
  late.strUser = "admin";
  late.strUserIP = "10.0.0.8";
  late.strTime = "2022-06-02 23:59:59";
  late.strEvent = "删除路线-东区";
  SystemLogInfo nextDay = late;
  nextDay.strTime = "2022-06-03 00:00:00";
  const std::list<SystemLogInfo> entries = {late, nextDay};
  const std::time_t first = LocalCalendar::Time(2022, 6, 1, 0, 0);
  const std::time_t last = LocalCalendar::Time(2022, 6, 2, 0, 0);
  const struct {
    const char* what;
    std::wstring search;
    std::time_t start, end;
    size_t kept;
  } cases[] = {
      {"23:59:59 on the end day kept, the next day not", L"", first, last, 1},
      {"found in the event", L"东区", first, last, 1},
      {"found in the user name", L"adm", first, last, 1},
      {"found only in the IP address", L"10.0", first, last, 0},
      {"start after end", L"", last, first, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto kept = SystemLogFilter::Filter(entries, c.search, c.start, c.end);
    ASSERT_EQ(kept.size(), c.kept);
    if (c.kept == 1) {
      EXPECT_EQ(kept.front().strTime, "2022-06-02 23:59:59");
    }
  }
}

}  // namespace

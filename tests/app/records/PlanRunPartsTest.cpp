// The plain parts of a plan run's view and exception record: the time key of a run key,
// where a run stands against the clock, the names that become file names, and the rows
// of the checkpoint list.
#include <gtest/gtest.h>

#include <list>
#include <string>
#include <vector>

#include "CommonTools/Files.h"
#include "app/records/CheckpointRows.h"
#include "app/records/FileNames.h"
#include "app/records/RunKey.h"
#include "app/records/RunPhase.h"
#include "testing/base/LocalTime.h"

namespace {

using test_support::LocalTime;

TEST(PlanRunParts, TimeKeyIsTheRunKeysDigits) {
  EXPECT_EQ(TimeKeyFromRunKey("2024-05-01/08:00-09:30"), "2024050108000930");
  EXPECT_EQ(TimeKeyFromRunKey("2024-05-01/08:00-09:3"), "") << "not 22 characters";
  EXPECT_EQ(TimeKeyFromRunKey(""), "");
  // A date from the server that is no date: its characters would name a folder.
  EXPECT_EQ(TimeKeyFromRunKey("../.X./X../08:00-09:30"), "");
  EXPECT_EQ(TimeKeyFromRunKey("../k-ee-p_/ou:t_-ab:cd"), "");
  EXPECT_EQ(TimeKeyFromRunKey("2024-05-01/08:00-09:3a"), "");
}

TEST(PlanRunParts, RunPhaseAgainstTheClock) {
  const std::string run = "2024050108000930";  // 2024-05-01, 08:00 to 09:30
  const struct {
    const char* what;
    SYSTEMTIME now;
    int phase;
  } cases[] = {
      {"a day before", LocalTime(2024, 4, 30, 12, 0), 1},
      {"a minute before the start", LocalTime(2024, 5, 1, 7, 59, 59), 1},
      {"at the start minute, seconds ignored", LocalTime(2024, 5, 1, 8, 0, 40), 4},
      {"during", LocalTime(2024, 5, 1, 8, 1), 2},
      {"the last minute before the end", LocalTime(2024, 5, 1, 9, 29, 59), 2},
      {"at the end", LocalTime(2024, 5, 1, 9, 30), 4},
      {"later that day", LocalTime(2024, 5, 1, 23, 59), 4},
      {"the next day", LocalTime(2024, 5, 2, 0, 0), 3},
      {"a year later", LocalTime(2025, 5, 1, 8, 30), 3},
  };
  for (const auto& c : cases) EXPECT_EQ(GetRunPhase(run, c.now), c.phase) << c.what;
  EXPECT_EQ(GetRunPhase("20240501080009", LocalTime(2024, 5, 1, 8, 30)), 3) << "a short key is never editable";
  EXPECT_EQ(GetRunPhase("2024050108000a30", LocalTime(2024, 5, 1, 8, 30)), 3);
}

TEST(PlanRunParts, PlanNamesBecomeSafeFileNames) {
  const struct {
    std::string name;
    std::string planFileName;
  } cases[] = {
      {"夜巡", "夜巡"},
      {"a.jpg", "a.jpg"},
      {"A/B:C", "A_B_C"},
      {"..\\up.jpg", ".._up.jpg"},
      {"..", "_"},
      {".", "_"},
      {"x*?\"<>|y", "x______y"},
      {"tab\there", "tab_here"},
      {"", ""},
      {"夜巡.", "夜巡._"},
      {"夜巡 ", "夜巡 _"},
      {"CON", "CON_"},
      {"lpt1.x", "lpt1.x_"},
      // "\xb5\x5c" is no separator: its second byte only looks like one.
      {"\xb5\x5c.jpg", "\xb5\x5c.jpg"},
  };
  for (const auto& c : cases) EXPECT_EQ(PlanFileName(c.name), c.planFileName) << c.name;
}

TEST(PlanRunParts, APathInAChosenFolderKeepsTheFoldersSeparator) {
  const struct {
    std::string folder;
    std::string path;
  } cases[] = {
      {"/tmp/reports", "/tmp/reports/夜巡.xls"},
      {"C:\\Users\\me", "C:\\Users\\me\\夜巡.xls"},
      {"D:", "D:\\夜巡.xls"},
  };
  for (const auto& c : cases) EXPECT_EQ(CommonTools::join_path(c.folder, std::string("夜巡.xls")), c.path) << c.folder;
}

RecordPositionInfo Visit(int checkpoint, int state, int result, int abnormal, const std::string& time,
                         const std::string& remark) {
  RecordPositionInfo visit;
  visit.PositionDeviceID = checkpoint;
  visit.iState = state;
  visit.iResult = result;
  visit.iAbnormal = abnormal;
  visit.strTime = time;
  visit.strReserve = remark;
  return visit;
}

TEST(PlanRunParts, CheckpointRowsFollowTheRouteAndTakeTheFirstRecordMet) {
  InspectRouteInfo route;
  route.mapArea[12].buildingName = "南楼";
  route.mapArea[10].buildingName = "东楼";
  for (const auto& link : {std::pair<int, int>{12, 9}, {10, 5}, {10, 3}, {10, 7}}) {
    InspectRouteDeviceInfo device;
    device.iDeviceID = link.second;
    device.strDeviceName = "点" + std::to_string(link.second);
    route.mapArea[link.first].listDevice.push_back(device);
  }
  std::list<RecordAreaInfo> areas(2);
  areas.front().listPosition = {Visit(5, 1, 1, 1, "08:10", "门坏了"), Visit(3, 0, 0, 1, "", "")};
  areas.back().listPosition = {Visit(5, 0, 0, 0, "08:50", "second"), Visit(9, 1, 1, 0, "08:20", "ok")};

  std::vector<std::string> rows;
  for (const CheckpointRow& row : BuildCheckpointRows(route, areas, "张三,李四")) {
    const PlanRunRow& t = row.texts;
    rows.push_back(std::to_string(row.checkpointId) + " " + t.strCheckpoint + " " + t.strArea + " " + t.strPeople + " " +
                   t.strState + " " + t.strTime + " " + t.strResult + " " + t.strAnomaly + " " +
                   t.strAnomalyDescription);
  }
  EXPECT_EQ(rows, (std::vector<std::string>{
                      "5 点5 东楼 张三,李四 已巡逻 08:10 合格 有异常 门坏了",
                      "3 点3 东楼 张三,李四 未巡逻  不合格 有异常 ",
                      "7 点7 东楼 张三,李四 未巡逻 -- 不合格 -- --",
                      "9 点9 南楼 张三,李四 已巡逻 08:20 合格 无异常 ok",
                  }));
}

}  // namespace

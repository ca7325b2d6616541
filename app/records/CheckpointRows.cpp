#include "app/records/CheckpointRows.h"

namespace {

const RecordPositionInfo* FirstRecordOf(const std::list<RecordAreaInfo>& areas, int checkpointId) {
  for (const RecordAreaInfo& area : areas) {
    for (const RecordPositionInfo& record : area.listPosition) {
      if (record.PositionDeviceID == checkpointId) return &record;
    }
  }
  return nullptr;
}

PlanRunRow TextsOf(const InspectRouteDeviceInfo& link, const RouteAreaInfo& area, const std::string& people,
                   const RecordPositionInfo* record) {
  PlanRunRow row;
  row.strCheckpoint = link.strDeviceName;
  row.strArea = area.buildingName;
  row.strPeople = people;
  if (record == nullptr) {
    row.strState = "未巡逻";
    row.strTime = "--";
    row.strResult = "不合格";
    row.strAnomaly = "--";
    row.strAnomalyDescription = "--";
    return row;
  }
  row.strState = record->iState != 0 ? "已巡逻" : "未巡逻";
  row.strTime = record->strTime;
  // The visit's result, as the results tab counts passes and misses: a visited
  // checkpoint can still have failed.
  row.strResult = record->iResult != 0 ? "合格" : "不合格";
  row.strAnomaly = record->iAbnormal != 0 ? "有异常" : "无异常";
  row.strAnomalyDescription = record->strReserve;
  return row;
}

}  // namespace

std::vector<CheckpointRow> BuildCheckpointRows(const InspectRouteInfo& route, const std::list<RecordAreaInfo>& areas,
                                               const std::string& people) {
  std::vector<CheckpointRow> rows;
  for (const auto& entry : route.mapArea) {
    for (const InspectRouteDeviceInfo& link : entry.second.listDevice) {
      CheckpointRow row;
      row.checkpointId = link.iDeviceID;
      row.texts = TextsOf(link, entry.second, people, FirstRecordOf(areas, link.iDeviceID));
      rows.push_back(row);
    }
  }
  return rows;
}

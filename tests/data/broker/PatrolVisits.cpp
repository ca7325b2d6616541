#include "tests/data/broker/PatrolVisits.h"

#include <json/json.h>

namespace broker_test {

namespace {

const char kFetchPath[] = "/api/InspectRecord/GetByID";

// The records of these tests hold ASCII texts only, so GBK and UTF-8 agree.
Json::Value VisitJson(const InspectRecordInfo& record) {
  Json::Value json(Json::objectValue);
  json["iID"] = record.iID;
  json["iType"] = record.iType;
  json["iPlanID"] = record.iPlanID;
  json["iPositionID"] = record.iPositionID;
  json["strInspectPeopleID"] = record.strInspectPeopleID;
  json["strDate"] = record.strDate;
  json["strTime"] = record.strTime;
  json["iState"] = record.iState;
  json["iResult"] = record.iResult;
  json["iAbnormal"] = record.iAbnormal;
  json["strPhoto"] = record.strPhoto;
  json["strSound"] = record.strSound;
  json["strReserve"] = record.strReserve;
  return json;
}

}  // namespace

void HoldVisit(CampusWorld& world, const InspectRecordInfo& record) {
  ForgetVisit(world, record.iID);
  world.plans.visits().seed(VisitJson(record));
}

void ForgetVisit(CampusWorld& world, int id) { world.plans.visits().remove(id); }

int VisitFetches(CampusWorld& world) {
  int count = 0;
  for (const test_support::RecordedRequest& request : world.http().requests()) {
    if (request.path() == kFetchPath) ++count;
  }
  return count;
}

}  // namespace broker_test

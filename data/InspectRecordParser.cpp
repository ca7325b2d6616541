#include "data/InspectRecordParser.h"

#include <mutex>

#include "data/InspectRecordFields.h"
#include "data/ParserRun.h"
#include "data/StartupCaches.h"

namespace {

const char kParser[] = "ParseInspectRecordJsonData";

// Copies what the record shows of its plan out under the cache's lock.
void NameFromPlan(InspectRecordInfo& record) {
  std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
  const auto plan = g_mapInspectPlan.find(record.iPlanID);
  if (plan == g_mapInspectPlan.end()) return;
  record.strPlanName = plan->second.strName;
  for (const auto& person : plan->second.listPeople) {
    if (!record.strPeopleNames.empty()) record.strPeopleNames += ",";
    record.strPeopleNames += person.strName;
  }
}

void ReadRecord(const Json::Value& element, InspectRecordInfo& record) { dal::ReadInspectRecord(element, record); }

}  // namespace

void ParseInspectRecordJsonData(const char* pData, InspectRecordInfo& record) {
  dal::RunParser(DalLogStyle::Text, kParser, pData, [&](const Json::Value& root) {
    dal::ReadInspectRecord(root, record, true);
    NameFromPlan(record);
  });
}

void ParseInspectRecordJsonData(const char* pData, std::list<InspectRecordInfo>& listRecord) {
  dal::RunParser(DalLogStyle::Text, kParser, pData, [&](const Json::Value& root) {
    dal::ParseEachElement<InspectRecordInfo>(
        root, ReadRecord, [&](InspectRecordInfo&& record) { listRecord.push_back(std::move(record)); });
  });
}

void ParseInspectRecordRateJsonData(const char* pData, std::list<PassRateInfo>& listRate) {
  dal::RunParser(DalLogStyle::Text, "ParseInspectRecordRateJsonData", pData, [&](const Json::Value& root) {
    dal::ParseEachElement<PassRateInfo>(
        root,
        [](const Json::Value& element, PassRateInfo& rate) {
          rate.dateflag = dal::ReadInt(element, "dateflag");
          rate.iTodalNum = dal::ReadInt(element, "iTodalNum");
          dal::ParseEachElement<InspectRecordInfo>(
              element["InspectRecordPassRateList"], ReadRecord,
              [&](InspectRecordInfo&& record) { rate.listRecord.push_back(std::move(record)); });
        },
        [&](PassRateInfo&& rate) { listRate.push_back(std::move(rate)); });
  });
}

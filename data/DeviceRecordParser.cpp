#include "data/DeviceRecordParser.h"

#include <memory>

#include "data/DeviceRecordNames.h"
#include "data/ParserRun.h"

namespace {

void ReadDeviceRecord(const Json::Value& element, DeviceRecordInfo& record) {
  record.strTime = dal::ReadText(element, "strTime");
  record.iID = dal::ReadInt(element, "iID");
  record.iType = dal::ReadInt(element, "iType");
  record.strDeviceCode = dal::ReadText(element, "strDeviceCode");
  record.strInspectPositionDeviceCode = dal::ReadText(element, "strInspectPositionDeviceCode");
  record.strPeopleCode = dal::ReadText(element, "strPeopleCode");
  record.strReserve = dal::ReadText(element, "strReserve");
}

}  // namespace

void ParseDeviceRecordJsonData(const char* pData, std::list<DeviceRecordInfo>& listRecord) {
  dal::RunParser(DalLogStyle::Text, "ParseDeviceRecordJsonData", pData, [&](const Json::Value& root) {
    std::unique_ptr<DeviceRecordNames> names;  // only a reply with records pays for it
    dal::ParseEachElement<DeviceRecordInfo>(
        root,
        [&](const Json::Value& element, DeviceRecordInfo& record) {
          ReadDeviceRecord(element, record);
          if (!names) names.reset(new DeviceRecordNames());
          names->Resolve(record);
        },
        [&](DeviceRecordInfo&& record) { listRecord.push_back(std::move(record)); });
  });
}

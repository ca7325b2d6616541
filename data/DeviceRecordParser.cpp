#include "data/DeviceRecordParser.h"

#include <memory>

#include "data/DeviceRecordNames.h"
#include "data/JsonMembers.h"
#include "data/ParserRun.h"

namespace {

void ReadDeviceRecord(const Json::Value& element, DeviceRecordInfo& record) {
  const dal::JsonMembers fields(element);
  record.strTime = fields.Text("strTime");
  record.iID = fields.Int("iID");
  record.iType = fields.Int("iType");
  record.strDeviceCode = fields.Text("strDeviceCode");
  record.strInspectPositionDeviceCode = fields.Text("strInspectPositionDeviceCode");
  record.strPeopleCode = fields.Text("strPeopleCode");
  record.strReserve = fields.Text("strReserve");
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

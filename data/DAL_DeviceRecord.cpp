#include "data/DAL_PatrolServer.h"
#include "data/DalExchange.h"
#include "data/DeviceRecordParser.h"
#include "data/JsonBody.h"

namespace {

constexpr std::size_t kReaderTimeLength = 12;

JsonBody DeviceRecordBody(int iType, const std::string& strDeviceCode, const std::string& strPeopleCode,
                          const std::string& strInspectPositionDeviceCode, const std::string& strTime,
                          const std::string& strReserve) {
  JsonBody body;
  body.Number("iType", iType)
      .Text("strDeviceCode", strDeviceCode)
      .Text("strPeopleCode", strPeopleCode)
      .Text("strTime", strTime)
      .Text("strInspectPositionDeviceCode", strInspectPositionDeviceCode)
      .Text("strReserve", strReserve);
  return body;
}

// "YYMMDDhhmmss" -> "20YY-MM-DD&hh:mm:ss". A shorter text has no pieces to take and goes on
// unchanged.
std::string PatrolRecordTime(const std::string& readerTime) {
  if (readerTime.size() < kReaderTimeLength) return readerTime;
  const auto piece = [&](std::size_t at) { return readerTime.substr(at, 2); };
  return "20" + piece(0) + "-" + piece(2) + "-" + piece(4) + "&" + piece(6) + ":" + piece(8) + ":" + piece(10);
}

}  // namespace

std::list<DeviceRecordInfo> DAL_PatrolServer::DAL_DeviceRecord_Get() {
  return Fetch("api/DeviceRecord/Get", DalLogStyle::Text, "DAL_DeviceRecord_Get", ParseDeviceRecordJsonData);
}

int DAL_PatrolServer::DAL_DeviceRecord_Add(int iType, std::string strDeviceCode, std::string strPeopleCode,
                                           std::string strInspectPositionDeviceCode, std::string strTime,
                                           std::string strReserve) {
  const JsonBody body =
      DeviceRecordBody(iType, strDeviceCode, strPeopleCode, strInspectPositionDeviceCode, strTime, strReserve);
  std::string reply;
  if (!Post("api/DeviceRecord/Add", body, DalLogStyle::Text, "DAL_DeviceRecord_Add", reply)) return -1;
  DAL_Record_Add(iType, strDeviceCode, strPeopleCode, strInspectPositionDeviceCode, PatrolRecordTime(strTime),
                 strReserve);
  return dal::ReplyToInt(reply);
}

int DAL_PatrolServer::DAL_Record_Add(int iType, std::string strDeviceCode, std::string strPeopleCode,
                                     std::string strInspectPositionDeviceCode, std::string strTime,
                                     std::string strReserve) {
  const JsonBody body =
      DeviceRecordBody(iType, strDeviceCode, strPeopleCode, strInspectPositionDeviceCode, strTime, strReserve);
  return Write("api/InspectRecord/InspectRecordAdd", body, DalLogStyle::Text, "DAL_Record_Add", std::string());
}

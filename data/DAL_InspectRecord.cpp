#include "CommonTools/QueryValue.h"
#include "CommonTools/global_singleton.h"
#include "data/DAL_PatrolServer.h"
#include "data/InspectRecordParser.h"
#include "data/JsonBody.h"

namespace {

std::string PlanDateType(int iPlanID, const std::string& strDate, int iType) {
  return "?iPlanID=" + std::to_string(iPlanID) + "&strDate=" + CommonTools::query_value(strDate) + "&iType=" + std::to_string(iType);
}

}  // namespace

InspectRecordInfo DAL_PatrolServer::DAL_InspectRecord_GetByID(int iID) {
  return Fetch<InspectRecordInfo>("api/InspectRecord/GetByID?ID=" + std::to_string(iID), DalLogStyle::Text,
                                  "DAL_InspectRecord_GetByID", ParseInspectRecordJsonData);
}

std::list<PassRateInfo> DAL_PatrolServer::DAL_InspectRecord_GetPassRate(int iPlanID, std::string strDate, int iType) {
  return Fetch("api/InspectRecord/GetPassRate" + PlanDateType(iPlanID, strDate, iType), DalLogStyle::Text,
               "DAL_InspectRecord_GetPassRate", ParseInspectRecordRateJsonData);
}

std::list<InspectRecordInfo> DAL_PatrolServer::DAL_InspectRecord_GetForDownLoad(int iPlanID, std::string strDate,
                                                                               int iType) {
  return Fetch<std::list<InspectRecordInfo>>(
      "api/InspectRecord/GetrecordRorDownLoad" + PlanDateType(iPlanID, strDate, iType), DalLogStyle::Text,
      "DAL_InspectRecord_GetForDownLoad", ParseInspectRecordJsonData);
}

std::map<std::string, InspectRecordGroup> DAL_PatrolServer::DAL_InspectRecord_GetByDate(std::string strStartDate,
                                                                                       std::string strEndDate) {
  return Fetch<std::map<std::string, InspectRecordGroup>>(
      "api/InspectRecord/GetByDate?strStartDate=" + CommonTools::query_value(strStartDate) +
          "&strEndDate=" + CommonTools::query_value(strEndDate),
      DalLogStyle::Text,
      "DAL_InspectRecord_GetByDate", ParseInspectRecordJsonData);
}

std::list<RecordAreaInfo> DAL_PatrolServer::DAL_InspectRecord_GetByIDAndTime(int iPlanID, std::string strTime,
                                                                             int iType) {
  const OnlineUserInfo& user = global_singleton::get_const_instance().m_userInfo;
  const std::string query = "?token=" + CommonTools::query_value(user.strToken) + "&userID=" + CommonTools::query_value(user.strUserID) +
                            "&campusId=1&ID=" + std::to_string(iPlanID) + "&strTime=" + CommonTools::query_value(strTime) +
                            "&Type=" + std::to_string(iType);
  return Fetch<std::list<RecordAreaInfo>>("api/InspectRecord/GetByIDAndTime" + query, DalLogStyle::Text,
                                          "DAL_InspectRecord_GetByIDAndTime", ParseInspectRecordJsonData);
}

int DAL_PatrolServer::DAL_InspectRecord_Update(int iID, int iType, int iPlanID, int iPositionID,
                                               std::string strInspectPeopleID, std::string strDate,
                                               std::string strTime, int iState, int iResult, int iAbnormal,
                                               std::string strPhoto, std::string strSound, std::string strReserve) {
  JsonBody body;
  body.DigitText("iID", iID)
      .DigitText("Type", iType)
      .DigitText("iPlanID", iPlanID)
      .DigitText("iPositionID", iPositionID)
      .Text("strInspectPeopleID", strInspectPeopleID)
      .Text("strTime", strTime)
      .Text("strDate", strDate)
      .DigitText("iState", iState)
      .DigitText("iResult", iResult)
      .DigitText("iAbnormal", iAbnormal)
      .Text("strPhoto", strPhoto)
      .Text("strSound", strSound)
      .Text("strReserve", strReserve);
  return Write("api/InspectRecord/Update", body, DalLogStyle::Text, "DAL_InspectRecord_Update", "");
}

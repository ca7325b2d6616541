#include "CommonTools/QueryValue.h"
#include "data/DAL_PatrolServer.h"
#include "data/DalExchange.h"
#include "data/InspectPlanParser.h"
#include "data/JsonBody.h"

namespace {

// Every member is a JSON string, the integers included.
JsonBody PlanBody(const std::string& strName, int iRouteID, const std::string& strAnnouncerID, int iEquipmentID,
                  int iType, const std::string& strDate, const std::string& strTime, const std::string& strPeople,
                  const std::string& strWeek, const std::string& strRemark, const std::string& strReserve) {
  JsonBody body;
  body.Text("strName", strName)
      .DigitText("iRouteID", iRouteID)
      .Text("AnnouncerIUserID", strAnnouncerID)
      .DigitText("iEquipmentID", iEquipmentID)
      .DigitText("iType", iType)
      .Text("strDate", strDate)
      .Text("strTime", strTime)
      .Text("Inspectpeople", strPeople)
      .Text("strWeek", strWeek)
      .Text("strRemark", strRemark)
      .Text("strReserve", strReserve);
  return body;
}

}  // namespace

std::list<InspectPlanInfo> DAL_PatrolServer::DAL_InspectPlan_Get() {
  return Fetch("api/InspectPlan/Get", DalLogStyle::Text, "DAL_InspectPlan_Get", ParseInspectPlanJsonData);
}

int DAL_PatrolServer::DAL_InspectPlan_Add(std::string strName, int iRouteID, std::string strAnnouncerID,
                                          int iEquipmentID, int iType, std::string strDate, std::string strTime,
                                          std::string strPeople, std::string strWeek, std::string strRemark,
                                          std::string strReserve) {
  return Write("api/InspectPlan/Add",
               PlanBody(strName, iRouteID, strAnnouncerID, iEquipmentID, iType, strDate, strTime, strPeople, strWeek,
                        strRemark, strReserve),
               DalLogStyle::Text, "DAL_InspectPlan_Add", "添加巡更计划-" + strName);
}

int DAL_PatrolServer::DAL_InspectPlan_Update(int iID, std::string strName, int iRouteID, std::string strAnnouncerID,
                                             int iEquipmentID, int iType, std::string strDate, std::string strTime,
                                             std::string strPeople, std::string strWeek, std::string strRemark,
                                             std::string strReserve) {
  JsonBody body = PlanBody(strName, iRouteID, strAnnouncerID, iEquipmentID, iType, strDate, strTime, strPeople,
                           strWeek, strRemark, strReserve);
  body.DigitText("iID", iID);
  return Write("api/InspectPlan/Update", body, DalLogStyle::Text, "DAL_InspectPlan_Update",
               "编辑巡更计划-" + strName);
}

int DAL_PatrolServer::DAL_InspectPlan_Delete(int iID) {
  JsonBody body;
  body.Number("iID", iID);
  return Remove("api/InspectPlan/Delete", body, DalLogStyle::Text, "DAL_InspectPlan_Delete");
}

int DAL_PatrolServer::DAL_InspectPlan_DateTest(std::string strSDate, std::string strEDate, std::string strWeek1,
                                               std::string strWeek2) {
  std::string reply;
  const std::string query = "?strSDate=" + CommonTools::query_value(strSDate) + "&strEDate=" + CommonTools::query_value(strEDate) +
                            "&strWeek1=" + CommonTools::query_value(strWeek1) + "&strWeek2=" + CommonTools::query_value(strWeek2);
  if (!Get("api/InspectPlan/DateTest" + query, DalLogStyle::Text, "DAL_InspectPlan_DateTest", reply)) return 0;
  return dal::ReplyToInt(reply);
}

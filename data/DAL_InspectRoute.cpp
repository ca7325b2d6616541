#include "CommonTools/TextTime.h"
#include "CommonTools/global_singleton.h"
#include "data/DAL_PatrolServer.h"
#include "data/InspectRouteDeviceParser.h"
#include "data/InspectRouteParser.h"
#include "data/JsonBody.h"

namespace {

JsonBody RouteBody(const std::string& strName, int iType, const std::string& strAnnouncerID,
                   const std::string& strReserve) {
  JsonBody body;
  body.Text("strName", strName)
      .Number("iType", iType)
      .Text("AnnouncerIUserID", strAnnouncerID)
      .Text("strReserve", strReserve);
  return body;
}

}  // namespace

std::list<InspectRouteInfo> DAL_PatrolServer::DAL_InspectRoute_Get() {
  return Fetch("api/InspectRoute/Get", DalLogStyle::Text, "DAL_InspectRoute_Get", ParseInspectRouteJsonData);
}

int DAL_PatrolServer::DAL_InspectRoute_Add(std::string strName, int iType) {
  const std::string& creator = global_singleton::get_const_instance().m_userInfo.strUserID;
  return Write("api/InspectRoute/Add", RouteBody(strName, iType, creator, CommonTools::now_text()),
               DalLogStyle::Text, "DAL_InspectRoute_Add", "添加路线-" + strName);
}

int DAL_PatrolServer::DAL_InspectRoute_Update(int iID, std::string strName, int iType, std::string strAnnouncerID,
                                              std::string strReserve) {
  JsonBody body = RouteBody(strName, iType, strAnnouncerID, strReserve);
  body.DigitText("iID", iID);
  return Write("api/InspectRoute/Update", body, DalLogStyle::Text, "DAL_InspectRoute_Update",
               "更新路线-" + strName);
}

int DAL_PatrolServer::DAL_InspectRoute_Delete(int iID) {
  JsonBody body;
  body.Number("iID", iID);
  return Remove("api/InspectRoute/Delete", body, DalLogStyle::Text, "DAL_InspectRoute_Delete");
}

std::list<InspectRouteDeviceInfo> DAL_PatrolServer::DAL_InspectRouteDevice_GetByID(int iRouteID) {
  return Fetch("api/InspectRouteDevice/GetByID?ID=" + std::to_string(iRouteID), DalLogStyle::Text,
               "DAL_InspectRouteDevice_GetByID", ParseInspectRouteDeviceJsonData);
}

int DAL_PatrolServer::DAL_InspectRouteDevice_Add(int iRouteID, int iDeviceID) {
  JsonBody body;
  body.Number("iRouteId", iRouteID).Number("iPositionDeviceID", iDeviceID);
  return Write("api/InspectRouteDevice/Add", body, DalLogStyle::Text, "DAL_InspectRouteDevice_Add", "");
}

int DAL_PatrolServer::DAL_InspectRouteDevice_Delete(int iRouteID) {
  JsonBody body;
  body.Number("iRouteId", iRouteID);
  return Remove("api/InspectRouteDevice/Delete", body, DalLogStyle::Text, "DAL_InspectRouteDevice_Delete");
}

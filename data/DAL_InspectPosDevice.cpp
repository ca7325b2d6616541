#include "CommonTools/global_singleton.h"
#include "data/DAL_PatrolServer.h"
#include "data/InspectPosDeviceParser.h"
#include "data/JsonBody.h"

namespace {

JsonBody PosDeviceBody(const std::string& strName, int iAreaID, int ifloor, const std::string& strCameraID,
                       const std::string& strCode, const std::string& strCamName,
                       const std::string& strCamIp, const std::string& strCamAccount,
                       const std::string& strCamPassword, int CamPort, int CamBrand,
                       const std::string& strReserve) {
  JsonBody body;
  body.Text("strName", strName)
      .Number("iAreaID", iAreaID)
      .Number("ifloor", ifloor)
      .Text("strCameraID", strCameraID)
      .Text("strCode", strCode)
      .Text("strCamName", strCamName)
      .Text("strCamIp", strCamIp)
      .Text("strCamAccount", strCamAccount)
      .Text("strCamPassword", strCamPassword)
      .Number("CamPort", CamPort)
      .Number("CamBrand", CamBrand)
      .Text("strReserve", strReserve)
      .Text("strSchoolID", global_singleton::get_const_instance().m_userInfo.strSchoolID);
  return body;
}

}  // namespace

std::list<InspectPosDeviceInfo> DAL_PatrolServer::DAL_InspectPosDevice_Get() {
  return Fetch("api/InspectPositionDevice/Get", DalLogStyle::TextPrefixed, "DAL_InspectPosDevice_Get()",
               ParseInspectPosDeviceJsonData);
}

std::map<int, std::list<InspectPosDeviceInfo>> DAL_PatrolServer::DAL_InspectPosDevice_GetByAreaID(int iAreaID) {
  std::map<int, std::list<InspectPosDeviceInfo>> mapFloor;
  std::string reply;
  if (!Get("api/InspectPositionDevice/GetByAreaID?iAreaID=" + std::to_string(iAreaID),
           DalLogStyle::TextPrefixed, "DAL_InspectPosDevice_GetByAreaID", reply)) {
    return mapFloor;
  }
  std::list<InspectPosDeviceInfo> listPosDevice;
  ParseInspectPosDeviceJsonData(reply.c_str(), listPosDevice);
  for (auto& device : listPosDevice) mapFloor[device.ifloor].push_back(std::move(device));
  return mapFloor;
}

int DAL_PatrolServer::DAL_InspectPosDevice_Add(std::string strName, int iAreaID, int ifloor,
                                               std::string strCameraID, std::string strCode,
                                               std::string strCamName, std::string strCamIp,
                                               std::string strCamAccount, std::string strCamPassword,
                                               int CamPort, int CamBrand, std::string strReserve) {
  const JsonBody body = PosDeviceBody(strName, iAreaID, ifloor, strCameraID, strCode, strCamName, strCamIp,
                                      strCamAccount, strCamPassword, CamPort, CamBrand, strReserve);
  return Write("api/InspectPositionDevice/Add", body, DalLogStyle::TextPrefixed, "DAL_InspectPosDevice_Add",
               "添加巡更点设备-" + strName);
}

int DAL_PatrolServer::DAL_InspectPosDevice_Update(int iID, std::string strName, int iAreaID, int ifloor,
                                                  std::string strCameraID, std::string strCode,
                                                  std::string strCamName, std::string strCamIp,
                                                  std::string strCamAccount, std::string strCamPassword,
                                                  int CamPort, int CamBrand, std::string strReserve) {
  JsonBody body = PosDeviceBody(strName, iAreaID, ifloor, strCameraID, strCode, strCamName, strCamIp,
                                strCamAccount, strCamPassword, CamPort, CamBrand, strReserve);
  body.DigitText("iID", iID);
  return Write("api/InspectPositionDevice/Update", body, DalLogStyle::TextPrefixed,
               "DAL_InspectPosDevice_Update", "编辑巡更点设备-" + strName);
}

int DAL_PatrolServer::DAL_InspectPosDevice_Delete(int iID) {
  JsonBody body;
  body.Number("iID", iID);
  return Remove("api/InspectPositionDevice/Delete", body, DalLogStyle::TextPrefixed,
                "DAL_InspectPosDevice_Delete");
}

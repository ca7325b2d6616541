#include "CommonTools/global_singleton.h"
#include "data/DAL_PatrolServer.h"
#include "data/FingerprintParser.h"
#include "data/JsonBody.h"
#include "data/JsonMembers.h"
#include "data/ParserRun.h"

namespace {

JsonBody DeviceBody(const std::string& strName, const std::string& strCode, const std::string& strReserve,
                    int iPeopleID, const std::string& strTelephone, int iVoiceStatus, int iVoice,
                    int iNotifyWay, int iFingerprintStatus, int ServerType, const std::string& Serveraddr) {
  JsonBody body;
  body.Text("strName", strName)
      .Text("strCode", strCode)
      .Text("time", strReserve)
      .Number("iPeopleID", iPeopleID)
      .Text("strTelephone", strTelephone)
      .DigitText("iVoiceStatus", iVoiceStatus)
      .DigitText("iVoice", iVoice)
      .DigitText("iNotifyWay", iNotifyWay)
      .DigitText("iFingerprintStatus", iFingerprintStatus)
      .Number("ServerType", ServerType)
      .Text("Serveraddr", Serveraddr)
      .Text("strReserve", strReserve)
      .Text("strSchoolID", global_singleton::get_const_instance().m_userInfo.strSchoolID);
  return body;
}

void ReadDevice(const Json::Value& element, InspectDeviceInfo& device) {
  const dal::JsonMembers fields(element);
  device.iID = fields.Int("iID");
  device.strName = fields.Text("strName");
  device.strCode = fields.Text("strCode");
  device.strReserve = fields.Text("strReserve");
  device.iPeopleID = fields.Int("iPeopleID");
  device.strTelephone = fields.Text("strTelephone");
  device.iVoiceStatus = fields.Int("iVoiceStatus");
  device.iVoice = fields.Int("iVoice");
  device.iNotifyWay = fields.Int("iNotifyWay");
  device.iFingerprintStatus = fields.Int("iFingerprintStatus");
  device.ServerType = fields.Int("ServerType");
  device.Serveraddr = fields.Text("Serveraddr");
}

}  // namespace

std::list<InspectDeviceInfo> DAL_PatrolServer::DAL_InspectDevice_Get() {
  // The reader-list parser is a member, so this query reads its reply itself.
  std::list<InspectDeviceInfo> listDevice;
  std::string reply;
  if (Get("api/InspectDevice/Get", DalLogStyle::TextPrefixed, "DAL_InspectDevice_Get()", reply)) {
    ParseInspectDeviceJsonData(reply.c_str(), listDevice);
  }
  return listDevice;
}

void DAL_PatrolServer::ParseInspectDeviceJsonData(const char* pData, std::list<InspectDeviceInfo>& listDevice) {
  dal::RunParser(DalLogStyle::TextPrefixed, "ParseInspectDeviceJsonData", pData, [&](Json::Value& root) {
    dal::ParseEachElement<InspectDeviceInfo>(
        root,
        [this](const Json::Value& element, InspectDeviceInfo& device) {
          ReadDevice(element, device);
          device.listFingerprint = DAL_Fingerprint_GetByPeopleID(device.iID);
        },
        [&](InspectDeviceInfo&& device) { listDevice.push_back(std::move(device)); });
  });
}

int DAL_PatrolServer::DAL_InspectDevice_Add(std::string strName, std::string strCode, std::string strReserve,
                                            int iPeopleID, std::string strTelephone, int iVoiceStatus,
                                            int iVoice, int iNotifyWay, int iFingerprintStatus, int ServerType,
                                            std::string Serveraddr) {
  const JsonBody body = DeviceBody(strName, strCode, strReserve, iPeopleID, strTelephone, iVoiceStatus, iVoice,
                                   iNotifyWay, iFingerprintStatus, ServerType, Serveraddr);
  return Write("api/InspectDevice/Add", body, DalLogStyle::TextPrefixed, "DAL_InspectDevice_Add",
               "添加巡更器-" + strName);
}

int DAL_PatrolServer::DAL_InspectDevice_Update(int iID, std::string strName, std::string strCode,
                                               std::string strReserve, int iPeopleID, std::string strTelephone,
                                               int iVoiceStatus, int iVoice, int iNotifyWay,
                                               int iFingerprintStatus, int ServerType, std::string Serveraddr) {
  JsonBody body = DeviceBody(strName, strCode, strReserve, iPeopleID, strTelephone, iVoiceStatus, iVoice,
                             iNotifyWay, iFingerprintStatus, ServerType, Serveraddr);
  body.DigitText("iID", iID);
  return Write("api/InspectDevice/Update", body, DalLogStyle::TextPrefixed, "DAL_InspectDevice_Update",
               "更新巡更器-" + strName);
}

int DAL_PatrolServer::DAL_InspectDevice_Delete(int iID) {
  JsonBody body;
  body.Number("iID", iID);
  return Remove("api/InspectDevice/Delete", body, DalLogStyle::TextPrefixed, "DAL_InspectDevice_Delete");
}

std::list<FingerprintInfo> DAL_PatrolServer::DAL_Fingerprint_GetByPeopleID(int iDeviceID) {
  return Fetch("api/Fingerprint/GetbyDeviceID?ID=" + std::to_string(iDeviceID), DalLogStyle::TextPrefixed,
               "DAL_Fingerprint_GetByPeopleID", ParseFingerprintJsonData);
}

int DAL_PatrolServer::DAL_Fingerprint_Add(int iDeviceID, int iPeopleID, std::string strCode) {
  JsonBody body;
  body.DigitText("iDeviceID", iDeviceID).DigitText("iPeopleID", iPeopleID).Text("strCode", strCode);
  return Write("api/Fingerprint/Add", body, DalLogStyle::TextPrefixed, "DAL_Fingerprint_Add", std::string());
}

int DAL_PatrolServer::DAL_Fingerprint_Delete(int iID) {
  JsonBody body;
  body.Number("iID", iID);
  return Remove("api/Fingerprint/Delete", body, DalLogStyle::TextPrefixed, "DAL_Fingerprint_Delete");
}

#pragma once
// The patrol server's data access. An object holds the server's base URL, copied from the
// session object when it is made, and every operation runs its exchanges synchronously on
// the caller's thread. Failures come back as results (an empty container or record, -1)
// and one log line; nothing here throws for a server or JSON fault.
//
// Requests: URL = base + path + "?" key "=" value "&" ..., concatenated as they stand; a
// POST body is the compact JSON of JsonBody. Any transport code but 0 is a failure, the
// reply "-1" included. Adds and updates return the reply read as an integer, deletes 1.
#include <list>
#include <map>
#include <string>
#include <vector>

#include "data/AuthorityInfo.h"
#include "data/DalLog.h"
#include "data/DeviceRecordInfo.h"
#include "data/ExceptionRecordInfo.h"
#include "data/FingerprintInfo.h"
#include "data/InspectDeviceInfo.h"
#include "data/InspectPosDeviceInfo.h"
#include "data/PeopleInfo.h"
#include "data/SystemLogInfo.h"

class JsonBody;

class DAL_PatrolServer {
 public:
  // Copies the patrol server's base URL (ending in "/") from the session object.
  DAL_PatrolServer();

  const std::string& BaseUrl() const { return m_strServerAddr; }

  // Audit log. The entry names the logged-in user, this PC's IPv4 address and the time now.
  int DAL_SystemLog_Add(std::string strEvent);
  std::list<SystemLogInfo> DAL_SystemLog_Get();

  // Checkpoints. Adds and updates are audited.
  std::list<InspectPosDeviceInfo> DAL_InspectPosDevice_Get();
  // Floor -> that floor's checkpoints in reply order.
  std::map<int, std::list<InspectPosDeviceInfo>> DAL_InspectPosDevice_GetByAreaID(int iAreaID);
  int DAL_InspectPosDevice_Add(std::string strName, int iAreaID, int ifloor, std::string strCameraID,
                               std::string strCode, std::string strCamName, std::string strCamIp,
                               std::string strCamAccount, std::string strCamPassword, int CamPort,
                               int CamBrand, std::string strReserve);
  int DAL_InspectPosDevice_Update(int iID, std::string strName, int iAreaID, int ifloor,
                                  std::string strCameraID, std::string strCode, std::string strCamName,
                                  std::string strCamIp, std::string strCamAccount,
                                  std::string strCamPassword, int CamPort, int CamBrand,
                                  std::string strReserve);
  int DAL_InspectPosDevice_Delete(int iID);

  // Patrol people. Adds and updates are audited.
  std::list<PeopleInfo> DAL_People_Get();
  PeopleInfo DAL_People_GetByID(int iID);
  int DAL_People_Add(std::string strName, std::string UserID, int iIdentity, int iGroup,
                     std::string strTelephone, std::string strReserve);
  int DAL_People_Update(int iID, std::string strName, std::string UserID, int iIdentity, int iGroup,
                        std::string strTelephone, std::string strReserve);
  int DAL_People_Delete(std::string strID);

  // Readers, each listed with its fingerprints. Adds and updates are audited.
  std::list<InspectDeviceInfo> DAL_InspectDevice_Get();
  // strReserve travels twice, under "time" and "strReserve".
  int DAL_InspectDevice_Add(std::string strName, std::string strCode, std::string strReserve,
                            int iPeopleID, std::string strTelephone, int iVoiceStatus, int iVoice,
                            int iNotifyWay, int iFingerprintStatus, int ServerType,
                            std::string Serveraddr);
  int DAL_InspectDevice_Update(int iID, std::string strName, std::string strCode,
                               std::string strReserve, int iPeopleID, std::string strTelephone,
                               int iVoiceStatus, int iVoice, int iNotifyWay, int iFingerprintStatus,
                               int ServerType, std::string Serveraddr);
  int DAL_InspectDevice_Delete(int iID);
  // Appends the readers of a reply; asks this object's server for each one's fingerprints.
  void ParseInspectDeviceJsonData(const char* pData, std::list<InspectDeviceInfo>& listDevice);

  // Fingerprints of one reader (the argument is the reader's id).
  std::list<FingerprintInfo> DAL_Fingerprint_GetByPeopleID(int iDeviceID);
  int DAL_Fingerprint_Add(int iDeviceID, int iPeopleID, std::string strCode);
  int DAL_Fingerprint_Delete(int iID);

  // Device records. An accepted upload is sent on as a patrol record with its twelve-digit
  // reader time rewritten to "20YY-MM-DD&hh:mm:ss".
  std::list<DeviceRecordInfo> DAL_DeviceRecord_Get();
  int DAL_DeviceRecord_Add(int iType, std::string strDeviceCode, std::string strPeopleCode,
                           std::string strInspectPositionDeviceCode, std::string strTime,
                           std::string strReserve);
  int DAL_Record_Add(int iType, std::string strDeviceCode, std::string strPeopleCode,
                     std::string strInspectPositionDeviceCode, std::string strTime,
                     std::string strReserve);

  // Exception records: one remark per plan run.
  ExceptionRecordInfo DAL_ExceptionRecord_Get(int iPlanID, std::string strTime);
  int DAL_ExceptionRecord_Add(int iPlanID, std::string strTime, std::string strRemark);
  int DAL_ExceptionRecord_Update(int iID, int iPlanID, std::string strTime, std::string strRemark);

  // Pictures of a plan run. Upload type 1 stores the file, 16 deletes the named picture.
  int DAL_UploadPic(std::string strLocalPath, int iPlanID, std::string strTime, int iUploadType,
                    std::string strFileName);
  std::vector<std::string> DAL_UploadPic_GetNames(int iPlanID, std::string strTime);

  // User rights, by user id; the first record of an id wins.
  std::map<std::string, AuthorityInfo> Authority_Get();
  AuthorityInfo Authority_Get_ByID(std::string strId);
  int Authority_Add(std::string strUserID, std::string strUserName, std::string TypeAuthority,
                    std::string strModuleAuthority, std::string strReserve);
  // The server finds the record by strUserID.
  int Authority_Update(std::string strUserID, std::string strUserName, std::string TypeAuthority,
                       std::string strModuleAuthority, std::string strReserve);

 private:
  // True on transport code 0; otherwise the failure line is written.
  bool Get(const std::string& path, DalLogStyle style, const char* name, std::string& reply) const;
  // True on transport code 0; otherwise the failure line is written.
  bool Post(const std::string& path, const JsonBody& body, DalLogStyle style, const char* name,
            std::string& reply) const;
  // An add or update: the reply as an integer, or -1. An audited one (auditEvent not
  // empty) writes its audit entry before the reply is read.
  int Write(const std::string& path, const JsonBody& body, DalLogStyle style, const char* name,
            const std::string& auditEvent) const;
  // A delete: 1, or -1.
  int Remove(const std::string& path, const JsonBody& body, DalLogStyle style, const char* name) const;

  std::string m_strServerAddr;
};

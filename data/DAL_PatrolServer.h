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
#include "data/InspectPlanInfo.h"
#include "data/InspectPosDeviceInfo.h"
#include "data/InspectRecordGroup.h"
#include "data/InspectRecordInfo.h"
#include "data/InspectRouteDeviceInfo.h"
#include "data/InspectRouteInfo.h"
#include "data/PassRateInfo.h"
#include "data/PeopleInfo.h"
#include "data/RecordAreaInfo.h"
#include "data/SystemLogInfo.h"

class JsonBody;

class DAL_PatrolServer {
 public:
  // Copies the patrol server's base URL (ending in "/") from the session object.
  DAL_PatrolServer();

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
  // The same record, telling a failure apart: false when the request failed or the reply
  // was unreadable; true with an empty user ID when the server answered that there is none.
  bool Authority_Read_ByID(const std::string& strId, AuthorityInfo& info);
  int Authority_Add(std::string strUserID, std::string strUserName, std::string TypeAuthority,
                    std::string strModuleAuthority, std::string strReserve);
  // The server finds the record by strUserID.
  int Authority_Update(std::string strUserID, std::string strUserName, std::string TypeAuthority,
                       std::string strModuleAuthority, std::string strReserve);

  // Routes, each completed with its creator's name and its checkpoints grouped by building;
  // routes of types the user may not see are dropped. Adds and updates are audited.
  std::list<InspectRouteInfo> DAL_InspectRoute_Get();
  // The creator is the logged-in user; the reserve text is the time of creation.
  int DAL_InspectRoute_Add(std::string strName, int iType);
  // The caller passes the stored creator id and reserve text back unchanged.
  int DAL_InspectRoute_Update(int iID, std::string strName, int iType, std::string strAnnouncerID,
                              std::string strReserve);
  int DAL_InspectRoute_Delete(int iID);
  // The links of one route, in reply order.
  std::list<InspectRouteDeviceInfo> DAL_InspectRouteDevice_GetByID(int iRouteID);
  int DAL_InspectRouteDevice_Add(int iRouteID, int iDeviceID);
  // Removes every link of the route.
  int DAL_InspectRouteDevice_Delete(int iRouteID);

  // Plans, each completed with its people, its creator's name and its route's name; plans
  // of types the user may not see are dropped. Adds and updates are audited; every body
  // value is a JSON string.
  std::list<InspectPlanInfo> DAL_InspectPlan_Get();
  int DAL_InspectPlan_Add(std::string strName, int iRouteID, std::string strAnnouncerID, int iEquipmentID,
                          int iType, std::string strDate, std::string strTime, std::string strPeople,
                          std::string strWeek, std::string strRemark, std::string strReserve);
  int DAL_InspectPlan_Update(int iID, std::string strName, int iRouteID, std::string strAnnouncerID,
                             int iEquipmentID, int iType, std::string strDate, std::string strTime,
                             std::string strPeople, std::string strWeek, std::string strRemark,
                             std::string strReserve);
  int DAL_InspectPlan_Delete(int iID);
  // Non-zero when two plans of a shared person clash over the days given; 0 also when the
  // server cannot be asked.
  int DAL_InspectPlan_DateTest(std::string strSDate, std::string strEDate, std::string strWeek1,
                               std::string strWeek2);

  // Patrol records.
  // One record, named from the plan cache.
  InspectRecordInfo DAL_InspectRecord_GetByID(int iID);
  std::list<PassRateInfo> DAL_InspectRecord_GetPassRate(int iPlanID, std::string strDate, int iType);
  std::list<InspectRecordInfo> DAL_InspectRecord_GetForDownLoad(int iPlanID, std::string strDate, int iType);
  // Plan runs keyed "planId&date", each with its time windows.
  std::map<std::string, InspectRecordGroup> DAL_InspectRecord_GetByDate(std::string strStartDate,
                                                                       std::string strEndDate);
  // The areas of one run; strTime is "YYYY-MM-DD/HH:MM-HH:MM".
  std::list<RecordAreaInfo> DAL_InspectRecord_GetByIDAndTime(int iPlanID, std::string strTime, int iType);
  // Every value goes out as a JSON string, the kind under "Type".
  int DAL_InspectRecord_Update(int iID, int iType, int iPlanID, int iPositionID, std::string strInspectPeopleID,
                               std::string strDate, std::string strTime, int iState, int iResult, int iAbnormal,
                               std::string strPhoto, std::string strSound, std::string strReserve);

 private:
  // True on transport code 0; otherwise the failure line is written.
  bool Get(const std::string& path, DalLogStyle style, const char* name, std::string& reply) const;
  // A query: the parser's reading of the reply into a fresh result, or the empty result
  // after a failed exchange.
  template <class Result>
  Result Fetch(const std::string& path, DalLogStyle style, const char* name,
               void (*parse)(const char*, Result&)) const {
    Result result;
    std::string reply;
    if (Get(path, style, name, reply)) parse(reply.c_str(), result);
    return result;
  }
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

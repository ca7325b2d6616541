// The exact requests of the audit-log, checkpoint, people, reader, fingerprint, device
// and exception record, picture, login-record and rights operations.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "data/DAL_LoginInfo.h"
#include "data/DAL_PatrolServer.h"
#include "tests/data/GoldenRequestHarness.h"

namespace {

using data_test::AuditPost;
using data_test::GoldenRow;
using data_test::kEastGateGbk;
using data_test::kEastGateUtf8;
using data_test::kZhangSanGbk;
using data_test::kZhangSanUtf8;

const std::string kRemarkGbk = "\xb1\xb8\xd7\xa2";  // 备注
const std::string kRemarkUtf8 = "\xe5\xa4\x87\xe6\xb3\xa8";
const std::string kTypesGbk = "\xb0\xb2\xb7\xc0,\xcf\xfb\xb7\xc0";  // 安防,消防
const std::string kTypesUtf8 = "\xe5\xae\x89\xe9\x98\xb2,\xe6\xb6\x88\xe9\x98\xb2";
const std::string kModuleGbk = "\xd1\xb2\xb8\xfc\xd6\xf7\xd2\xb3";  // 巡更主页
const std::string kModuleUtf8 = "\xe5\xb7\xa1\xe6\x9b\xb4\xe4\xb8\xbb\xe9\xa1\xb5";
const std::string kSchoolGbk = "\xd2\xbb\xd6\xd0";  // 一中
const std::string kSchoolUtf8 = "\xe4\xb8\x80\xe4\xb8\xad";
const std::string kQuitGbk = "\xcd\xcb\xb3\xf6vovivi";  // 退出vovivi
const std::string kQuitUtf8 = "\xe9\x80\x80\xe5\x87\xba" "vovivi";
// Audit event heads, UTF-8.
const std::string kAddPosUtf8 = "\xe6\xb7\xbb\xe5\x8a\xa0\xe5\xb7\xa1\xe6\x9b\xb4\xe7\x82\xb9\xe8\xae\xbe\xe5\xa4\x87-";
const std::string kEditPosUtf8 = "\xe7\xbc\x96\xe8\xbe\x91\xe5\xb7\xa1\xe6\x9b\xb4\xe7\x82\xb9\xe8\xae\xbe\xe5\xa4\x87-";
const std::string kAddPeopleUtf8 = "\xe6\xb7\xbb\xe5\x8a\xa0\xe4\xba\xba\xe5\x91\x98-";
const std::string kEditPeopleUtf8 = "\xe7\xbc\x96\xe8\xbe\x91\xe4\xba\xba\xe5\x91\x98-";
const std::string kAddReaderUtf8 = "\xe6\xb7\xbb\xe5\x8a\xa0\xe5\xb7\xa1\xe6\x9b\xb4\xe5\x99\xa8-";
const std::string kEditReaderUtf8 = "\xe6\x9b\xb4\xe6\x96\xb0\xe5\xb7\xa1\xe6\x9b\xb4\xe5\x99\xa8-";

const std::string kPosDeviceBody =
    std::string("{\"CamBrand\":2,\"CamPort\":554,\"iAreaID\":3,\"ifloor\":-1,\"strCamAccount\":\"admin\","
                "\"strCamIp\":\"10.1.1.5\",\"strCamName\":\"cam\",\"strCamPassword\":\"p\\\"w\","
                "\"strCameraID\":\"c7\",\"strCode\":\"C001\",\"strName\":\"") +
    kEastGateUtf8 + "\",\"strReserve\":\"\",\"strSchoolID\":\"S01\"}\n";
const std::string kPosDeviceUpdateBody =
    std::string("{\"CamBrand\":2,\"CamPort\":554,\"iAreaID\":3,\"iID\":\"7\",\"ifloor\":-1,\"strCamAccount\":\"admin\","
                "\"strCamIp\":\"10.1.1.5\",\"strCamName\":\"cam\",\"strCamPassword\":\"p\\\"w\","
                "\"strCameraID\":\"c7\",\"strCode\":\"C001\",\"strName\":\"") +
    kEastGateUtf8 + "\",\"strReserve\":\"\",\"strSchoolID\":\"S01\"}\n";
const std::string kPeopleBody = std::string("{\"UserID\":\"P01\",\"iGroup\":\"1010\",\"iIdentity\":\"6\",\"strName\":\"") +
                                kZhangSanUtf8 + "\",\"strReserve\":\"--\",\"strTelephone\":\"138\"}\n";
const std::string kPeopleUpdateBody =
    std::string("{\"UserID\":\"P01\",\"iGroup\":\"1010\",\"iID\":\"5\",\"iIdentity\":\"6\",\"strName\":\"") +
    kZhangSanUtf8 + "\",\"strReserve\":\"--\",\"strTelephone\":\"138\"}\n";
const std::string kReaderBody =
    "{\"ServerType\":1,\"Serveraddr\":\"10.0.0.1:9468\",\"iFingerprintStatus\":\"0\",\"iNotifyWay\":\"2\","
    "\"iPeopleID\":5,\"iVoice\":\"1\",\"iVoiceStatus\":\"1\",\"strCode\":\"D01\",\"strName\":\"A1\","
    "\"strReserve\":\"2024-05-06 07:08:09\",\"strSchoolID\":\"S01\",\"strTelephone\":\"139\","
    "\"time\":\"2024-05-06 07:08:09\"}\n";
const std::string kReaderUpdateBody =
    "{\"ServerType\":1,\"Serveraddr\":\"10.0.0.1:9468\",\"iFingerprintStatus\":\"0\",\"iID\":\"5\",\"iNotifyWay\":\"2\","
    "\"iPeopleID\":-1,\"iVoice\":\"1\",\"iVoiceStatus\":\"1\",\"strCode\":\"D01\",\"strName\":\"A1\","
    "\"strReserve\":\"2024-05-06 07:08:09\",\"strSchoolID\":\"S01\",\"strTelephone\":\"--\","
    "\"time\":\"2024-05-06 07:08:09\"}\n";
const std::string kDeviceRecordBody =
    "{\"iType\":4,\"strDeviceCode\":\"D01\",\"strInspectPositionDeviceCode\":\"C001\",\"strPeopleCode\":\"F1\","
    "\"strReserve\":\"--\",\"strTime\":\"240506070809\"}\n";
const std::string kPatrolRecordBody =
    "{\"iType\":4,\"strDeviceCode\":\"D01\",\"strInspectPositionDeviceCode\":\"C001\",\"strPeopleCode\":\"F1\","
    "\"strReserve\":\"--\",\"strTime\":\"2024-05-06&07:08:09\"}\n";
const std::string kRightsBody = "{\"TypeAuthority\":\"" + kTypesUtf8 + "\",\"strModuleAuthority\":\"" + kModuleUtf8 +
                                "\",\"strReserve\":\"\",\"strUserID\":\"u1\",\"strUserName\":\"" + kZhangSanUtf8 +
                                "\"}\n";

int AddPosDevice(DAL_PatrolServer& dal) {
  return dal.DAL_InspectPosDevice_Add(kEastGateGbk, 3, -1, "c7", "C001", "cam", "10.1.1.5", "admin", "p\"w", 554, 2, "");
}
int UpdatePosDevice(DAL_PatrolServer& dal) {
  return dal.DAL_InspectPosDevice_Update(7, kEastGateGbk, 3, -1, "c7", "C001", "cam", "10.1.1.5", "admin", "p\"w",
                                         554, 2, "");
}
int AddPeople(DAL_PatrolServer& dal) { return dal.DAL_People_Add(kZhangSanGbk, "P01", 6, 1010, "138", "--"); }
int UpdatePeople(DAL_PatrolServer& dal) { return dal.DAL_People_Update(5, kZhangSanGbk, "P01", 6, 1010, "138", "--"); }
int AddReader(DAL_PatrolServer& dal) {
  return dal.DAL_InspectDevice_Add("A1", "D01", "2024-05-06 07:08:09", 5, "139", 1, 1, 2, 0, 1, "10.0.0.1:9468");
}
int UpdateReader(DAL_PatrolServer& dal) {
  return dal.DAL_InspectDevice_Update(5, "A1", "D01", "2024-05-06 07:08:09", -1, "--", 1, 1, 2, 0, 1,
                                      "10.0.0.1:9468");
}
int AddDeviceRecord(DAL_PatrolServer& dal) { return dal.DAL_DeviceRecord_Add(4, "D01", "F1", "C001", "240506070809", "--"); }

template <class Container>
std::function<int(DAL_PatrolServer&)> Counted(std::function<Container(DAL_PatrolServer&)> get) {
  return [get](DAL_PatrolServer& dal) { return static_cast<int>(get(dal).size()); };
}

const GoldenRow kRows[] = {
    {"DAL_SystemLog_Get", Counted<std::list<SystemLogInfo>>([](DAL_PatrolServer& d) { return d.DAL_SystemLog_Get(); }),
     "7", 0, {{"GET", "api/InspectLog/Get", ""}}},
    {"DAL_SystemLog_Add", [](DAL_PatrolServer& d) { return d.DAL_SystemLog_Add(kQuitGbk); }, "7", 7,
     {AuditPost(kQuitUtf8)}},
    {"DAL_SystemLog_Add with an empty event", [](DAL_PatrolServer& d) { return d.DAL_SystemLog_Add(""); }, "7", 7,
     {AuditPost("")}},
    {"DAL_InspectPosDevice_Get",
     Counted<std::list<InspectPosDeviceInfo>>([](DAL_PatrolServer& d) { return d.DAL_InspectPosDevice_Get(); }), "7", 0,
     {{"GET", "api/InspectPositionDevice/Get", ""}}},
    {"DAL_InspectPosDevice_GetByAreaID",
     [](DAL_PatrolServer& d) { return static_cast<int>(d.DAL_InspectPosDevice_GetByAreaID(12).size()); }, "7", 0,
     {{"GET", "api/InspectPositionDevice/GetByAreaID?iAreaID=12", ""}}},
    {"DAL_InspectPosDevice_Add", AddPosDevice, "57", 57,
     {{"POST", "api/InspectPositionDevice/Add", kPosDeviceBody}, AuditPost(kAddPosUtf8 + kEastGateUtf8)}},
    {"DAL_InspectPosDevice_Add refused", AddPosDevice, "-1", -1,
     {{"POST", "api/InspectPositionDevice/Add", kPosDeviceBody}}},
    {"DAL_InspectPosDevice_Update", UpdatePosDevice, "7", 7,
     {{"POST", "api/InspectPositionDevice/Update", kPosDeviceUpdateBody}, AuditPost(kEditPosUtf8 + kEastGateUtf8)}},
    {"DAL_InspectPosDevice_Update refused", UpdatePosDevice, "-1", -1,
     {{"POST", "api/InspectPositionDevice/Update", kPosDeviceUpdateBody}}},
    {"DAL_InspectPosDevice_Delete", [](DAL_PatrolServer& d) { return d.DAL_InspectPosDevice_Delete(7); }, "0", 1,
     {{"POST", "api/InspectPositionDevice/Delete", "{\"iID\":7}\n"}}},
    {"DAL_InspectPosDevice_Delete refused", [](DAL_PatrolServer& d) { return d.DAL_InspectPosDevice_Delete(7); }, "-1",
     -1, {{"POST", "api/InspectPositionDevice/Delete", "{\"iID\":7}\n"}}},
    {"DAL_People_Get", Counted<std::list<PeopleInfo>>([](DAL_PatrolServer& d) { return d.DAL_People_Get(); }), "7", 0,
     {{"GET", "api/InspectPeople/Get", ""}}},
    {"DAL_People_GetByID", [](DAL_PatrolServer& d) { return d.DAL_People_GetByID(5).iID; }, "7", 0,
     {{"GET", "api/InspectPeople/GetByID?ID=5", ""}}},
    {"DAL_People_Add", AddPeople, "12x", 12,
     {{"POST", "api/InspectPeople/Add", kPeopleBody}, AuditPost(kAddPeopleUtf8 + kZhangSanUtf8)}},
    {"DAL_People_Add with a reply that is no number", AddPeople, "", 0,
     {{"POST", "api/InspectPeople/Add", kPeopleBody}, AuditPost(kAddPeopleUtf8 + kZhangSanUtf8)}},
    {"DAL_People_Add refused", AddPeople, "-1", -1, {{"POST", "api/InspectPeople/Add", kPeopleBody}}},
    {"DAL_People_Update", UpdatePeople, "5", 5,
     {{"POST", "api/InspectPeople/Update", kPeopleUpdateBody}, AuditPost(kEditPeopleUtf8 + kZhangSanUtf8)}},
    {"DAL_People_Update refused", UpdatePeople, "-1", -1, {{"POST", "api/InspectPeople/Update", kPeopleUpdateBody}}},
    {"DAL_People_Delete", [](DAL_PatrolServer& d) { return d.DAL_People_Delete("5"); }, "7", 1,
     {{"POST", "api/InspectPeople/Delete", "{\"iID\":\"5\"}\n"}}},
    {"DAL_InspectDevice_Get",
     Counted<std::list<InspectDeviceInfo>>([](DAL_PatrolServer& d) { return d.DAL_InspectDevice_Get(); }), "7", 0,
     {{"GET", "api/InspectDevice/Get", ""}}},
    {"DAL_InspectDevice_Add", AddReader, "8", 8,
     {{"POST", "api/InspectDevice/Add", kReaderBody}, AuditPost(kAddReaderUtf8 + "A1")}},
    {"DAL_InspectDevice_Add refused", AddReader, "-1", -1, {{"POST", "api/InspectDevice/Add", kReaderBody}}},
    {"DAL_InspectDevice_Update", UpdateReader, "5", 5,
     {{"POST", "api/InspectDevice/Update", kReaderUpdateBody}, AuditPost(kEditReaderUtf8 + "A1")}},
    {"DAL_InspectDevice_Update refused", UpdateReader, "-1", -1,
     {{"POST", "api/InspectDevice/Update", kReaderUpdateBody}}},
    {"DAL_InspectDevice_Delete", [](DAL_PatrolServer& d) { return d.DAL_InspectDevice_Delete(5); }, "7", 1,
     {{"POST", "api/InspectDevice/Delete", "{\"iID\":5}\n"}}},
    {"DAL_Fingerprint_GetByPeopleID",
     Counted<std::list<FingerprintInfo>>([](DAL_PatrolServer& d) { return d.DAL_Fingerprint_GetByPeopleID(3); }), "7",
     0, {{"GET", "api/Fingerprint/GetbyDeviceID?ID=3", ""}}},
    {"DAL_Fingerprint_Add", [](DAL_PatrolServer& d) { return d.DAL_Fingerprint_Add(3, 9, "F1"); }, "4", 4,
     {{"POST", "api/Fingerprint/Add", "{\"iDeviceID\":\"3\",\"iPeopleID\":\"9\",\"strCode\":\"F1\"}\n"}}},
    {"DAL_Fingerprint_Delete", [](DAL_PatrolServer& d) { return d.DAL_Fingerprint_Delete(4); }, "7", 1,
     {{"POST", "api/Fingerprint/Delete", "{\"iID\":4}\n"}}},
    {"DAL_DeviceRecord_Get",
     Counted<std::list<DeviceRecordInfo>>([](DAL_PatrolServer& d) { return d.DAL_DeviceRecord_Get(); }), "7", 0,
     {{"GET", "api/DeviceRecord/Get", ""}}},
    {"DAL_DeviceRecord_Add sends the record on as a patrol record", AddDeviceRecord, "9", 9,
     {{"POST", "api/DeviceRecord/Add", kDeviceRecordBody},
      {"POST", "api/InspectRecord/InspectRecordAdd", kPatrolRecordBody}}},
    {"DAL_DeviceRecord_Add refused sends nothing more", AddDeviceRecord, "-1", -1,
     {{"POST", "api/DeviceRecord/Add", kDeviceRecordBody}}},
    {"DAL_DeviceRecord_Add with a short reader time",
     [](DAL_PatrolServer& d) { return d.DAL_DeviceRecord_Add(4, "D01", "F1", "C001", "2405060708", "--"); }, "9", 9,
     {{"POST", "api/DeviceRecord/Add",
       "{\"iType\":4,\"strDeviceCode\":\"D01\",\"strInspectPositionDeviceCode\":\"C001\",\"strPeopleCode\":\"F1\","
       "\"strReserve\":\"--\",\"strTime\":\"2405060708\"}\n"},
      {"POST", "api/InspectRecord/InspectRecordAdd",
       "{\"iType\":4,\"strDeviceCode\":\"D01\",\"strInspectPositionDeviceCode\":\"C001\",\"strPeopleCode\":\"F1\","
       "\"strReserve\":\"--\",\"strTime\":\"2405060708\"}\n"}}},
    {"DAL_Record_Add",
     [](DAL_PatrolServer& d) { return d.DAL_Record_Add(4, "D01", "F1", "C001", "2024-05-06&07:08:09", "--"); }, "3", 3,
     {{"POST", "api/InspectRecord/InspectRecordAdd", kPatrolRecordBody}}},
    {"DAL_ExceptionRecord_Get", [](DAL_PatrolServer& d) { return d.DAL_ExceptionRecord_Get(3, "2024-05-06&08:00").iID; },
     "7", 0, {{"GET", "api/ExceptionRecord/Get?PlanID=3&Time=2024-05-06%2608%3A00", ""}}},
    {"DAL_ExceptionRecord_Add", [](DAL_PatrolServer& d) { return d.DAL_ExceptionRecord_Add(3, "2024-05-06", kRemarkGbk); },
     "11", 11,
     {{"POST", "api/ExceptionRecord/Add",
       "{\"PlanID\":3,\"strRemark\":\"" + kRemarkUtf8 + "\",\"strTime\":\"2024-05-06\"}\n"}}},
    {"DAL_ExceptionRecord_Update",
     [](DAL_PatrolServer& d) { return d.DAL_ExceptionRecord_Update(12, 3, "2024-05-06", kRemarkGbk); }, "12", 12,
     {{"POST", "api/ExceptionRecord/Update",
       "{\"ID\":12,\"PlanID\":3,\"strRemark\":\"" + kRemarkUtf8 + "\",\"strTime\":\"2024-05-06\"}\n"}}},
    {"DAL_UploadPic_GetNames",
     [](DAL_PatrolServer& d) { return static_cast<int>(d.DAL_UploadPic_GetNames(3, "20240506").size()); }, "a&b", 2,
     {{"GET", "Upload.ashx?UploadType=32&FileType=1&PlanID=3&Time=20240506", ""}}},
    {"DAL_LoginInfo_Add sends the id 1 whatever the record holds",
     [](DAL_PatrolServer&) {
       LoginSessionInfo info;
       info.ID = 7;
       info.UserID = "u1";
       info.UserName = kZhangSanGbk;
       info.SchoolID = "S01";
       info.SchoolName = kSchoolGbk;
       info.Token = "t0k";
       info.Time = "2024-05-06 07:08:09";
       DAL_LoginInfo_Add(info);
       return 0;
     },
     "7", 0,
     {{"POST", "api/LoginInfo/Add",
       "{\"ID\":1,\"SchoolID\":\"S01\",\"SchoolName\":\"" + kSchoolUtf8 +
           "\",\"Time\":\"2024-05-06 07:08:09\",\"Token\":\"t0k\",\"UserID\":\"u1\",\"UserName\":\"" + kZhangSanUtf8 +
           "\"}\n"}}},
    {"DAL_LoginInfo_Get", [](DAL_PatrolServer&) { return DAL_LoginInfo_Get().ID; }, "7", 0,
     {{"GET", "api/LoginInfo/Get", ""}}},
    {"Authority_Get",
     [](DAL_PatrolServer& d) { return static_cast<int>(d.Authority_Get().size()); }, "7", 0,
     {{"GET", "api/Authority/Get", ""}}},
    {"Authority_Get_ByID with Chinese text in the query",
     [](DAL_PatrolServer& d) { return static_cast<int>(d.Authority_Get_ByID(kZhangSanGbk).TypeAuthority.size()); }, "7",
     0, {{"GET", "api/Authority/GetByID?strId=%E5%BC%A0%E4%B8%89", ""}}},
    {"Authority_Add", [](DAL_PatrolServer& d) { return d.Authority_Add("u1", kZhangSanGbk, kTypesGbk, kModuleGbk, ""); },
     "1", 1, {{"POST", "api/Authority/Add", kRightsBody}}},
    {"Authority_Update",
     [](DAL_PatrolServer& d) { return d.Authority_Update("u1", kZhangSanGbk, kTypesGbk, kModuleGbk, ""); }, "1", 1,
     {{"POST", "api/Authority/Update", kRightsBody}}},
};

class GoldenRequests : public data_test::GoldenRequestFixture {};

TEST_P(GoldenRequests, AreSentExactly) { ExpectSentExactly(GetParam()); }

INSTANTIATE_TEST_SUITE_P(EveryOperation, GoldenRequests, ::testing::ValuesIn(kRows),
                         data_test::GoldenRowName);

}  // namespace

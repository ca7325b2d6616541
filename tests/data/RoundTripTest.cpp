#include <gtest/gtest.h>

#include <list>
#include <string>
#include <vector>

#include "data/DAL_LoginInfo.h"
#include "data/DAL_PatrolServer.h"
#include "data/StartupCaches.h"
#include "testing/files/ScratchFolder.h"
#include "testing/services/FakePatrolServer.h"
#include "tests/data/DataTestBase.h"

namespace {

using data_test::kBingGbk;
using data_test::kBingUtf8;
using data_test::kEastGateGbk;
using data_test::kZhangSanGbk;
using Strings = std::vector<std::string>;

const std::string kAddPosGbk = "\xcc\xed\xbc\xd3\xd1\xb2\xb8\xfc\xb5\xe3\xc9\xe8\xb1\xb8-";  // 添加巡更点设备-
const std::string kEditPosGbk = "\xb1\xe0\xbc\xad\xd1\xb2\xb8\xfc\xb5\xe3\xc9\xe8\xb1\xb8-";  // 编辑巡更点设备-
const std::string kAddPeopleGbk = "\xcc\xed\xbc\xd3\xc8\xcb\xd4\xb1-";  // 添加人员-
const std::string kEditPeopleGbk = "\xb1\xe0\xbc\xad\xc8\xcb\xd4\xb1-";  // 编辑人员-
const std::string kAddReaderGbk = "\xcc\xed\xbc\xd3\xd1\xb2\xb8\xfc\xc6\xf7-";  // 添加巡更器-
const std::string kEditReaderGbk = "\xb8\xfc\xd0\xc2\xd1\xb2\xb8\xfc\xc6\xf7-";  // 更新巡更器-

class RoundTrip : public data_test::DataTestBase {
 protected:
  void SetUp() override {
    DataTestBase::SetUp();
    UseServer(m_server.base_url());
  }

  Strings AuditEvents() {
    Strings events;
    for (const SystemLogInfo& entry : DAL_PatrolServer().DAL_SystemLog_Get()) {
      EXPECT_EQ(entry.strUser, kZhangSanGbk);
      EXPECT_EQ(entry.strUserID, "u1");
      events.push_back(entry.strEvent);
    }
    return events;
  }

  test_support::FakePatrolServer m_server;
};

TEST_F(RoundTrip, AuditLog) {
  DAL_PatrolServer dal;
  const int id = dal.DAL_SystemLog_Add(kBingGbk);
  EXPECT_GT(id, 0);
  const auto entries = dal.DAL_SystemLog_Get();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries.front().iID, id);
  EXPECT_EQ(entries.front().strEvent, kBingGbk);
  EXPECT_EQ(entries.front().strTime.size(), 19u);
  EXPECT_EQ(m_server.audit_log().all()[0]["strEvent"].asString(), kBingUtf8);
}

TEST_F(RoundTrip, Checkpoints) {
  g_mapDigiArea[3].buildingName = "Library";
  DAL_PatrolServer dal;
  const int id = dal.DAL_InspectPosDevice_Add(kEastGateGbk, 3, 2, "c7", "C001", "cam", "10.1.1.5", "admin", "p\"w\\",
                                              554, 2, "r");
  ASSERT_GT(id, 0);
  auto listed = dal.DAL_InspectPosDevice_Get();
  ASSERT_EQ(listed.size(), 1u);
  const InspectPosDeviceInfo& added = listed.front();
  EXPECT_EQ(added.iID, id);
  EXPECT_EQ(added.strName, kEastGateGbk);
  EXPECT_EQ(added.strAreaName, "Library");
  EXPECT_EQ(added.ifloor, 2);
  EXPECT_EQ(added.strCamPassword, "p\"w\\");
  EXPECT_EQ(added.CamPort, 554);
  EXPECT_EQ(m_server.checkpoints().request_of(id)["strSchoolID"].asString(), "S01");

  EXPECT_EQ(dal.DAL_InspectPosDevice_Update(id, kBingGbk, 3, 5, "", "C002", "", "", "", "", 0, 0, ""), id);
  const auto floors = dal.DAL_InspectPosDevice_GetByAreaID(3);
  ASSERT_EQ(floors.count(5), 1u);
  EXPECT_EQ(floors.at(5).front().strName, kBingGbk);
  EXPECT_EQ(floors.at(5).front().strCode, "C002");
  EXPECT_TRUE(dal.DAL_InspectPosDevice_GetByAreaID(4).empty());

  EXPECT_EQ(dal.DAL_InspectPosDevice_Delete(id), 1);
  EXPECT_TRUE(dal.DAL_InspectPosDevice_Get().empty());
  EXPECT_EQ(dal.DAL_InspectPosDevice_Delete(id), -1);
  EXPECT_EQ(AuditEvents(), (Strings{kAddPosGbk + kEastGateGbk, kEditPosGbk + kBingGbk}));
}

TEST_F(RoundTrip, People) {
  DAL_PatrolServer dal;
  const int id = dal.DAL_People_Add(kZhangSanGbk, "P01", 6, 1010, "138", "--");
  ASSERT_GT(id, 0);
  const auto listed = dal.DAL_People_Get();
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_EQ(listed.front().iGroup, 1010);
  EXPECT_EQ(listed.front().iIdentity, 6);
  EXPECT_EQ(listed.front().UserID, "P01");

  EXPECT_EQ(dal.DAL_People_Update(id, kBingGbk, "P01", 7, 1, "--", "--"), id);
  const PeopleInfo changed = dal.DAL_People_GetByID(id);
  EXPECT_EQ(changed.iID, id);
  EXPECT_EQ(changed.strName, kBingGbk);
  EXPECT_EQ(changed.iGroup, 1);
  EXPECT_EQ(changed.iIdentity, 7);

  EXPECT_EQ(dal.DAL_People_Delete(std::to_string(id)), 1);
  EXPECT_EQ(dal.DAL_People_GetByID(id).iID, 0);  // the server answers null
  EXPECT_TRUE(Lines().empty());
  EXPECT_EQ(AuditEvents(), (Strings{kAddPeopleGbk + kZhangSanGbk, kEditPeopleGbk + kBingGbk}));
}

TEST_F(RoundTrip, ReadersAndFingerprints) {
  DAL_PatrolServer dal;
  const int person = dal.DAL_People_Add(kZhangSanGbk, "P01", 6, 1, "138", "--");
  g_mapPeople[person] = dal.DAL_People_GetByID(person);
  const int reader = dal.DAL_InspectDevice_Add("A1", "D01", "2024-05-06 07:08:09", person, "139", 1, 3, 2, 0, 1,
                                               "10.0.0.1:9468");
  ASSERT_GT(reader, 0);
  EXPECT_EQ(m_server.readers().request_of(reader)["time"].asString(), "2024-05-06 07:08:09");
  const int fingerprint = dal.DAL_Fingerprint_Add(reader, person, "F1");
  ASSERT_GT(fingerprint, 0);

  auto readers = dal.DAL_InspectDevice_Get();
  ASSERT_EQ(readers.size(), 1u);
  EXPECT_EQ(readers.front().strReserve, "2024-05-06 07:08:09");
  EXPECT_EQ(readers.front().iPeopleID, person);
  EXPECT_EQ(readers.front().iVoice, 3);
  ASSERT_EQ(readers.front().listFingerprint.size(), 1u);
  EXPECT_EQ(readers.front().listFingerprint.front().strPeopleName, kZhangSanGbk);
  EXPECT_EQ(readers.front().listFingerprint.front().iDeviceID, reader);

  EXPECT_EQ(dal.DAL_InspectDevice_Update(reader, "A2", "D01", "2024-05-06 07:08:09", -1, "--", 0, 0, 0, 0, 2, ""),
            reader);
  EXPECT_EQ(dal.DAL_Fingerprint_Delete(fingerprint), 1);
  readers = dal.DAL_InspectDevice_Get();
  ASSERT_EQ(readers.size(), 1u);
  EXPECT_EQ(readers.front().strName, "A2");
  EXPECT_EQ(readers.front().iPeopleID, -1);
  EXPECT_EQ(readers.front().ServerType, 2);
  EXPECT_TRUE(readers.front().listFingerprint.empty());

  EXPECT_EQ(dal.DAL_InspectDevice_Delete(reader), 1);
  EXPECT_TRUE(dal.DAL_InspectDevice_Get().empty());
  EXPECT_EQ(AuditEvents(), (Strings{kAddPeopleGbk + kZhangSanGbk, kAddReaderGbk + "A1", kEditReaderGbk + "A2"}));
}

TEST_F(RoundTrip, DeviceRecords) {
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
    g_mapInspectPosDevice[2].strCode = "C001";
    g_mapInspectPosDevice[2].strName = kEastGateGbk;
  }
  g_mapInspectDevice[4].strCode = "D01";
  g_mapInspectDevice[4].strName = "A1";
  FingerprintInfo fingerprint;
  fingerprint.strCode = "F1";
  fingerprint.strPeopleName = kZhangSanGbk;
  g_mapInspectDevice[4].listFingerprint.push_back(fingerprint);

  DAL_PatrolServer dal;
  const int id = dal.DAL_DeviceRecord_Add(5, "D01", "F1", "C001", "240506070809", "--");
  ASSERT_GT(id, 0);
  const auto records = dal.DAL_DeviceRecord_Get();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records.front().iID, id);
  EXPECT_EQ(records.front().iType, 5);
  EXPECT_EQ(records.front().strTime, "240506070809");
  EXPECT_EQ(records.front().strDeviceName, "A1");
  EXPECT_EQ(records.front().strPeopleName, kZhangSanGbk);
  EXPECT_EQ(records.front().strPositionName, kEastGateGbk);
  const Json::Value patrol = m_server.patrol_records().all();
  ASSERT_EQ(patrol.size(), 1u);
  EXPECT_EQ(patrol[0]["strTime"].asString(), "2024-05-06&07:08:09");
  EXPECT_EQ(patrol[0]["strInspectPositionDeviceCode"].asString(), "C001");
}

TEST_F(RoundTrip, ExceptionRecords) {
  DAL_PatrolServer dal;
  const std::string run = "2024-05-06_08:00-09:00";
  EXPECT_EQ(dal.DAL_ExceptionRecord_Get(3, run).iID, 0);
  const int id = dal.DAL_ExceptionRecord_Add(3, run, kBingGbk);
  ASSERT_GT(id, 0);
  ExceptionRecordInfo stored = dal.DAL_ExceptionRecord_Get(3, run);
  EXPECT_EQ(stored.iID, id);
  EXPECT_EQ(stored.iPlanID, 3);
  EXPECT_EQ(stored.strTime, run);
  EXPECT_EQ(stored.strRemark, kBingGbk);
  EXPECT_EQ(dal.DAL_ExceptionRecord_Get(4, run).iID, 0);

  EXPECT_EQ(dal.DAL_ExceptionRecord_Update(id, 3, run, "fixed"), id);
  EXPECT_EQ(dal.DAL_ExceptionRecord_Get(3, run).strRemark, "fixed");
  EXPECT_EQ(dal.DAL_ExceptionRecord_Update(id + 1, 3, run, "x"), -1);
}

TEST_F(RoundTrip, Pictures) {
  test_support::ScratchFolder folder;
  const std::string first = folder.file("first.jpg");
  const std::string second = folder.file("second.jpg");
  test_support::ScratchFolder::write(first, "ONE");
  test_support::ScratchFolder::write(second, "TWO");
  DAL_PatrolServer dal;
  const std::string run = "2024-05-06 08:00";  // the upload escapes the blank

  EXPECT_EQ(dal.DAL_UploadPic(first, 3, run, 1, "a.jpg"), 1);
  EXPECT_EQ(dal.DAL_UploadPic(second, 3, run, 1, "b.jpg"), 1);
  EXPECT_EQ(m_server.pictures().names(3, run), (Strings{"a.jpg", "b.jpg"}));
  EXPECT_EQ(m_server.pictures().bytes(3, run, "b.jpg"), "TWO");
  EXPECT_EQ(dal.DAL_UploadPic(first, 3, run, 16, "a.jpg"), 1);
  EXPECT_EQ(m_server.pictures().names(3, run), (Strings{"b.jpg"}));

  m_server.pictures().store(5, "20240506", "x.jpg", "X");
  m_server.pictures().store(5, "20240506", "y.jpg", "Y");
  EXPECT_EQ(dal.DAL_UploadPic_GetNames(5, "20240506"), (Strings{"x.jpg", "y.jpg"}));
  EXPECT_TRUE(dal.DAL_UploadPic_GetNames(6, "20240506").empty());
}

TEST_F(RoundTrip, LoginRecords) {
  EXPECT_EQ(DAL_LoginInfo_Get().SchoolName, "");
  LoginSessionInfo info;
  info.UserID = "u1";
  info.UserName = kZhangSanGbk;
  info.SchoolID = "S01";
  info.SchoolName = kBingGbk;
  info.Token = "t0k";
  info.Time = "2024-05-06 07:08:09";
  DAL_LoginInfo_Add(info);
  const LoginSessionInfo stored = DAL_LoginInfo_Get();
  EXPECT_GT(stored.ID, 0);
  EXPECT_EQ(stored.UserName, kZhangSanGbk);
  EXPECT_EQ(stored.SchoolName, kBingGbk);
  EXPECT_EQ(stored.Token, "t0k");
  EXPECT_EQ(stored.Time, "2024-05-06 07:08:09");
  EXPECT_TRUE(Lines().empty());
}

TEST_F(RoundTrip, Rights) {
  DAL_PatrolServer dal;
  const std::string types = "\xb0\xb2\xb7\xc0,\xcf\xfb\xb7\xc0";  // 安防,消防
  EXPECT_GT(dal.Authority_Add("u2", kZhangSanGbk, types, "--", ""), 0);
  EXPECT_GT(dal.Authority_Add("u1", "n1", "--", "--", ""), 0);
  const auto rights = dal.Authority_Get();
  ASSERT_EQ(rights.size(), 2u);
  EXPECT_EQ(rights.begin()->first, "u1");
  EXPECT_EQ(rights.at("u2").TypeAuthority, (Strings{"\xb0\xb2\xb7\xc0", "\xcf\xfb\xb7\xc0"}));

  EXPECT_GT(dal.Authority_Update("u2", kZhangSanGbk, "--", "m1,m2", "r"), 0);
  const AuthorityInfo changed = dal.Authority_Get_ByID("u2");
  EXPECT_EQ(changed.TypeAuthority, (Strings{"--"}));
  EXPECT_EQ(changed.strModuleAuthority, (Strings{"m1", "m2"}));
  EXPECT_EQ(dal.Authority_Get_ByID("u9").strUserID, "");
  EXPECT_TRUE(Lines().empty());

  EXPECT_EQ(dal.Authority_Add("u2", "again", "--", "--", ""), -1);
  ASSERT_EQ(Lines().size(), 1u);
  EXPECT_EQ(Lines()[0].text, "[Authority_Add]出错，错误信息为:-1");
}

}  // namespace

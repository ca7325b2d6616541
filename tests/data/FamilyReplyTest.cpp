#include <gtest/gtest.h>

#include <list>
#include <map>
#include <string>
#include <vector>

#include "data/AuthorityParser.h"
#include "data/DAL_LoginInfo.h"
#include "data/DAL_PatrolServer.h"
#include "data/DeviceRecordParser.h"
#include "data/ExceptionRecordParser.h"
#include "data/FingerprintParser.h"
#include "data/InspectPosDeviceParser.h"
#include "data/LoginParser.h"
#include "data/StartupCaches.h"
#include "data/SystemLogParser.h"
#include "testing/files/ScratchFolder.h"
#include "testing/http/FakeHttpServer.h"
#include "tests/data/DataTestBase.h"

namespace {

using data_test::DataTestBase;
using test_support::FakeHttpServer;
using test_support::HttpReply;
using Strings = std::vector<std::string>;

class FamilyReplies : public DataTestBase {
 protected:
  bool LogStartsWith(const std::string& head) const {
    const auto lines = Lines();
    return lines.size() == 1 && lines[0].text.compare(0, head.size(), head) == 0;
  }
};

// Readers: the registration time is read from "strReserve" (the "time" the writes send is
// not read back), and each reader's fingerprints come from a request of its own to the
// same server; a failed one leaves that reader listed without fingerprints.
TEST_F(FamilyReplies, ReadersTakeTheirTimeFromReserveAndFetchTheirFingerprints) {
  FakeHttpServer server;
  server.route("GET", "/api/Fingerprint/GetbyDeviceID", [](const test_support::RecordedRequest& request) {
    if (request.target.find("ID=1") != std::string::npos) {
      return HttpReply(200, "[{\"iID\":11,\"iDeviceID\":1,\"iPeopleID\":9,\"strCode\":\"F1\"}]");
    }
    return HttpReply(200, "-1");  // the server refuses reader 2's list
  });
  UseServer(server.base_url());
  DAL_PatrolServer dal;
  std::list<InspectDeviceInfo> readers;
  dal.ParseInspectDeviceJsonData(
      "[{\"iID\":1,\"strName\":\"A\",\"time\":\"T-time\",\"strReserve\":\"T-reserve\",\"iPeopleID\":-1,"
      "\"ServerType\":2,\"Serveraddr\":\"patrol.example\"},{\"iID\":2,\"strName\":\"B\"}]",
      readers);

  ASSERT_EQ(readers.size(), 2u);
  const InspectDeviceInfo& first = readers.front();
  EXPECT_EQ(first.strReserve, "T-reserve");
  EXPECT_EQ(first.iPeopleID, -1);
  EXPECT_EQ(first.ServerType, 2);
  EXPECT_EQ(first.Serveraddr, "patrol.example");
  ASSERT_EQ(first.listFingerprint.size(), 1u);
  EXPECT_EQ(first.listFingerprint.front().strCode, "F1");
  EXPECT_TRUE(readers.back().listFingerprint.empty());
  EXPECT_TRUE(LogStartsWith("[DAL_Fingerprint_GetByPeopleID]出错，错误信息为：-1"));
  EXPECT_EQ(server.request_count(), 2u);
}

TEST_F(FamilyReplies, FingerprintsAreNamedFromThePeopleCacheWithoutAddingToIt) {
  g_mapPeople[9].strName = data_test::kZhangSanGbk;
  std::list<FingerprintInfo> fingerprints;
  ParseFingerprintJsonData(
      "[{\"iID\":1,\"iDeviceID\":3,\"iPeopleID\":9,\"strCode\":\"F1\"},{\"iID\":2,\"iDeviceID\":3,\"iPeopleID\":8}]",
      fingerprints);
  ASSERT_EQ(fingerprints.size(), 2u);
  EXPECT_EQ(fingerprints.front().strPeopleName, data_test::kZhangSanGbk);
  EXPECT_EQ(fingerprints.back().strPeopleName, "");
  EXPECT_EQ(fingerprints.back().iDeviceID, 3);
  EXPECT_EQ(g_mapPeople.size(), 1u);
}

TEST_F(FamilyReplies, CheckpointsAreNamedAfterTheirBuildingAndGroupedByFloor) {
  g_mapDigiArea[3].buildingName = "Library";
  FakeHttpServer server;
  server.set_fallback(HttpReply(
      200,
      "[{\"iID\":1,\"iAreaID\":3,\"ifloor\":3},{\"iID\":2,\"iAreaID\":4,\"ifloor\":1},"
      "{\"iID\":3,\"iAreaID\":3,\"ifloor\":3,\"CamPort\":554,\"CamBrand\":2,\"strCamIp\":\"10.0.0.9\"},"
      "{\"iID\":4,\"iAreaID\":3,\"ifloor\":-2}]"));
  UseServer(server.base_url());
  const auto floors = DAL_PatrolServer().DAL_InspectPosDevice_GetByAreaID(3);

  std::map<int, std::vector<int>> ids;
  for (const auto& floor : floors) {
    for (const auto& checkpoint : floor.second) ids[floor.first].push_back(checkpoint.iID);
  }
  EXPECT_EQ(ids, (std::map<int, std::vector<int>>{{-2, {4}}, {1, {2}}, {3, {1, 3}}}));
  EXPECT_EQ(floors.at(3).front().strAreaName, "Library");
  EXPECT_EQ(floors.at(1).front().strAreaName, "");  // building 4 is not cached
  EXPECT_EQ(floors.at(3).back().CamPort, 554);
  EXPECT_EQ(floors.at(3).back().CamBrand, 2);
  EXPECT_EQ(floors.at(3).back().strCamIp, "10.0.0.9");
  EXPECT_EQ(g_mapDigiArea.size(), 1u);
}

struct NameCase {
  const char* what;
  std::string deviceCode;
  std::string peopleCode;
  std::string positionCode;
  std::string deviceName;
  std::string peopleName;
  std::string positionName;
  std::string areaName;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.what; }

class DeviceRecordNames : public FamilyReplies, public ::testing::WithParamInterface<NameCase> {
 protected:
  void SetUp() override {
    FamilyReplies::SetUp();
    AddPosition(5, "010", "P5", "North");
    AddPosition(2, "010", "P2", "South");
    AddPosition(3, "01", "P3", "East");
    AddReader(7, "D1", "R7", {{"F1", "Ann"}, {"F2", "Bob"}});
    AddReader(4, "D1", "R4", {{"F2", "Cid"}, {"F2", "Dan"}});
    AddReader(9, "D9", "R9", {{"F9", "Eve"}});
  }

  static void AddPosition(int id, const std::string& code, const std::string& name, const std::string& area) {
    std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
    InspectPosDeviceInfo& position = g_mapInspectPosDevice[id];
    position.iID = id;
    position.strCode = code;
    position.strName = name;
    position.strAreaName = area;
  }

  static void AddReader(int id, const std::string& code, const std::string& name,
                        const std::vector<std::pair<std::string, std::string>>& fingerprints) {
    InspectDeviceInfo& reader = g_mapInspectDevice[id];
    reader.iID = id;
    reader.strCode = code;
    reader.strName = name;
    for (const auto& entry : fingerprints) {
      FingerprintInfo fingerprint;
      fingerprint.strCode = entry.first;
      fingerprint.strPeopleName = entry.second;
      reader.listFingerprint.push_back(fingerprint);
    }
  }
};

TEST_P(DeviceRecordNames, ResolveThroughTheCaches) {
  const NameCase& c = GetParam();
  const std::string reply = "[{\"iID\":1,\"iType\":4,\"strTime\":\"240506070809\",\"strDeviceCode\":\"" + c.deviceCode +
                            "\",\"strPeopleCode\":\"" + c.peopleCode + "\",\"strInspectPositionDeviceCode\":\"" +
                            c.positionCode + "\",\"strReserve\":\"--\"}]";
  std::list<DeviceRecordInfo> records;
  ParseDeviceRecordJsonData(reply.c_str(), records);
  ASSERT_EQ(records.size(), 1u);
  const DeviceRecordInfo& record = records.front();
  EXPECT_EQ(record.strDeviceName, c.deviceName);
  EXPECT_EQ(record.strPeopleName, c.peopleName);
  EXPECT_EQ(record.strPositionName, c.positionName);
  EXPECT_EQ(record.strAreaName, c.areaName);
  EXPECT_EQ(record.iType, 4);
  EXPECT_EQ(record.strTime, "240506070809");
  EXPECT_EQ(g_mapInspectDevice.size(), 3u);
  EXPECT_EQ(g_mapInspectPosDevice.size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(
    FirstInAscendingIdExactLength, DeviceRecordNames,
    ::testing::Values(
        NameCase{"the smallest id names a shared code", "D1", "F2", "010", "R4", "Cid", "P2", "South"},
        NameCase{"a shorter code matches only itself", "D9", "F9", "01", "R9", "Eve", "P3", "East"},
        NameCase{"a longer code matches nothing", "D9", "F9", "0100", "R9", "Eve", "", ""},
        NameCase{"only the matched reader's fingerprints name the person", "D1", "F1", "", "R4", "", "", ""},
        NameCase{"no reader, no person, even when some reader holds the code", "DX", "F9", "01", "", "", "P3",
                 "East"},
        NameCase{"a trailing blank is part of the code", "D1 ", "F2", "01 ", "", "", "", ""}),
    [](const ::testing::TestParamInfo<NameCase>& info) { return "Case" + std::to_string(info.index); });

struct SingleCase {
  const char* reply;
  int iID;
  int iPlanID;
  std::string strRemark;
  const char* logHead;  // nullptr: no line
};

TEST_F(FamilyReplies, AnExceptionRecordIsOneObjectOrNull) {
  const SingleCase cases[] = {
      {"null", 0, 0, "", nullptr},
      {"{}", 0, 0, "", nullptr},
      {"{\"iID\":3,\"iPlanID\":4,\"strRemark\":\"r\",\"strTime\":\"t\"}", 3, 4, "r", nullptr},
      {"{\"ID\":3,\"PlanID\":4,\"strRemark\":\"r\"}", 0, 0, "r", nullptr},  // request keys are not reply keys
      {"[]", 0, 0, "", "[ParseExceptionRecordJsonData]解析异常，异常信息为："},
      {"{\"iID\":3,\"iPlanID\":\"4\"}", 3, 0, "", "[ParseExceptionRecordJsonData]解析异常，异常信息为："},
  };
  for (const SingleCase& c : cases) {
    SCOPED_TRACE(c.reply);
    ClearLines();
    ExceptionRecordInfo record;
    ParseExceptionRecordJsonData(c.reply, record);
    EXPECT_EQ(record.iID, c.iID);
    EXPECT_EQ(record.iPlanID, c.iPlanID);
    EXPECT_EQ(record.strRemark, c.strRemark);
    if (c.logHead) {
      EXPECT_TRUE(LogStartsWith(c.logHead));
    } else {
      EXPECT_TRUE(Lines().empty());
    }
  }
}

TEST_F(FamilyReplies, TheLoginRecordReadsItsIdAndTexts) {
  const SingleCase cases[] = {
      {"{\"ID\":7,\"UserID\":\"u1\",\"SchoolName\":\"r\",\"Token\":\"t\"}", 7, 0, "r", nullptr},
      {"{\"ID\":7,\"UserID\":\"u1\"}", 7, 0, "", nullptr},
      {"null", 0, 0, "", nullptr},
      {"[]", 0, 0, "", "[ParseLogin]解析异常，异常信息为："},
      {"{\"ID\":\"7\",\"SchoolName\":\"r\"}", 0, 0, "", "[ParseLogin]解析异常，异常信息为："},
  };
  for (const SingleCase& c : cases) {
    SCOPED_TRACE(c.reply);
    ClearLines();
    LoginSessionInfo info;
    ParseLogin(c.reply, info);
    EXPECT_EQ(info.ID, c.iID);
    EXPECT_EQ(info.SchoolName, c.strRemark);
    if (c.logHead) {
      EXPECT_TRUE(LogStartsWith(c.logHead));
    } else {
      EXPECT_TRUE(Lines().empty());
      EXPECT_EQ(info.UserID, c.iID ? "u1" : "");
    }
  }
}

TEST_F(FamilyReplies, AuditEntriesReadTheUserNameUnderStrUser) {
  std::list<SystemLogInfo> entries;
  ParseSystemLogJsonData("[{\"iID\":4,\"strUserName\":\"x\",\"strUser\":\"y\",\"strUserIP\":\"10.0.0.2\",\"strEvent\":5}]",
                         entries);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries.front().strUser, "y");
  EXPECT_EQ(entries.front().strUserIP, "10.0.0.2");
  EXPECT_EQ(entries.front().strEvent, "5");
}

TEST_F(FamilyReplies, RightsSplitTheirListsAndTheFirstRecordOfAUserWins) {
  std::map<std::string, AuthorityInfo> rights;
  ParseAuthority(
      "[{\"strUserID\":\"B\",\"TypeAuthority\":\"--\",\"strModuleAuthority\":\"\"},"
      "{\"strUserID\":\"A\",\"strUserName\":\"first\",\"TypeAuthority\":\"a,,b\",\"strModuleAuthority\":\"m1,m2\"},"
      "{\"strUserID\":\"A\",\"strUserName\":\"second\",\"TypeAuthority\":\"z\"}]",
      rights);
  ASSERT_EQ(rights.size(), 2u);
  EXPECT_EQ(rights.begin()->first, "A");
  const AuthorityInfo& a = rights.at("A");
  EXPECT_EQ(a.strUserName, "first");
  EXPECT_EQ(a.TypeAuthority, (Strings{"a", "", "b"}));
  EXPECT_EQ(a.strModuleAuthority, (Strings{"m1", "m2"}));
  EXPECT_EQ(rights.at("B").TypeAuthority, (Strings{"--"}));
  EXPECT_EQ(rights.at("B").strModuleAuthority, (Strings{""}));

  AuthorityInfo none;
  ParseAuthoritybyID("null", none);
  EXPECT_EQ(none.strUserID, "");
  EXPECT_EQ(none.TypeAuthority, (Strings{""}));
  EXPECT_EQ(none.strModuleAuthority, (Strings{""}));
  EXPECT_TRUE(Lines().empty());
}

struct NamesCase {
  HttpReply reply;
  Strings names;
};

TEST_F(FamilyReplies, PictureNamesAreTheReplySplitAtAmpersands) {
  const NamesCase cases[] = {
      {HttpReply(200, "a.jpg&b.jpg"), {"a.jpg", "b.jpg"}},
      {HttpReply(200, "a.jpg&"), {"a.jpg", ""}},
      {HttpReply(200, "&"), {"", ""}},
      {HttpReply(200, ""), {}},
      {HttpReply(200, "-1"), {}},
      {HttpReply::close_without_answer(), {}},
  };
  for (const NamesCase& c : cases) {
    SCOPED_TRACE(c.reply.body);
    FakeHttpServer server;
    server.set_fallback(c.reply);
    UseServer(server.base_url());
    EXPECT_EQ(DAL_PatrolServer().DAL_UploadPic_GetNames(3, "t"), c.names);
  }
  EXPECT_TRUE(Lines().empty());
}

// The time and the name travel as query values ("&", ":" and blanks percent-encoded), so
// the time's "&" starts no other parameter; the form parts come in their fixed order
// before the file.
TEST_F(FamilyReplies, APictureUploadSendsItsPartsInOrder) {
  test_support::ScratchFolder folder;
  const std::string path = folder.file("pic.jpg");
  test_support::ScratchFolder::write(path, "JPEG-BYTES");
  FakeHttpServer server;
  server.set_fallback(HttpReply(200, "1"));
  UseServer(server.base_url());

  for (const int type : {1, 16}) {
    server.clear_requests();
    EXPECT_EQ(DAL_PatrolServer().DAL_UploadPic(path, 3, "2024-05-06 08:00&09:00", type, "a b.jpg"), 1);
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 1u);
    const auto& request = requests[0];
    EXPECT_EQ(request.method, "POST");
    EXPECT_EQ(request.target, "/Upload.ashx?UploadType=" + std::to_string(type) +
                                  "&FileType=1&PlanID=3&Time=2024-05-06%2008%3A00%2609%3A00&FileName=a%20b.jpg");
    ASSERT_EQ(request.parts.size(), 4u);
    const Strings names{request.parts[0].name, request.parts[1].name, request.parts[2].name, request.parts[3].name};
    EXPECT_EQ(names, (Strings{"chunk", "chunks", "name", "file"}));
    EXPECT_EQ(request.parts[0].body, "0");
    EXPECT_EQ(request.parts[1].body, "1");
    EXPECT_EQ(request.parts[2].body, "");
    EXPECT_EQ(request.parts[3].body, "JPEG-BYTES");
    EXPECT_FALSE(request.has_header("Authorization"));
  }
  EXPECT_TRUE(Lines().empty());
}

TEST_F(FamilyReplies, APictureUploadThatFailsLogsOneFixedLine) {
  FakeHttpServer server;
  server.set_fallback(HttpReply(200, "1"));
  UseServer(server.base_url());
  test_support::ScratchFolder folder;
  EXPECT_EQ(DAL_PatrolServer().DAL_UploadPic(folder.file("missing.jpg"), 3, "t", 1, "m.jpg"), -1);
  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].sink, DalLog::Sink::TextLog);
  EXPECT_EQ(lines[0].text, "[DAL_UploadPic]解析异常!\n");
}

}  // namespace

// The rights at login against the platform's identities and the patrol server's rights
// record: administrators, the type and module maps, the refusals, and a request that
// failed, which refuses instead of granting everything.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "app/shell/UserRights.h"
#include "testing/services/GbkWire.h"
#include "tests/app/startup/support/StartupWorld.h"

namespace {

enum class Record { None, Stored, Unreadable };

struct RightsCase {
  const char* what;
  int userType;
  std::vector<std::string> identities;  // the user's identities on the platform
  std::string givenIdentity;            // from the command line
  Record record;
  std::string types, modules;           // the stored record
  UserRightsResult result;
  std::string identity, identityName;
  int allRights, allTypes, allModules;
  std::map<int, std::string> typeMap;
  std::vector<std::string> moduleMap;
};

std::ostream& operator<<(std::ostream& out, const RightsCase& c) { return out << c.what; }

class UserRights : public startuptest::StartupWorld, public ::testing::WithParamInterface<RightsCase> {};

TEST_P(UserRights, DecideWhatTheUserMay) {
  const RightsCase& c = GetParam();
  AddUser("r1", c.userType, c.identities, "x");
  session().m_userInfo.strUserID = "r1";
  session().m_userInfo.nUserType = c.userType;
  session().m_userInfo.strSchoolID = startuptest::kSchool;
  session().m_strToken = "tok-r1";
  session().m_strIdentityCode = c.givenIdentity;
  if (c.record == Record::Stored) {
    Json::Value row;
    row["strUserID"] = "r1";
    row["strUserName"] = "r1";
    row["TypeAuthority"] = test_support::wire_text(c.types);
    row["strModuleAuthority"] = test_support::wire_text(c.modules);
    row["strReserve"] = "";
    patrol.rights().add(row);
  }
  if (c.record == Record::Unreadable) {
    patrol.http().route("GET", "/api/Authority/GetByID", test_support::HttpReply(500, "<html>busy</html>"));
  }

  EXPECT_EQ(LoadUserRights(), c.result);
  EXPECT_EQ(session().m_strIdentityCode, c.identity);
  EXPECT_EQ(session().m_strIdentityName, c.identityName);
  EXPECT_EQ(session().m_nAllRights, c.allRights);
  EXPECT_EQ(session().m_nAllTypes, c.allTypes);
  EXPECT_EQ(session().m_nAllModules, c.allModules);
  EXPECT_EQ(session().m_mapTypes, c.typeMap);
  std::vector<std::string> modules;
  for (const auto& entry : session().m_mapModules) modules.push_back(entry.first);
  std::vector<std::string> expectedModules = c.moduleMap;
  std::sort(expectedModules.begin(), expectedModules.end());
  EXPECT_EQ(modules, expectedModules);
}

using R = UserRightsResult;

INSTANTIATE_TEST_SUITE_P(
    Cases, UserRights,
    ::testing::Values(
        RightsCase{"user type 6 without identities", 6, {}, "", Record::None, "", "", R::Granted, "", "", 1, 1, 1, {}, {}},
        RightsCase{"user type 8 without identities", 8, {}, "", Record::None, "", "", R::Granted, "", "", 1, 1, 1, {}, {}},
        RightsCase{"IC0001 given but not listed", 2, {"IC0003"}, "IC0001", Record::None, "", "", R::Granted, "IC0001",
                   "超级管理员", 1, 1, 1, {}, {}},
        RightsCase{"two types and three modules", 2, {"IC0003"}, "", Record::Stored, "安防,消防", "首页,计划,路线",
                   R::Granted, "IC0003", "巡更人员", 0, 0, 0, {{0, "安防"}, {2, "消防"}}, {"首页", "计划", "路线"}},
        RightsCase{"every type and module", 2, {"IC0003"}, "", Record::Stored,
                   "安防,设备,消防,食堂,宿舍检查,清洁卫生,教学", "a,b,c,d,e,f", R::Granted, "IC0003", "巡更人员", 0, 1,
                   1, {}, {}},
        RightsCase{"only unknown type words", 2, {"IC0003"}, "", Record::Stored, "保洁,绿化", "首页", R::Granted,
                   "IC0003", "巡更人员", 0, 0, 0, {}, {"首页"}},
        RightsCase{"a repeated type counts once", 2, {"IC0003"}, "", Record::Stored, "安防,安防", "首页", R::Granted,
                   "IC0003", "巡更人员", 0, 0, 0, {{0, "安防"}}, {"首页"}},
        RightsCase{"an empty module list", 2, {"IC0003"}, "", Record::Stored, "安防", "", R::NoRights, "IC0003",
                   "巡更人员", 0, 0, 0, {}, {}},
        RightsCase{"an answered no record", 2, {"IC0003"}, "", Record::None, "", "", R::Granted, "IC0003", "巡更人员",
                   0, 1, 1, {}, {}},
        RightsCase{"an unreadable reply", 2, {"IC0003"}, "", Record::Unreadable, "", "", R::Unavailable, "IC0003",
                   "巡更人员", 0, 0, 0, {}, {}}),
    [](const ::testing::TestParamInfo<RightsCase>& info) { return "case" + std::to_string(info.index); });

// The platform's identity requests fail too, which only leaves the identity empty.
using RightsRequest = startuptest::StartupWorld;

TEST_F(RightsRequest, ThatFailedRefusesTheLogin) {
  session().m_userInfo.strUserID = startuptest::kUser;
  session().m_userInfo.nUserType = 2;
  session().m_strToken = "tok";
  session().m_strBaseAddr = startuptest::RefusingBaseUrl();
  session().m_strServerAddr = session().m_strBaseAddr;
  EXPECT_EQ(LoadUserRights(), UserRightsResult::Unavailable);
  EXPECT_EQ(session().m_nAllTypes, 0);
  EXPECT_EQ(session().m_nAllModules, 0);
}

}  // namespace

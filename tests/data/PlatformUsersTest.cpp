#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CommonTools/Md5Hex.h"
#include "data/CloudServerPort.h"
#include "data/DataCollection.h"
#include "data/PlatformUsers.h"
#include "testing/services/WireJson.h"
#include "tests/data/CampusWorld.h"

namespace {

using test_support::FakeIdentity;
using test_support::FakePlatformUser;
using test_support::HttpReply;

class PlatformUsers : public ::testing::Test {
 protected:
  void SetUp() override {
    world.platform.add_identity(FakeIdentity{"IC0001", "超级管理员", "/icon/1.png", 1});
    world.platform.add_identity(FakeIdentity{"IC0002", "保卫处", "/icon/2.png", 0});
    world.platform.add_user(FakePlatformUser{"u1", "李四", "男", "u1.jpg", "13900000001", "s1", 2, {"IC0002", "IC0001"}});
    world.platform.add_user(FakePlatformUser{"u2", "王五", "女", "", "13900000002", "s1", 2, {"IC0002"}});
    world.platform.add_user(FakePlatformUser{"u3", "赵六", "男", "", "", "s2", 2, {"IC0002"}});
    world.platform.add_user(FakePlatformUser{"u4", "孙七", "男", "", "", "s1", 1, {}});
  }

  CampusWorld world;
};

TEST_F(PlatformUsers, IdentityRequestsCarryTheTokenHeaderAndTheQuery) {
  const auto identities = GetUsersIdentityCode("tok9", "u1", "E61001");
  ASSERT_EQ(identities.size(), 2u);
  EXPECT_EQ(identities.front().IdentityCode, "IC0002");
  EXPECT_EQ(identities.front().IdentityName, "保卫处");
  EXPECT_TRUE(identities.back().IsPreset);

  const auto requests = world.http().requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].method, "GET");
  EXPECT_EQ(requests[0].target, "/UserMgr/PowerMgr/GetIdentityTypeByUserID?UserID=u1&ModuleID=E61001");
  EXPECT_EQ(requests[0].header("Authorization"), "X-Token=tok9");
  EXPECT_EQ(requests[0].header("Content-Type"), "application/x-www-form-urlencoded");
  EXPECT_TRUE(requests[0].body.empty());
}

TEST_F(PlatformUsers, IdentityCheckIsOneWhenTheUserHoldsAnIdentity) {
  EXPECT_EQ(CheckUsersIdentity("tok", "u2", "E61001"), 1);
  EXPECT_TRUE(world.logLines().empty());
  EXPECT_EQ(CheckUsersIdentity("tok", "u4", "E61001"), 0);
  EXPECT_EQ(world.logLines(DalLog::Sink::TextLog),
            (std::vector<std::string>{"[ParseResponseIdentityCode]出错,请求数据返回为空，错误码为:200\n错误信息:\n",
                                      "[获取用户权限失败，用户身份返回值为空,用户token:***\n"}));
  EXPECT_EQ(CheckUsersIdentity("tok", "nobody", "E61001"), 0);
  EXPECT_EQ(CheckUsersIdentity("tok", "u1", "E61002"), 0);
}

TEST_F(PlatformUsers, IdentitiesByCodeUseTheSessionToken) {
  const auto identities = GetIdentityByCode("s1", "IC0002,IC0001");
  ASSERT_EQ(identities.size(), 2u);
  EXPECT_EQ(identities.front().IdentityName, "保卫处");
  const auto requests = world.http().requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].target, "/UserMgr/PowerMgr/GetIdentityTypeByCode?SchoolID=s1&IdentityCodes=IC0002%2CIC0001");
  EXPECT_EQ(requests[0].header("Authorization"), "X-Token=tok");
}

TEST_F(PlatformUsers, ModuleUsersAreThoseOfTheUsersSchool) {
  const auto users = GetUserByModuleID();
  ASSERT_EQ(users.size(), 2u);
  EXPECT_EQ(users.front().UserID, "u1");
  EXPECT_EQ(users.front().IsSuperUser, 1);
  EXPECT_EQ(users.back().UserName, "王五");
  EXPECT_EQ(users.back().IsSuperUser, 0);
  EXPECT_EQ(world.http().requests().at(0).target,
            "/UserMgr/PowerMgr/GetUserByModuleID?ModuleID=E61001&SchoolID=s1");
}

TEST_F(PlatformUsers, FormRequestsThatFailGiveEmptyLists) {
  const std::string base = RefusingBaseUrl();
  world.session().m_strBaseAddr = base;
  EXPECT_TRUE(GetUsersIdentityCode("tok", "u1", "E61001").empty());
  EXPECT_TRUE(GetIdentityByCode("s1", "IC0001").empty());
  EXPECT_TRUE(GetUserByModuleID().empty());
  EXPECT_EQ(world.logLines(DalLog::Sink::TextLog),
            (std::vector<std::string>{
                "[GetUsersIdentityCode]获取用户身份失败，请求URL:" + base +
                    "UserMgr/PowerMgr/GetIdentityTypeByUserID?UserID=u1&ModuleID=E61001\n",
                "[GetIdentityByCode]获取用户身份失败，请求URL:" + base +
                    "UserMgr/PowerMgr/GetIdentityTypeByCode?SchoolID=s1&IdentityCodes=IC0001\n",
                "[GetUserByModuleID]获取用户身份失败，请求URL:" + base +
                    "UserMgr/PowerMgr/GetUserByModuleID?ModuleID=E61001&SchoolID=s1\n"}));
  EXPECT_EQ(CheckUsersIdentity("tok", "u1", "E61001"), 0);
}

TEST_F(PlatformUsers, ContactAndNameAskWithTheApplicationsToken) {
  EXPECT_EQ(GetSchoolinfo("u2"), "13900000002");
  EXPECT_EQ(GetUserNameByUserID("u3"), "赵六");
  EXPECT_EQ(GetUserNameByUserID("nobody"), "");
  const std::string token = CommonTools::md5_hex_reversed("E61");
  const auto requests = world.http().requests();
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_EQ(requests[0].target, world.patrol.base_url() +
                                    "BaseApi/UserMgr/UserInfoMgr/GetUserContactByIDs?appid=E61&access_token=" +
                                    token + "&UserIDs=u2");
  EXPECT_EQ(requests[1].target, world.patrol.base_url() +
                                    "BaseApi/UserMgr/UserInfoMgr/SearchUserByIDsOrName?appid=E61&access_token=" +
                                    token + "&UserIDs=u3");
  EXPECT_EQ(world.logLines(),
            (std::vector<std::string>{"[ParseGetUserName]出错,请求数据返回为空，错误码为:200\n错误信息:\n"}))
      << "only the user the platform does not know";
}

TEST_F(PlatformUsers, ContactAndNameFailuresAreLoggedAndEmpty) {
  world.session().m_strBaseAddr = RefusingBaseUrl();
  EXPECT_EQ(GetSchoolinfo("u2"), "");
  EXPECT_EQ(GetUserNameByUserID("u2"), "");
  const auto lines = world.logLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].rfind("[GetSchoolinfo]出错，错误信息为：", 0), 0u) << lines[0];
  EXPECT_EQ(lines[1].rfind("[GetUserNameByUserID]出错，错误信息为：", 0), 0u) << lines[1];
}

TEST_F(PlatformUsers, TokenCheckPathAndAnswers) {
  EXPECT_TRUE(GetUsersAuthority());
  EXPECT_EQ(world.http().requests().at(0).target,
            world.patrol.base_url() + "/UserMgr/Login/Api/Login.ashx?token=tok&method=TokenCheck&params=E61");
  world.platform.set_token_valid(false);
  EXPECT_FALSE(GetUsersAuthority());
  world.session().m_strBaseAddr = RefusingBaseUrl();
  world.clearLog();
  EXPECT_TRUE(GetUsersAuthority()) << "an unreachable platform keeps the user logged in";
  ASSERT_EQ(world.logLines().size(), 1u);
  EXPECT_EQ(world.logLines()[0].rfind("[GetUsersAuthority]出错，错误信息为：", 0), 0u);
}

struct PortCase {
  const char* label;
  HttpReply reply;
  int port;
};

class ServerPort : public ::testing::TestWithParam<PortCase> {};

TEST_P(ServerPort, ReadsThePortBetweenTheQuotes) {
  CampusWorld world;
  world.http().route("GET", "/api/Cloud/GetServerPort", GetParam().reply);
  EXPECT_EQ(DAL_Cloud_GetServerPort(), GetParam().port);
  EXPECT_EQ(world.http().requests().at(0).target, world.patrol.base_url() + "api/Cloud/GetServerPort");
}

INSTANTIATE_TEST_SUITE_P(Replies, ServerPort,
                         ::testing::Values(PortCase{"JsonString", HttpReply(200, "\"10001\""), 10001},
                                           PortCase{"BareNumber", HttpReply(200, "8080"), 8080},
                                           PortCase{"Empty", HttpReply(200, ""), 9468},
                                           PortCase{"OneQuote", HttpReply(200, "\"7070"), 7070},
                                           PortCase{"QuotedWithBlanks", HttpReply(200, " \" 6060\" \n"), 6060},
                                           PortCase{"Refused", HttpReply(200, "-1"), -1},
                                           PortCase{"ErrorPageStillAReply", HttpReply(500, "oops"), 0},
                                           PortCase{"ConnectionDropped", HttpReply::close_without_answer(), -1}),
                         [](const ::testing::TestParamInfo<PortCase>& info) { return std::string(info.param.label); });

TEST(ServerPortFailure, ARefusedConnectionIsMinusOneAndLogged) {
  CampusWorld world;
  world.session().m_strServerAddr = RefusingBaseUrl();
  EXPECT_EQ(DAL_Cloud_GetServerPort(), -1);
  ASSERT_EQ(world.logLines().size(), 1u);
  EXPECT_EQ(world.logLines()[0].rfind("[DAL_Cloud_GetServerPort]出错，错误信息为：", 0), 0u);
}

TEST(VisitReport, BodyNestsTheVisitAsJsonTextEndingInALineFeed) {
  const std::string body =
      BuildVisitReport("u1", "E61001", "2022-06-01 08:00:00", "2022-06-01 17:30:05", "2022618005");
  EXPECT_EQ(body,
            "{\"EventData\":\"{\\\"DataList\\\":[{\\\"EventID\\\":\\\"M37_V01_2022618005\\\",\\\"SysID\\\":"
            "\\\"E61\\\",\\\"UserID\\\":\\\"u1\\\",\\\"VisitEndTime\\\":\\\"2022-06-01 17:30:05\\\","
            "\\\"VisitModule\\\":\\\"E61001\\\",\\\"VisitTime\\\":\\\"2022-06-01 08:00:00\\\"}]}\\n\","
            "\"EventFlag\":\"M37_V01\",\"SysID\":\"E61\"}\n");
}

struct DeliveryCase {
  const char* label;
  const char* reply;
  int result;
  std::size_t logLines;
};

class VisitDelivery : public ::testing::TestWithParam<DeliveryCase> {};

TEST_P(VisitDelivery, PostsToTheDataCollectionAddressAndReadsTheNumber) {
  CampusWorld world;
  world.platform.set_delivery_reply(GetParam().reply);
  EXPECT_EQ(SendLoginMegToBigDate("u1", "E61001", "2022-06-01 08:00:00", "2022-06-01 17:30:05"),
            GetParam().result);
  EXPECT_EQ(world.logLines().size(), GetParam().logLines);
  const auto delivered = world.platform.deliveries();
  ASSERT_EQ(delivered.size(), 1u);
  Json::Value outer;
  ASSERT_TRUE(test_support::read_wire_json(delivered[0], outer));
  EXPECT_EQ(outer["SysID"].asString(), "E61");
  EXPECT_EQ(outer["EventFlag"].asString(), "M37_V01");
  const std::string inner = outer["EventData"].asString();
  ASSERT_FALSE(inner.empty());
  EXPECT_EQ(inner.back(), '\n');
  Json::Value event;
  ASSERT_TRUE(test_support::read_wire_json(inner, event));
  EXPECT_EQ(event["DataList"][0]["UserID"].asString(), "u1");
  EXPECT_EQ(event["DataList"][0]["EventID"].asString().rfind("M37_V01_", 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(Replies, VisitDelivery,
                         ::testing::Values(DeliveryCase{"Accepted", "1", 1, 0}, DeliveryCase{"Refused", "-1", -1, 1},
                                           DeliveryCase{"RefusedWithBlanks", " -1\n", -1, 1},
                                           DeliveryCase{"NoNumber", "ok", 0, 0}),
                         [](const ::testing::TestParamInfo<DeliveryCase>& info) {
                           return std::string(info.param.label);
                         });

TEST(VisitDeliveryFailure, AnUnreachableServiceIsMinusOneWithOneLine) {
  CampusWorld world;
  world.platform.set_address("850", RefusingBaseUrl());
  EXPECT_EQ(SendLoginMegToBigDate("u1", "E61001", "a", "b"), -1);
  const auto lines = world.logLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].rfind("[SendLoginMegToBigDate]出错，错误信息为:", 0), 0u) << lines[0];
}

}  // namespace

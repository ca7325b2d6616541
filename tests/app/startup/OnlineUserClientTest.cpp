// The login component's holder over our component and the test platform: what Init
// answers for each way the component can be missing or refuse, that nothing is asked
// without a token or after Release, and that a platform that cannot be reached gives
// false and empty answers, not an exception.
#include <gtest/gtest.h>

#include <string>

#include "app/shell/OnlineUserClient.h"
#include "platform/login/OnlineUserObject.h"
#include "platform/login/OnlineUserSession.h"
#include "tests/app/startup/support/StartupWorld.h"

namespace {

using startuptest::StartupWorld;

enum class Component { Registered, NotRegistered, FactoryFails };

struct InitCase {
  const char* what;
  Component component;
  std::string baseAddress;  // "" for the test server's
  int result;
};

std::ostream& operator<<(std::ostream& out, const InitCase& c) { return out << c.what; }

class ComponentInit : public StartupWorld, public ::testing::WithParamInterface<InitCase> {
 protected:
  ~ComponentInit() override { platform::login::OnlineUserObject::Register(); }
};

TEST_P(ComponentInit, AnswersWhatWentWrong) {
  const InitCase& c = GetParam();
  if (c.component == Component::NotRegistered) platform::login::OnlineUserObject::Unregister();
  if (c.component == Component::FactoryFails) {
    platform::com::ClassRegistry::Register(CLSID_OnlineUser, platform::login::OnlineUserObject::kProgId,
                                           [](REFIID, void** object) {
                                             *object = nullptr;
                                             return E_OUTOFMEMORY;
                                           });
  }
  if (!c.baseAddress.empty()) session().m_strBaseAddr = c.baseAddress;
  OnlineUserClient& client = OnlineUserClient::Instance();
  EXPECT_EQ(client.Init(), c.result);
  EXPECT_EQ(client.HasComponent(), c.result == 0);
}

INSTANTIATE_TEST_SUITE_P(
    Components, ComponentInit,
    ::testing::Values(InitCase{"ready", Component::Registered, "", 0},
                      InitCase{"not registered", Component::NotRegistered, "", 1},
                      InitCase{"factory fails", Component::FactoryFails, "", 2},
                      InitCase{"base address refused", Component::Registered, "ftp://campus/", 3}),
    [](const ::testing::TestParamInfo<InitCase>& info) { return "case" + std::to_string(info.index); });

using ComponentClient = StartupWorld;

TEST_F(ComponentClient, ReadsTheUserOfAnAcceptedToken) {
  OnlineUserClient& client = OnlineUserClient::Instance();
  ASSERT_EQ(client.Init(), 0);
  const std::string token = platform.issue_token(startuptest::kUser);
  OnlineUserInfo user;
  user.strPassword = "typed";
  ASSERT_TRUE(client.LoginByToken(user, token));
  EXPECT_EQ(user.strUserID, "u1");
  EXPECT_EQ(user.strUserName, "用户u1");
  EXPECT_EQ(user.nUserType, 2);
  EXPECT_EQ(user.strSchoolID, "s1");
  EXPECT_EQ(user.strSchoolName, "城南中学");
  EXPECT_EQ(user.strToken, token);
  EXPECT_EQ(user.strPassword, "typed");
  EXPECT_EQ(g_strUserID, "u1");
  EXPECT_EQ(g_strUserToken, token);
  // The token is now this PC's session, until the logout.
  EXPECT_TRUE(client.IsUserOnline());
  client.Logout();
  EXPECT_FALSE(client.IsUserOnline());
  EXPECT_EQ(platform.logged_out(), std::vector<std::string>{token});
}

TEST_F(ComponentClient, AsksNothingForAnEmptyTokenOrAfterRelease) {
  OnlineUserClient& client = OnlineUserClient::Instance();
  ASSERT_EQ(client.Init(), 0);
  patrol.http().clear_requests();
  OnlineUserInfo user;
  EXPECT_FALSE(client.LoginByToken(user, ""));
  EXPECT_EQ(patrol.http().request_count(), 0u);

  client.Release();
  EXPECT_EQ(client.Login(L"u1", L"pw1"), "");
  client.Logout();
  EXPECT_FALSE(client.ReadOnlineUser(user));
  EXPECT_FALSE(client.IsUserOnline());
  EXPECT_EQ(patrol.http().request_count(), 0u);
}

TEST_F(ComponentClient, ReadsAFailedPlatformAsFalseAndEmpty) {
  session().m_strBaseAddr = startuptest::RefusingBaseUrl();
  OnlineUserClient& client = OnlineUserClient::Instance();
  ASSERT_EQ(client.Init(), 0);
  platform::login::OnlineUserSession::Store(L"left-over");
  OnlineUserInfo user;
  EXPECT_EQ(client.Login(L"u1", L"pw1"), "");
  EXPECT_FALSE(client.LoginByToken(user, "tk"));
  EXPECT_FALSE(client.IsUserOnline());
  client.Logout();  // logged, nothing thrown
  EXPECT_TRUE(client.HasComponent());
}

}  // namespace

// Both login roads end to end, against our login component and the test platform: each
// way the component, the token, the login window and the module right can go, with the
// message the user sees, the log line, the component's ready flag and the token the
// module right check was asked with.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "CommonTools/Config.h"
#include "CommonTools/Conversions.h"
#include "app/shell/LoginSequence.h"
#include "platform/login/OnlineUserObject.h"
#include "platform/login/OnlineUserSession.h"
#include "tests/app/startup/support/LoginWindowDriver.h"
#include "tests/app/startup/support/StartupWorld.h"

namespace {

using startuptest::LoginWindowDriver;

enum class Road { CommandLine, LocalMachine };
enum class ComponentState { Ready, NotRegistered, InitRefused };
// What the token is: the command line's, or this PC's session.
enum class Token { Accepted, Refused, None };
enum class Window { NotShown, Closed, LoggedIn };
// Whose token the module right check must have been asked with.
enum class Checked { Nothing, GivenToken, WindowToken };

struct RoadCase {
  const char* what;
  Road road;
  ComponentState component;
  Token token;
  Window window;
  std::string user;      // the user of the token, or who logs in through the window
  std::string identity;  // the command line's identity
  bool result;
  std::wstring message;
  int kind;
  std::string logLine;
  bool ready;
  Checked checked;
  bool loggedOut;
};

std::ostream& operator<<(std::ostream& out, const RoadCase& c) { return out << c.what; }

class LoginRoads : public startuptest::StartupWorld, public ::testing::WithParamInterface<RoadCase> {
 protected:
  LoginRoads() {
    // "n1" holds no identity for the module: the right check refuses him.
    AddUser("n1", 2, {}, "pwn");
  }
  ~LoginRoads() override { platform::login::OnlineUserObject::Register(); }

  std::wstring Argument(const std::string& token, const std::string& identity) const {
    const std::string host = patrol.base_url().substr(7);  // "127.0.0.1:port/"
    return L"patrol://login/tk=..." + CommonTools::string_to_wstring(token + "$" + host + "$" + identity + "\"");
  }

  LoginWindowDriver window{driver};
};

TEST_P(LoginRoads, EndAsTheyShould) {
  const RoadCase& c = GetParam();
  if (c.component == ComponentState::NotRegistered) platform::login::OnlineUserObject::Unregister();
  if (c.component == ComponentState::InitRefused) session().m_strBaseAddr = "ftp://nowhere/";
  std::string given;
  if (c.token == Token::Accepted) given = platform.issue_token(c.user);
  if (c.token == Token::Refused) given = "refused-token";
  if (c.road == Road::LocalMachine && !given.empty()) platform::login::OnlineUserSession::Store(CommonTools::string_to_wstring(given));
  patrol.http().clear_requests();

  std::atomic<int> result{-1};
  OnlineUserInfo out;
  ui.Post([&] {
    const bool passed = c.road == Road::CommandLine ? CommandLineLogin(out, Argument(given, c.identity))
                                                    : LoginFromLocalMachine_Sch(out);
    result = passed ? 1 : 0;
  });
  ASSERT_TRUE(driver.WaitIdle());
  const HWND login = LoginWindowDriver::Find();
  EXPECT_EQ(login != nullptr, c.window != Window::NotShown);
  if (login != nullptr && c.window == Window::Closed) window.Click(login, L"btn_close");
  if (login != nullptr && c.window == Window::LoggedIn) {
    window.LogIn(login, CommonTools::string_to_wstring(c.user), c.user == "n1" ? L"pwn" : L"pw1");
  }
  const startuptest::ShownMessage shown = CloseMessage();
  ASSERT_TRUE(driver.WaitIdle());

  EXPECT_EQ(result.load(), c.result ? 1 : 0);
  EXPECT_EQ(shown.text, c.message);
  if (!c.message.empty()) {
    EXPECT_EQ(shown.kind, c.kind);
  }
  if (!c.logLine.empty()) {
    EXPECT_TRUE(startuptest::LogHas(c.logLine)) << c.logLine;
  }
  EXPECT_EQ(session().m_bLoginInit, c.ready);
  std::vector<std::string> expected;
  if (c.checked == Checked::GivenToken) expected.push_back(given);
  if (c.checked == Checked::WindowToken) expected.push_back(out.strToken);
  EXPECT_EQ(CheckedTokens(), expected);
  if (c.checked == Checked::WindowToken) {
    EXPECT_NE(out.strToken, given);
  }
  EXPECT_EQ(!platform.logged_out().empty(), c.loggedOut);
  if (c.result) {
    EXPECT_EQ(out.strUserID, c.user);
  }
}

const std::wstring kNoRight = L"您的权限不够！";

INSTANTIATE_TEST_SUITE_P(
    Roads, LoginRoads,
    ::testing::Values(
        RoadCase{"token road, component not registered", Road::CommandLine, ComponentState::NotRegistered,
                 Token::Accepted, Window::NotShown, "u1", "IC0003", false,
                 L"命令行传参调用，登录框初始化失败，请联系管理员！", 1, "", false, Checked::Nothing, false},
        RoadCase{"token road, token accepted, right held", Road::CommandLine, ComponentState::Ready, Token::Accepted,
                 Window::NotShown, "u1", "IC0003", true, L"", 0, "", true, Checked::GivenToken, false},
        RoadCase{"token road, IC0101 skips the check", Road::CommandLine, ComponentState::Ready, Token::Accepted,
                 Window::NotShown, "n1", "IC0101", true, L"", 0, "", true, Checked::Nothing, false},
        RoadCase{"token road, IC0102 skips the check", Road::CommandLine, ComponentState::Ready, Token::Accepted,
                 Window::NotShown, "n1", "IC0102", true, L"", 0, "", true, Checked::Nothing, false},
        RoadCase{"token road, no right", Road::CommandLine, ComponentState::Ready, Token::Accepted, Window::NotShown,
                 "n1", "IC0003", false, kNoRight, 1, "", true, Checked::GivenToken, true},
        RoadCase{"token road, token refused, window closed", Road::CommandLine, ComponentState::Ready, Token::Refused,
                 Window::Closed, "u1", "IC0003", false, L"", 0, "通过TOKEN获取用户信息失败", true, Checked::Nothing,
                 false},
        RoadCase{"token road, token refused, logged in through the window", Road::CommandLine, ComponentState::Ready,
                 Token::Refused, Window::LoggedIn, "u1", "IC0003", true, L"", 0, "refused-token", true,
                 Checked::WindowToken, false},
        RoadCase{"local road, component not registered", Road::LocalMachine, ComponentState::NotRegistered,
                 Token::None, Window::NotShown, "u1", "", false, L"登录框初始化失败，请联系管理员！", 7,
                 "登录框初始化失败，返回值为:1", false, Checked::Nothing, false},
        RoadCase{"local road, Init refused", Road::LocalMachine, ComponentState::InitRefused, Token::None,
                 Window::NotShown, "u1", "", false, L"登录框初始化失败，请联系管理员！", 7,
                 "登录框初始化失败，返回值为:3", false, Checked::Nothing, false},
        RoadCase{"local road, a user online", Road::LocalMachine, ComponentState::Ready, Token::Accepted,
                 Window::NotShown, "u1", "", true, L"", 0, "", true, Checked::GivenToken, false},
        RoadCase{"local road, an expired session opens the window", Road::LocalMachine, ComponentState::Ready,
                 Token::Refused, Window::LoggedIn, "u1", "", true, L"", 0, "", true, Checked::WindowToken, false},
        RoadCase{"local road, nobody online, logged in through the window", Road::LocalMachine, ComponentState::Ready,
                 Token::None, Window::LoggedIn, "u1", "", true, L"", 0, "", true, Checked::WindowToken, false},
        RoadCase{"local road, window closed", Road::LocalMachine, ComponentState::Ready, Token::None, Window::Closed,
                 "u1", "", false, L"", 0, "", true, Checked::Nothing, false},
        RoadCase{"local road, no right even for IC0101's users", Road::LocalMachine, ComponentState::Ready,
                 Token::Accepted, Window::NotShown, "n1", "", false, kNoRight, 1, "", true, Checked::GivenToken,
                 true}),
    [](const ::testing::TestParamInfo<RoadCase>& info) { return "case" + std::to_string(info.index); });

// The settings road: both addresses in "Config.ini", or the first-run dialog.
using SettingsRoad = startuptest::StartupWorld;

TEST_F(SettingsRoad, ReadsBothAddressesAndTheNetworkMode) {
  for (const wchar_t* outside : {L"1", L"0", L"yes"}) {
    CommonTools::write_config(L"LoginInfo", L"QVBaseAddr", L"http://10.1.1.1/");
    CommonTools::write_config(L"LoginInfo", L"ServerAddr", L"http://10.1.1.2:8090/");
    CommonTools::write_config(L"LoginInfo", L"OutSideSchool", outside);
    EXPECT_TRUE(LoadBaseAddrConfig());
    EXPECT_EQ(session().m_strBaseAddr, "http://10.1.1.1/");
    EXPECT_EQ(session().m_strServerAddr, "http://10.1.1.2:8090/");
    EXPECT_EQ(session().m_nOutSideSchool, std::wstring(outside) == L"1" ? 1 : 0);
  }
}

TEST_F(SettingsRoad, AMissingServerAddressOpensTheDialog) {
  CommonTools::write_config(L"LoginInfo", L"QVBaseAddr", L"http://10.1.1.1/");
  std::atomic<int> result{-1};
  ui.Post([&] { result = LoadBaseAddrConfig() ? 1 : 0; });
  ASSERT_TRUE(driver.WaitIdle());
  const HWND dialog = startuptest::FindWindowOfClass(L"InputQVBaseAddrWndUI");
  ASSERT_NE(dialog, nullptr);
  LoginWindowDriver(driver).Click(dialog, L"CancelBtn");
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(result.load(), 0);
}

}  // namespace

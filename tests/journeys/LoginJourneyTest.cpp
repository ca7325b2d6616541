// The first morning: the program started on a new PC asks for the platform's address,
// then for an account; a wrong password and an empty account are refused with their
// hints; the right one opens the main frame. Logging out restarts the program on the
// login window, and the user logs in again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CommonTools/Conversions.h"
#include "tests/journeys/support/JourneyWorld.h"

namespace journeys {
namespace {

class LoginJourney : public JourneyWorld {
 protected:
  // The host a person types: the server's address without the scheme and the slash.
  std::wstring TypedHost() {
    std::string host = ServerUrl().substr(std::string("http://").size());
    if (!host.empty() && host.back() == '/') host.pop_back();
    return CommonTools::string_to_wstring(host);
  }

  // The login window's state once a login was tried.
  struct Attempt {
    std::wstring account;
    std::wstring password;
    bool accountHint;
    bool passwordHint;
    std::wstring checkHint;  // "" when the hint is hidden
  };

  void Try(HWND login, const Attempt& attempt) {
    SCOPED_TRACE(CommonTools::wstring_to_string(attempt.account) + " / " +
                 CommonTools::wstring_to_string(attempt.password));
    user.Type(login, L"user_id", attempt.account);
    user.Type(login, L"user_pwd", attempt.password);
    user.Click(login, L"btn_login");
    user.Settle();
    EXPECT_EQ(user.Visible(login, L"tip_id"), attempt.accountHint);
    EXPECT_EQ(user.Visible(login, L"tip_pwd"), attempt.passwordHint);
    const bool checkShown = user.Visible(login, L"tip_check");
    EXPECT_EQ(checkShown ? user.Text(login, L"tip_check") : L"", attempt.checkHint);
  }

  void LogInThroughTheWindow() {
    const HWND login = user.Window(L"LoginWnd");
    ASSERT_NE(login, nullptr);
    const std::vector<Attempt> refused = {
        {L"", L"", true, false, L""},
        {L"admin", L"", false, true, L""},
        {L"admin", L"wrong-password", false, false, L"账号或密码错误"},
    };
    for (const Attempt& attempt : refused) Try(login, attempt);
    EXPECT_TRUE(user.IsOpen(L"LoginWnd"));
    EXPECT_TRUE(AuditEvents().empty() || AuditEvents().back() != "登陆巡更系统");

    // Enter in the password field logs in as the button does.
    user.Type(login, L"user_id", L"admin");
    user.Type(login, L"user_pwd", kAdminPassword);
    user.Key(VK_RETURN);
  }
};

TEST_F(LoginJourney, FirstRunAddressLoginLogoutAndLoginAgain) {
  RemoveSettings();
  StartProgram();

  // The first run asks where the platform is; an empty host keeps the dialog open.
  const HWND address = user.Window(L"InputQVBaseAddrWndUI");
  ASSERT_NE(address, nullptr);
  user.Type(address, L"QVBaseAddrEdit", L"");
  user.Click(address, L"CompleteBtn");
  EXPECT_TRUE(user.IsOpen(L"InputQVBaseAddrWndUI"));
  user.Type(address, L"QVBaseAddrEdit", L"  " + TypedHost() + L" ");
  user.Key(VK_RETURN);
  ASSERT_TRUE(user.WaitClosed(L"InputQVBaseAddrWndUI"));
  const std::string settings = SettingsText();
  EXPECT_NE(settings.find("QVBaseAddr=" + ServerUrl()), std::string::npos) << settings;
  EXPECT_NE(settings.find("ServerAddr=" + ServerUrl()), std::string::npos) << settings;
  EXPECT_NE(settings.find("OutSideSchool=0"), std::string::npos) << settings;

  LogInThroughTheWindow();
  HWND frame = MainFrame();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(user.Text(frame, L"btn_userName"), L"王建国");
  EXPECT_EQ(AuditEvents(), std::vector<std::string>{"登陆巡更系统"});

  // Logging out asks first; "取消" keeps the user in.
  user.Click(frame, L"btn_logout");
  EXPECT_EQ(user.Answer(L"cancle"), L"您确定要退出当前账号重新登录吗？");
  EXPECT_TRUE(user.IsOpen(L"CMainFrameWnd"));
  EXPECT_TRUE(Started().empty());

  user.Click(frame, L"btn_logout");
  EXPECT_EQ(user.Answer(L"yes"), L"您确定要退出当前账号重新登录吗？");
  ASSERT_TRUE(user.WaitFor("the program to end after the logout", [this] { return ProgramEnded(); }));
  EXPECT_EQ(ExitCode(), 0);
  ASSERT_EQ(Started().size(), 1u);
  EXPECT_NE(Started().front().find(L"test_journeys"), std::wstring::npos);
  EXPECT_EQ(AuditEvents(), (std::vector<std::string>{"登陆巡更系统", "退出duvira"}));

  // The restarted program finds nobody logged in on this PC and the address known.
  StartProgram();
  EXPECT_FALSE(user.IsOpen(L"InputQVBaseAddrWndUI"));
  LogInThroughTheWindow();
  frame = MainFrame();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(AuditEvents(), (std::vector<std::string>{"登陆巡更系统", "退出duvira", "登陆巡更系统"}));
  // The account is remembered without the password.
  EXPECT_NE(SettingsText().find("Secret_ID="), std::string::npos);

  ASSERT_TRUE(CloseProgram());
  EXPECT_EQ(AuditEvents().back(), "退出duvira");
}

}  // namespace
}  // namespace journeys

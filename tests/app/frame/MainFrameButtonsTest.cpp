// The frame's buttons, its clock and the login check on the virtual clock.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/frame/ClockText.h"
#include "app/shell/CQRCodeWnd.h"
#include "app/shell/OnlineUserClient.h"
#include "platform/base/InstanceCounter.h"
#include "platform/login/OnlineUserObject.h"
#include "platform/base/CodePage.h"
#include "testing/files/ProgramsOutOfReach.h"
#include "testing/files/ScratchFolder.h"
#include "tests/app/frame/support/FrameTest.h"

namespace {

using frametest::FrameTest;
using Calls = std::vector<std::wstring>;

class MainFrameButtons : public FrameTest {};

TEST_F(MainFrameButtons, CloseAsksFirstAndClosesWithOneOnYes) {
  OpenFrame();
  ClickControl(hwnd, L"btn_close");
  const HWND box = MessageBoxWindow();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), L"是否退出系统");
  EXPECT_EQ(::GetWindow(box, GW_OWNER), hwnd);
  Answer(L"cancle");
  EXPECT_FALSE(FrameClosed());
  EXPECT_TRUE(::IsWindow(hwnd));

  ClickControl(hwnd, L"btn_close");
  Answer(L"yes");
  EXPECT_EQ(WaitForFrameResult(), 1u);
  EXPECT_TRUE(ShellCalls().empty()) << "closing starts nothing";
}

TEST_F(MainFrameButtons, MinimiseThenRestoreBringsTheFrameBackOntoTheWorkArea) {
  OpenFrame();
  ClickControl(hwnd, L"btn_min");
  EXPECT_TRUE(::IsIconic(hwnd));
  OnFrameThread([&] { ::ShowWindow(hwnd, SW_RESTORE); });
  driver.WaitIdle();
  EXPECT_FALSE(::IsIconic(hwnd));
  RECT window = {};
  ::GetWindowRect(hwnd, &window);
  const RECT work = frametest::TestWorkArea();
  EXPECT_TRUE(::EqualRect(&window, &work));
}

TEST_F(MainFrameButtons, HelpAndPersonalCentreOpenThePlatformsPagesWithTheToken) {
  world.session().m_strServerAddr = "http://patrol.campus.edu:8090///";
  world.session().m_strBaseAddr = "http://base.campus.edu/";
  world.session().m_userInfo.strToken = "tok-7";
  world.session().m_strIdentityCode = "IC0002";
  OpenFrame();
  ClickControl(hwnd, L"btn_help");
  ClickControl(hwnd, L"btn_userPhoto");
  ClickControl(hwnd, L"btn_userName");
  const std::wstring centre = L"open|http://base.campus.edu/html/personalMgr/index.html?qv_tk=tok-7&qv_ic=IC0002||1";
  EXPECT_EQ(ShellCalls(), (Calls{L"open|http://patrol.campus.edu:8090/Help/Wardenfell.html?qv_tk=tok-7||1", centre,
                                 centre}));
}

// Without xdg-open the desktop opens no page: the user is told what to install.
TEST_F(MainFrameButtons, WithoutXdgOpenHelpAndPersonalCentreSaySo) {
  platform::SetShellExecuteHook(nullptr);
  test_support::ProgramsOutOfReach noPrograms;
  OpenFrame();
  for (const wchar_t* button : {L"btn_help", L"btn_userPhoto", L"btn_userName"}) {
    ClickControl(hwnd, button);
    const HWND box = MessageBoxWindow();
    ASSERT_NE(box, nullptr) << "nothing said after " << platform::codepage::WideToUtf8(button);
    EXPECT_EQ(MessageBoxText(box), L"无法打开，请安装 xdg-utils!");
    std::wstring icon;
    OnFrameThread([&] { icon = shelltest::ImagesOf::Background(shelltest::FindControl(box, L"VContext")); });
    EXPECT_NE(icon.find(L"提示.png"), std::wstring::npos) << "an information box (kind 1)";
    Answer(L"yes");
    EXPECT_EQ(MessageBoxWindow(), nullptr);
  }
}

TEST_F(MainFrameButtons, TheQRWindowIsOwnedByTheFrame) {
  OpenFrame();
  ClickControl(hwnd, L"btn_qr_code");
  const HWND qr = shelltest::FindWindowOfClass(L"QR_CodeWnd");
  ASSERT_NE(qr, nullptr);
  EXPECT_EQ(::GetWindow(qr, GW_OWNER), hwnd);
  ClickControl(qr, L"btn_close");
  EXPECT_FALSE(::IsWindow(qr));
}

TEST_F(MainFrameButtons, TheClockShowsTheLocalTimeEverySecond) {
  OpenFrame();
  driver.Advance(1000);
  std::wstring shown;
  OnFrameThread([&] { shown = shelltest::FindControl(hwnd, L"label_Time")->GetText().GetData(); });
  EXPECT_EQ(shown, L"2024年03月06日 09:05:08  星期三");
  driver.Advance(60000);
  OnFrameThread([&] { shown = shelltest::FindControl(hwnd, L"label_Time")->GetText().GetData(); });
  EXPECT_EQ(shown, L"2024年03月06日 09:06:08  星期三");
}

TEST(ClockText, NamesEveryWeekday) {
  const struct {
    WORD year, month, day, dayOfWeek;
    const wchar_t* text;
  } cases[] = {
      {2024, 3, 4, 1, L"2024年03月04日 08:07:06  星期一"}, {2024, 3, 5, 2, L"2024年03月05日 08:07:06  星期二"},
      {2024, 3, 6, 3, L"2024年03月06日 08:07:06  星期三"}, {2024, 3, 7, 4, L"2024年03月07日 08:07:06  星期四"},
      {2024, 3, 8, 5, L"2024年03月08日 08:07:06  星期五"}, {2024, 3, 9, 6, L"2024年03月09日 08:07:06  星期六"},
      {2024, 3, 10, 0, L"2024年03月10日 08:07:06  星期日"},
  };
  for (const auto& c : cases) {
    SYSTEMTIME local = {};
    local.wYear = c.year;
    local.wMonth = c.month;
    local.wDay = c.day;
    local.wDayOfWeek = c.dayOfWeek;
    local.wHour = 8;
    local.wMinute = 7;
    local.wSecond = 6;
    EXPECT_EQ(ClockText::Format(local), c.text);
  }
}

class LoginCheck : public FrameTest {
 protected:
  // The component's session file and the instance counter in a scratch folder of this
  // test process (ctest gives every test a process of its own), before their first use.
  LoginCheck() {
    ::setenv("PATROL_LOGIN_SESSION_DIR", scratch.path().c_str(), 1);
    ::setenv("PATROL_INSTANCE_COUNTER", scratch.file("instances.count").c_str(), 1);
  }
  ~LoginCheck() override { OnlineUserClient::Instance().Release(); }

  // As the entry leaves it: this process counted, the user logged in through the
  // component, whose token the session holds.
  std::string LogInThroughTheComponent() {
    platform::login::OnlineUserObject::Register();
    world.platform.add_user(test_support::FakePlatformUser{"u1", "用户u1", "", "", "", "s1", 6, {"IC0001"}});
    EXPECT_TRUE(platform::InstanceCounter::Program().RaiseIfZero());
    OnlineUserClient& component = OnlineUserClient::Instance();
    EXPECT_EQ(component.Init(), 0);
    const std::string token = world.platform.issue_token("u1");
    OnlineUserInfo user;
    EXPECT_TRUE(component.LoginByToken(user, token));
    world.session().m_userInfo.strToken = token;
    return token;
  }

  test_support::ScratchFolder scratch;

  // Token-check requests the platform has received.
  int Checks() {
    int count = 0;
    for (const auto& request : world.http().requests()) {
      if (request.path().find("Login.ashx") != std::string::npos) ++count;
    }
    return count;
  }
};

TEST_F(LoginCheck, AValidOrUnaskableTokenKeepsTheUserLoggedIn) {
  OpenFrame();
  driver.Advance(5000);
  EXPECT_EQ(Checks(), 1);
  world.session().m_strBaseAddr = RefusingBaseUrl();
  driver.Advance(10000);
  EXPECT_EQ(MessageBoxWindow(), nullptr);
  EXPECT_FALSE(FrameClosed());
}

TEST_F(LoginCheck, AnExpiredTokenAsksOnceAndYesStartsTheProgramAgain) {
  const std::string token = LogInThroughTheComponent();
  const int counted = platform::InstanceCounter::Program().Value();
  OpenFrame();
  world.platform.set_token_valid(false);
  driver.Advance(5000);
  const HWND box = MessageBoxWindow();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), L"系统检测到当前用户登录认证失效,\r\n是否重新登录?");
  const int checks = Checks();
  driver.Advance(5000);
  EXPECT_EQ(Checks(), checks + 1) << "the check goes on under the question";
  EXPECT_EQ(MessageBoxWindow(), box) << "a second question";

  Answer(L"yes");
  EXPECT_EQ(WaitForFrameResult(), 1u);
  EXPECT_EQ(world.platform.logged_out(), std::vector<std::string>{token}) << "the component logged out";
  EXPECT_FALSE(OnlineUserClient::Instance().HasComponent()) << "and was released";
  EXPECT_EQ(platform::InstanceCounter::Program().Value(), counted - 1);
  wchar_t self[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  EXPECT_EQ(ShellCalls(), Calls{L"open|" + std::wstring(self) + L"||1"});
}

TEST_F(LoginCheck, NoClosesTheFrameAndStartsNothing) {
  OpenFrame();
  world.platform.set_token_valid(false);
  driver.Advance(5000);
  Answer(L"cancle");
  EXPECT_EQ(WaitForFrameResult(), 1u);
  EXPECT_TRUE(ShellCalls().empty());
}

TEST_F(LoginCheck, LogoutAsksAndRestartsOnYes) {
  OpenFrame();
  ClickControl(hwnd, L"btn_logout");
  const HWND box = MessageBoxWindow();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), L"您确定要退出当前账号重新登录吗？");
  Answer(L"cancle");
  EXPECT_FALSE(FrameClosed());
  EXPECT_TRUE(ShellCalls().empty());

  ClickControl(hwnd, L"btn_logout");
  Answer(L"yes");
  EXPECT_EQ(WaitForFrameResult(), 1u);
  EXPECT_EQ(ShellCalls().size(), 1u);
}

}  // namespace

// The login window: what each reply of the platform shows, what "Config.ini" keeps of the
// account, the frames on focus and on empty fields, and the icon it sets.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "CommonTools/Config.h"
#include "CommonTools/Conversions.h"
#include "app/shell/CLoginWnd.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/base/CodePage.h"
#include "tests/app/startup/support/LoginWindowDriver.h"
#include "tests/app/startup/support/StartupWorld.h"

namespace {

using startuptest::LoginWindowDriver;

class LoginWindow : public startuptest::StartupWorld {
 protected:
  ~LoginWindow() override {
    if (hwnd != nullptr && ::IsWindow(hwnd)) window.Click(hwnd, L"btn_close");
    driver.WaitIdle();
    ui.Call([this] { login.reset(); });
  }

  void Open() {
    ui.Post([this] {
      login = std::make_unique<CLoginWnd>(user);
      login->Create(nullptr, L"vovivi-登录",
                    WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU,
                    WS_EX_WINDOWEDGE, 0, 0, 0, 0);
      login->CenterWindow();
      result = static_cast<int>(login->ShowModal());
    });
    ASSERT_TRUE(driver.WaitIdle());
    hwnd = login->GetHWND();
    ASSERT_NE(hwnd, nullptr);
  }

  static std::wstring Stored(LPCWSTR key) { return CommonTools::read_login_config(key); }

  OnlineUserInfo user;
  std::unique_ptr<CLoginWnd> login;
  HWND hwnd = nullptr;
  std::atomic<int> result{-1};
  LoginWindowDriver window{driver};
};

enum class Reply { Accounts, Scripted, PlatformGone };

struct ReplyCase {
  const char* what;
  Reply reply;
  std::string scripted;  // UTF-8, as the platform sends it
  std::wstring password;
  std::wstring tip;      // "tip_check" afterwards; the window stays open unless it is empty
  bool tooltip;          // the tip is its tooltip too
  int result;            // -1 still open
};

std::ostream& operator<<(std::ostream& out, const ReplyCase& c) { return out << c.what; }

class LoginReplies : public LoginWindow, public ::testing::WithParamInterface<ReplyCase> {};

TEST_P(LoginReplies, ShowWhatThePlatformSaid) {
  const ReplyCase& c = GetParam();
  if (c.reply == Reply::Scripted) platform.set_login_reply(c.scripted);
  if (c.reply == Reply::PlatformGone) session().m_strBaseAddr = startuptest::RefusingBaseUrl();
  Open();
  window.LogIn(hwnd, L"u1", c.password);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(result.load(), c.result);
  if (c.result == 1) {
    EXPECT_EQ(user.strUserID, "u1");
    EXPECT_EQ(user.strPassword, "pw1");  // the typed password, kept with the user
    EXPECT_EQ(Stored(L"Secret_ID"), L"dTE");
    EXPECT_EQ(Stored(L"Secret_PWD"), L"");  // "remember" was not checked
    return;
  }
  EXPECT_TRUE(window.Visible(hwnd, L"tip_check"));
  EXPECT_EQ(window.Text(hwnd, L"tip_check"), c.tip);
  EXPECT_EQ(window.Tooltip(hwnd, L"tip_check"), c.tooltip ? c.tip : L"");
  EXPECT_EQ(Stored(L"Secret_ID"), L"");
}

INSTANTIATE_TEST_SUITE_P(
    Replies, LoginReplies,
    ::testing::Values(
        ReplyCase{"a token the platform accepts", Reply::Accounts, "", L"pw1", L"", false, 1},
        ReplyCase{"a token the platform refuses", Reply::Scripted, "1|no-such-token", L"pw1", L"验证失败", false, -1},
        ReplyCase{"a wrong password", Reply::Accounts, "", L"wrong", L"账号或密码错误", true, -1},
        ReplyCase{"a text of 41 bytes", Reply::Scripted, "0|" + std::string(41, 'x'), L"pw1", L"账号不存在", false,
                  -1},
        ReplyCase{"a reply without a bar", Reply::Scripted, "abc", L"pw1", L"abc", true, -1},
        ReplyCase{"a bare 1", Reply::Scripted, "1", L"pw1", L"验证失败", false, -1},
        ReplyCase{"no reply: the platform is gone", Reply::PlatformGone, "", L"pw1", L"", true, -1}),
    [](const ::testing::TestParamInfo<ReplyCase>& info) { return "case" + std::to_string(info.index); });

TEST_F(LoginWindow, AnUnknownAccountIsToldApart) {
  Open();
  // Typing into either field hides the verdict again.
  for (const wchar_t* field : {L"user_pwd", L"user_id"}) {
    SCOPED_TRACE(platform::codepage::WideToUtf8(field));
    window.LogIn(hwnd, L"nobody", L"pw");
    EXPECT_EQ(window.Text(hwnd, L"tip_check"), L"账号不存在");
    ASSERT_TRUE(window.Visible(hwnd, L"tip_check"));
    window.Click(hwnd, field);
    driver.Commit(L"x");
    ASSERT_TRUE(driver.WaitIdle());
    EXPECT_FALSE(window.Visible(hwnd, L"tip_check"));
  }
}

TEST_F(LoginWindow, TheCloseButtonEndsWithTwoAndKeepsNothing) {
  Open();
  window.Type(hwnd, L"user_id", L"u1");
  window.Type(hwnd, L"user_pwd", L"pw1");
  window.Click(hwnd, L"btn_close");
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(result.load(), 2);
  EXPECT_FALSE(::IsWindow(hwnd));
  EXPECT_EQ(user.strUserID, "");
  EXPECT_EQ(Stored(L"Secret_ID"), L"");
}

TEST_F(LoginWindow, RemembersThePasswordOnlyWhenAsked) {
  Open();
  window.Tick(hwnd, L"remember_pwd", true);
  window.LogIn(hwnd, L"u1", L"pw1");
  ASSERT_TRUE(driver.WaitIdle());
  ASSERT_EQ(result.load(), 1);
  EXPECT_EQ(Stored(L"Secret_ID"), L"dTE");
  EXPECT_EQ(Stored(L"Secret_PWD"), L"cHcx");

  // The next login without "remember" clears it.
  Open();
  EXPECT_TRUE(window.Checked(hwnd, L"remember_pwd"));
  EXPECT_EQ(window.Text(hwnd, L"user_pwd"), L"pw1");
  window.Tick(hwnd, L"remember_pwd", false);
  window.Click(hwnd, L"btn_login");
  ASSERT_TRUE(driver.WaitIdle());
  ASSERT_EQ(result.load(), 1);
  EXPECT_EQ(Stored(L"Secret_PWD"), L"");
}

// "Config.ini" keeps the remembered password: it is the owner's alone, whether the login
// makes it or finds it left readable by others.
TEST_F(LoginWindow, TheFileKeepingThePasswordIsTheOwnersAlone) {
  namespace fs = std::filesystem;
  for (const bool existing : {false, true}) {
    SCOPED_TRACE(existing ? "a file readable by others" : "no file yet");
    startuptest::RemoveConfig();
    if (existing) {
      std::ofstream(startuptest::ConfigFile()) << "[SystemSetting]\r\nPictureSavePath=/tmp\r\n";
      fs::permissions(startuptest::ConfigFile(), fs::perms::owner_read | fs::perms::owner_write |
                                                     fs::perms::group_read | fs::perms::others_read);
    }
    Open();
    window.Click(hwnd, L"remember_pwd");
    window.LogIn(hwnd, L"u1", L"pw1");
    ASSERT_TRUE(driver.WaitIdle());
    ASSERT_EQ(result.load(), 1);
    ASSERT_EQ(Stored(L"Secret_PWD"), L"cHcx");
    EXPECT_EQ(fs::status(startuptest::ConfigFile()).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    ui.Call([this] { login.reset(); });
    hwnd = nullptr;
    result = -1;
  }
}

struct StoredCase {
  const char* what;
  std::wstring id, pwd;  // as "Config.ini" holds them
  std::wstring account, password;
  bool remember;
};

std::ostream& operator<<(std::ostream& out, const StoredCase& c) { return out << c.what; }

class StoredAccounts : public LoginWindow, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(StoredAccounts, FillTheFields) {
  const StoredCase& c = GetParam();
  CommonTools::write_config(L"LoginInfo", L"Secret_ID", c.id.c_str());
  CommonTools::write_config(L"LoginInfo", L"Secret_PWD", c.pwd.c_str());
  Open();
  EXPECT_EQ(window.Text(hwnd, L"user_id"), c.account);
  EXPECT_EQ(window.Text(hwnd, L"user_pwd"), c.password);
  EXPECT_EQ(window.Checked(hwnd, L"remember_pwd"), c.remember);
}

INSTANTIATE_TEST_SUITE_P(
    Config, StoredAccounts,
    ::testing::Values(StoredCase{"both remembered", L"dTE", L"cHcx", L"u1", L"pw1", true},
                      StoredCase{"no password", L"dTE", L"", L"u1", L"", false},
                      StoredCase{"a Chinese account", L"1cXI/Q", L"cHcx", L"张三", L"pw1", true},
                      StoredCase{"neither decodes", L"@@@", L"###", L"", L"", false},
                      StoredCase{"only the password decodes", L"@@@", L"cHcx", L"", L"pw1", false},
                      StoredCase{"nothing stored", L"", L"", L"", L"", false}),
    [](const ::testing::TestParamInfo<StoredCase>& info) { return "case" + std::to_string(info.index); });

TEST_F(LoginWindow, TypingANewAccountClearsARememberedPassword) {
  CommonTools::write_config(L"LoginInfo", L"Secret_ID", L"dTE");
  CommonTools::write_config(L"LoginInfo", L"Secret_PWD", L"cHcx");
  Open();
  ASSERT_EQ(window.Text(hwnd, L"user_pwd"), L"pw1");
  window.Click(hwnd, L"user_id");
  driver.Commit(L"2");
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(window.Text(hwnd, L"user_pwd"), L"");
}

TEST_F(LoginWindow, FramesFollowTheFocusAndTheEmptyFields) {
  Open();
  window.Click(hwnd, L"user_id");
  EXPECT_EQ(window.Frame(hwnd, L"conn_user_id"), L"file='LoginWnd/账号-hover.png'");
  EXPECT_EQ(window.Frame(hwnd, L"conn_user_pwd"), L"file='LoginWnd/密码-normal.png'");
  window.Click(hwnd, L"user_pwd");
  EXPECT_EQ(window.Frame(hwnd, L"conn_user_pwd"), L"file='LoginWnd/密码-hover.png'");
  EXPECT_EQ(window.Frame(hwnd, L"conn_user_id"), L"file='LoginWnd/账号-normal.png'");

  window.LogIn(hwnd, L"", L"");
  EXPECT_TRUE(window.Visible(hwnd, L"tip_id"));
  EXPECT_FALSE(window.Visible(hwnd, L"tip_pwd"));
  EXPECT_EQ(window.Frame(hwnd, L"conn_user_id"), L"file='LoginWnd/账号-error.png'");
  window.LogIn(hwnd, L"u1", L"");
  EXPECT_FALSE(window.Visible(hwnd, L"tip_id"));
  EXPECT_TRUE(window.Visible(hwnd, L"tip_pwd"));
  EXPECT_EQ(window.Frame(hwnd, L"conn_user_pwd"), L"file='LoginWnd/密码-error.png'");
  EXPECT_EQ(result.load(), -1);
}

TEST_F(LoginWindow, EnterInEitherFieldLogsIn) {
  for (const wchar_t* field : {L"user_id", L"user_pwd"}) {
    SCOPED_TRACE(platform::codepage::WideToUtf8(field));
    Open();
    window.Type(hwnd, L"user_id", L"u1");
    window.Type(hwnd, L"user_pwd", L"pw1");
    window.Click(hwnd, field);
    driver.Tap(VK_RETURN);
    ASSERT_TRUE(driver.WaitIdle());
    EXPECT_EQ(result.load(), 1);
    ui.Call([this] { login.reset(); });
    hwnd = nullptr;
    result = -1;
  }
}

TEST_F(LoginWindow, TheForgottenPasswordLinkOpensThePlatformPage) {
  std::wstring opened;
  platform::SetShellExecuteHook([&](const std::wstring& verb, const std::wstring& file, const std::wstring&,
                                    const std::wstring&, int show) -> INT_PTR {
    opened = verb + L" " + file + L" " + std::to_wstring(show);
    return 42;
  });
  Open();
  window.Click(hwnd, L"forget_pwd");
  platform::SetShellExecuteHook(nullptr);
  EXPECT_EQ(opened, L"open " + CommonTools::string_to_wstring(patrol.base_url()) +
                        L"UserMgr/Login/GetPwdBack/CheckUserID.aspx 1");
}

TEST_F(LoginWindow, CarriesTheProgramIconAndStaysOnTop) {
  Open();
  const auto surface = platform::headless::HeadlessBackend::Instance()->Surface(hwnd);
  ASSERT_TRUE(surface.has_value());
  EXPECT_TRUE(surface->topmost);
  EXPECT_EQ(surface->bigIcon.cx, 32);
  EXPECT_EQ(surface->bigIcon.cy, 32);
  EXPECT_EQ(surface->smallIcon.cx, 16);
  EXPECT_EQ(surface->smallIcon.cy, 16);
}

}  // namespace

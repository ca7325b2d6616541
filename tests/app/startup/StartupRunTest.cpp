// The whole run of the program in the test process: wWinMain on the UI thread against
// the test platform and patrol server, from the single-instance step to the exit records,
// with the test closing the main window; the refusals that end it early.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <vector>

#include "CommonTools/Config.h"
#include "CommonTools/Conversions.h"
#include "platform/base/InstanceCounter.h"
#include "platform/login/OnlineUserSession.h"
#include "testing/services/GbkWire.h"
#include "tests/app/startup/support/HelperProcess.h"
#include "tests/app/startup/support/StartupWorld.h"

namespace {

const std::vector<std::string> kRecorded = {"/api/LoginInfo/Get",
                                            "/api/LoginInfo/Add",
                                            "/UserMgr/PowerMgr/GetIdentityTypeByUserID",
                                            "/api/Authority/GetByID",
                                            "/api/InspectLog/Add",
                                            "/api/InspectLog/Add",
                                            "/api/v1/DataCol/DataDeliver"};

class ProgramRun : public startuptest::StartupWorld {
 protected:
  ProgramRun() {
    const std::wstring server = CommonTools::string_to_wstring(patrol.base_url());
    CommonTools::write_config(L"LoginInfo", L"QVBaseAddr", server.c_str());
    CommonTools::write_config(L"LoginInfo", L"ServerAddr", server.c_str());
    token = platform.issue_token(startuptest::kUser);
    platform::login::OnlineUserSession::Store(CommonTools::string_to_wstring(token));
  }
  ~ProgramRun() override { counter().Lower(); }

  static platform::InstanceCounter& counter() { return platform::InstanceCounter::Program(); }

  // wWinMain on the UI thread; returns once it has reached the main loop or ended.
  void Start() {
    ui.Post([this] {
      wchar_t empty[] = L"";
      returned = wWinMain(::GetModuleHandleW(nullptr), nullptr, empty, SW_SHOWNORMAL);
    });
    ASSERT_TRUE(driver.WaitIdle());
  }

  std::vector<std::string> RecordedPaths() {
    std::vector<std::string> paths;
    bool started = false;
    for (const auto& request : patrol.http().requests()) {
      started = started || request.path() == kRecorded.front();
      if (!started) continue;
      for (const std::string& path : kRecorded) {
        if (request.path() == path) {
          paths.push_back(path);
          break;
        }
      }
    }
    return paths;
  }

  std::vector<std::string> AuditEvents() {
    std::vector<std::string> events;
    const Json::Value all = patrol.audit_log().all();
    for (const Json::Value& row : all) events.push_back(test_support::gbk_from_wire(row["strEvent"].asString()));
    return events;
  }

  std::string token;
  std::atomic<int> returned{-1};
};

TEST_F(ProgramRun, LogsInRunsTheMainWindowAndRecordsTheExit) {
  Start();
  const HWND main = startuptest::FindWindowOfClass(L"CMainFrameWnd");
  ASSERT_NE(main, nullptr);
  wchar_t title[64] = {0};
  ::GetWindowTextW(main, title, 64);
  EXPECT_STREQ(title, L"duvira主界面");
  EXPECT_EQ(::FindWindowW(nullptr, L"duvira主界面"), main);
  EXPECT_EQ(counter().Value(), 1);
  // The user is published, with the rights of a user without a record.
  EXPECT_EQ(session().m_userInfo.strUserID, "u1");
  EXPECT_EQ(session().m_strToken, token);
  EXPECT_EQ(session().m_strIdentityCode, "IC0003");
  EXPECT_EQ(session().m_nAllModules, 1);

  ::PostMessageW(main, WM_CLOSE, 0, 0);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(exit_.Code(), 0);
  EXPECT_EQ(returned.load(), 0);
  EXPECT_EQ(RecordedPaths(), kRecorded);
  EXPECT_EQ(AuditEvents(), (std::vector<std::string>{"登陆巡更系统", "退出duvira"}));
  ASSERT_EQ(platform.deliveries().size(), 1u);
  const std::string delivered = platform.deliveries().front();
  EXPECT_NE(delivered.find("E61001"), std::string::npos);
  EXPECT_NE(delivered.find("u1"), std::string::npos);
  // The broker could not be reached; the run went on without it.
  EXPECT_TRUE(startuptest::LogHas("[rabbitmq_helper::connect] failed"));
}

TEST_F(ProgramRun, AddsNoLoginRecordWhenTheServerHasOne) {
  Json::Value stored;
  stored["ID"] = 1;
  for (const char* key : {"UserID", "UserName", "SchoolName", "Token", "Time"}) stored[key] = "";
  stored["SchoolID"] = "s1";
  ASSERT_GT(patrol.login_records().add(stored), 0);
  Start();
  ::PostMessageW(startuptest::FindWindowOfClass(L"CMainFrameWnd"), WM_CLOSE, 0, 0);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(RequestsTo("/api/LoginInfo/Add").size(), 0u);
  EXPECT_EQ(exit_.Code(), 0);
}

TEST_F(ProgramRun, EndsWithTheMessageWhenTheUserHasNoRights) {
  Json::Value row;
  row["strUserID"] = "u1";
  row["strUserName"] = "";
  row["TypeAuthority"] = test_support::wire_text("安防");
  row["strModuleAuthority"] = "";
  row["strReserve"] = "";
  ASSERT_GT(patrol.rights().add(row), 0);
  Start();
  const startuptest::ShownMessage shown = CloseMessage();
  EXPECT_EQ(shown.text, L"您不具有登陆权限，\r\n请联系管理员分配权限！");
  EXPECT_EQ(shown.kind, 1);
  EXPECT_EQ(returned.load(), 0);
  EXPECT_EQ(exit_.Code(), -1);
  EXPECT_EQ(startuptest::FindWindowOfClass(L"CMainFrameWnd"), nullptr);
  EXPECT_TRUE(AuditEvents().empty());
}

TEST_F(ProgramRun, EndsWithItsOwnMessageWhenTheRightsCannotBeRead) {
  patrol.http().route("GET", "/api/Authority/GetByID", test_support::HttpReply(502, "bad gateway"));
  Start();
  const startuptest::ShownMessage shown = CloseMessage();
  EXPECT_EQ(shown.text, L"获取用户权限失败，请检查网络后重新登录!");
  EXPECT_EQ(shown.kind, 7);
  EXPECT_EQ(returned.load(), 0);
  EXPECT_TRUE(AuditEvents().empty());
}

TEST_F(ProgramRun, WithoutSettingsTellsThePlatformLoginFailed) {
  startuptest::RemoveConfig();
  Start();
  const HWND dialog = startuptest::FindWindowOfClass(L"InputQVBaseAddrWndUI");
  ASSERT_NE(dialog, nullptr);
  ::PostMessageW(dialog, WM_CLOSE, 2, 0);
  const startuptest::ShownMessage shown = CloseMessage();
  EXPECT_EQ(shown.text, L"基础平台登陆失败");
  EXPECT_EQ(returned.load(), 0);
}

TEST_F(ProgramRun, ASecondStartShowsTheBoxAndLeavesTheCount) {
  startuptest::Helper running({"hold"}, std::filesystem::temp_directory_path());
  ASSERT_EQ(running.Line(), "passed");
  Start();
  const auto boxes = driver.MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes.front().text, L"提示");
  EXPECT_EQ(boxes.front().caption, L"未发现巡更系统");
  ASSERT_TRUE(driver.AnswerMessageBox(IDOK));
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(returned.load(), 0);
  EXPECT_EQ(counter().Value(), 1);
  EXPECT_EQ(RequestsTo("/api/LoginInfo/Get").size(), 0u);
  running.Release();
  running.Wait();
  counter().RaiseIfZero();  // the fixture lowers it again
}

}  // namespace

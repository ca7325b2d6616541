#include "tests/journeys/support/JourneyWorld.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "CommonTools/Config.h"
#include "CommonTools/Conversions.h"
#include "CommonTools/global_singleton.h"
#include "testing/session/ProgramSession.h"
#include "app/shell/BkWindow.h"
#include "app/shell/OnlineUserClient.h"
#include "app/shell/PhotoFeedBackWindow.h"
#include "app/shell/ShellServices.h"
#include "platform/base/InstanceCounter.h"
#include "platform/base/Process.h"
#include "platform/base/Shell.h"
#include "platform/login/OnlineUserSession.h"
#include "testing/services/GbkWire.h"

int wWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nShowCmd);

namespace journeys {

const char kAdmin[] = "admin";
const wchar_t kAdminPassword[] = L"admin123";

namespace {

namespace fs = std::filesystem;

fs::path ScratchRoot() {
  static const fs::path root = fs::temp_directory_path() / ("journeys-" + std::to_string(::getpid()));
  return root;
}

// Once per process: where the login component keeps its session and the program its
// instance count, away from the person running the tests.
void PrepareProcess() {
  static bool done = false;
  if (done) return;
  done = true;
  fs::create_directories(ScratchRoot() / "session");
  ::setenv("PATROL_LOGIN_SESSION_DIR", (ScratchRoot() / "session").c_str(), 1);
  ::setenv("PATROL_INSTANCE_COUNTER", (ScratchRoot() / "instances.count").c_str(), 1);
}

std::string SettingsFile() { return CommonTools::wstring_to_string(CommonTools::get_exe_dir()) + "/Config.ini"; }

// The toast and the shade are made once per process by the first main frame; a run in a
// process whose earlier run's windows went with their thread starts without them, as a
// new process would.
void ForgetWindowsOfEarlierRuns() {
  if (g_pFeedBackWnd != nullptr && !::IsWindow(g_pFeedBackWnd->GetHWND())) g_pFeedBackWnd = nullptr;
  if (g_pBkWnd != nullptr && !::IsWindow(g_pBkWnd->GetHWND())) g_pBkWnd = nullptr;
}

}  // namespace

JourneyWorld::SettingsLock::SettingsLock() {
  fd_ = ::open(CommonTools::wstring_to_string(CommonTools::get_exe_dir()).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd_ >= 0) ::flock(fd_, LOCK_EX);
}

JourneyWorld::SettingsLock::~SettingsLock() {
  if (fd_ >= 0) ::close(fd_);
}

JourneyWorld::ProcessHooks::ProcessHooks(JourneyWorld& world) {
  platform::SetExitProcessHook([&world](UINT code) { world.exitCode_ = static_cast<int>(code); });
  platform::SetShellExecuteHook([&world](const std::wstring&, const std::wstring& file, const std::wstring&,
                                         const std::wstring&, int) -> INT_PTR {
    std::lock_guard<std::mutex> lock(world.startedMutex_);
    world.started_.push_back(file);
    return 42;
  });
}

JourneyWorld::ProcessHooks::~ProcessHooks() {
  platform::SetShellExecuteHook(nullptr);
  platform::SetExitProcessHook(nullptr);
}

JourneyWorld::JourneyWorld() : JourneyWorld(std::nullopt) {}

JourneyWorld::JourneyWorld(const campus_server::SchoolSize& generated)
    : JourneyWorld(std::optional<campus_server::SchoolSize>(generated)) {}

JourneyWorld::JourneyWorld(const std::optional<campus_server::SchoolSize>& generated) {
  PrepareProcess();
  campus_ = std::make_unique<campus_server::CampusServer>(io_, 0, CAMPUS_FIXTURES,
                                                          campus_server::CampusServer::Broker::None, generated);
  platform::login::OnlineUserSession::Clear();
  OnlineUserClient::Instance().Release();
  test_support::ForgetProgramSession(global_singleton::get_mutable_instance());
  WriteSettings();
}

JourneyWorld::~JourneyWorld() {
  // A journey that failed half-way leaves the program open: its windows go with the UI
  // thread, and the exit road runs into the hooks.
  ui.Call([] {});
  OnlineUserClient::Instance().Release();
  platform::login::OnlineUserSession::Clear();
  platform::InstanceCounter& counter = platform::InstanceCounter::Program();
  while (counter.Value() > 0) counter.Lower();
  RemoveSettings();
}

void JourneyWorld::WriteSettings() {
  const std::wstring server = CommonTools::string_to_wstring(ServerUrl());
  CommonTools::write_config(L"LoginInfo", L"QVBaseAddr", server.c_str());
  CommonTools::write_config(L"LoginInfo", L"ServerAddr", server.c_str());
}

void JourneyWorld::RemoveSettings() {
  std::error_code error;
  fs::remove(SettingsFile(), error);
}

std::string JourneyWorld::SettingsText() {
  std::ifstream in(SettingsFile(), std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void JourneyWorld::LogInOnThisMachine(const std::string& userID) {
  const std::string token = platform().issue_token(userID);
  platform::login::OnlineUserSession::Store(CommonTools::string_to_wstring(token));
}

void JourneyWorld::StartProgram() {
  returned_ = -1;
  exitCode_ = -1;
  // The run before ended as its process would have: it no longer counts.
  platform::InstanceCounter& counter = platform::InstanceCounter::Program();
  while (counter.Value() > 0) counter.Lower();
  test_support::ForgetProgramSession(global_singleton::get_mutable_instance());
  ForgetWindowsOfEarlierRuns();
  ui.Post([this] {
    wchar_t empty[] = L"";
    returned_ = wWinMain(::GetModuleHandleW(nullptr), nullptr, empty, SW_SHOWNORMAL);
  });
  driver.WaitIdle();
}

HWND JourneyWorld::MainFrame() {
  const HWND frame = user.Window(L"CMainFrameWnd");
  // The pages fill themselves from the server on workers.
  user.Settle();
  return frame;
}

bool JourneyWorld::CloseProgram() {
  const HWND frame = user.Window(L"CMainFrameWnd");
  if (frame == nullptr) return false;
  user.Click(frame, L"btn_close");
  EXPECT_EQ(user.Answer(L"yes"), L"是否退出系统");
  return user.WaitFor("the program to end", [this] { return ProgramEnded(); });
}

std::vector<std::wstring> JourneyWorld::Started() const {
  std::lock_guard<std::mutex> lock(startedMutex_);
  return started_;
}

void JourneyWorld::OpenTab(const std::wstring& tab, const std::wstring& shown) {
  const HWND frame = MainFrame();
  user.Click(frame, tab);
  user.WaitShown(frame, shown);
  user.Settle();
}

HWND JourneyWorld::StartLoggedIn(const std::string& userID) {
  LogInOnThisMachine(userID);
  StartProgram();
  const HWND frame = MainFrame();
  EXPECT_NE(frame, nullptr) << "no main frame came";
  return frame;
}

void JourneyWorld::CloseIfRunning(HWND frame) {
  if (frame == nullptr || ProgramEnded()) return;
  EXPECT_TRUE(CloseProgram());
}

int JourneyWorld::RowOf(HWND window, const std::wstring& list, const std::wstring& text) {
  const std::vector<std::wstring> rows = user.Items(window, list);
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].find(text) != std::wstring::npos) return static_cast<int>(i);
  }
  return -1;
}

void JourneyWorld::ClickRowButton(HWND window, const std::wstring& list, const std::wstring& text,
                                  const std::wstring& button) {
  const int row = RowOf(window, list, text);
  ASSERT_GE(row, 0) << "no row of " << CommonTools::wstring_to_string(list) << " shows "
                    << CommonTools::wstring_to_string(text);
  user.ClickInItem(window, list, row, button);
}

int JourneyWorld::CardOf(HWND window, const std::wstring& tiles, const std::wstring& label, const std::wstring& name) {
  const std::vector<std::wstring> names = user.ItemTexts(window, tiles, label);
  for (size_t i = 0; i < names.size(); ++i) {
    if (names[i] == name) return static_cast<int>(i);
  }
  return -1;
}

void JourneyWorld::ChooseFromCardMenu(HWND window, const std::wstring& tiles, const std::wstring& label,
                                      const std::wstring& button, const std::wstring& name, const std::wstring& item) {
  const int card = CardOf(window, tiles, label, name);
  ASSERT_GE(card, 0) << "no card shows " << CommonTools::wstring_to_string(name);
  user.ClickInItem(window, tiles, card, button);
  const HWND menu = user.Window(L"SkinMenuWnd");
  if (menu != nullptr) user.Click(menu, item);
}

void JourneyWorld::CancelIfOpen(HWND dialog, const std::wstring& className) {
  if (user.IsOpen(className)) user.Click(dialog, L"btn_Cancel");
  EXPECT_TRUE(user.WaitClosed(className));
}

std::vector<std::string> JourneyWorld::AuditEvents() {
  std::vector<std::string> events;
  const Json::Value all = patrol().audit_log().all();
  for (const Json::Value& row : all) events.push_back(test_support::gbk_from_wire(row["strEvent"].asString()));
  return events;
}

}  // namespace journeys

#include "tests/app/startup/support/StartupWorld.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <thread>

#include "CommonTools/Config.h"
#include "CommonTools/Conversions.h"
#include "CommonTools/Log.h"
#include "app/shell/OnlineUserClient.h"
#include "platform/base/CodePage.h"
#include "platform/login/OnlineUserObject.h"
#include "platform/login/OnlineUserSession.h"
#include "platform/user/WindowHelpers.h"
#include "testing/http/RefusingAddress.h"
#include "testing/services/QueryValues.h"
#include "testing/session/ProgramSession.h"
#include "testing/ui/ProductWindowClasses.h"
#include "ui/core/manager/CWindowManagerList.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace startuptest {

const char kUser[] = "u1";
const char kPassword[] = "pw1";
const char kSchool[] = "s1";

namespace {

namespace fs = std::filesystem;

fs::path ScratchRoot() {
  static const fs::path root = fs::temp_directory_path() / ("startup-tests-" + std::to_string(::getpid()));
  return root;
}

// Once per process: the log, the session folder and the skins.
void PrepareProcess() {
  static std::once_flag once;
  std::call_once(once, [] {
    fs::create_directories(ScratchRoot() / "log");
    fs::create_directories(ScratchRoot() / "session");
    ::setenv("PATROL_LOGIN_SESSION_DIR", (ScratchRoot() / "session").c_str(), 1);
    ::setenv("PATROL_INSTANCE_COUNTER", (ScratchRoot() / "instances.count").c_str(), 1);
    g_log.Init("log", 7, 104857600, (ScratchRoot() / "log").string());
    SkinUI::CWindowManagerUI::SetInstance(::GetModuleHandleW(nullptr));
    SkinUI::CWindowManagerUI::SetResourcePath(SkinUI::CWindowManagerUI::GetInstancePath() + L"skin");
  });
}

struct ClassSearch {
  std::wstring className;
  HWND found = nullptr;
};

BOOL CALLBACK MatchClass(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<ClassSearch*>(param);
  wchar_t name[128] = {0};
  ::GetClassNameW(hwnd, name, 128);
  if (search->className != name || !::IsWindowVisible(hwnd)) return TRUE;
  search->found = hwnd;
  return FALSE;
}

SkinUI::CWindowManagerUI* ManagerOf(HWND hwnd) {
  for (const SkinUI::CWindowManagerList::Entry& entry : SkinUI::CWindowManagerList::Instance().Snapshot()) {
    if (entry.pManager->GetPaintWindow() == hwnd) return entry.pManager;
  }
  return nullptr;
}

// The image descriptions a control was given (the framework keeps them to itself).
class ImagesOf : public SkinUI::CControlUI {
 public:
  static std::wstring Background(SkinUI::CControlUI* control) {
    return (control->*&ImagesOf::m_diBk).GetAttributeString().GetData();
  }
};

}  // namespace

std::wstring BackgroundOf(SkinUI::CControlUI* control) { return ImagesOf::Background(control); }

std::string RefusingBaseUrl() { return test_support::RefusingBaseUrl(); }

std::string ConfigFile() { return CommonTools::wstring_to_string(CommonTools::get_exe_dir()) + "/Config.ini"; }

void RemoveConfig() {
  std::error_code error;
  fs::permissions(ConfigFile(), fs::perms::owner_read | fs::perms::owner_write, error);
  fs::remove(ConfigFile(), error);
}

std::string ConfigText() {
  std::ifstream in(ConfigFile(), std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool LogHas(const std::string& text) {
  const fs::path file = ScratchRoot() / "log" / "log_info.log";
  for (int i = 0; i < 500; ++i) {
    std::ifstream in(file, std::ios::binary);
    const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (content.find(text) != std::string::npos) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

HWND FindWindowOfClass(const std::wstring& className) {
  if (!controltest::IsProductWindowClass(className)) {
    ADD_FAILURE() << "no window of the program has the class \"" << platform::codepage::WideToUtf8(className) << "\"";
    return nullptr;
  }
  ClassSearch search;
  search.className = className;
  ::EnumWindows(&MatchClass, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void OnWindowThread(HWND hwnd, const std::function<void()>& call) {
  platform::user::RunOnOwnerThread(hwnd, [&call]() -> LRESULT {
    call();
    return 0;
  }, true);
}

SkinUI::CControlUI* FindControl(HWND hwnd, LPCTSTR name) {
  SkinUI::CWindowManagerUI* manager = ManagerOf(hwnd);
  SkinUI::CControlUI* control = manager == nullptr ? nullptr : manager->FindControl(name);
  if (control == nullptr) {
    ADD_FAILURE() << "the window holds no control named \"" << platform::codepage::WideToUtf8(name) << "\"";
  }
  return control;
}

StartupWorld::ConfigLock::ConfigLock() {
  fd_ = ::open(CommonTools::wstring_to_string(CommonTools::get_exe_dir()).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd_ >= 0) ::flock(fd_, LOCK_EX);
}

StartupWorld::ConfigLock::~ConfigLock() {
  if (fd_ >= 0) ::close(fd_);
}

StartupWorld::ExitInterception::ExitInterception() {
  platform::SetExitProcessHook([code = code_](UINT exitCode) { code->store(static_cast<int>(exitCode)); });
}

StartupWorld::ExitInterception::~ExitInterception() { platform::SetExitProcessHook(nullptr); }

StartupWorld::StartupWorld() {
  PrepareProcess();
  RemoveConfig();
  platform::login::OnlineUserSession::Clear();
  platform::login::OnlineUserObject::Register();
  // Nothing listens on this loopback address: the broker's connection fails at once.
  platform.set_address("E80", "http://127.0.0.2:9/");
  AddUser(kUser, 2, {"IC0003"}, kPassword);
  platform.add_identity({"IC0003", "巡更人员", "/Icons/IC0003.png", 0});
  platform.add_identity({"IC0001", "超级管理员", "/Icons/IC0001.png", 1});
  platform.set_school_name(kSchool, "城南中学");
  OnlineUserClient::Instance().Release();
  global_singleton& s = session();
  test_support::ForgetProgramSession(s);
  s.m_strBaseAddr = patrol.base_url();
  s.m_strServerAddr = patrol.base_url();
}

StartupWorld::~StartupWorld() {
  ui.Call([] {
    // Windows a failed test left open.
    for (HWND open : {FindWindowOfClass(L"LoginWnd"), FindWindowOfClass(L"InputQVBaseAddrWndUI"),
                      FindWindowOfClass(L"MessagWnd")}) {
      if (open != nullptr) ::DestroyWindow(open);
    }
  });
  OnlineUserClient::Instance().Release();
  test_support::ForgetProgramSession(session());
  RemoveConfig();
  platform::login::OnlineUserSession::Clear();
}

void StartupWorld::AddUser(const std::string& id, int type, const std::vector<std::string>& identities,
                           const std::string& password) {
  test_support::FakePlatformUser user;
  user.userID = id;
  user.userName = "用户" + id;
  user.schoolID = kSchool;
  user.userType = type;
  user.identityCodes = identities;
  platform.add_user(user);
  platform.add_account(id, password, id);
}

ShownMessage StartupWorld::CloseMessage() {
  driver.WaitIdle();
  ShownMessage shown;
  const HWND box = FindWindowOfClass(L"MessagWnd");
  if (box == nullptr) return shown;
  OnWindowThread(box, [&] {
    SkinUI::CControlUI* context = FindControl(box, L"VContext");
    if (context != nullptr) shown.text = context->GetText().GetData();
  });
  // The box's icon names its kind.
  OnWindowThread(box, [&] {
    SkinUI::CControlUI* context = FindControl(box, L"VContext");
    if (context == nullptr) return;
    const std::wstring image = BackgroundOf(context);
    if (image.find(L"提示") != std::wstring::npos) shown.kind = 1;
    if (image.find(L"操作失败") != std::wstring::npos) shown.kind = 7;
  });
  ::PostMessageW(box, WM_CLOSE, 0, 0);
  driver.WaitIdle();
  return shown;
}

std::vector<test_support::RecordedRequest> StartupWorld::RequestsTo(const std::string& path) const {
  std::vector<test_support::RecordedRequest> matching;
  for (const test_support::RecordedRequest& request : const_cast<test_support::FakePatrolServer&>(patrol).http().requests()) {
    if (request.path() == path) matching.push_back(request);
  }
  return matching;
}

std::vector<std::string> StartupWorld::CheckedTokens() const {
  std::vector<std::string> tokens;
  for (const test_support::RecordedRequest& request : RequestsTo("/UserMgr/PowerMgr/GetIdentityTypeByUserID")) {
    const std::string header = request.header("Authorization");
    tokens.push_back(header.rfind("X-Token=", 0) == 0 ? header.substr(8) : header);
  }
  return tokens;
}

}  // namespace startuptest

// Start-up to a painted main frame: wWinMain on a UI thread, logged in through the login
// component's session against the school of the campus server's fixtures, from the entry's
// start until the window "duvira主界面" has presented its first image; the frame is then
// closed and the run ends through the exit road. The baseline makes the same start-up
// requests through the data layer alone, without any window: the login record, the
// user's identities, the rights and the caches.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "CommonTools/Config.h"
#include "CommonTools/Conversions.h"
#include "CommonTools/global_singleton.h"
#include "data/DAL_Digital_Lessmark.h"
#include "data/DAL_LoginInfo.h"
#include "data/DAL_PatrolServer.h"
#include "data/PlatformUsers.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/base/InstanceCounter.h"
#include "platform/base/Process.h"
#include "platform/login/OnlineUserSession.h"
#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "testing/services/FakeBasePlatform.h"
#include "testing/services/FakeCampusService.h"
#include "testing/services/FakePatrolServer.h"
#include "testing/services/FakeRoutesAndPlans.h"
#include "tools/campus-server/SchoolFixture.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const wchar_t kMainWindowTitle[] = L"duvira主界面";

// The school's services on one loopback port, the program's settings naming them, and a
// user logged in on this PC. No broker is named: the consumer gives up at once.
class School {
 public:
  School()
      : scratch_(fs::temp_directory_path() / ("bench-startup-" + std::to_string(::getpid()))),
        platform_(patrol_.http()),
        campus_(patrol_.http()),
        plans_(patrol_, &campus_) {
    fs::create_directories(scratch_ / "session");
    ::setenv("PATROL_LOGIN_SESSION_DIR", (scratch_ / "session").c_str(), 1);
    ::setenv("PATROL_INSTANCE_COUNTER", (scratch_ / "instances.count").c_str(), 1);
    const std::string url = patrol_.base_url();
    campus_server::SchoolFixture(CAMPUS_SERVER_FIXTURES)
        .Seed(campus_server::SchoolServices{patrol_, platform_, campus_, plans_}, url);
    platform_.set_address("E80", "");
    const std::wstring wideUrl = CommonTools::string_to_wstring(url);
    CommonTools::write_config(L"LoginInfo", L"QVBaseAddr", wideUrl.c_str());
    CommonTools::write_config(L"LoginInfo", L"ServerAddr", wideUrl.c_str());
    CommonTools::write_config(L"LoginInfo", L"OutSideSchool", L"0");
    token_ = platform_.issue_token("admin");
    platform::login::OnlineUserSession::Store(CommonTools::string_to_wstring(token_));
  }

  // The session as the entry leaves it after the login, for the baseline.
  void LogInWithoutWindow() const {
    global_singleton& session = global_singleton::get_mutable_instance();
    session.m_strBaseAddr = patrol_.base_url();
    session.m_strServerAddr = patrol_.base_url();
    session.m_nOutSideSchool = 0;
    session.m_userInfo.strUserID = "admin";
    session.m_userInfo.strSchoolID = "S0001";
    session.m_userInfo.strToken = token_;
    session.m_strToken = token_;
  }

  ~School() {
    std::error_code ignored;
    fs::remove_all(scratch_, ignored);
  }

  void ForgetRequests() { patrol_.http().clear_requests(); }

 private:
  fs::path scratch_;
  test_support::FakePatrolServer patrol_;
  test_support::FakeBasePlatform platform_;
  test_support::FakeCampusService campus_;
  test_support::FakeRoutesAndPlans plans_;
  std::string token_;
};

School& TheSchool() {
  static School school;
  return school;
}

bool Presented(HWND hwnd) {
  if (hwnd == nullptr) return false;
  const auto surface = platform::headless::HeadlessBackend::Instance()->Surface(hwnd);
  return surface && surface->presentCount > 0;
}

void BM_StartupToPaintedMainFrame(benchmark::State& state) {
  School& school = TheSchool();
  platform::headless::TestDriver driver;
  platform::headless::GuiThread ui;
  std::atomic<bool> exited{false};
  platform::SetExitProcessHook([&exited](UINT) { exited = true; });
  for (auto _ : state) {
    std::atomic<bool> returned{false};
    std::atomic<Clock::rep> started{0};
    ui.Post([&] {
      started = Clock::now().time_since_epoch().count();
      wchar_t empty[] = L"";
      wWinMain(::GetModuleHandleW(nullptr), nullptr, empty, SW_SHOWNORMAL);
      returned = true;
    });
    HWND frame = nullptr;
    while (!Presented(frame) && !returned) {
      frame = ::FindWindowW(nullptr, kMainWindowTitle);
      std::this_thread::yield();
    }
    const Clock::time_point presented = Clock::now();
    if (returned) {
      state.SkipWithError("the program ended before its main frame was presented");
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(presented - Clock::time_point(Clock::duration(started.load())))
                               .count());
    ::PostMessageW(frame, WM_CLOSE, 0, 0);
    while (!returned) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    driver.WaitIdle();
    platform::InstanceCounter::Program().Lower();
    school.ForgetRequests();
  }
  platform::SetExitProcessHook(nullptr);
}
BENCHMARK(BM_StartupToPaintedMainFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_StartupRequestsOfTheDataLayer(benchmark::State& state) {
  School& school = TheSchool();
  school.LogInWithoutWindow();
  const global_singleton& session = global_singleton::get_const_instance();
  for (auto _ : state) {
    benchmark::DoNotOptimize(DAL_LoginInfo_Get());
    benchmark::DoNotOptimize(GetUsersIdentityCode(session.m_strToken, session.m_userInfo.strUserID, "E61001"));
    benchmark::DoNotOptimize(DAL_PatrolServer().Authority_Get_ByID(session.m_userInfo.strUserID));
    DAL_Digital_Lessmark campus;
    benchmark::DoNotOptimize(campus.GetAllBuilding());
    benchmark::DoNotOptimize(campus.GetCampusInfo());
    DAL_PatrolServer server;
    benchmark::DoNotOptimize(server.DAL_People_Get());
    benchmark::DoNotOptimize(server.DAL_InspectPosDevice_Get());
    benchmark::DoNotOptimize(server.DAL_InspectRoute_Get());
    benchmark::DoNotOptimize(server.DAL_InspectPlan_Get());
    benchmark::DoNotOptimize(server.DAL_InspectDevice_Get());
    school.ForgetRequests();
  }
}
BENCHMARK(BM_StartupRequestsOfTheDataLayer)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

// The real program, headless, against a big generated school: the campus server runs in a
// process of its own with "--school plans=N,records=100000,visits=100000,log=100000", so
// that the memory read here is the program's alone. One size per process, by its filter
// (--benchmark_filter=BM_School/100/, /1000/, /10000/; the last takes minutes): the peak
// is the process's, and the program's process-wide caches and singletons are not made to
// start over a second time in one process. Each run: wWinMain from its start until the
// main frame has presented its first image (the time reported), then
//   fill_s           start until the home page's today tree and chart are filled;
//   ui_wait_max_ms   the longest a call posted to the frame waited for the UI thread
//                    between the first image and the fill (the window answering input);
//   peak_MB          the process's VmHWM over the run, reset before it starts;
//   result_open_s    a click on the results tab until its first page is listed;
//   turn_ms          a device-record page turn (the tab fetches every record again);
//   bare_ms          the data layer's own fetch of the same records, no window;
//   turn_ratio       turn_ms / bare_ms.
#include <benchmark/benchmark.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "CommonTools/Config.h"
#include "CommonTools/Conversions.h"
#include "CommonTools/HttpHelper.h"
#include "app/frame/home/CHomePageWndEx.h"
#include "data/DAL_PatrolServer.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/base/InstanceCounter.h"
#include "platform/base/Process.h"
#include "platform/login/OnlineUserSession.h"
#include "platform/user/WindowHelpers.h"
#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "ui/controls/CTreeViewUI.h"
#include "ui/core/control/CControlUI.h"
#include "ui/core/control/CContainerUI.h"
#include "ui/core/manager/CWindowManagerList.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/window/CWindowWnd.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const wchar_t kMainWindowTitle[] = L"duvira主界面";
const int kBoundSeconds = 1200;

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// Fails the run, saying what it waited for, when the condition does not come true.
bool WaitFor(const char* what, const std::function<bool()>& done, benchmark::State& state) {
  const Clock::time_point deadline = Clock::now() + std::chrono::seconds(kBoundSeconds);
  while (!done()) {
    if (Clock::now() > deadline) {
      state.SkipWithError((std::string("no ") + what + " within the bound").c_str());
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

long PeakKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return 0;
}

void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

// The campus server with a generated school, in a process of its own.
class SchoolServer {
 public:
  explicit SchoolServer(int plans) {
    int ends[2];
    if (pipe(ends) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, ends[0]);
    std::string program = CAMPUS_SERVER_PATH;
    std::string noBroker = "--no-broker";
    std::string option = "--school";
    std::string counts = "plans=" + std::to_string(plans) + ",records=100000,visits=100000,log=100000";
    std::string port = "0";
    char* args[] = {&program[0], &noBroker[0], &option[0], &counts[0], &port[0], nullptr};
    if (posix_spawn(&m_pid, program.c_str(), &actions, nullptr, args, environ) != 0) m_pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(ends[1]);
    m_output = ends[0];
    const std::string head = "campus-server listening on ";
    const std::string banner = ReadLine();
    if (banner.rfind(head, 0) == 0) m_url = banner.substr(head.size());
  }
  ~SchoolServer() {
    if (m_pid > 0) {
      kill(m_pid, SIGTERM);
      waitpid(m_pid, nullptr, 0);
    }
    if (m_output >= 0) close(m_output);
  }
  SchoolServer(const SchoolServer&) = delete;
  SchoolServer& operator=(const SchoolServer&) = delete;

  // Empty when the server did not start.
  const std::string& Url() const { return m_url; }

 private:
  std::string ReadLine() {
    std::string line;
    char c = 0;
    while (true) {
      pollfd ready{m_output, POLLIN, 0};
      if (poll(&ready, 1, 300000) != 1 || read(m_output, &c, 1) != 1 || c == '\n') return line;
      line += c;
    }
  }

  pid_t m_pid = -1;
  int m_output = -1;
  std::string m_url;
};

// The program's settings naming the server, and admin logged in on this PC.
bool LogIn(const std::string& url, const fs::path& scratch) {
  fs::create_directories(scratch / "session");
  ::setenv("PATROL_LOGIN_SESSION_DIR", (scratch / "session").c_str(), 1);
  ::setenv("PATROL_INSTANCE_COUNTER", (scratch / "instances.count").c_str(), 1);
  const std::wstring wideUrl = CommonTools::string_to_wstring(url);
  CommonTools::write_config(L"LoginInfo", L"QVBaseAddr", wideUrl.c_str());
  CommonTools::write_config(L"LoginInfo", L"ServerAddr", wideUrl.c_str());
  CommonTools::write_config(L"LoginInfo", L"OutSideSchool", L"0");
  std::string login = url + "UserMgr/Login/Api/OnlineUser.ashx?method=Login&sysID=E61";
  std::string form = "account=admin&password=admin123";
  std::string reply;
  if (CommonTools::http_helper::instance()->request(login, form, CommonTools::http_helper::kPost, reply) != 0 ||
      reply.rfind("1|", 0) != 0) {
    return false;
  }
  return platform::login::OnlineUserSession::Store(CommonTools::string_to_wstring(reply.substr(2)));
}

bool Presented(HWND hwnd) {
  if (hwnd == nullptr) return false;
  const auto surface = platform::headless::HeadlessBackend::Instance()->Surface(hwnd);
  return surface && surface->presentCount > 0;
}

SkinUI::CWindowManagerUI* ManagerOf(HWND hwnd) {
  for (const SkinUI::CWindowManagerList::Entry& entry : SkinUI::CWindowManagerList::Instance().Snapshot()) {
    if (entry.pManager->GetPaintWindow() == hwnd) return entry.pManager;
  }
  return nullptr;
}

void OnWindowThread(HWND hwnd, const std::function<void()>& call) {
  platform::user::RunOnOwnerThread(hwnd, [&call]() -> LRESULT {
    call();
    return 0;
  }, true);
}

// The frame's direct children of the pages' class, in the order they were made.
std::vector<HWND> Pages(HWND frame) {
  std::vector<HWND> pages;
  for (HWND child = ::GetWindow(frame, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[64] = {};
    ::GetClassNameW(child, name, 64);
    if (std::wstring(name) == L"CSpliteScreenBase") pages.push_back(child);
  }
  return pages;
}

CHomePageWndEx* HomePageOf(HWND frame) {
  for (HWND page : Pages(frame)) {
    auto* window = reinterpret_cast<SkinUI::CWindowWnd*>(::GetWindowLongPtrW(page, GWLP_USERDATA));
    if (auto* home = dynamic_cast<CHomePageWndEx*>(window)) return home;
  }
  return nullptr;
}

// The home page has shown today's plans and has nothing more on its way.
bool HomeFilled(HWND frame) {
  bool filled = false;
  OnWindowThread(frame, [&] {
    CHomePageWndEx* home = HomePageOf(frame);
    filled = home != nullptr && home->GetLoadCount() > 0 && !home->IsReading();
  });
  return filled;
}

// The result page: the frame's child of the pages' class whose manager lists results.
HWND ResultPage(HWND frame) {
  for (HWND page : Pages(frame)) {
    SkinUI::CWindowManagerUI* manager = ManagerOf(page);
    if (manager != nullptr && manager->FindControl(L"list-Record") != nullptr) return page;
  }
  return nullptr;
}

int ListRows(HWND page, const wchar_t* list) {
  int rows = -1;
  OnWindowThread(page, [&] {
    SkinUI::CWindowManagerUI* manager = ManagerOf(page);
    auto* control = manager == nullptr ? nullptr : dynamic_cast<SkinUI::CContainerUI*>(manager->FindControl(list));
    if (control != nullptr) rows = control->GetCount();
  });
  return rows;
}

// A person's click in the middle of a control of the window; false when it has none of
// that name or it is not shown.
bool ClickControl(platform::headless::TestDriver& driver, HWND hwnd, const wchar_t* name) {
  POINT centre = {-1, -1};
  OnWindowThread(hwnd, [&] {
    SkinUI::CWindowManagerUI* manager = ManagerOf(hwnd);
    SkinUI::CControlUI* control = manager == nullptr ? nullptr : manager->FindControl(name);
    if (control == nullptr || !control->IsVisible()) return;
    const RECT rc = control->GetPos();
    centre = POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    ::ClientToScreen(hwnd, &centre);
  });
  if (centre.x < 0) return false;
  driver.Click(centre.x, centre.y);
  driver.WaitIdle();
  return true;
}

void BM_School(benchmark::State& state) {
  const int plans = static_cast<int>(state.range(0));
  SchoolServer server(plans);
  if (server.Url().empty()) {
    state.SkipWithError("the campus server did not start");
    return;
  }
  const fs::path scratch = fs::temp_directory_path() / ("bench-school-" + std::to_string(::getpid()));
  if (!LogIn(server.Url(), scratch)) {
    state.SkipWithError("the campus server refused the login");
    return;
  }
  platform::headless::TestDriver driver;
  platform::headless::GuiThread ui;
  std::atomic<bool> exited{false};
  platform::SetExitProcessHook([&exited](UINT) { exited = true; });
  for (auto _ : state) {
    ResetPeak();
    std::atomic<bool> returned{false};
    std::atomic<Clock::rep> started{0};
    ui.Post([&] {
      started = Clock::now().time_since_epoch().count();
      wchar_t empty[] = L"";
      wWinMain(::GetModuleHandleW(nullptr), nullptr, empty, SW_SHOWNORMAL);
      returned = true;
    });
    // A step that fails leaves the program in its main loop: it is closed and waited for
    // here, or the GUI thread's end (at the end of this size) would wait on that loop for
    // good, and the next size's program would find this one still counted.
    const auto endProgram = [&] {
      if (!returned) {
        if (HWND open = ::FindWindowW(nullptr, kMainWindowTitle)) ::PostMessageW(open, WM_CLOSE, 0, 0);
        WaitFor("the program's end", [&] { return returned.load(); }, state);
      }
      driver.WaitIdle();
      platform::InstanceCounter::Program().Lower();
    };
    HWND frame = nullptr;
    if (!WaitFor("painted main frame", [&] {
          frame = ::FindWindowW(nullptr, kMainWindowTitle);
          return Presented(frame) || returned;
        }, state)) {
      endProgram();
      break;
    }
    const Clock::time_point presented = Clock::now();
    if (returned) {
      state.SkipWithError("the program ended before its main frame was presented");
      endProgram();
      break;
    }
    const Clock::time_point start{Clock::duration(started.load())};
    state.SetIterationTime(Seconds(presented - start));

    double longestWait = 0;
    if (!WaitFor("filled home page", [&] {
          const Clock::time_point asked = Clock::now();
          const bool filled = HomeFilled(frame);
          longestWait = std::max(longestWait, Seconds(Clock::now() - asked));
          return filled;
        }, state)) {
      endProgram();
      break;
    }
    state.counters["fill_s"] = Seconds(Clock::now() - start);
    state.counters["ui_wait_max_ms"] = longestWait * 1000;

    Clock::time_point clicked = Clock::now();
    if (!ClickControl(driver, frame, L"tabResultManagement")) {
      state.SkipWithError("no results tab");
      endProgram();
      break;
    }
    HWND results = nullptr;
    if (!WaitFor("first page of results", [&] {
          results = ResultPage(frame);
          return results != nullptr && ListRows(results, L"list-Result") > 0;
        }, state)) {
      endProgram();
      break;
    }
    state.counters["result_open_s"] = Seconds(Clock::now() - clicked);

    if (!ClickControl(driver, results, L"tabRecord") ||
        !WaitFor("device records", [&] { return ListRows(results, L"list-Record") > 0; }, state)) {
      state.SkipWithError("no device records");
      endProgram();
      break;
    }
    const int turns = 5;
    clicked = Clock::now();
    for (int turn = 0; turn < turns; ++turn) ClickControl(driver, results, L"btn_next_page_DeviceRecord");
    const double turn = Seconds(Clock::now() - clicked) / turns;
    clicked = Clock::now();
    for (int each = 0; each < turns; ++each) benchmark::DoNotOptimize(DAL_PatrolServer().DAL_DeviceRecord_Get());
    const double bare = Seconds(Clock::now() - clicked) / turns;
    state.counters["turn_ms"] = turn * 1000;
    state.counters["bare_ms"] = bare * 1000;
    state.counters["turn_ratio"] = turn / bare;
    state.counters["peak_MB"] = static_cast<double>(PeakKilobytes()) / 1024;

    endProgram();
  }
  platform::SetExitProcessHook(nullptr);
  std::error_code ignored;
  fs::remove_all(scratch, ignored);
}
BENCHMARK(BM_School)->Arg(100)->Arg(1000)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

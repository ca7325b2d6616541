// The single-instance count across processes and the crash dump, with the helper program
// as the other process: a count held by a running process, one left by a killed one, two
// starts at the same instant, a restart through ShellExecuteW; a null write on the main
// and on a second thread, under a tracer, and after an attempt to replace the filter.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "app/client/CrashDump.h"
#include "platform/base/InstanceCounter.h"
#include "tests/app/startup/support/HelperProcess.h"
#include "tests/app/startup/support/StartupWorld.h"

namespace {

// Under AddressSanitizer or ThreadSanitizer the runtime's own handler takes a crash and
// ends the process itself, so the crash filter's behaviour is seen only without them.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kSanitizersHandleCrashes = true;
#else
constexpr bool kSanitizersHandleCrashes = false;
#endif

namespace fs = std::filesystem;
using startuptest::Helper;

// Generous bounds on waits for another process; a wait that runs out fails the test.
constexpr int kPatienceMs = 20000;

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class Processes : public ::testing::Test {
 protected:
  Processes() {
    folder = fs::temp_directory_path() / ("startup-processes-" + std::to_string(::getpid()) + "-" +
                                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    saved = std::getenv("PATROL_INSTANCE_COUNTER") ? std::getenv("PATROL_INSTANCE_COUNTER") : "";
    ::setenv("PATROL_INSTANCE_COUNTER", (folder / "count").c_str(), 1);
  }
  ~Processes() override {
    if (saved.empty()) ::unsetenv("PATROL_INSTANCE_COUNTER");
    else ::setenv("PATROL_INSTANCE_COUNTER", saved.c_str(), 1);
    fs::remove_all(folder);
  }

  std::vector<fs::path> Dumps() const {
    std::vector<fs::path> dumps;
    for (const auto& entry : fs::directory_iterator(folder)) {
      if (entry.path().extension() == ".dmp") dumps.push_back(entry.path());
    }
    return dumps;
  }

  fs::path folder;
  std::string saved;
};

TEST_F(Processes, ARunningInstanceRefusesTheNextStart) {
  Helper first({"hold"}, folder);
  ASSERT_EQ(first.Line(), "passed");
  Helper second({"hold"}, folder);
  EXPECT_EQ(second.Line(), "refused");
  platform::InstanceCounter mine((folder / "count").string());
  EXPECT_EQ(mine.Value(), 1);
  EXPECT_FALSE(mine.RaiseIfZero());
}

TEST_F(Processes, AKilledInstanceLeavesNoCountBehind) {
  Helper first({"hold"}, folder);
  ASSERT_EQ(first.Line(), "passed");
  kill(first.pid(), SIGKILL);
  first.Wait();
  Helper next({"hold"}, folder);
  EXPECT_EQ(next.Line(), "passed");
}

TEST_F(Processes, OfStartsAtTheSameInstantExactlyOnePasses) {
  for (int round = 0; round < 10; ++round) {
    std::vector<std::unique_ptr<Helper>> starts;
    for (int i = 0; i < 4; ++i) starts.push_back(std::make_unique<Helper>(std::vector<std::string>{"hold"}, folder));
    int passed = 0;
    for (auto& start : starts) passed += start->Line() == "passed" ? 1 : 0;
    EXPECT_EQ(passed, 1) << "round " << round;
  }
}

// The restart of a logout: the running process lowers the count and starts the program
// again, and the new process passes while the old one still runs.
TEST_F(Processes, ARestartPassesWhileTheOldProcessStillRuns) {
  platform::InstanceCounter running((folder / "count").string());
  ASSERT_TRUE(running.RaiseIfZero());
  const std::string verdict = (folder / "verdict").string();
  running.Lower();
  const std::string parameters = "try " + verdict;
  ASSERT_GT(reinterpret_cast<INT_PTR>(::ShellExecuteW(nullptr, L"open", platform::codepage::Utf8ToWide(STARTUP_HELPER).c_str(),
                                                      platform::codepage::Utf8ToWide(parameters).c_str(), nullptr,
                                                      SW_SHOWNORMAL)),
            32);
  for (int i = 0; i < kPatienceMs / 10 && ReadAll(verdict).empty(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_EQ(ReadAll(verdict), "passed");
  EXPECT_EQ(running.Value(), 1);
}

struct CrashCase {
  const char* how;
  bool traced;
};

std::ostream& operator<<(std::ostream& out, const CrashCase& c) { return out << c.how << (c.traced ? " traced" : ""); }

class Crashes : public Processes, public ::testing::WithParamInterface<CrashCase> {};

TEST_P(Crashes, WriteTheDumpUnlessTraced) {
  if (kSanitizersHandleCrashes) GTEST_SKIP() << "the sanitizers take fatal signals before the program's filter";
  const CrashCase& c = GetParam();
  const std::time_t before = std::time(nullptr);
  Helper helper({"crash", c.how}, folder, c.traced);
  int status = 0;
  int seen = 0;
  if (c.traced) {
    // The tracer sees the fault; passing it on lets the process handle it, and a second
    // stop shows the default action the filter left.
    while (waitpid(helper.pid(), &status, 0) == helper.pid() && WIFSTOPPED(status)) {
      const int signal = WSTOPSIG(status);
      if (signal == SIGSEGV) ++seen;
      ptrace(PTRACE_CONT, helper.pid(), nullptr, reinterpret_cast<void*>(static_cast<intptr_t>(signal == SIGTRAP ? 0 : signal)));
    }
    EXPECT_GE(seen, 1);
  } else {
    status = helper.Wait();
  }
  const std::time_t after = std::time(nullptr);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(WTERMSIG(status), SIGSEGV);
  const std::vector<fs::path> dumps = Dumps();
  if (c.traced) {
    EXPECT_TRUE(dumps.empty());
    return;
  }
  ASSERT_EQ(dumps.size(), 1u);
  // Named from the local time of the crash.
  bool named = false;
  for (std::time_t t = before; t <= after; ++t) {
    std::tm local;
    localtime_r(&t, &local);
    SYSTEMTIME when = {};
    when.wYear = static_cast<WORD>(local.tm_year + 1900);
    when.wMonth = static_cast<WORD>(local.tm_mon + 1);
    when.wDay = static_cast<WORD>(local.tm_mday);
    when.wHour = static_cast<WORD>(local.tm_hour);
    when.wMinute = static_cast<WORD>(local.tm_min);
    when.wSecond = static_cast<WORD>(local.tm_sec);
    wchar_t name[MAX_PATH];
    CrashDumpFileName(when, name);
    named = named || dumps.front().filename() == platform::codepage::WideToUtf8(name);
  }
  EXPECT_TRUE(named) << dumps.front();
  const std::string dump = ReadAll(dumps.front());
  EXPECT_EQ(dump.rfind("PATROL CRASH DUMP 1\nprocess " + std::to_string(helper.pid()) + "\n", 0), 0u);
  EXPECT_NE(dump.find("\nsignal 11\ncode 0xc0000005\naddress 0x0\n"), std::string::npos);
  for (const char* section : {"== registers\n", "== backtrace\n", "== stack ", "== maps\n", "== data ", "== end\n"}) {
    EXPECT_NE(dump.find(section), std::string::npos) << section;
  }
}

INSTANTIATE_TEST_SUITE_P(Ways, Crashes,
                         ::testing::Values(CrashCase{"null", false}, CrashCase{"thread", false},
                                           CrashCase{"null", true}),
                         [](const ::testing::TestParamInfo<CrashCase>& info) {
                           return std::string(info.param.how) + (info.param.traced ? "Traced" : "");
                         });

TEST_F(Processes, ALockedFilterStaysWhoeverTriesToReplaceIt) {
  if (kSanitizersHandleCrashes) GTEST_SKIP() << "the sanitizers take fatal signals before the program's filter";
  Helper helper({"crash", "relock"}, folder);
  EXPECT_EQ(helper.Line(), "relock ignored");
  helper.Wait();
  EXPECT_EQ(Dumps().size(), 1u);  // written by the program's filter, not the other one
}

// The asynchronous logger writes out its queue in an atexit handler, after the main
// thread's own objects (its code-page converters among them) have gone.
TEST_F(Processes, TextStillConvertsWhileTheProcessEnds) {
  Helper helper({"exit-convert"}, folder);
  EXPECT_EQ(helper.Line(), u8"启动");
  EXPECT_EQ(helper.Line(), u8"退出时转换");
  const int status = helper.Wait();
  ASSERT_TRUE(WIFEXITED(status)) << "signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

// The counter's own rules, in one process.
TEST(InstanceCounter, RaisesOnlyFromZeroAndNeverGoesBelowIt) {
  const fs::path file = fs::temp_directory_path() / ("counter-" + std::to_string(::getpid()));
  {
    platform::InstanceCounter counter(file.string());
    ASSERT_TRUE(counter.IsOpen());
    EXPECT_EQ(counter.Value(), 0);
    EXPECT_TRUE(counter.RaiseIfZero());
    EXPECT_FALSE(counter.RaiseIfZero());
    EXPECT_EQ(counter.Value(), 1);
    counter.Lower();
    counter.Lower();
    EXPECT_EQ(counter.Value(), 0);
    EXPECT_TRUE(counter.RaiseIfZero());
    // A second holder in the same process sees the same count and keeps it alive.
    platform::InstanceCounter other(file.string());
    EXPECT_EQ(other.Value(), 1);
  }
  // Every holder gone: the next one starts from zero.
  platform::InstanceCounter fresh(file.string());
  EXPECT_EQ(fresh.Value(), 0);
  fs::remove(file);
}

}  // namespace

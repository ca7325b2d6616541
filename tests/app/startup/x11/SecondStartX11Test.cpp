// A second start of the program on a real X server: while another process of the
// program holds the count and shows the main window's title (minimised), the program
// restores that window instead of running, and ends with 0.
#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "platform/base/InstanceCounter.h"
#include "tests/app/startup/support/HelperProcess.h"

namespace {

namespace fs = std::filesystem;

constexpr int kPatienceMs = 30000;

// The program itself, with the test's environment (display, backend, counter file).
class Program {
 public:
  Program() {
    char* argv[] = {const_cast<char*>(PATROL_CLIENT), nullptr};
    if (posix_spawn(&pid_, PATROL_CLIENT, nullptr, nullptr, argv, environ) != 0) pid_ = 0;
  }
  ~Program() {
    if (pid_ <= 0 || ended_) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }

  bool started() const { return pid_ > 0; }

  // True once it ended within the patience; its status then in `status`.
  bool Ended(int& status) {
    for (int waited = 0; waited < kPatienceMs; waited += 10) {
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        ended_ = true;
        return true;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
  }

 private:
  pid_t pid_ = 0;
  bool ended_ = false;
};

TEST(SecondStart, RestoresTheRunningMainWindowAndEndsWithZero) {
  const fs::path folder = fs::temp_directory_path() / ("startup-x11-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  ::setenv("PATROL_INSTANCE_COUNTER", (folder / "count").c_str(), 1);

  startuptest::Helper running({"window"}, folder);
  ASSERT_EQ(running.Line(), "passed");
  ASSERT_EQ(running.Line(), "ready") << "the running instance never showed its window";

  Program second;
  ASSERT_TRUE(second.started());
  int status = 0;
  ASSERT_TRUE(second.Ended(status)) << "the second start did not end (a message box instead of the window?)";
  ASSERT_TRUE(WIFEXITED(status)) << "signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(running.Line(), "restored");
  EXPECT_EQ(platform::InstanceCounter((folder / "count").string()).Value(), 1) << "the second start counts nothing";
  fs::remove_all(folder);
}

}  // namespace

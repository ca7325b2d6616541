// The single-instance start: a second process finds the first one's window by its
// title and restores it.
#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "platform/backend/x11/X11Backend.h"
#include "testing/driver/GuiThread.h"
#include "testing/x11/TestDisplay.h"
#include "tests/platform/x11/SmokeWindow.h"

extern char** environ;

namespace {

using platform::headless::GuiThread;
using platform::x11::X11Backend;
using x11test::TestDisplay;

// The suite run as the other program (see SmokeMain.cpp); its output is read a line
// at a time with a bound on every wait.
class OtherProgram {
 public:
  explicit OtherProgram(const std::string& title) {
    int fds[2];
    if (pipe(fds) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    const std::string flag = "--foreign-window=" + title;
    char* argv[] = {const_cast<char*>("/proc/self/exe"), const_cast<char*>(flag.c_str()), nullptr};
    if (posix_spawn(&pid_, "/proc/self/exe", &actions, nullptr, argv, environ) != 0) pid_ = 0;
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    out_ = fds[0];
  }

  ~OtherProgram() {
    if (out_ >= 0) close(out_);
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    if (!TestDisplay::WaitUntil([this] { return waitpid(pid_, nullptr, WNOHANG) == pid_; }, 3000)) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }

  bool started() const { return pid_ > 0; }

  // True once the program wrote `line`, within `limitMs`.
  bool Said(const std::string& line, int limitMs = 10000) {
    return TestDisplay::WaitUntil([&] {
      pollfd fd{out_, POLLIN, 0};
      while (poll(&fd, 1, 0) > 0) {
        char chunk[256];
        const ssize_t n = read(out_, chunk, sizeof(chunk));
        if (n <= 0) break;
        buffer_.append(chunk, size_t(n));
      }
      return buffer_.find(line + "\n") != std::string::npos;
    }, limitMs);
  }

 private:
  pid_t pid_ = 0;
  int out_ = -1;
  std::string buffer_;
};

TEST(ForeignWindow, AnotherProcessWindowIsFoundByTitleAndRestored) {
  X11Backend* backend = X11Backend::Instance();
  ASSERT_NE(backend, nullptr);
  // The title the program uses, in UTF-8 on the command line.
  const std::string title = "\xe5\xb7\xa1\xe6\x9b\xb4\xe4\xb8\xbb\xe7\x95\x8c\xe9\x9d\xa2-" + std::to_string(getpid());
  const std::wstring wideTitle = L"\u5de1\u66f4\u4e3b\u754c\u9762-" + std::to_wstring(getpid());
  OtherProgram other(title);
  ASSERT_TRUE(other.started());
  ASSERT_TRUE(other.Said("ready")) << "the other program never showed its window";

  HWND found = nullptr;
  ASSERT_TRUE(TestDisplay::WaitUntil([&] { return (found = backend->FindForeignWindow(wideTitle)) != nullptr; }))
      << "no window of another process has that title";
  EXPECT_TRUE(platform::backend::ForeignWindows::IsForeignHandle(found));
  EXPECT_EQ(backend->FindForeignWindow(wideTitle + L"x"), nullptr) << "titles match exactly";
  EXPECT_TRUE(backend->RestoreForeignWindow(found));
  EXPECT_TRUE(other.Said("restored")) << "the other program's window was not restored";
  TestDisplay display;
  EXPECT_TRUE(TestDisplay::WaitUntil([&] {
    return display.Viewable(platform::backend::ForeignWindows::NativeIdOf(found));
  })) << "restored windows are on the screen";
}

TEST(ForeignWindow, OwnWindowsAndBadHandlesAreNotForeign) {
  X11Backend* backend = X11Backend::Instance();
  GuiThread gui;
  gui.Call([] {
    x11test::SmokeSpec spec;
    spec.title = L"own-window-title";
    ShowWindow(x11test::SmokeWindow::Create(spec), SW_SHOWNOACTIVATE);
  });
  ASSERT_TRUE(TestDisplay::FlushBackend());
  EXPECT_EQ(backend->FindForeignWindow(L"own-window-title"), nullptr) << "the layer finds its own windows";
  EXPECT_FALSE(backend->RestoreForeignWindow(HWND(uintptr_t(0x10020)))) << "a layer handle is not foreign";
  EXPECT_FALSE(backend->RestoreForeignWindow(platform::backend::ForeignWindows::MakeForeignHandle(0x1FFFFF00u)))
      << "no such window";
}

}  // namespace

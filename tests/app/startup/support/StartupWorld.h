#pragma once
// What the start-up tests begin from: the base platform and the patrol server on one test
// server, the session pointed at it with nobody logged in, our login component registered
// with its session file in a scratch folder, no "Config.ini" beside the test program, a
// broker address where nothing listens, the headless driver and a UI thread, and the
// program's exit intercepted. The program's text log is started once, in a scratch folder,
// so that tests can look for its lines; it stays there, the program's own run and exits
// included.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CommonTools/global_singleton.h"
#include "platform/win32.h"
#include "ui/core/control/CControlUI.h"
#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "testing/services/FakeBasePlatform.h"
#include "testing/services/FakePatrolServer.h"

namespace startuptest {

// A user of the platform who holds the module's identity "IC0003", with an account.
extern const char kUser[];       // "u1"
extern const char kPassword[];   // "pw1"
extern const char kSchool[];     // "s1"

// The base URL of a server that has just gone, where every connection is refused at once.
std::string RefusingBaseUrl();

// Config.ini beside the test program.
std::string ConfigFile();
void RemoveConfig();
// The raw text of Config.ini, "" without one.
std::string ConfigText();

// Polls the program log (every level up to information) for a line holding `text`
// (GBK) until it appears or a generous limit passes.
bool LogHas(const std::string& text);

// The framework window of that class, null when none. A class no window of the program
// has fails the test.
HWND FindWindowOfClass(const std::wstring& className);
void OnWindowThread(HWND hwnd, const std::function<void()>& call);
// The control of that name; a name the window does not hold fails the test.
SkinUI::CControlUI* FindControl(HWND hwnd, LPCTSTR name);
// The "bkimage" a control was given.
std::wstring BackgroundOf(SkinUI::CControlUI* control);

struct ShownMessage {
  std::wstring text;
  int kind = 0;  // 1 and 7 show different icons: read back from the icon file
};

class StartupWorld : public ::testing::Test {
 protected:
  StartupWorld();
  ~StartupWorld() override;

  // The message box of the shell that is open now (empty text when none), closed.
  ShownMessage CloseMessage();
  // The requests of a path (without query), in order.
  std::vector<test_support::RecordedRequest> RequestsTo(const std::string& path) const;
  // The "token" query value of each identity request of the module right check.
  std::vector<std::string> CheckedTokens() const;
  // Adds a user with an account; identity codes as given.
  void AddUser(const std::string& id, int type, const std::vector<std::string>& identities, const std::string& password);

  global_singleton& session() { return global_singleton::get_mutable_instance(); }

  // Config.ini beside the test program is shared by every test process ctest runs at
  // once: a world holds a lock on the program's folder while it lives (declared first,
  // so it is taken before the file is touched and let go after).
  class ConfigLock {
   public:
    ConfigLock();
    ~ConfigLock();
    ConfigLock(const ConfigLock&) = delete;
    ConfigLock& operator=(const ConfigLock&) = delete;

   private:
    int fd_ = -1;
  };
  ConfigLock configLock_;

  // The program's ExitProcess is intercepted while the world lives, the end of its GUI
  // thread included: that end still destroys a main window a failed test left open, and
  // the program then exits. Declared before the thread, so it is let go after it.
  class ExitInterception {
   public:
    ExitInterception();
    ~ExitInterception();
    ExitInterception(const ExitInterception&) = delete;
    ExitInterception& operator=(const ExitInterception&) = delete;
    // The code the program exited with, -1 while it has not.
    int Code() const { return code_->load(); }

   private:
    std::shared_ptr<std::atomic<int>> code_ = std::make_shared<std::atomic<int>>(-1);
  };
  ExitInterception exit_;

  test_support::FakePatrolServer patrol;
  test_support::FakeBasePlatform platform{patrol.http()};
  platform::headless::TestDriver driver;
  platform::headless::GuiThread ui;
};

}  // namespace startuptest

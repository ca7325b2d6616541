#pragma once
// What a journey starts from: the campus server's fixture school served in this process
// (the patrol server, the base platform and the digital campus on one loopback port, no
// broker named), the program's settings pointed at it, the login component's session in a
// scratch folder, the headless driver and a UI thread for the program. A journey starts
// the real program (wWinMain) and works it only as a person does, through `user`; it reads
// the outcome from the fake services, the files written and the windows.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <optional>
#include <mutex>
#include <string>
#include <vector>

#include <boost/asio/io_context.hpp>

#include "platform/win32.h"
#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "testing/user/UserInput.h"
#include "tools/campus-server/CampusServer.h"

namespace journeys {

// The fixture's administrator, who holds every right.
extern const char kAdmin[];          // "admin"
extern const wchar_t kAdminPassword[];  // "admin123"

class JourneyWorld : public ::testing::Test {
 protected:
  JourneyWorld();
  // A generated school of that size in the fixtures' setting, for what only shows at scale.
  explicit JourneyWorld(const campus_server::SchoolSize& generated);
  ~JourneyWorld() override;

  // Config.ini beside the test program names the campus server, as after a first run.
  void WriteSettings();
  // No Config.ini: the program asks for the platform's address.
  static void RemoveSettings();
  static std::string SettingsText();
  // The login component holds a logged-in user, as when someone logged in on this PC.
  void LogInOnThisMachine(const std::string& userID);

  // wWinMain on the UI thread, as a fresh program start; returns once the program waits
  // for the user.
  void StartProgram();
  // The open main frame, waiting for it.
  HWND MainFrame();
  // Closes the main frame with its close button and "确定"; true once the program ended.
  bool CloseProgram();
  // Logs the user in on this machine, starts the program and finds its main frame; null
  // and a failure when none came.
  HWND StartLoggedIn(const std::string& userID);
  // Closes the program a journey left running on that frame.
  void CloseIfRunning(HWND frame);
  bool ProgramEnded() const { return returned_.load() >= 0 || exitCode_.load() >= 0; }
  int ExitCode() const { return exitCode_.load(); }
  // The programs the program started (its restart after a logout).
  std::vector<std::wstring> Started() const;

  // Opens a page of the main frame by clicking its tab, and waits for the page's
  // own control `shown` to be on the screen.
  void OpenTab(const std::wstring& tab, const std::wstring& shown);

  // The system log entries (events as the user reads them, GBK) on the server, in order.
  std::vector<std::string> AuditEvents();

  // The row of the window's list whose cells show `text`; -1 when none does.
  int RowOf(HWND window, const std::wstring& list, const std::wstring& text);
  // Clicks the named button of that row; a failure when no row shows the text.
  void ClickRowButton(HWND window, const std::wstring& list, const std::wstring& text, const std::wstring& button);
  // The card of the tile layout whose named label shows `name`; -1 when none does.
  int CardOf(HWND window, const std::wstring& tiles, const std::wstring& label, const std::wstring& name);
  // Opens the menu of that card through its button and chooses the item; a failure when
  // no card shows the name.
  void ChooseFromCardMenu(HWND window, const std::wstring& tiles, const std::wstring& label, const std::wstring& button,
                          const std::wstring& name, const std::wstring& item);
  // A refused save leaves its dialog open; the journey goes on from the page.
  void CancelIfOpen(HWND dialog, const std::wstring& className);

  test_support::FakePatrolServer& patrol() { return campus_->Patrol(); }
  test_support::FakeBasePlatform& platform() { return campus_->Platform(); }
  test_support::FakeRoutesAndPlans& plans() { return campus_->Plans(); }
  std::string ServerUrl() const { return campus_->Url(); }

  // Config.ini is shared by every test process of this program: a world holds a lock on
  // the program's folder while it lives (declared first, so taken before the file is
  // touched and let go after).
  class SettingsLock {
   public:
    SettingsLock();
    ~SettingsLock();
    SettingsLock(const SettingsLock&) = delete;
    SettingsLock& operator=(const SettingsLock&) = delete;

   private:
    int fd_ = -1;
  };
  SettingsLock settingsLock_;

 private:
  explicit JourneyWorld(const std::optional<campus_server::SchoolSize>& generated);

  // What the program's exit and restart reach, kept until the UI thread is gone: a
  // program a failed journey left running still ends through them.
  class ProcessHooks {
   public:
    explicit ProcessHooks(JourneyWorld& world);
    ~ProcessHooks();
    ProcessHooks(const ProcessHooks&) = delete;
    ProcessHooks& operator=(const ProcessHooks&) = delete;
  };

  std::atomic<int> returned_{-1};
  std::atomic<int> exitCode_{-1};
  mutable std::mutex startedMutex_;
  std::vector<std::wstring> started_;
  ProcessHooks hooks_{*this};

 protected:
  boost::asio::io_context io_;
  std::unique_ptr<campus_server::CampusServer> campus_;
  platform::headless::TestDriver driver;
  platform::headless::GuiThread ui;
  userinput::UserInput user{driver};
};

}  // namespace journeys

#pragma once
// What the main frame's tests start from: the headless driver with a work area that
// leaves a panel along the top, a UI thread, the fakes of every outside service with the
// session pointed at them and logged in as the administrator, the wall clock pinned to
// Wednesday 2024-03-06 09:05:07 and the shell's calls recorded instead of run. The frame
// is created as the entry creates it and run modally. The picture folder beside the test
// program is shared by the test processes ctest runs at once: a test that downloads
// pictures uses file names of its own.
#include <gtest/gtest.h>

#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "CommonTools/global_singleton.h"
#include "app/frame/CMainFrameWnd.h"
#include "data/RecordAlerts.h"
#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "tests/app/shell/support/ShellWindowTest.h"
#include "tests/data/CampusWorld.h"

namespace frametest {

// Pictures made in memory: an opaque colour fill of the given size.
std::string PngPicture(int width, int height);
std::string JpegPicture(int width, int height);

// The work area of the test screen: 1920 x 1080 with a 40-pixel panel along the top.
RECT TestWorkArea();

class FrameTest : public ::testing::Test {
 protected:
  FrameTest();
  ~FrameTest() override;

  // Creates the frame on the UI thread, titled "duvira主界面", and runs it modally until
  // it closes; returns once the UI thread is idle and, unless waitForUserPhoto is cleared,
  // the user's photo and the identity's icon have loaded and been shown.
  void OpenFrame();
  // Closes the frame (a posted WM_CLOSE) and waits for its loop to end.
  void CloseFrame();
  void ForgetSharedWindows();
  // The frame's result once it has closed.
  UINT WaitForFrameResult();
  bool FrameClosed() const;

  // Runs on the frame's thread, whatever loop it is in.
  void OnFrameThread(const std::function<void()>& call) { shelltest::OnWindowThread(hwnd, call); }
  void ClickControl(HWND window, LPCTSTR name);
  // The newest message box (its text), null when none is open.
  HWND MessageBoxWindow() const;
  std::wstring MessageBoxText(HWND box) const;
  // Answers the open message box: "yes" or "no".
  void Answer(LPCTSTR button);

  std::vector<std::wstring> ShellCalls() const;

  platform::headless::TestDriver driver;
  std::unique_ptr<CMainFrameWnd> frame;
  platform::headless::GuiThread ui;
  CampusWorld world;
  HWND hwnd = nullptr;
  bool waitForUserPhoto = true;

 private:
  struct SavedSession {
    CMainFrameWnd* mainFrame;
    int allModules;
    std::map<std::string, int> modules;
    std::string identityCode;
    std::string identityIcon;
    std::string identityName;
  };
  SavedSession saved_;
  std::shared_ptr<RecordAlerts> savedAlerts_;
  std::future<UINT> result_;
  mutable std::mutex mutex_;
  std::vector<std::wstring> shellCalls_;
};

}  // namespace frametest

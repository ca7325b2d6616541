#pragma once
// What the tests of the shell's windows start from: the real skin beside the test
// program, the headless driver, a UI thread with a stand-in for the main frame on it,
// and ways to find the windows the shell opens and look into them on their own
// threads. Every window's picture can be saved for review.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/user/WindowHelpers.h"
#include "platform/win32.h"
#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "testing/ui/ControlTestWindow.h"
#include "ui/core/control/CControlUI.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace shelltest {

// The framework reads the skin folder beside the test program, as the program does.
void UseProgramSkin();

// The top-level window of that class, null when there is none. A class no window of the
// program has fails the test.
HWND FindWindowOfClass(const std::wstring& className);
// The framework manager that paints into the window; null for other windows.
SkinUI::CWindowManagerUI* ManagerOf(HWND hwnd);

// Runs the call on the thread that owns the window, and waits for it.
void OnWindowThread(HWND hwnd, const std::function<void()>& call);
// On the window's thread: the control of that name; a name the window does not hold
// fails the test, and gives null.
SkinUI::CControlUI* FindControl(HWND hwnd, LPCTSTR name);
// The same for a control the test expects may be gone (a removed row, a button only
// some boxes have): null without a failure.
SkinUI::CControlUI* ControlIfAny(HWND hwnd, LPCTSTR name);
// The middle of a control of the window, on the screen; {-1, -1} when missing.
POINT ControlCentre(HWND hwnd, LPCTSTR name);

// The image descriptions a control was given (the framework keeps them to itself).
class ImagesOf : public SkinUI::CControlUI {
 public:
  static std::wstring Background(SkinUI::CControlUI* control);
  static std::wstring Normal(SkinUI::CControlUI* control);
  static std::wstring Hot(SkinUI::CControlUI* control);
  static std::wstring Pushed(SkinUI::CControlUI* control);
};

// Saves what the window last presented as pictures/<name>.png beside the test program.
void SavePicture(HWND hwnd, const std::string& name);

class ShellWindowTest : public ::testing::Test {
 protected:
  ShellWindowTest();
  ~ShellWindowTest() override;

  // Clicks the middle of a control of the window.
  void ClickControl(HWND hwnd, LPCTSTR name);
  // A control of the window, read and written on its thread: a missing one fails the
  // test (and reads as empty, hidden and disabled, and takes no text).
  std::wstring Text(HWND hwnd, LPCTSTR name);
  bool Visible(HWND hwnd, LPCTSTR name);
  bool Enabled(HWND hwnd, LPCTSTR name);
  // Sets a control's text by code, for what no person can type (a field's label).
  void SetText(HWND hwnd, LPCTSTR name, const std::wstring& text);
  // Types into a field as a person does: a click into it, Ctrl+A and Delete to take out
  // what it holds, then the text as an input method commits it; waits until idle.
  void TypeOver(HWND hwnd, LPCTSTR name, const std::wstring& text);
  // Picks a combo's row as a person does with the keyboard: a click opens the drop-down,
  // Home and Down move to the row, Enter closes it; waits until idle.
  void PickRow(HWND hwnd, LPCTSTR combo, int row);
  // Sets a time button through the time picker it opens: a click into each list, Home
  // and Down to the hour and the minute, then "确定"; waits until idle.
  void PickTime(HWND hwnd, LPCTSTR button, int hour, int minute);
  // Waits until the UI thread is idle with no worker outstanding and no busy window open
  // (a UI thread waiting for its worker counts as idle), or a message box is open.
  void Settle();
  // Stretches the stand-in frame over the work area, as the main frame lies.
  void CoverWorkArea();

  platform::headless::TestDriver driver;
  platform::headless::GuiThread ui;
  // The main frame's stand-in: a plain skin window on the UI thread, shown and active.
  HWND frame = nullptr;

 private:
  std::unique_ptr<controltest::ControlTestWindow> frameWindow_;
  int picks_ = 0;
};

}  // namespace shelltest

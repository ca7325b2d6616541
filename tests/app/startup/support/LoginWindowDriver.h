#pragma once
// Works the login window and the address dialog the way a user does: types into the
// fields, ticks and unticks with clicks, presses the buttons, reads the hints.
#include <string>

#include "platform/win32.h"
#include "testing/driver/TestDriver.h"
#include "testing/user/UserInput.h"

namespace startuptest {

class LoginWindowDriver {
 public:
  explicit LoginWindowDriver(platform::headless::TestDriver& driver) : driver_(driver), input_(driver) {}

  // The open login window, null when none.
  static HWND Find();

  // Clicks into the field, takes out what it holds and types the text.
  void Type(HWND window, LPCTSTR control, const std::wstring& text);
  std::wstring Text(HWND window, LPCTSTR control);
  std::wstring Tooltip(HWND window, LPCTSTR control);
  bool Visible(HWND window, LPCTSTR control);
  bool Checked(HWND window, LPCTSTR control);
  // Clicks the check box when its tick is not already as wanted, as a person looks
  // first; a click that does not change the tick fails the test.
  void Tick(HWND window, LPCTSTR control, bool checked);
  std::wstring Frame(HWND window, LPCTSTR control);
  void Click(HWND window, LPCTSTR control);
  // Types into both fields and presses "btn_login".
  void LogIn(HWND window, const std::wstring& account, const std::wstring& password);

 private:
  platform::headless::TestDriver& driver_;
  userinput::UserInput input_;
};

}  // namespace startuptest

#pragma once
// Works the login window the way a user does: fill the fields, press the buttons, read
// the hints.
#include <string>

#include "platform/win32.h"
#include "testing/driver/TestDriver.h"

namespace startuptest {

class LoginWindowDriver {
 public:
  explicit LoginWindowDriver(platform::headless::TestDriver& driver) : driver_(driver) {}

  // The open login window, null when none.
  static HWND Find();

  void SetText(HWND window, LPCTSTR control, const std::wstring& text);
  std::wstring Text(HWND window, LPCTSTR control);
  std::wstring Tooltip(HWND window, LPCTSTR control);
  bool Visible(HWND window, LPCTSTR control);
  bool Checked(HWND window, LPCTSTR control);
  void SetChecked(HWND window, LPCTSTR control, bool checked);
  std::wstring Frame(HWND window, LPCTSTR control);
  void Click(HWND window, LPCTSTR control);
  // Fills both fields and presses "btn_login".
  void LogIn(HWND window, const std::wstring& account, const std::wstring& password);

 private:
  platform::headless::TestDriver& driver_;
};

}  // namespace startuptest

#include "tests/app/startup/support/LoginWindowDriver.h"

#include <gtest/gtest.h>

#include "tests/app/startup/support/StartupWorld.h"
#include "ui/controls/COptionUI.h"

namespace startuptest {

HWND LoginWindowDriver::Find() { return FindWindowOfClass(L"LoginWnd"); }

void LoginWindowDriver::Type(HWND window, LPCTSTR control, const std::wstring& text) {
  input_.Type(window, control, text);
}

std::wstring LoginWindowDriver::Text(HWND window, LPCTSTR control) {
  std::wstring text;
  OnWindowThread(window, [&] { text = FindControl(window, control)->GetText().GetData(); });
  return text;
}

std::wstring LoginWindowDriver::Tooltip(HWND window, LPCTSTR control) {
  std::wstring text;
  OnWindowThread(window, [&] { text = FindControl(window, control)->GetToolTip().GetData(); });
  return text;
}

bool LoginWindowDriver::Visible(HWND window, LPCTSTR control) {
  bool visible = false;
  OnWindowThread(window, [&] { visible = FindControl(window, control)->IsVisible(); });
  return visible;
}

bool LoginWindowDriver::Checked(HWND window, LPCTSTR control) {
  bool checked = false;
  OnWindowThread(window, [&] {
    checked = static_cast<SkinUI::COptionUI*>(FindControl(window, control)->GetInterface(L"Option"))->IsSelected();
  });
  return checked;
}

void LoginWindowDriver::Tick(HWND window, LPCTSTR control, bool checked) {
  if (Checked(window, control) == checked) return;
  input_.Click(window, control);
  EXPECT_EQ(Checked(window, control), checked) << "a click on the check box did not change its tick";
}

std::wstring LoginWindowDriver::Frame(HWND window, LPCTSTR control) {
  std::wstring image;
  OnWindowThread(window, [&] { image = BackgroundOf(FindControl(window, control)); });
  return image;
}

void LoginWindowDriver::Click(HWND window, LPCTSTR control) { input_.Click(window, control); }

void LoginWindowDriver::LogIn(HWND window, const std::wstring& account, const std::wstring& password) {
  Type(window, L"user_id", account);
  Type(window, L"user_pwd", password);
  Click(window, L"btn_login");
}

}  // namespace startuptest

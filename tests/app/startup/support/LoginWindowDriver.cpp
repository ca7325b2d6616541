#include "tests/app/startup/support/LoginWindowDriver.h"

#include "tests/app/startup/support/StartupWorld.h"
#include "ui/controls/COptionUI.h"

namespace startuptest {

HWND LoginWindowDriver::Find() { return FindWindowOfClass(L"LoginWnd"); }

void LoginWindowDriver::SetText(HWND window, LPCTSTR control, const std::wstring& text) {
  OnWindowThread(window, [&] { FindControl(window, control)->SetText(text.c_str()); });
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

void LoginWindowDriver::SetChecked(HWND window, LPCTSTR control, bool checked) {
  OnWindowThread(window, [&] {
    static_cast<SkinUI::COptionUI*>(FindControl(window, control)->GetInterface(L"Option"))->SetSelected(checked);
  });
}

std::wstring LoginWindowDriver::Frame(HWND window, LPCTSTR control) {
  std::wstring image;
  OnWindowThread(window, [&] { image = BackgroundOf(FindControl(window, control)); });
  return image;
}

void LoginWindowDriver::Click(HWND window, LPCTSTR control) {
  POINT centre = {-1, -1};
  OnWindowThread(window, [&] {
    const RECT rc = FindControl(window, control)->GetPos();
    centre = POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    ::ClientToScreen(window, &centre);
  });
  driver_.Click(centre.x, centre.y);
  driver_.WaitIdle();
}

void LoginWindowDriver::LogIn(HWND window, const std::wstring& account, const std::wstring& password) {
  SetText(window, L"user_id", account);
  SetText(window, L"user_pwd", password);
  Click(window, L"btn_login");
}

}  // namespace startuptest

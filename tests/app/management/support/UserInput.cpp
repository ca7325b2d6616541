#include "tests/app/management/support/UserInput.h"

#include <gtest/gtest.h>

#include "platform/base/CodePage.h"
#include "tests/app/shell/support/ShellWindowTest.h"
#include "ui/controls/CComboUI.h"
#include "ui/controls/CComboWnd.h"
#include "ui/controls/CListUI.h"

namespace managementtest {

using shelltest::FindControl;
using shelltest::FindWindowOfClass;
using shelltest::OnWindowThread;

namespace {

POINT Centre(HWND hwnd, const RECT& rc) {
  POINT centre{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
  ::ClientToScreen(hwnd, &centre);
  return centre;
}

}  // namespace

void UserInput::ClickAt(POINT screen) {
  driver_.Click(screen.x, screen.y);
  ASSERT_TRUE(driver_.WaitIdle());
}

void UserInput::Click(HWND hwnd, LPCTSTR name) {
  const POINT centre = shelltest::ControlCentre(hwnd, name);
  ASSERT_NE(centre.x, -1) << "the window has no control named " << platform::codepage::WideToUtf8(name);
  ClickAt(centre);
}

void UserInput::Type(HWND hwnd, LPCTSTR field, const std::wstring& text) {
  Click(hwnd, field);
  driver_.KeyDown(VK_CONTROL);
  driver_.Tap('A');
  driver_.KeyUp(VK_CONTROL);
  driver_.Commit(text);
  ASSERT_TRUE(driver_.WaitIdle());
}

void UserInput::Choose(HWND hwnd, LPCTSTR combo, const std::wstring& row) {
  Click(hwnd, combo);
  const HWND dropDown = FindWindowOfClass(L"ComboWnd");
  ASSERT_NE(dropDown, nullptr) << "the click opened no drop-down";
  RECT client{};
  ::GetClientRect(dropDown, &client);
  // A row below or above the drop-down's view is brought into it with the arrow keys, as
  // a person reaches it, a row at a time.
  for (int steps = 0;; ++steps) {
    bool found = false;
    RECT rc{};
    OnWindowThread(hwnd, [&] {
      auto* box = static_cast<SkinUI::CComboUI*>(FindControl(hwnd, combo)->GetInterface(L"Combo"));
      for (int i = 0; box != nullptr && i < box->GetCount(); ++i) {
        SkinUI::CControlUI* item = box->GetItemAt(i);
        if (!item->IsVisible() || item->GetText() != row.c_str()) continue;
        found = true;
        rc = item->GetPos();
        break;
      }
    });
    ASSERT_TRUE(found) << "the drop-down has no row " << platform::codepage::WideToUtf8(row);
    if (rc.top >= client.top && rc.bottom <= client.bottom) {
      ClickAt(Centre(dropDown, rc));
      break;
    }
    ASSERT_LT(steps, 100) << "the keys brought no row " << platform::codepage::WideToUtf8(row) << " into view";
    driver_.Tap(rc.top < client.top ? VK_UP : VK_DOWN);
    ASSERT_TRUE(driver_.WaitIdle());
  }
  ASSERT_EQ(FindWindowOfClass(L"ComboWnd"), nullptr) << "the drop-down closed";
}

void UserInput::TypeDate(HWND hwnd, LPCTSTR field, const std::wstring& date, LPCTSTR elsewhere) {
  Click(hwnd, field);
  ASSERT_EQ(date.size(), 10u) << "YYYY-MM-DD";
  // The picker opens on the year; each field complete moves on to the next.
  driver_.Commit(date.substr(0, 4) + date.substr(5, 2) + date.substr(8, 2));
  ASSERT_TRUE(driver_.WaitIdle());
  Click(hwnd, elsewhere);
}

void UserInput::OpenAndLeaveDate(HWND hwnd, LPCTSTR field, LPCTSTR elsewhere) {
  Click(hwnd, field);
  Click(hwnd, elsewhere);
}

void UserInput::PickInList(HWND picker, LPCTSTR list, int row) {
  POINT centre{-1, -1};
  OnWindowThread(picker, [&] {
    SkinUI::CControlUI* control = FindControl(picker, list);
    auto* rows = control == nullptr ? nullptr : static_cast<SkinUI::CListUI*>(control->GetInterface(L"List"));
    if (rows == nullptr || rows->GetCount() == 0) return;
    // The row in view: the time the button showed, or the first.
    const int shown = rows->GetCurSel() < 0 ? 0 : rows->GetCurSel();
    centre = Centre(picker, rows->GetItemAt(shown)->GetPos());
  });
  ASSERT_NE(centre.x, -1) << "the time picker has no list " << platform::codepage::WideToUtf8(list);
  ClickAt(centre);
  driver_.Tap(VK_HOME);
  for (int i = 0; i < row; ++i) driver_.Tap(VK_DOWN);
  ASSERT_TRUE(driver_.WaitIdle());
}

void UserInput::PickTime(HWND hwnd, LPCTSTR button, int hour, int minute) {
  Click(hwnd, button);
  const HWND picker = FindWindowOfClass(L"CTimeWnd");
  ASSERT_NE(picker, nullptr) << "the button opened no time picker";
  PickInList(picker, L"listHour", hour);
  PickInList(picker, L"listMinute", minute);
  Click(picker, L"btnOk");
  ASSERT_FALSE(::IsWindow(picker)) << "the picker closed";
}

}  // namespace managementtest

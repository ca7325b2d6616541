// The time picker as the plan dialog opens it: the initial text's selections, and what
// confirming, an hour of 24 with minutes, a double click on an item and cancelling do.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>

#include "app/shell/CTimeWnd.h"
#include "testing/user/UserInput.h"
#include "tests/app/shell/support/ShellWindowTest.h"
#include "ui/controls/CListUI.h"

namespace {

using shelltest::FindControl;
using shelltest::FindWindowOfClass;
using shelltest::OnWindowThread;

const RECT kAnchor = {200, 150, 320, 180};

enum class Action { ConfirmUnchanged, TwentyFourAndFifteen, DoubleClickEarlierHour, DoubleClickFirstMinute };

struct PickCase {
  const char* what;
  std::wstring initial;
  Action action;
  int hour, minute;       // selected when the window opens, -1 for none
  bool question;          // the 24:00 message box appeared
  int result;             // -1: still open after the action (then cancelled: 2)
  std::wstring time;      // GetTime afterwards
};

std::ostream& operator<<(std::ostream& out, const PickCase& c) { return out << c.what; }

class TimePicker : public shelltest::ShellWindowTest, public ::testing::WithParamInterface<PickCase> {
 protected:
  void Open(const std::wstring& initial) {
    window = std::make_unique<CTimeWnd>(kAnchor, initial);
    result = -1;
    ui.Post([this] {
      window->Create(frame, L"TimeWnd",
                     WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU,
                     WS_EX_WINDOWEDGE | WS_EX_ACCEPTFILES, 0, 0, 0, 0);
      result = static_cast<int>(window->ShowModal());
    });
    ASSERT_TRUE(driver.WaitIdle());
    hwnd = window->GetHWND();
    ASSERT_NE(hwnd, nullptr);
  }
  int Selected(LPCTSTR list) {
    int selected = -2;
    OnWindowThread(hwnd, [&] {
      selected = static_cast<SkinUI::CListUI*>(FindControl(hwnd, list)->GetInterface(L"List"))->GetCurSel();
    });
    return selected;
  }
  // The list's item at the index lies whole inside the list, where a person sees it.
  bool InView(LPCTSTR list, int index) {
    bool shown = false;
    OnWindowThread(hwnd, [&] {
      auto* items = static_cast<SkinUI::CListUI*>(FindControl(hwnd, list)->GetInterface(L"List"));
      const RECT box = items->GetPos();
      const RECT item = items->GetItemAt(index)->GetPos();
      shown = item.top >= box.top && item.bottom <= box.bottom;
    });
    return shown;
  }
  // Clicks the list's item at the index, scrolling it into view with the wheel first.
  void Select(LPCTSTR list, int index) {
    input.ClickItem(hwnd, list, index);
    ASSERT_TRUE(driver.WaitIdle());
    ASSERT_EQ(Selected(list), index);
  }
  // Double-clicks the list's item at the index where the screen shows it.
  void DoubleClick(LPCTSTR list, int index) {
    POINT pt = {0, 0};
    OnWindowThread(hwnd, [&] {
      auto* items = static_cast<SkinUI::CListUI*>(FindControl(hwnd, list)->GetInterface(L"List"));
      const RECT rc = items->GetItemAt(index)->GetPos();
      pt = POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
      ::ClientToScreen(hwnd, &pt);
    });
    driver.Click(pt.x, pt.y);
    driver.Click(pt.x, pt.y);
  }

  userinput::UserInput input{driver};
  std::unique_ptr<CTimeWnd> window;
  HWND hwnd = nullptr;
  std::atomic<int> result{-1};
};

TEST_P(TimePicker, ConfirmsTheSelectedTimeOrRefuses) {
  const PickCase& c = GetParam();
  Open(c.initial);
  RECT rc = {};
  ::GetWindowRect(hwnd, &rc);
  EXPECT_EQ(rc.left, kAnchor.left + 30);
  EXPECT_EQ(rc.top, kAnchor.top);
  EXPECT_EQ(rc.right - rc.left, 145);
  EXPECT_EQ(rc.bottom - rc.top, 300);
  if (c.action == Action::ConfirmUnchanged) shelltest::SavePicture(hwnd, "time-picker-" + std::to_string(c.hour));
  EXPECT_EQ(Selected(L"listHour"), c.hour);
  EXPECT_EQ(Selected(L"listMinute"), c.minute);
  if (c.hour >= 0) {
    EXPECT_TRUE(InView(L"listHour", c.hour)) << "the selected hour is scrolled into view";
    EXPECT_TRUE(InView(L"listMinute", c.minute)) << "the selected minute is scrolled into view";
  }

  switch (c.action) {
    case Action::ConfirmUnchanged:
      ClickControl(hwnd, L"btnOk");
      break;
    case Action::TwentyFourAndFifteen:
      Select(L"listHour", 24);
      Select(L"listMinute", 15);
      ClickControl(hwnd, L"btnOk");
      break;
    case Action::DoubleClickEarlierHour:
      DoubleClick(L"listHour", c.hour - 1);
      break;
    case Action::DoubleClickFirstMinute:
      DoubleClick(L"listMinute", 0);
      break;
  }
  ASSERT_TRUE(driver.WaitIdle());
  const HWND box = FindWindowOfClass(L"MessagWnd");
  EXPECT_EQ(box != nullptr, c.question);
  if (box != nullptr) {
    ClickControl(box, L"yes");
    ASSERT_TRUE(driver.WaitIdle());
  }
  EXPECT_EQ(result.load(), c.result);
  if (c.result == -1) {
    EXPECT_TRUE(::IsWindow(hwnd)) << "the picker stays open";
    ClickControl(hwnd, L"btnCancel");
    ASSERT_TRUE(driver.WaitIdle());
    EXPECT_EQ(result.load(), 2);
  }
  EXPECT_EQ(window->GetTime(), c.time);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TimePicker,
    ::testing::Values(
        PickCase{"half past eight, unchanged", L"08:30", Action::ConfirmUnchanged, 8, 30, false, 1, L"08:30"},
        PickCase{"24:00 is allowed", L"24:00", Action::ConfirmUnchanged, 24, 0, false, 1, L"24:00"},
        PickCase{"late in the evening", L"23:55", Action::ConfirmUnchanged, 23, 55, false, 1, L"23:55"},
        PickCase{"midnight", L"00:00", Action::ConfirmUnchanged, 0, 0, false, 1, L"00:00"},
        PickCase{"a short text", L"8:3", Action::ConfirmUnchanged, 8, 3, false, 1, L"08:03"},
        PickCase{"no text: nothing to confirm", L"", Action::ConfirmUnchanged, -1, -1, false, -1, L""},
        PickCase{"24 with 15 is refused", L"08:30", Action::TwentyFourAndFifteen, 8, 30, true, -1, L"08:30"},
        PickCase{"24 with 15 from 24:00", L"24:00", Action::TwentyFourAndFifteen, 24, 0, true, -1, L"24:00"},
        PickCase{"a double click confirms", L"08:30", Action::DoubleClickEarlierHour, 8, 30, false, 1, L"07:30"},
        PickCase{"a double click without an hour", L"", Action::DoubleClickFirstMinute, -1, -1, false, -1, L""}));

}  // namespace

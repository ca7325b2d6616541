// The time picker as a page opens it under one of its time buttons: where it appears,
// and that the button's text changes only when the picker is confirmed.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/shell/ShowTimePicker.h"
#include "testing/user/UserInput.h"
#include "tests/app/shell/support/ShellWindowTest.h"
#include "testing/ui/ControlTestWindow.h"

namespace {

using shelltest::FindControl;
using shelltest::FindWindowOfClass;
using shelltest::OnWindowThread;

const wchar_t kPageSkin[] =
    L"<Window size=\"400,300\"><VerticalLayout bkcolor=\"#FF002971\">"
    L"<Control height=\"40\" />"
    L"<HorizontalLayout height=\"30\"><Control width=\"60\" />"
    L"<Button name=\"btnStartTime\" width=\"80\" text=\"08:30\" />"
    L"</HorizontalLayout><Control /></VerticalLayout></Window>";

struct PickCase {
  const char* what;
  LPCTSTR closeWith;
  std::wstring text;
};

std::ostream& operator<<(std::ostream& out, const PickCase& c) { return out << c.what; }

class ShowTimePickerTest : public shelltest::ShellWindowTest, public ::testing::WithParamInterface<PickCase> {
 protected:
  void SetUp() override {
    ui.Call([this] {
      page = std::make_unique<controltest::ControlTestWindow>(kPageSkin, nullptr);
      page->onNotify = [this](SkinUI::UINotifyRecord& msg) {
        if (msg.sType == L"click") ShowTimePicker(page.get(), msg);
      };
      hwnd = page->Create(frame, L"page", WS_POPUP | WS_VISIBLE, 0, 100, 80, 0, 0);
    });
    ASSERT_TRUE(driver.WaitIdle());
  }
  void TearDown() override {
    ui.Call([this] {
      if (::IsWindow(hwnd)) ::DestroyWindow(hwnd);
      page.reset();
    });
    driver.WaitIdle();
  }

  std::unique_ptr<controltest::ControlTestWindow> page;
  HWND hwnd = nullptr;
};

TEST_P(ShowTimePickerTest, OpensUnderTheButtonAndSetsItsTextOnlyWhenConfirmed) {
  RECT button = {};
  OnWindowThread(hwnd, [&] { button = FindControl(hwnd, L"btnStartTime")->GetPos(); });
  RECT placedPage = {};
  ::GetWindowRect(hwnd, &placedPage);

  ClickControl(hwnd, L"btnStartTime");
  ASSERT_TRUE(driver.WaitIdle());
  const HWND picker = FindWindowOfClass(L"CTimeWnd");
  ASSERT_NE(picker, nullptr);
  RECT placed = {};
  ::GetWindowRect(picker, &placed);
  // Anchored at the button's bottom-left on the screen, 5 pixels up; the picker places
  // itself 30 pixels right of its anchor.
  EXPECT_EQ(placed.left, placedPage.left + button.left + 30);
  EXPECT_EQ(placed.top, placedPage.top + button.bottom - 5);
  userinput::UserInput input(driver);
  input.ClickItem(picker, L"listHour", 9);
  input.ClickItem(picker, L"listMinute", 45);
  ASSERT_TRUE(driver.WaitIdle());
  ClickControl(picker, GetParam().closeWith);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_FALSE(::IsWindow(picker));
  OnWindowThread(hwnd, [&] {
    EXPECT_EQ(std::wstring(FindControl(hwnd, L"btnStartTime")->GetText().GetData()), GetParam().text);
  });
}

INSTANTIATE_TEST_SUITE_P(Table, ShowTimePickerTest,
                         ::testing::Values(PickCase{"confirmed", L"btnOk", L"09:45"},
                                           PickCase{"cancelled", L"btnCancel", L"08:30"},
                                           PickCase{"closed", L"btnClose", L"08:30"}));

}  // namespace

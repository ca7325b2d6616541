#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/shell/AlarmWindow.h"
#include "app/shell/ShellRecordAlerts.h"
#include "app/shell/ShellServices.h"
#include "data/InspectRecordInfo.h"
#include "tests/app/shell/support/ShellWindowTest.h"

namespace {

// Only its address matters: the alerts test the pointer, never use it.
char g_toastWindowStandIn;

class ShellRecordAlertsTest : public ::testing::Test {
 protected:
  void SetUp() override { shelltest::UseProgramSkin(); }
  void TearDown() override {
    g_pFeedBackWnd = nullptr;
    SetToastHandler(nullptr);
    AlarmWindow::SetModalHandler(nullptr);
  }

  static InspectRecordInfo Visit() {
    InspectRecordInfo record;
    record.iID = 17;
    record.iType = 2;
    record.iAbnormal = 1;
    return record;
  }

  ShellRecordAlerts alerts;
};

TEST_F(ShellRecordAlertsTest, ShowOnlyOnceTheToastWindowExistsAndToastThroughIt) {
  EXPECT_FALSE(alerts.CanShow());
  g_pFeedBackWnd = reinterpret_cast<PhotoFeedBackWindow*>(&g_toastWindowStandIn);
  EXPECT_TRUE(alerts.CanShow());

  std::vector<std::wstring> toasts;
  SetToastHandler([&](const std::wstring& text, int seconds) {
    toasts.push_back(text + L"/" + std::to_wstring(seconds));
  });
  alerts.ShowToast(L"接收到巡更消息", 3);
  EXPECT_EQ(toasts, std::vector<std::wstring>{L"接收到巡更消息/3"});
}

// The consumer registers the alarm's window in `opened`, and refuses it there when it is
// being stopped: a refused alarm never runs its modal loop.
TEST_F(ShellRecordAlertsTest, AlarmIsACentredTitledWindowThatRunsModallyOnlyWhenAccepted) {
  for (const bool accept : {true, false}) {
    SCOPED_TRACE(accept ? "accepted" : "refused");
    std::vector<int> modalRecords;
    AlarmWindow::SetModalHandler([&](AlarmWindow& window) {
      modalRecords.push_back(window.GetRecord().iID);
    });
    HWND opened = nullptr;
    std::wstring title;
    RECT placed = {};

    alerts.ShowAlarm(Visit(), [&](HWND alarm) {
      opened = alarm;
      wchar_t text[64] = {};
      GetWindowTextW(alarm, text, 64);
      title = text;
      GetWindowRect(alarm, &placed);
      return accept;
    });

    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(title, L"异常报警");
    RECT work = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_GT(placed.right, placed.left);
    EXPECT_LE(std::abs(placed.left + placed.right - work.left - work.right), 1) << "not centred across";
    EXPECT_LE(std::abs(placed.top + placed.bottom - work.top - work.bottom), 1) << "not centred down";
    EXPECT_EQ(modalRecords, accept ? std::vector<int>{17} : std::vector<int>{});
    EXPECT_FALSE(IsWindow(opened)) << "the alarm window outlives the alarm";
  }
}

}  // namespace

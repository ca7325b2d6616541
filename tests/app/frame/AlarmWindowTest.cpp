// The alarm as the broker consumer raises it: the consumer's handling of an announced
// abnormal record runs on a thread of its own, with the main frame open on the UI thread.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/shell/AlarmWindow.h"
#include "app/shell/ShellServices.h"
#include "data/StartupCaches.h"
#include "data/rabbitmq_helper.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "tests/app/frame/support/FrameTest.h"
#include "tests/data/broker/PatrolVisits.h"

namespace {

using frametest::FrameTest;

constexpr int kPlanId = 7;
constexpr int kCheckpointId = 31;

class Alarm : public FrameTest {
 protected:
  Alarm() {
    OpenFrame();
    InspectPlanInfo plan;
    plan.iID = kPlanId;
    plan.strName = "东门夜巡";
    plan.listPeople = {PlanPeopleInfo{1, "张三"}, PlanPeopleInfo{2, "李四"}};
    std::lock_guard<std::mutex> plans(g_mutexInspectPlan);
    g_mapInspectPlan[kPlanId] = plan;
  }
  ~Alarm() override {
    SetToastHandler(nullptr);
    CloseAlarm();
    if (consumer.joinable()) consumer.join();
  }

  void CacheCheckpoint() {
    InspectPosDeviceInfo checkpoint;
    checkpoint.iID = kCheckpointId;
    checkpoint.strName = "东门岗亭";
    std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
    g_mapInspectPosDevice[kCheckpointId] = checkpoint;
  }

  // The consumer's thread handles the announcement of an abnormal visit and shows its
  // alarm; returns once the alarm's window is up.
  HWND Announce(int recordId) {
    InspectRecordInfo record;
    record.iID = recordId;
    record.iType = 2;
    record.iAbnormal = 1;
    record.iPlanID = kPlanId;
    record.iPositionID = kCheckpointId;
    record.strDate = "2024-03-06";
    record.strTime = "21:30";
    broker_test::HoldVisit(world, record);
    consumer = std::thread([this, recordId] {
      consumerThread = ::GetCurrentThreadId();
      helper.HandleMessage(R"({"msgId":"m","messageTypeCode":"E61_SEND_RECORD","message":[{"RecordID":)" +
                           std::to_string(recordId) + R"(,"RecordType":2}]})");
      handled = true;
    });
    // The consumer asks the patrol server first: a bounded wait, not a timed assertion.
    for (int i = 0; i < 3000 && shelltest::FindWindowOfClass(L"AlarmWindow") == nullptr; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    driver.WaitIdle();
    return shelltest::FindWindowOfClass(L"AlarmWindow");
  }

  std::pair<std::wstring, std::wstring> Label(HWND alarm, LPCTSTR name) {
    std::pair<std::wstring, std::wstring> shown;
    shelltest::OnWindowThread(alarm, [&] {
      SkinUI::CControlUI* label = shelltest::FindControl(alarm, name);
      shown = {label->GetText().GetData(), label->GetToolTip().GetData()};
    });
    return shown;
  }

  void CloseAlarm() {
    const HWND alarm = shelltest::FindWindowOfClass(L"AlarmWindow");
    if (alarm != nullptr) ::PostMessageW(alarm, WM_CLOSE, 0, 0);
  }

  rabbitmq_helper helper;
  std::thread consumer;
  std::atomic<DWORD> consumerThread{0};
  std::atomic<bool> handled{false};
};

TEST_F(Alarm, IsBuiltOnTheConsumersThreadNamingPeopleTimeAndCheckpoint) {
  CacheCheckpoint();
  const HWND alarm = Announce(15);
  ASSERT_NE(alarm, nullptr);
  EXPECT_EQ(::GetWindowThreadProcessId(alarm, nullptr), consumerThread.load());
  wchar_t title[32] = {};
  ::GetWindowTextW(alarm, title, 32);
  EXPECT_EQ(std::wstring(title), L"异常报警");
  using Shown = std::pair<std::wstring, std::wstring>;
  EXPECT_EQ(Label(alarm, L"lab_AlarmPeople"), Shown(L"张三,李四", L"张三,李四"));
  EXPECT_EQ(Label(alarm, L"lab_AlarmTime"), Shown(L"21:30", L"21:30"));
  EXPECT_EQ(Label(alarm, L"lab_Alarmpos"), Shown(L"东门岗亭", L"东门岗亭"));
  shelltest::SavePicture(alarm, "alarm");

  // The UI thread goes on painting the frame while the alarm is open.
  const int before = platform::headless::HeadlessBackend::Instance()->Surface(hwnd)->presentCount;
  ::InvalidateRect(hwnd, nullptr, TRUE);
  driver.WaitIdle();
  EXPECT_GT(platform::headless::HeadlessBackend::Instance()->Surface(hwnd)->presentCount, before);

  ClickControl(alarm, L"btn_close");
  consumer.join();
  EXPECT_TRUE(handled);
  EXPECT_FALSE(::IsWindow(alarm));
}

// The camera dialog for checkpoint 0 finds no camera: it says so and closes, over the
// alarm and on the consumer's thread.
TEST_F(Alarm, ACheckpointNotCachedShowsPeopleAndTimeAndItsCamerasOpenCheckpointZero) {
  std::mutex mutex;
  std::vector<std::pair<std::wstring, DWORD>> toasts;
  SetToastHandler([&](const std::wstring& text, int) {
    std::lock_guard<std::mutex> lock(mutex);
    toasts.emplace_back(text, ::GetCurrentThreadId());
  });
  const HWND alarm = Announce(16);
  ASSERT_NE(alarm, nullptr);
  EXPECT_EQ(Label(alarm, L"lab_AlarmPeople").first, L"张三,李四");
  EXPECT_EQ(Label(alarm, L"lab_AlarmTime").first, L"21:30");
  EXPECT_EQ(Label(alarm, L"lab_Alarmpos").first, L"");

  ClickControl(alarm, L"btn_Cam1");
  ClickControl(alarm, L"btn_Cam2");
  EXPECT_EQ(shelltest::FindWindowOfClass(L"CamPlay"), nullptr);
  EXPECT_TRUE(::IsWindow(alarm));
  EXPECT_TRUE(::IsWindowEnabled(alarm));
  std::lock_guard<std::mutex> lock(mutex);
  const std::pair<std::wstring, DWORD> noCamera{L"该巡更点未绑定摄像头!", consumerThread.load()};
  EXPECT_EQ(toasts, (std::vector<std::pair<std::wstring, DWORD>>{noCamera, noCamera}));
}

TEST_F(Alarm, CloseOfTheConsumerClosesAnOpenAlarm) {
  const HWND alarm = Announce(18);
  ASSERT_NE(alarm, nullptr);
  EXPECT_EQ(helper.close(), 0);
  consumer.join();
  EXPECT_TRUE(handled);
  EXPECT_FALSE(::IsWindow(alarm));
}

TEST(AlarmWindow, CloseButtonEndsTheAlarmWithOneAndTheTimerOnlyWhenThePointerIsAway) {
  shelltest::UseProgramSkin();
  platform::headless::TestDriver driver;
  platform::headless::GuiThread thread;
  InspectRecordInfo record;
  record.iPositionID = 999;
  AlarmWindow window(record);
  std::promise<UINT> closed;
  thread.Post([&] {
    window.CreateWithStyle(::GetDesktopWindow(), L"异常报警", 0, 0);
    window.CenterWindow();
    closed.set_value(window.ShowModal());
  });
  driver.WaitIdle();
  const HWND alarm = window.GetHWND();
  ASSERT_NE(alarm, nullptr);
  EXPECT_EQ(window.GetCheckpoint().iID, 0);

  // The self-closing timer, when something starts it: kept while the pointer is on the
  // alarm, closing it with 1 once the pointer has left.
  RECT placed = {};
  ::GetWindowRect(alarm, &placed);
  driver.MoveMouse(placed.left + 10, placed.top + 60);
  ::PostMessageW(alarm, WM_TIMER, AlarmWindow::ALARM_TIMER_ID, 0);
  driver.WaitIdle();
  EXPECT_TRUE(::IsWindow(alarm));
  driver.MoveMouse(placed.right + 50, placed.bottom + 50);
  driver.Advance(1000);
  EXPECT_EQ(closed.get_future().get(), 1u);
  EXPECT_FALSE(::IsWindow(alarm));
}

TEST(AlarmWindow, TheCloseButtonGivesOne) {
  shelltest::UseProgramSkin();
  platform::headless::TestDriver driver;
  platform::headless::GuiThread thread;
  AlarmWindow window{InspectRecordInfo()};
  std::promise<UINT> closed;
  thread.Post([&] {
    window.CreateWithStyle(::GetDesktopWindow(), L"异常报警", 0, 0);
    closed.set_value(window.ShowModal());
  });
  driver.WaitIdle();
  const POINT centre = shelltest::ControlCentre(window.GetHWND(), L"btn_close");
  driver.Click(centre.x, centre.y);
  EXPECT_EQ(closed.get_future().get(), 1u);
}

}  // namespace

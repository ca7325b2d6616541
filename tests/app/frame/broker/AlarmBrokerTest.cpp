// Two abnormal visits announced in a row through the test broker, with the main frame open:
// the consumer raises the first one's alarm and takes the second announcement only once
// that alarm is closed.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "data/StartupCaches.h"
#include "data/rabbitmq_helper.h"
#include "tests/app/frame/support/FrameTest.h"
#include "tests/data/broker/BrokerAdmin.h"
#include "tests/data/broker/PatrolVisits.h"

namespace {

using broker_test::BrokerAdmin;

constexpr int kPlanId = 7;

// The broker and the consumer act on their own time: false when the condition did not
// come within a minute.
bool Eventually(const std::function<bool()>& condition) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

std::string Announcement(int recordId) {
  return R"({"msgId":"m)" + std::to_string(recordId) +
         R"(","messageTypeCode":"E61_SEND_RECORD","message":[{"RecordID":)" + std::to_string(recordId) +
         R"(,"RecordType":2}]})";
}

class BrokerAlarm : public frametest::FrameTest {
 protected:
  BrokerAlarm() {
    problem = BrokerAdmin::Check();
    if (!problem.empty()) return;
    BrokerAdmin::Purge();
    world.platform.set_address("E80", "http://127.0.0.1:" + std::to_string(BrokerAdmin::Port()) + "/");
    InspectPlanInfo plan;
    plan.iID = kPlanId;
    plan.strName = "东门夜巡";
    plan.listPeople = {PlanPeopleInfo{1, "张三"}};
    std::lock_guard<std::mutex> plans(g_mutexInspectPlan);
    g_mapInspectPlan[kPlanId] = plan;
  }
  ~BrokerAlarm() override {
    helper.close();
    if (problem.empty()) BrokerAdmin::Purge();
    std::lock_guard<std::mutex> plans(g_mutexInspectPlan);
    g_mapInspectPlan.clear();
  }

  void HoldAbnormalVisit(int id, const std::string& time) {
    InspectRecordInfo record;
    record.iID = id;
    record.iType = 2;
    record.iAbnormal = 1;
    record.iPlanID = kPlanId;
    record.strDate = "2024-03-06";
    record.strTime = time;
    broker_test::HoldVisit(world, record);
  }

  std::wstring AlarmTime(HWND alarm) {
    std::wstring text;
    shelltest::OnWindowThread(alarm, [&] { text = shelltest::FindControl(alarm, L"lab_AlarmTime")->GetText().GetData(); });
    return text;
  }

  // The alarm lays itself out on the consumer's thread, which the driver's idle wait does
  // not cover: a click aimed before that lands at the window's corner.
  bool CloseButtonLaidOut(HWND alarm) {
    bool laidOut = false;
    shelltest::OnWindowThread(alarm, [&] {
      const RECT rc = shelltest::FindControl(alarm, L"btn_close")->GetPos();
      laidOut = rc.right > rc.left && rc.bottom > rc.top;
    });
    return laidOut;
  }

  std::string problem;
  rabbitmq_helper helper;
};

TEST_F(BrokerAlarm, TheSecondAlarmOpensOnlyOnceTheFirstIsClosed) {
  ASSERT_EQ(problem, "") << "RabbitMQ is not usable on 127.0.0.1:" << BrokerAdmin::Port()
                          << " (scripts/start-broker starts it)";
  OpenFrame();
  HoldAbnormalVisit(41, "21:30");
  HoldAbnormalVisit(42, "22:45");
  // The address service names the host; the port is the suite's node's, which is not
  // the program's own when a second node runs beside one already listening.
  MqConnectInfo settings = GetMqConnectInfo();
  settings.port = BrokerAdmin::Port();
  ASSERT_EQ(helper.connect(settings), 0);
  ASSERT_TRUE(Eventually([] { return BrokerAdmin::ConsumerCount() == 1; })) << "the consumer never subscribed";

  BrokerAdmin::Publish(Announcement(41));
  BrokerAdmin::Publish(Announcement(42));
  HWND first = nullptr;
  ASSERT_TRUE(Eventually([&] { return (first = shelltest::FindWindowOfClass(L"AlarmWindow")) != nullptr; }));
  driver.WaitIdle();
  EXPECT_EQ(AlarmTime(first), L"21:30");
  // The second announcement has left the broker for the consumer, which holds it while the
  // first alarm's modal loop holds the consumer's thread: both alarms on that one thread
  // (below) proves the hold, with no time allowed.
  ASSERT_TRUE(Eventually([] { return BrokerAdmin::MessageCount() == 0; }));
  driver.WaitIdle();
  EXPECT_EQ(shelltest::FindWindowOfClass(L"AlarmWindow"), first) << "a second alarm while the first is open";
  EXPECT_EQ(AlarmTime(first), L"21:30");
  const DWORD firstThread = ::GetWindowThreadProcessId(first, nullptr);

  ASSERT_TRUE(Eventually([&] { return CloseButtonLaidOut(first); }));
  ClickControl(first, L"btn_close");
  HWND second = nullptr;
  ASSERT_TRUE(Eventually([&] {
    second = shelltest::FindWindowOfClass(L"AlarmWindow");
    return second != nullptr && second != first;
  }));
  driver.WaitIdle();
  EXPECT_FALSE(::IsWindow(first));
  EXPECT_EQ(::GetWindowThreadProcessId(second, nullptr), firstThread)
      << "the second alarm did not wait on the consumer's thread for the first to close";
  EXPECT_EQ(AlarmTime(second), L"22:45");
  ASSERT_TRUE(Eventually([&] { return CloseButtonLaidOut(second); }));
  ClickControl(second, L"btn_close");
  ASSERT_TRUE(Eventually([&] { return !::IsWindow(second); }));
  EXPECT_EQ(helper.close(), 0);
}

}  // namespace

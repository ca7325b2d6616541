// The consumer's work that needs no broker: where it connects, how it reads an
// announcement, and what it shows for the announced record.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/shell/ShellRecordAlerts.h"
#include "data/RecordAlerts.h"
#include "data/StartupCaches.h"
#include "data/rabbitmq_helper.h"
#include "tests/data/CampusWorld.h"
#include "tests/data/broker/ConsumerWitness.h"
#include "tests/data/broker/PatrolVisits.h"

namespace {

using broker_test::ConsumerEvent;
using broker_test::ConsumerWitness;
using broker_test::ForgetVisit;
using broker_test::HoldVisit;
using broker_test::VisitFetches;

TEST(GetMqConnectInfo, TakesTheHostOfTheBrokerAddressAndTheFixedAccount) {
  struct Case {
    const char* address;
    const char* host;
  } cases[] = {
      {"http://192.168.1.20:5672/", "192.168.1.20"},
      {"http://192.168.1.20:15672/", "192.168.1.20"},  // the named port is not used
      {"https://mq.campus.edu:5671", "mq.campus.edu"},
      {"http://mq.campus.edu", "mq.campus.edu"},
      {"http://mq.campus.edu/", "mq.campus.edu/"},  // a path stays when no port precedes it
      {"https://mq.campus.edu/amqp/x", "mq.campus.edu/amqp/x"},
      {"http://mq.campus.edu:5672/a:b", "mq.campus.edu"},  // cut at the first colon
      {"http://", ""},
      {"mq.campus.edu:5672", ""},  // no scheme
      {"HTTP://mq.campus.edu", ""},  // schemes are matched as written
      {"amqp://mq.campus.edu:5672", ""},
      {"", ""},
  };
  for (const Case& c : cases) {
    CampusWorld world;
    world.platform.set_address("E80", c.address);
    const MqConnectInfo info = GetMqConnectInfo();
    EXPECT_EQ(info.host, c.host) << c.address;
    EXPECT_EQ(info.port, 5672) << c.address;
    EXPECT_EQ(info.user, "messageAdmin");
    EXPECT_EQ(info.password, "Tz593081");
  }
}

TEST(ParseMqRecordMessage, ReadsRecordsOfTheRecordTypeOnlyAndEmptiesOnAnyMisfit) {
  using Records = std::vector<std::pair<int, int>>;
  struct Case {
    const char* text;
    const char* msgId;
    const char* type;
    Records records;
  } cases[] = {
      {R"({"msgId":"m1","messageTypeCode":"E61_SEND_RECORD","message":[{"RecordID":15,"RecordType":2}]})",
       "m1", "E61_SEND_RECORD", {{15, 2}}},
      {R"({"msgId":"m2","messageTypeCode":"E61_SEND_RECORD",)"
       R"("message":[{"RecordID":16,"RecordType":1},{"RecordID":15,"RecordType":2}]})",
       "m2", "E61_SEND_RECORD", {{16, 1}, {15, 2}}},
      {R"({"messageTypeCode":"E61_SEND_RECORD","message":[{},{"RecordType":2}]})", "", "E61_SEND_RECORD",
       {{0, 0}, {0, 2}}},
      {R"({"msgId":"m3","messageTypeCode":"E61_SEND_RECORD","message":[]})", "m3", "E61_SEND_RECORD", {}},
      {R"({"msgId":"m4","messageTypeCode":"E61_SEND_RECORD"})", "m4", "E61_SEND_RECORD", {}},
      // another type keeps its head but reads no records
      {R"({"msgId":"m5","messageTypeCode":"E61_SEND_ALARM","message":[{"RecordID":15,"RecordType":2}]})",
       "m5", "E61_SEND_ALARM", {}},
      {R"({"msgId":"m6","messageTypeCode":"e61_send_record","message":[{"RecordID":15,"RecordType":2}]})",
       "m6", "e61_send_record", {}},
      // not JSON
      {"", "", "", {}},
      {"E61_SEND_RECORD 15", "", "", {}},
      {R"({"msgId":"m7","messageTypeCode":"E61_SEND_RECORD","message":[{"RecordID":15)", "", "", {}},
      // a value of the wrong kind anywhere
      {R"({"msgId":"m8","messageTypeCode":"E61_SEND_RECORD","message":{"RecordID":15,"RecordType":2}})", "", "",
       {}},
      {R"({"msgId":"m9","messageTypeCode":"E61_SEND_RECORD","message":"15"})", "", "", {}},
      {R"({"msgId":"m10","messageTypeCode":"E61_SEND_RECORD","message":[{"RecordID":"15","RecordType":2}]})", "",
       "", {}},
      {R"({"msgId":"m11","messageTypeCode":"E61_SEND_RECORD","message":[{"RecordID":15,"RecordType":2},15]})", "",
       "", {}},
      {R"({"msgId":["m12"],"messageTypeCode":"E61_SEND_RECORD","message":[]})", "", "", {}},
      {R"([{"msgId":"m13","messageTypeCode":"E61_SEND_RECORD"}])", "", "", {}},
  };
  for (const Case& c : cases) {
    const MqRecordMessage message = ParseMqRecordMessage(c.text);
    EXPECT_EQ(message.msgId, c.msgId) << c.text;
    EXPECT_EQ(message.messageTypeCode, c.type) << c.text;
    Records records;
    for (const MqRecordItem& item : message.records) records.emplace_back(item.RecordID, item.RecordType);
    EXPECT_EQ(records, c.records) << c.text;
  }
}

// One announcement handled as the consumer handles it, against a patrol server holding the
// announced record, with the plan and the checkpoint in the caches.
class MessageHandling : public ::testing::Test {
 protected:
  static constexpr int kPlanId = 7;
  static constexpr int kCheckpointId = 31;

  // The world has emptied the caches.
  void SetUp() override {
    InspectPlanInfo plan;
    plan.iID = kPlanId;
    plan.strName = "东门夜巡";
    plan.listPeople = {PlanPeopleInfo{1, "张三"}, PlanPeopleInfo{2, "李四"}};
    InspectPosDeviceInfo checkpoint;
    checkpoint.iID = kCheckpointId;
    checkpoint.strName = "东门岗亭";
    std::lock_guard<std::mutex> plans(g_mutexInspectPlan);
    std::lock_guard<std::mutex> checkpoints(g_mutexInspectPosDevice);
    g_mapInspectPlan[kPlanId] = plan;
    g_mapInspectPosDevice[kCheckpointId] = checkpoint;
  }

  static InspectRecordInfo Record(int id, int type, int abnormal, int positionId = kCheckpointId) {
    InspectRecordInfo record;
    record.iID = id;
    record.iType = type;
    record.iPlanID = kPlanId;
    record.iPositionID = positionId;
    record.strDate = "2024-05-06";
    record.strTime = "21:30";
    record.iAbnormal = abnormal;
    return record;
  }

  static std::string Announcement(int recordId) {
    return R"({"msgId":"m","messageTypeCode":"E61_SEND_RECORD","message":[{"RecordID":)" +
           std::to_string(recordId) + R"(,"RecordType":2}]})";
  }

  CampusWorld m_world;
};

const wchar_t kFullToast[] = L"接收到巡更消息,巡更计划：东门夜巡；巡更人员：张三,李四；巡更地点：东门岗亭";

TEST_F(MessageHandling, ShowsAToastForANormalVisitAnAlarmForAnAbnormalOneAndNothingElse) {
  enum class Shown { Nothing, Toast, Alarm };
  struct Case {
    const char* label;
    bool stored;  // the server holds the announced record
    int recordId;
    int type;
    int abnormal;
    Shown shown;
    const wchar_t* toast;
  } cases[] = {
      {"normal visit", true, 15, 2, 0, Shown::Toast, kFullToast},
      {"abnormal visit", true, 15, 2, 1, Shown::Alarm, nullptr},
      {"normal record of another kind", true, 15, 1, 0, Shown::Nothing, nullptr},
      {"abnormal record of another kind", true, 15, 3, 1, Shown::Nothing, nullptr},
      {"kind 2 with an unknown abnormal flag", true, 15, 2, 2, Shown::Nothing, nullptr},
      {"record the server does not hold", false, 15, 2, 0, Shown::Nothing, nullptr},
      // -2 is always a toast, even for an abnormal record or none at all
      {"id -2 abnormal", true, -2, 2, 1, Shown::Toast, kFullToast},
      {"id -2 of another kind", true, -2, 1, 0, Shown::Toast, kFullToast},
      {"id -2 not held", false, -2, 2, 0, Shown::Toast, L"接收到巡更消息,巡更计划：；巡更人员：；巡更地点："},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    ConsumerWitness witness(ConsumerWitness::Alarm::ReturnAtOnce);
    ForgetVisit(m_world, c.recordId);
    if (c.stored) HoldVisit(m_world, Record(c.recordId, c.type, c.abnormal));
    rabbitmq_helper helper;

    helper.HandleMessage(Announcement(c.recordId));

    const std::vector<ConsumerEvent> events = witness.Events();
    switch (c.shown) {
      case Shown::Nothing:
        EXPECT_TRUE(events.empty());
        break;
      case Shown::Toast:
        ASSERT_EQ(events.size(), 1u);
        EXPECT_EQ(events[0].kind, ConsumerEvent::Kind::Toast);
        EXPECT_EQ(events[0].text, c.toast);
        EXPECT_EQ(events[0].seconds, 3);
        break;
      case Shown::Alarm:
        ASSERT_EQ(events.size(), 2u);
        EXPECT_EQ(events[0].kind, ConsumerEvent::Kind::AlarmOpened);
        EXPECT_EQ(events[0].record.iID, c.recordId);
        EXPECT_EQ(events[0].record.iAbnormal, 1);
        EXPECT_EQ(events[0].record.strPlanName, "东门夜巡");
        EXPECT_EQ(events[0].title, L"异常报警");
        EXPECT_FALSE(IsWindow(events[0].window)) << "the alarm window outlives its modal loop";
        EXPECT_EQ(events[1].kind, ConsumerEvent::Kind::AlarmClosed);
        break;
    }
    EXPECT_EQ(VisitFetches(m_world), 1);
    m_world.http().clear_requests();
  }
}

TEST_F(MessageHandling, ToastOfARecordWhoseCheckpointIsNotCachedEndsAtThePlaceLabel) {
  ConsumerWitness witness(ConsumerWitness::Alarm::ReturnAtOnce);
  HoldVisit(m_world, Record(15, 2, 0, 99));
  rabbitmq_helper helper;

  helper.HandleMessage(Announcement(15));

  const auto toasts = witness.Toasts();
  ASSERT_EQ(toasts.size(), 1u);
  EXPECT_EQ(toasts[0].text, L"接收到巡更消息,巡更计划：东门夜巡；巡更人员：张三,李四；巡更地点：");
  std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
  EXPECT_EQ(g_mapInspectPosDevice.size(), 1u) << "the look-up added an entry";
}

TEST_F(MessageHandling, DropsAnnouncementsThatShowNothingWithoutAskingTheServer) {
  struct Case {
    const char* label;
    bool toastWindow;
    std::string body;
  } cases[] = {
      {"no toast window yet", false, Announcement(15)},
      {"no records", true, R"({"msgId":"m","messageTypeCode":"E61_SEND_RECORD","message":[]})"},
      {"another type", true, R"({"msgId":"m","messageTypeCode":"E61_OTHER","message":[{"RecordID":15}]})"},
      {"not JSON", true, "RecordID 15"},
  };
  HoldVisit(m_world, Record(15, 2, 0));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    ConsumerWitness witness(ConsumerWitness::Alarm::ReturnAtOnce);
    witness.SetToastWindow(c.toastWindow);
    rabbitmq_helper helper;

    helper.HandleMessage(c.body);

    EXPECT_TRUE(witness.Events().empty());
    EXPECT_EQ(VisitFetches(m_world), 0);
  }
}

// A process whose shell never installed its alerts, or has taken them back, still fetches
// the announced records; what it would show goes to the text log.
TEST_F(MessageHandling, WithoutTheShellsAlertsTheToastAndTheAlarmOnlyBecomeLogLines) {
  const auto shell = std::make_shared<ShellRecordAlerts>();
  RecordAlerts::Install(shell);
  ASSERT_EQ(RecordAlerts::Install(nullptr), shell);
  HoldVisit(m_world, Record(15, 2, 0));
  HoldVisit(m_world, Record(16, 2, 1));
  rabbitmq_helper helper;

  helper.HandleMessage(Announcement(15));
  helper.HandleMessage(Announcement(16));

  EXPECT_EQ(m_world.logLines(),
            (std::vector<std::string>{
                "[LoggingRecordAlerts::ShowToast] 3 s: 接收到巡更消息,巡更计划：东门夜巡；巡更人员：张三,李四；"
                "巡更地点：东门岗亭\n",
                "[LoggingRecordAlerts::ShowAlarm] record 16, plan 东门夜巡, 2024-05-06 21:30\n"}));
  EXPECT_EQ(VisitFetches(m_world), 2);
}

TEST(RabbitmqHelper, ConnectToAnAddressWithoutSchemeFailsToOpenTheSocketAndSaysSoOnce) {
  CampusWorld world;
  world.platform.set_address("E80", "mq.campus.edu:5672");
  rabbitmq_helper helper;

  EXPECT_EQ(helper.connect(), -3);

  EXPECT_EQ(world.logLines(), std::vector<std::string>{"[rabbitmq_helper::connect] failed, host name is : \n"});
}

TEST(RabbitmqHelper, WithoutAConnectionConsumesAndClosesNothing) {
  rabbitmq_helper helper;
  EXPECT_EQ(helper.consumer(), -1);
  EXPECT_EQ(helper.close(), 0);
}

}  // namespace

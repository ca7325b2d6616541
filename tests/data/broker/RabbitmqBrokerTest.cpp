// The consumer against the RabbitMQ node that scripts/start-broker runs on 127.0.0.1:5672,
// or on the port PATROL_BROKER_PORT names.
// Every test here shares that node and its queue "E61", so ctest runs them one at a time.
#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "data/rabbitmq_helper.h"
#include "tests/data/CampusWorld.h"
#include "tests/data/broker/BrokerAdmin.h"
#include "tests/data/broker/ConsumerWitness.h"
#include "tests/data/broker/PatrolVisits.h"

namespace {

using broker_test::BrokerAdmin;
using broker_test::ConsumerEvent;
using broker_test::ConsumerWitness;
using broker_test::HoldVisit;
using broker_test::VisitFetches;

// Waits for a condition that the broker or the consumer brings about on their own time;
// false when it did not come within a minute.
bool Eventually(const std::function<bool()>& condition) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

std::string Announcement(int recordId) {
  return R"({"msgId":"m)" + std::to_string(recordId) +
         R"(","messageTypeCode":"E61_SEND_RECORD","message":[{"RecordID":)" + std::to_string(recordId) +
         R"(,"RecordType":2}]})";
}

InspectRecordInfo Visit(int id, int abnormal) {
  InspectRecordInfo record;
  record.iID = id;
  record.iType = 2;
  record.iAbnormal = abnormal;
  record.strDate = "2024-05-06";
  record.strTime = "21:30";
  return record;
}

int LinesWith(const std::vector<std::string>& lines, const std::string& text) {
  int count = 0;
  for (const std::string& line : lines) {
    if (line.find(text) != std::string::npos) ++count;
  }
  return count;
}

// Consumers of "E61", or -1 while the broker does not answer.
int Subscribers() {
  try {
    return BrokerAdmin::ConsumerCount();
  } catch (const std::exception&) {
    return -1;
  }
}

const char kConnectFailed[] = "[rabbitmq_helper::connect] failed, host name is : ";
const char kConnectionLost[] = "[rabbitmq_helper::consumer] connection lost";

class Broker : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { s_brokerProblem = BrokerAdmin::Check(); }

  void SetUp() override {
    ASSERT_EQ(s_brokerProblem, "")
        << "RabbitMQ is not usable on 127.0.0.1:" << BrokerAdmin::Port() << ". scripts/test starts it with scripts/start-broker; "
           "run that script before these tests and read its output and the logs under /tmp/patrol-broker/log.";
    BrokerAdmin::Purge();
    m_world.platform.set_address("E80", Address());
    HoldVisit(m_world, Visit(15, 0));
    HoldVisit(m_world, Visit(16, 0));
    HoldVisit(m_world, Visit(17, 1));
  }

  void TearDown() override {
    if (!s_brokerProblem.empty()) return;
    // Whatever a test did to the queue, the next one finds it declared and empty.
    if (BrokerAdmin::MessageCount() < 0) BrokerAdmin::Declare();
    BrokerAdmin::Purge();
  }

  static std::string Address() { return "http://127.0.0.1:" + std::to_string(BrokerAdmin::Port()) + "/"; }
  // The settings the address service gives, on the port of the suite's node.
  static MqConnectInfo Settings() {
    MqConnectInfo info = GetMqConnectInfo();
    info.port = BrokerAdmin::Port();
    return info;
  }

  // Connects and waits until the broker counts the consumer's subscription.
  void StartConsumer(rabbitmq_helper& helper) {
    ASSERT_EQ(helper.connect(Settings()), 0);
    ASSERT_TRUE(Eventually([] { return Subscribers() == 1; })) << "the consumer never subscribed";
  }

  static std::string s_brokerProblem;
  CampusWorld m_world;
};

std::string Broker::s_brokerProblem;

TEST_F(Broker, APublishedAnnouncementGivesExactlyOneToastOnTheConsumerThread) {
  ConsumerWitness witness(ConsumerWitness::Alarm::ReturnAtOnce);
  rabbitmq_helper helper;
  StartConsumer(helper);

  BrokerAdmin::Publish(Announcement(15));
  // A second announcement behind the first shows that nothing else came of the first.
  BrokerAdmin::Publish(Announcement(16));
  ASSERT_TRUE(witness.WaitForEvents(2));

  const auto events = witness.Events();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].kind, ConsumerEvent::Kind::Toast);
  EXPECT_EQ(events[1].kind, ConsumerEvent::Kind::Toast);
  EXPECT_EQ(events[0].seconds, 3);
  EXPECT_NE(events[0].thread, std::this_thread::get_id());
  EXPECT_EQ(VisitFetches(m_world), 2);
  EXPECT_EQ(helper.close(), 0);
  EXPECT_EQ(BrokerAdmin::ConsumerCount(), 0) << "close() left the subscription behind";
}

TEST_F(Broker, AnAbnormalVisitHoldsTheNextAnnouncementUntilItsAlarmIsClosed) {
  ConsumerWitness witness(ConsumerWitness::Alarm::StayOpen);
  rabbitmq_helper helper;
  StartConsumer(helper);

  BrokerAdmin::Publish(Announcement(17));
  BrokerAdmin::Publish(Announcement(15));
  ASSERT_TRUE(witness.WaitForEvents(1));
  // The second announcement has left the broker for the consumer, which holds it: the
  // consumer's one thread runs the alarm's modal loop. That the announcement is handled on
  // that thread after the loop ended (below) is what proves the hold, with no time allowed.
  ASSERT_TRUE(Eventually([] { return BrokerAdmin::MessageCount() == 0; }));
  ASSERT_EQ(witness.Events().size(), 1u) << "an announcement was handled while the alarm was open";

  witness.CloseAlarm();
  ASSERT_TRUE(witness.WaitForEvents(3));

  const auto events = witness.Events();
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0].kind, ConsumerEvent::Kind::AlarmOpened);
  EXPECT_EQ(events[0].record.iID, 17);
  EXPECT_EQ(events[0].title, L"异常报警");
  EXPECT_EQ(events[1].kind, ConsumerEvent::Kind::AlarmClosed);
  EXPECT_EQ(events[2].kind, ConsumerEvent::Kind::Toast);
  // The alarm's window and modal loop belong to the consumer's thread, which handled the
  // second announcement only once the loop had ended.
  EXPECT_EQ(events[0].thread, events[1].thread);
  EXPECT_EQ(events[0].thread, events[2].thread);
  EXPECT_NE(events[0].thread, std::this_thread::get_id());
  EXPECT_EQ(helper.close(), 0);
}

TEST_F(Broker, CloseWithTheAlarmOpenClosesItAndJoinsTheConsumer) {
  ConsumerWitness witness(ConsumerWitness::Alarm::StayOpen);
  rabbitmq_helper helper;
  StartConsumer(helper);
  BrokerAdmin::Publish(Announcement(17));
  ASSERT_TRUE(witness.WaitForEvents(1));

  EXPECT_EQ(helper.close(), 0);

  // Joined: the alarm's loop ended before close() returned.
  const auto events = witness.Events();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[1].kind, ConsumerEvent::Kind::AlarmClosed);
  EXPECT_FALSE(IsWindow(events[0].window));
  EXPECT_EQ(BrokerAdmin::ConsumerCount(), 0);
  EXPECT_EQ(helper.close(), 0) << "a second close has nothing left to close";
}

TEST_F(Broker, AMissingQueueEndsTheConsumerWithItsCodeAndNoLogLine) {
  BrokerAdmin::Delete();
  rabbitmq_helper helper;
  const MqConnectInfo info = Settings();
  ASSERT_EQ(helper.open(info.host, info.port, info.user, info.password), 0);

  EXPECT_EQ(helper.consumer(), -2);

  EXPECT_TRUE(m_world.logLines().empty());
}

TEST_F(Broker, RefusedConnectionsGiveTheFailedStepsCodeAndOneLogLine) {
  struct Case {
    const char* label;
    const char* address;
    const char* brokerPassword;  // what the node expects of "messageAdmin"
    int code;
    const char* host;
  } cases[] = {
      {"wrong password", "http://127.0.0.1:5672/", "Tz593082", -4, "127.0.0.1"},
      // the node listens on 127.0.0.1 only
      {"no broker at the address", "http://127.0.0.2:5672/", "Tz593081", -3, "127.0.0.2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    m_world.clearLog();
    m_world.platform.set_address("E80", c.address);
    ASSERT_TRUE(BrokerAdmin::SetPassword(c.brokerPassword));
    rabbitmq_helper helper;

    MqConnectInfo info = GetMqConnectInfo();
    info.port = BrokerAdmin::Port();
    const int code = helper.connect(info);
    ASSERT_TRUE(BrokerAdmin::SetPassword(BrokerAdmin::kPassword));

    EXPECT_EQ(code, c.code);
    EXPECT_EQ(m_world.logLines(), std::vector<std::string>{std::string(kConnectFailed) + c.host + "\n"});
    EXPECT_EQ(BrokerAdmin::ConsumerCount(), 0) << "a consumer runs after a failed connect";
  }
}

TEST_F(Broker, TheConsumerComesBackAfterTheBrokerRestartsAndSaysOnceThatItLostIt) {
  ConsumerWitness witness(ConsumerWitness::Alarm::ReturnAtOnce);
  rabbitmq_helper helper;
  StartConsumer(helper);

  ASSERT_TRUE(BrokerAdmin::Stop());
  {
    // Meanwhile a connect finds nobody at the address.
    rabbitmq_helper late;
    EXPECT_EQ(late.connect(Settings()), -3);
  }
  ASSERT_TRUE(BrokerAdmin::Start());
  ASSERT_TRUE(Eventually([] { return Subscribers() == 1; })) << "the consumer did not come back";
  BrokerAdmin::Publish(Announcement(15));
  ASSERT_TRUE(witness.WaitForEvents(1));

  EXPECT_EQ(witness.Toasts().size(), 1u);
  const auto lines = m_world.logLines();
  EXPECT_EQ(LinesWith(lines, kConnectionLost), 1);
  EXPECT_EQ(LinesWith(lines, std::string(kConnectFailed) + "127.0.0.1\n"), 1);
  EXPECT_EQ(helper.close(), 0);
}

TEST_F(Broker, AConnectionTheBrokerClosesIsReportedOnceAndOpenedAgain) {
  ConsumerWitness witness(ConsumerWitness::Alarm::ReturnAtOnce);
  rabbitmq_helper helper;
  StartConsumer(helper);

  // The broker's connection.close is a frame the consume does not expect.
  ASSERT_TRUE(BrokerAdmin::CloseConnections());
  ASSERT_TRUE(Eventually([&] { return LinesWith(m_world.logLines(), kConnectionLost) == 1; }));
  ASSERT_TRUE(Eventually([] { return Subscribers() == 1; })) << "the consumer did not subscribe again";
  BrokerAdmin::Publish(Announcement(15));
  ASSERT_TRUE(witness.WaitForEvents(1));

  EXPECT_EQ(witness.Toasts().size(), 1u);
  EXPECT_EQ(m_world.logLines().size(), 1u);
  EXPECT_EQ(helper.close(), 0);
}

// A message far larger than any announcement is refused whole, with one line, and the
// consumer goes on with the next.
TEST_F(Broker, AnOversizedMessageIsRefusedWithOneLineAndTheNextIsTaken) {
  ConsumerWitness witness(ConsumerWitness::Alarm::ReturnAtOnce);
  rabbitmq_helper helper;
  StartConsumer(helper);
  // Well-formed, and it names a visit that would give a toast: only its size is wrong.
  std::string padded = Announcement(15);
  padded.insert(1, std::string(rabbitmq_helper::kMaxMessageBytes, ' '));
  BrokerAdmin::Publish(padded);
  BrokerAdmin::Publish(Announcement(16));
  ASSERT_TRUE(witness.WaitForEvents(1));

  EXPECT_EQ(witness.Toasts().size(), 1u);
  EXPECT_EQ(VisitFetches(m_world), 1) << "the oversized message was acted on";
  const auto lines = m_world.logLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "[rabbitmq_helper::consumer] a message of " + std::to_string(padded.size()) +
                          " bytes was refused: more than 65536\n");
  EXPECT_EQ(helper.close(), 0);
}

// Bodies that are not text at all, or not the text they claim to be, change nothing: no
// alert, no lost connection, and the next announcement is handled as usual.
TEST_F(Broker, BytesThatAreNotValidTextAreDroppedQuietly) {
  ConsumerWitness witness(ConsumerWitness::Alarm::ReturnAtOnce);
  rabbitmq_helper helper;
  StartConsumer(helper);
  static const char kWithNul[] = "{\"msgId\":\"a\0b\",\"messageTypeCode\":\"E61_SEND_RECORD\"}";
  const std::string bodies[] = {
      std::string("\xff\xfe\x00\x01\x80", 5),
      std::string("{\"msgId\":\"\xc3\x28\",\"messageTypeCode\":\"E61_SEND_RECORD\",\"message\":[{\"RecordID\":\"\xe6\"}]}"),
      std::string(kWithNul, sizeof kWithNul - 1),
      std::string(""),
  };
  for (const std::string& body : bodies) BrokerAdmin::Publish(body);
  BrokerAdmin::Publish(Announcement(15));
  ASSERT_TRUE(witness.WaitForEvents(1));

  EXPECT_EQ(witness.Toasts().size(), 1u);
  EXPECT_EQ(VisitFetches(m_world), 1);
  EXPECT_EQ(LinesWith(m_world.logLines(), kConnectionLost), 0);
  EXPECT_EQ(helper.close(), 0);
}

// A flood of announcements while an alarm is open: the alarm keeps answering, the consumer
// holds none of them in memory of its own (it takes one message at a time, the rest wait
// in the broker and the connection), and once the alarm is closed every one is handled.
TEST_F(Broker, AFloodWhileAnAlarmIsOpenLeavesTheAlarmAnsweringAndIsHandledAfterwards) {
  ConsumerWitness witness(ConsumerWitness::Alarm::StayOpen);
  rabbitmq_helper helper;
  StartConsumer(helper);
  BrokerAdmin::Publish(Announcement(17));
  ASSERT_TRUE(witness.WaitForEvents(1));
  const HWND alarm = witness.Events()[0].window;

  constexpr int kFlood = 2000;
  for (int i = 0; i < kFlood; ++i) BrokerAdmin::Publish(Announcement(16));
  DWORD_PTR answer = 0;
  EXPECT_NE(SendMessageTimeoutW(alarm, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &answer), 0)
      << "the alarm stopped answering under the flood";
  EXPECT_EQ(witness.Events().size(), 1u) << "an announcement was handled while the alarm was open";

  witness.CloseAlarm();
  ASSERT_TRUE(Eventually([&] { return VisitFetches(m_world) == 1 + kFlood; }))
      << VisitFetches(m_world) << " of " << 1 + kFlood << " visits fetched";
  ASSERT_TRUE(witness.WaitForEvents(2 + kFlood));
  EXPECT_EQ(witness.Toasts().size(), static_cast<std::size_t>(kFlood));
  EXPECT_EQ(BrokerAdmin::MessageCount(), 0);
  EXPECT_EQ(helper.close(), 0);
}

}  // namespace

#pragma once
// The consumer of the patrol records the campus message broker announces. After login it
// subscribes to the module's queue "E61" and, on a thread of its own, turns each
// announcement into a toast (a normal visit) or the modal alarm window (an abnormal one),
// which it runs on that same thread, so no further announcement is taken while it is open.
// It shows both through the installed RecordAlerts.
//
// librabbitmq lets one thread use a connection: once the consumer runs, only its thread
// touches the connection until close() has joined it.
#include <atomic>
#include <cstddef>
#include <mutex>
#include <string>
#include <vector>

#include <amqp.h>
#include <boost/thread/thread.hpp>

#include "platform/win32.h"

struct InspectRecordInfo;
class RecordAlerts;

// Where and as whom the consumer logs in; a plain value.
struct MqConnectInfo {
  std::string host;  // the broker address's host part
  int port = 5672;
  std::string user;
  std::string password;
};

// One (RecordID, RecordType) element of an announcement.
struct MqRecordItem {
  int RecordID = 0;
  int RecordType = 0;
};

// One announcement; a plain value. The records are filled only for the type
// "E61_SEND_RECORD", in message order.
struct MqRecordMessage {
  std::string msgId;
  std::string messageTypeCode;
  std::vector<MqRecordItem> records;
};

// The broker's address from the address service ("E80"), cut to its host, with the
// account the program logs in with.
MqConnectInfo GetMqConnectInfo();

// A body that is not JSON, or holds a value of the wrong kind, gives an empty message.
MqRecordMessage ParseMqRecordMessage(const std::string& text);

class rabbitmq_helper {
 public:
  rabbitmq_helper();
  // Stops and joins the consumer and closes the connection.
  ~rabbitmq_helper();
  rabbitmq_helper(const rabbitmq_helper&) = delete;
  rabbitmq_helper& operator=(const rabbitmq_helper&) = delete;

  // Opens the connection to the broker the address service names and, when that
  // succeeds, starts the consumer thread. Returns the open step's code (0 = consuming);
  // a failure is logged once and not retried.
  int connect();
  // The same with the settings given (the broker suites reach a node on a port of its own).
  int connect(const MqConnectInfo& info);

  // 0 connected; -1 no connection state, -2 no socket, -3 the socket did not open
  // (within kOpenTimeoutSeconds), -4 login refused, -6 channel refused. A failed step
  // leaves what it created in place; the destructor releases it.
  int open(const std::string& host, int port, const std::string& user, const std::string& password);

  // The consume loop, on the consumer thread. -1 without a connection, -2 when the
  // broker refuses the subscription, 0 once close() has asked it to stop.
  int consumer();

  // Stops the consumer (closing an alarm it has open), joins it, then closes the
  // connection: 0 done or nothing to close, -1 channel close refused, -2 connection close
  // refused, -3 the connection could not be destroyed. Called on the UI thread.
  int close();

  // What the consumer does with one message body: log it and, once the alerts can show
  // (the toast window exists), fetch the first announced record and show its toast or its
  // alarm (the alarm modally, on the calling thread).
  void HandleMessage(const std::string& body);

  // How long opening the socket may take before open() gives up with -3.
  static constexpr int kOpenTimeoutSeconds = 20;
  // The largest message body taken: an announcement is some 100 bytes, and a larger body is
  // refused with one log line instead of being logged, parsed and acted on.
  static constexpr std::size_t kMaxMessageBytes = 64 * 1024;
  // How often a waiting consume looks at the stop flag.
  static constexpr int kConsumeTimeoutMilliseconds = 500;
  // The pause after a lost connection before the next attempt to reconnect.
  static constexpr int kReconnectPauseMilliseconds = 3000;

 private:
  bool Subscribe();
  void ShowAlarm(RecordAlerts& alerts, const InspectRecordInfo& record);
  void HandleLostConnection(const amqp_rpc_reply_t& reply);
  std::string ReadPendingFrame();
  bool Reconnect();
  void DestroyConnection();
  bool PauseUnlessStopped(int milliseconds);

  amqp_connection_state_t m_conn = nullptr;
  int m_channel = 1;
  boost::thread m_thread;
  std::atomic<bool> m_bStop{false};

  // The settings of the last open(), for reconnecting.
  MqConnectInfo m_info;

  // The alarm window the consumer has open, so that close() can close it.
  std::mutex m_alarmMutex;
  HWND m_hAlarm = nullptr;
};

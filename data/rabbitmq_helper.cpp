#include "data/rabbitmq_helper.h"

#include <memory>

#include <amqp_tcp_socket.h>
#include <json/json.h>
#include <sys/time.h>

#include "CommonTools/Conversions.h"
#include "CommonTools/Log.h"
#include "data/DAL_PatrolServer.h"
#include "data/DalLog.h"
#include "data/InspectRecordInfo.h"
#include "data/JsonFields.h"
#include "data/RecordAlerts.h"
#include "data/StartupCaches.h"
#include "data/SubSystemInfo.h"

namespace {

const char* const kQueue = "E61";
const char* const kRecordMessageType = "E61_SEND_RECORD";
const char* const kVirtualHost = "/";
const int kFrameMax = 131072;
const int kToastSeconds = 3;
// A record id the server uses for announcements that carry no stored record: always a toast.
const int kToastRecordId = -2;

enum class RecordAction { None, Toast, Alarm };

RecordAction DecideRecordAction(const InspectRecordInfo& record, int recordId) {
  if ((record.iType == 2 && record.iAbnormal == 0) || recordId == kToastRecordId) {
    return RecordAction::Toast;
  }
  if (record.iType == 2 && record.iAbnormal == 1) return RecordAction::Alarm;
  return RecordAction::None;
}

// The checkpoint's name, copied out under the cache's lock; empty when it is not cached.
std::string CheckpointName(int positionId) {
  std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
  const auto found = g_mapInspectPosDevice.find(positionId);
  return found == g_mapInspectPosDevice.end() ? std::string() : found->second.strName;
}

std::wstring ToastText(const InspectRecordInfo& record) {
  using CommonTools::string_to_wstring;
  return L"接收到巡更消息,巡更计划：" + string_to_wstring(record.strPlanName) + L"；巡更人员：" +
         string_to_wstring(record.strPeopleNames) + L"；巡更地点：" +
         string_to_wstring(CheckpointName(record.iPositionID));
}

// The address without its scheme, cut at the first ":"; a path stays when no port
// precedes it. An address of another scheme, or none, gives an empty host.
std::string HostOfAddress(const std::string& address) {
  static const std::string kHttp = "http://";
  static const std::string kHttps = "https://";
  std::string host;
  if (address.compare(0, kHttp.size(), kHttp) == 0) {
    host = address.substr(kHttp.size());
  } else if (address.compare(0, kHttps.size(), kHttps) == 0) {
    host = address.substr(kHttps.size());
  }
  const std::string::size_type colon = host.find(':');
  if (colon != std::string::npos) host.erase(colon);
  return host;
}

bool IsNormal(const amqp_rpc_reply_t& reply) { return reply.reply_type == AMQP_RESPONSE_NORMAL; }

bool IsTimeout(const amqp_rpc_reply_t& reply) {
  return reply.reply_type == AMQP_RESPONSE_LIBRARY_EXCEPTION &&
         reply.library_error == AMQP_STATUS_TIMEOUT;
}

bool IsUnexpectedFrame(const amqp_rpc_reply_t& reply) {
  return reply.reply_type == AMQP_RESPONSE_LIBRARY_EXCEPTION &&
         reply.library_error == AMQP_STATUS_UNEXPECTED_STATE;
}

std::string DescribeReply(const amqp_rpc_reply_t& reply) {
  switch (reply.reply_type) {
    case AMQP_RESPONSE_NORMAL:
      return "normal";
    case AMQP_RESPONSE_NONE:
      return "no reply";
    case AMQP_RESPONSE_LIBRARY_EXCEPTION:
      return amqp_error_string2(reply.library_error);
    case AMQP_RESPONSE_SERVER_EXCEPTION:
      return std::string("server sent ") + amqp_method_name(reply.reply.id);
  }
  return "unknown reply";
}

timeval Milliseconds(int milliseconds) {
  timeval value = {};
  value.tv_sec = milliseconds / 1000;
  value.tv_usec = (milliseconds % 1000) * 1000;
  return value;
}

}  // namespace

MqConnectInfo GetMqConnectInfo() {
  MqConnectInfo info;
  info.host = HostOfAddress(GetSubSystemInfo("E80"));
  info.port = 5672;
  info.user = "messageAdmin";
  info.password = "Tz593081";
  return info;
}

MqRecordMessage ParseMqRecordMessage(const std::string& text) {
  Json::CharReaderBuilder builder;
  std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
  Json::Value root;
  std::string errors;
  const char* begin = text.data();
  if (!reader->parse(begin, begin + text.size(), &root, &errors)) return MqRecordMessage();
  try {
    const Json::Value& message = root;
    MqRecordMessage result;
    result.msgId = dal::ReadText(message, "msgId");
    result.messageTypeCode = dal::ReadText(message, "messageTypeCode");
    if (result.messageTypeCode != kRecordMessageType) return result;
    const Json::Value& items = message["message"];
    if (!items.isNull() && !items.isArray()) return MqRecordMessage();
    const Json::ArrayIndex count = items.size();
    for (Json::ArrayIndex i = 0; i < count; ++i) {
      MqRecordItem item;
      item.RecordID = dal::ReadInt(items[i], "RecordID");
      item.RecordType = dal::ReadInt(items[i], "RecordType");
      result.records.push_back(item);
    }
    return result;
  } catch (const Json::Exception&) {
    return MqRecordMessage();
  }
}

rabbitmq_helper::rabbitmq_helper() = default;

rabbitmq_helper::~rabbitmq_helper() {
  close();
  // A close the broker refused leaves the connection state behind.
  DestroyConnection();
}

int rabbitmq_helper::connect() { return connect(GetMqConnectInfo()); }

int rabbitmq_helper::connect(const MqConnectInfo& info) {
  const int code = open(info.host, info.port, info.user, info.password);
  if (code != 0) {
    DalLog::TextLine("[rabbitmq_helper::connect] failed, host name is : " + info.host + "\n");
    return code;
  }
  m_bStop = false;
  m_thread = boost::thread([this] { consumer(); });
  return 0;
}

int rabbitmq_helper::open(const std::string& host, int port, const std::string& user,
                          const std::string& password) {
  m_info.host = host;
  m_info.port = port;
  m_info.user = user;
  m_info.password = password;

  m_conn = amqp_new_connection();
  if (!m_conn) return -1;
  amqp_socket_t* socket = amqp_tcp_socket_new(m_conn);
  if (!socket) return -2;
  // A plain connect can take minutes to give up on an unreachable host, on the UI thread
  // at start-up; the limit matches how long Windows tries.
  timeval limit = Milliseconds(kOpenTimeoutSeconds * 1000);
  if (amqp_socket_open_noblock(socket, host.c_str(), port, &limit) < 0) return -3;
  const amqp_rpc_reply_t login = amqp_login(m_conn, kVirtualHost, 0, kFrameMax, 0,
                                            AMQP_SASL_METHOD_PLAIN, user.c_str(), password.c_str());
  if (!IsNormal(login)) return -4;
  amqp_channel_open(m_conn, static_cast<amqp_channel_t>(m_channel));
  if (!IsNormal(amqp_get_rpc_reply(m_conn))) return -6;
  return 0;
}

int rabbitmq_helper::consumer() {
  if (!m_conn) return -1;
  if (!Subscribe()) return -2;
  while (!m_bStop) {
    amqp_maybe_release_buffers(m_conn);
    amqp_envelope_t envelope = {};
    // Waits a little at a time, so that close() is heard without touching the connection.
    timeval wait = Milliseconds(kConsumeTimeoutMilliseconds);
    const amqp_rpc_reply_t reply = amqp_consume_message(m_conn, &envelope, &wait, 0);
    if (IsNormal(reply) && envelope.message.body.len > kMaxMessageBytes) {
      DalLog::TextLine("[rabbitmq_helper::consumer] a message of " + std::to_string(envelope.message.body.len) +
                       " bytes was refused: more than " + std::to_string(kMaxMessageBytes) + "\n");
      amqp_destroy_envelope(&envelope);
      continue;
    }
    if (IsNormal(reply)) {
      const std::string body(static_cast<const char*>(envelope.message.body.bytes),
                             envelope.message.body.len);
      amqp_destroy_envelope(&envelope);
      HandleMessage(body);
      continue;
    }
    if (IsTimeout(reply)) continue;
    HandleLostConnection(reply);
  }
  return 0;
}

int rabbitmq_helper::close() {
  m_bStop = true;
  {
    std::lock_guard<std::mutex> lock(m_alarmMutex);
    if (m_hAlarm) PostMessageW(m_hAlarm, WM_CLOSE, 0, 0);
  }
  if (m_thread.joinable()) m_thread.join();

  if (!m_conn) return 0;
  const amqp_channel_t channel = static_cast<amqp_channel_t>(m_channel);
  if (!IsNormal(amqp_channel_close(m_conn, channel, AMQP_REPLY_SUCCESS))) return -1;
  if (!IsNormal(amqp_connection_close(m_conn, AMQP_REPLY_SUCCESS))) return -2;
  if (amqp_destroy_connection(m_conn) < 0) return -3;
  m_conn = nullptr;
  return 0;
}

void rabbitmq_helper::HandleMessage(const std::string& body) {
  g_log.Write(6, "[rabbitmq_helper::consumer] message is : %s\n", body.c_str());
  const MqRecordMessage message = ParseMqRecordMessage(body);
  // Held for the whole message, so alerts installed meanwhile do not pull these away
  // under an open alarm.
  const std::shared_ptr<RecordAlerts> alerts = RecordAlerts::Current();
  // Before the main frame has built the toast window nobody could be told.
  if (!alerts->CanShow() || message.records.empty()) return;
  const int recordId = message.records.front().RecordID;
  const InspectRecordInfo record = DAL_PatrolServer().DAL_InspectRecord_GetByID(recordId);
  switch (DecideRecordAction(record, recordId)) {
    case RecordAction::Toast:
      alerts->ShowToast(ToastText(record), kToastSeconds);
      return;
    case RecordAction::Alarm:
      ShowAlarm(*alerts, record);
      return;
    case RecordAction::None:
      return;
  }
}

bool rabbitmq_helper::Subscribe() {
  amqp_basic_consume(m_conn, static_cast<amqp_channel_t>(m_channel), amqp_cstring_bytes(kQueue),
                     amqp_empty_bytes, 0, 1, 0, amqp_empty_table);
  // Only the broker's refusal (a missing queue closes the channel) ends the consumer; a
  // library failure shows again in the consume loop, which reconnects.
  return amqp_get_rpc_reply(m_conn).reply_type != AMQP_RESPONSE_SERVER_EXCEPTION;
}

void rabbitmq_helper::ShowAlarm(RecordAlerts& alerts, const InspectRecordInfo& record) {
  alerts.ShowAlarm(record, [this](HWND alarm) {
    // close() sets the stop flag before it looks for an open alarm: either it finds this
    // window and closes it, or the flag is seen here and the alarm is not shown.
    std::lock_guard<std::mutex> lock(m_alarmMutex);
    if (m_bStop) return false;
    m_hAlarm = alarm;
    return true;
  });
  std::lock_guard<std::mutex> lock(m_alarmMutex);
  m_hAlarm = nullptr;
}

// A lost connection, or a frame the consume did not expect (the broker closing the channel
// or the connection), would make every later consume fail at once: read what is pending,
// say so once, and reconnect after a pause until it works or close() is called.
void rabbitmq_helper::HandleLostConnection(const amqp_rpc_reply_t& reply) {
  std::string reason = DescribeReply(reply);
  if (IsUnexpectedFrame(reply)) reason += ReadPendingFrame();
  DalLog::TextLine("[rabbitmq_helper::consumer] connection lost (" + reason + "), reconnecting\n");
  DestroyConnection();
  while (PauseUnlessStopped(kReconnectPauseMilliseconds)) {
    if (Reconnect()) return;
  }
}

std::string rabbitmq_helper::ReadPendingFrame() {
  amqp_frame_t frame = {};
  timeval none = Milliseconds(0);
  if (amqp_simple_wait_frame_noblock(m_conn, &frame, &none) != AMQP_STATUS_OK) return "";
  if (frame.frame_type != AMQP_FRAME_METHOD) return ": a content frame";
  return std::string(": ") + amqp_method_name(frame.payload.method.id);
}

bool rabbitmq_helper::Reconnect() {
  const MqConnectInfo info = m_info;
  if (open(info.host, info.port, info.user, info.password) == 0 && Subscribe()) return true;
  DestroyConnection();
  return false;
}

void rabbitmq_helper::DestroyConnection() {
  if (!m_conn) return;
  amqp_destroy_connection(m_conn);
  m_conn = nullptr;
}

bool rabbitmq_helper::PauseUnlessStopped(int milliseconds) {
  const int step = 100;
  for (int waited = 0; waited < milliseconds && !m_bStop; waited += step) {
    boost::this_thread::sleep_for(boost::chrono::milliseconds(step));
  }
  return !m_bStop;
}

#include "tests/data/broker/BrokerAdmin.h"

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <type_traits>

#include <amqp.h>
#include <amqp_tcp_socket.h>

namespace broker_test {

namespace {

const amqp_channel_t kChannel = 1;

std::string Describe(const amqp_rpc_reply_t& reply) {
  if (reply.reply_type == AMQP_RESPONSE_LIBRARY_EXCEPTION) return amqp_error_string2(reply.library_error);
  if (reply.reply_type == AMQP_RESPONSE_SERVER_EXCEPTION) {
    if (reply.reply.id == AMQP_CHANNEL_CLOSE_METHOD) {
      const auto* close = static_cast<const amqp_channel_close_t*>(reply.reply.decoded);
      return std::string(static_cast<const char*>(close->reply_text.bytes), close->reply_text.len);
    }
    return amqp_method_name(reply.reply.id);
  }
  return "no reply";
}

}  // namespace

int BrokerAdmin::Port() {
  const char* port = std::getenv("PATROL_BROKER_PORT");
  return port && *port ? std::atoi(port) : 5672;
}

namespace {

// One connection with channel 1 open, closed again when the object goes. Whatever step
// fails, the connection's state is let go: where no broker answers, the constructor throws
// and only the members it had made are destroyed.
class Session {
 public:
  Session() : conn_(amqp_new_connection()) {
    amqp_socket_t* socket = amqp_tcp_socket_new(conn_.get());
    timeval limit = {10, 0};
    if (!socket || amqp_socket_open_noblock(socket, BrokerAdmin::kHost, BrokerAdmin::Port(), &limit) < 0) {
      throw std::runtime_error("nothing answers on 127.0.0.1:" + std::to_string(BrokerAdmin::Port()));
    }
    Expect(amqp_login(conn_.get(), "/", 0, 131072, 0, AMQP_SASL_METHOD_PLAIN, BrokerAdmin::kUser,
                      BrokerAdmin::kPassword),
           "login as messageAdmin");
    logged_in_ = true;
    amqp_channel_open(conn_.get(), kChannel);
    Expect(amqp_get_rpc_reply(conn_.get()), "channel open");
    channel_open_ = true;
  }
  ~Session() {
    if (channel_open_) amqp_channel_close(conn_.get(), kChannel, AMQP_REPLY_SUCCESS);
    if (logged_in_) amqp_connection_close(conn_.get(), AMQP_REPLY_SUCCESS);
  }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  amqp_connection_state_t conn() const { return conn_.get(); }

  void Expect(const amqp_rpc_reply_t& reply, const std::string& what) {
    if (reply.reply_type == AMQP_RESPONSE_NORMAL) return;
    // A refused request closes the channel; nothing is left to close on it.
    if (reply.reply_type == AMQP_RESPONSE_SERVER_EXCEPTION) channel_open_ = false;
    throw std::runtime_error(what + " failed: " + Describe(reply));
  }

 private:
  struct Destroy {
    void operator()(amqp_connection_state_t conn) const { amqp_destroy_connection(conn); }
  };
  std::unique_ptr<std::remove_pointer_t<amqp_connection_state_t>, Destroy> conn_;
  bool logged_in_ = false;
  bool channel_open_ = false;
};

// Message and consumer counts of the queue, or -1 each when it does not exist.
std::pair<int, int> QueueCounts() {
  Session session;
  amqp_queue_declare_ok_t* ok = amqp_queue_declare(session.conn(), kChannel, amqp_cstring_bytes(BrokerAdmin::kQueue),
                                                   1, 0, 0, 0, amqp_empty_table);
  const amqp_rpc_reply_t reply = amqp_get_rpc_reply(session.conn());
  if (reply.reply_type == AMQP_RESPONSE_SERVER_EXCEPTION) {
    try {
      session.Expect(reply, "");
    } catch (const std::runtime_error&) {
    }
    return {-1, -1};
  }
  session.Expect(reply, "passive declare");
  return {static_cast<int>(ok->message_count), static_cast<int>(ok->consumer_count)};
}

}  // namespace

std::string BrokerAdmin::Check() {
  try {
    if (MessageCount() < 0) return std::string("the queue ") + kQueue + " does not exist";
    return "";
  } catch (const std::exception& e) {
    return e.what();
  }
}

void BrokerAdmin::Publish(const std::string& body) {
  Session session;
  amqp_bytes_t bytes;
  bytes.bytes = const_cast<char*>(body.data());
  bytes.len = body.size();
  const int status = amqp_basic_publish(session.conn(), kChannel, amqp_empty_bytes,
                                        amqp_cstring_bytes(kQueue), 0, 0, nullptr, bytes);
  if (status != AMQP_STATUS_OK) throw std::runtime_error(std::string("publish failed: ") + amqp_error_string2(status));
}

void BrokerAdmin::Purge() {
  Session session;
  amqp_queue_purge(session.conn(), kChannel, amqp_cstring_bytes(kQueue));
  session.Expect(amqp_get_rpc_reply(session.conn()), "purge");
}

void BrokerAdmin::Declare() {
  Session session;
  amqp_queue_declare(session.conn(), kChannel, amqp_cstring_bytes(kQueue), 0, 1, 0, 0, amqp_empty_table);
  session.Expect(amqp_get_rpc_reply(session.conn()), "declare");
}

void BrokerAdmin::Delete() {
  Session session;
  amqp_queue_delete(session.conn(), kChannel, amqp_cstring_bytes(kQueue), 0, 0);
  session.Expect(amqp_get_rpc_reply(session.conn()), "delete");
}

int BrokerAdmin::MessageCount() { return QueueCounts().first; }

int BrokerAdmin::ConsumerCount() { return QueueCounts().second; }

// Runs the node's own control tool, in the environment start-broker gives the node.
bool BrokerAdmin::Control(const std::string& arguments) {
  const char* home = std::getenv("PATROL_BROKER_HOME");
  const std::string node = Port() == 5672 ? "patrol" : "patrol-" + std::to_string(Port());
  const std::string command = std::string("HOME='") + (home ? home : "/tmp/patrol-broker") +
                              "' RABBITMQ_NODENAME=" + node + "@localhost /usr/lib/rabbitmq/bin/rabbitmqctl -q " +
                              arguments + " >/dev/null";
  return std::system(command.c_str()) == 0;
}

bool BrokerAdmin::SetPassword(const std::string& password) {
  return Control(std::string("change_password ") + kUser + " '" + password + "'");
}

bool BrokerAdmin::CloseConnections() { return Control("close_all_connections -p / 'closed by the tests'"); }

bool BrokerAdmin::Stop() { return std::system(PATROL_SOURCE_DIR "/scripts/stop-broker") == 0; }

bool BrokerAdmin::Start() { return std::system(PATROL_SOURCE_DIR "/scripts/start-broker") == 0; }

}  // namespace broker_test

#pragma once
// The tests' own connection to the RabbitMQ node that scripts/start-broker runs on
// 127.0.0.1:5672 (or the port PATROL_BROKER_PORT names): it publishes announcements to the queue "E61" as the patrol server
// would, and looks after the queue between tests. Each call opens a connection of its own
// and closes it again, so a broker restart in between does not matter.
#include <string>

namespace broker_test {

class BrokerAdmin {
 public:
  static constexpr const char* kHost = "127.0.0.1";
  // 5672, or the port PATROL_BROKER_PORT names (scripts/start-broker reads it too).
  static int Port();
  static constexpr const char* kUser = "messageAdmin";
  static constexpr const char* kPassword = "Tz593081";
  static constexpr const char* kQueue = "E61";

  // Empty when the broker answers with the queue in place, else why not.
  static std::string Check();

  // Publishes one message with the body on the default exchange to "E61".
  static void Publish(const std::string& body);
  // Drops every message waiting in "E61".
  static void Purge();
  // Declares "E61" durable, as start-broker does.
  static void Declare();
  static void Delete();
  // Messages waiting in "E61" and consumers subscribed to it; -1 when it does not exist.
  // Throws std::runtime_error when the broker does not answer.
  static int MessageCount();
  static int ConsumerCount();

  // Changes the password of "messageAdmin" on the node; false when rabbitmqctl failed.
  static bool SetPassword(const std::string& password);

  // The node closes every client connection, as it does when an operator forces them out.
  static bool CloseConnections();

  // Stop and start the node through the project's scripts; false when the script failed.
  static bool Stop();
  static bool Start();

 private:
  static bool Control(const std::string& arguments);
};

}  // namespace broker_test

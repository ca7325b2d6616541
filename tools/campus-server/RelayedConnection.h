#pragma once
// One relayed connection: whatever one side sends reaches the other, and an end of input
// on one side is passed on as a shutdown of sending, so HTTP's one-exchange connections
// close the way the client and the server close them.
#include <array>
#include <memory>

#include <boost/asio/ip/tcp.hpp>

namespace campus_server {

class RelayedConnection : public std::enable_shared_from_this<RelayedConnection> {
 public:
  RelayedConnection(boost::asio::ip::tcp::socket client, boost::asio::ip::tcp::socket server);
  // Connects to the target port on 127.0.0.1, then relays until both sides are done.
  void Start(unsigned short targetPort);

 private:
  using Buffer = std::array<char, 16384>;
  void Pump(boost::asio::ip::tcp::socket& from, boost::asio::ip::tcp::socket& to, Buffer& buffer);
  void CloseBoth();

  boost::asio::ip::tcp::socket m_client;
  boost::asio::ip::tcp::socket m_server;
  Buffer m_up{};
  Buffer m_down{};
};

}  // namespace campus_server

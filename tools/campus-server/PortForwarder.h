#pragma once
// Listens on a loopback port of the caller's choice and relays every connection, byte for
// byte in both directions, to another loopback port: the test server picks its own port,
// while the stand-alone program must listen where it is told.
#include <memory>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>

namespace campus_server {

class PortForwarder {
 public:
  // Port 0 takes any free port. Throws boost::system::system_error when the port is taken.
  PortForwarder(boost::asio::io_context& io, unsigned short listenPort, unsigned short targetPort);

  unsigned short port() const { return m_port; }

 private:
  void Accept();

  boost::asio::io_context& m_io;
  boost::asio::ip::tcp::acceptor m_acceptor;
  unsigned short m_port = 0;
  unsigned short m_target = 0;
};

}  // namespace campus_server

#include "tools/campus-server/PortForwarder.h"

#include <boost/asio/ip/address.hpp>

#include "tools/campus-server/RelayedConnection.h"

namespace campus_server {

namespace asio = boost::asio;
using asio::ip::tcp;

PortForwarder::PortForwarder(asio::io_context& io, unsigned short listenPort, unsigned short targetPort)
    : m_io(io), m_acceptor(io), m_target(targetPort) {
  const tcp::endpoint endpoint(asio::ip::make_address("127.0.0.1"), listenPort);
  m_acceptor.open(endpoint.protocol());
  m_acceptor.set_option(tcp::acceptor::reuse_address(true));
  m_acceptor.bind(endpoint);
  m_acceptor.listen();
  m_port = m_acceptor.local_endpoint().port();
  Accept();
}

void PortForwarder::Accept() {
  m_acceptor.async_accept([this](boost::system::error_code ec, tcp::socket client) {
    if (!ec) {
      std::make_shared<RelayedConnection>(std::move(client), tcp::socket(m_io))->Start(m_target);
    }
    if (ec != asio::error::operation_aborted) Accept();
  });
}

}  // namespace campus_server

#include "tools/campus-server/RelayedConnection.h"

#include <boost/asio/connect.hpp>
#include <boost/asio/ip/address.hpp>
#include <boost/asio/write.hpp>

namespace campus_server {

namespace asio = boost::asio;
using asio::ip::tcp;

RelayedConnection::RelayedConnection(tcp::socket client, tcp::socket server)
    : m_client(std::move(client)), m_server(std::move(server)) {}

void RelayedConnection::Start(unsigned short targetPort) {
  auto self = shared_from_this();
  const tcp::endpoint target(asio::ip::make_address("127.0.0.1"), targetPort);
  m_server.async_connect(target, [self](boost::system::error_code ec) {
    if (ec) {
      self->CloseBoth();
      return;
    }
    self->Pump(self->m_client, self->m_server, self->m_up);
    self->Pump(self->m_server, self->m_client, self->m_down);
  });
}

void RelayedConnection::Pump(tcp::socket& from, tcp::socket& to, Buffer& buffer) {
  auto self = shared_from_this();
  from.async_read_some(asio::buffer(buffer), [self, &from, &to, &buffer](boost::system::error_code ec,
                                                                          std::size_t size) {
    if (ec) {
      boost::system::error_code ignored;
      if (ec == asio::error::eof) {
        to.shutdown(tcp::socket::shutdown_send, ignored);
      } else {
        self->CloseBoth();
      }
      return;
    }
    asio::async_write(to, asio::buffer(buffer.data(), size), [self, &from, &to, &buffer](boost::system::error_code error,
                                                                                       std::size_t) {
      if (error) {
        self->CloseBoth();
        return;
      }
      self->Pump(from, to, buffer);
    });
  });
}

void RelayedConnection::CloseBoth() {
  boost::system::error_code ignored;
  m_client.close(ignored);
  m_server.close(ignored);
}

}  // namespace campus_server

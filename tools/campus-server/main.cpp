// campus-server [--no-broker] PORT [FIXTURE_FOLDER]
// Serves the client's outside services for a small school on 127.0.0.1:PORT (0 takes any
// free port), prints where it listens, and runs until SIGINT or SIGTERM. With --no-broker
// the address service names no message broker, so a client never reaches the one that
// listens on this host for others.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include <boost/asio/io_context.hpp>
#include <boost/asio/signal_set.hpp>

#include "tools/campus-server/CampusServer.h"

namespace {

bool ReadPort(const char* text, unsigned short& port) {
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (!*text || *end || value < 0 || value > 65535) return false;
  port = static_cast<unsigned short>(value);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  using campus_server::CampusServer;
  const bool noBroker = argc > 1 && std::string(argv[1]) == "--no-broker";
  const int first = noBroker ? 2 : 1;
  const int given = argc - first;
  unsigned short port = 0;
  if (given < 1 || given > 2 || !ReadPort(argv[first], port)) {
    std::fprintf(stderr, "usage: %s [--no-broker] PORT [FIXTURE_FOLDER]\n", argv[0]);
    return 2;
  }
  const std::string fixtures = given == 2 ? argv[first + 1] : CAMPUS_SERVER_FIXTURES;
  try {
    boost::asio::io_context io;
    CampusServer server(io, port, fixtures, noBroker ? CampusServer::Broker::None : CampusServer::Broker::Named);
    boost::asio::signal_set signals(io, SIGINT, SIGTERM);
    signals.async_wait([&io](boost::system::error_code, int) { io.stop(); });
    std::printf("campus-server listening on %s\n", server.Url().c_str());
    std::fflush(stdout);
    io.run();
    std::printf("campus-server stopped\n");
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "campus-server: %s\n", e.what());
    return 1;
  }
}

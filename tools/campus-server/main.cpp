// campus-server [--no-broker] [--school COUNTS] PORT [FIXTURE_FOLDER]
// Serves the client's outside services for a small school on 127.0.0.1:PORT (0 takes any
// free port), prints where it listens, and runs until SIGINT or SIGTERM. With --no-broker
// the address service names no message broker, so a client never reaches the one that
// listens on this host for others. With --school the patrol data are a generated school
// of the counts given, e.g. "plans=10000,records=100000" (names: plans, routes,
// checkpoints, people, readers, visits, records, log; the rest follow the plans).
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
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
  bool noBroker = false;
  std::optional<campus_server::SchoolSize> school;
  int first = 1;
  try {
    for (; first < argc; ++first) {
      const std::string option = argv[first];
      if (option == "--no-broker") {
        noBroker = true;
      } else if (option == "--school" && first + 1 < argc) {
        school = campus_server::SchoolSize::Parse(argv[++first]);
      } else {
        break;
      }
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "campus-server: %s\n", e.what());
    return 2;
  }
  const int given = argc - first;
  unsigned short port = 0;
  if (given < 1 || given > 2 || !ReadPort(argv[first], port)) {
    std::fprintf(stderr, "usage: %s [--no-broker] [--school COUNTS] PORT [FIXTURE_FOLDER]\n", argv[0]);
    return 2;
  }
  const std::string fixtures = given == 2 ? argv[first + 1] : CAMPUS_SERVER_FIXTURES;
  try {
    boost::asio::io_context io;
    CampusServer server(io, port, fixtures, noBroker ? CampusServer::Broker::None : CampusServer::Broker::Named,
                        school);
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

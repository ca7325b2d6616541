// campus-server PORT [FIXTURE_FOLDER]
// Serves the client's outside services for a small school on 127.0.0.1:PORT (0 takes any
// free port), prints where it listens, and runs until SIGINT or SIGTERM.
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
  unsigned short port = 0;
  if (argc < 2 || argc > 3 || !ReadPort(argv[1], port)) {
    std::fprintf(stderr, "usage: %s PORT [FIXTURE_FOLDER]\n", argv[0]);
    return 2;
  }
  const std::string fixtures = argc == 3 ? argv[2] : CAMPUS_SERVER_FIXTURES;
  try {
    boost::asio::io_context io;
    campus_server::CampusServer server(io, port, fixtures);
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

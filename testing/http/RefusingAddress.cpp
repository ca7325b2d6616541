#include "testing/http/RefusingAddress.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace test_support {

// A port bound but never listened on refuses every connection, and it stays bound for
// the whole run: a server another test starts meanwhile cannot be given it, as it could
// be given the port of a server that has merely stopped.
std::string RefusingBaseUrl() {
  static const int port = [] {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof(address);
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
      return 1;  // nothing listens on port 1 either
    }
    return int(ntohs(address.sin_port));
  }();
  return "http://127.0.0.1:" + std::to_string(port) + "/";
}

}  // namespace test_support

#pragma once
// The WinSock names the program uses, over the C library's sockets.
// socket(), gethostname() and inet_ntoa() of the C library work as they are.
#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/base/WinTypes.h"

typedef int SOCKET;
#define INVALID_SOCKET (-1)
#define SOCKET_ERROR (-1)

#define WSADESCRIPTION_LEN 256
#define WSASYS_STATUS_LEN 128
#define WSAEFAULT 10014
#define WSAVERNOTSUPPORTED 10092
#define WSANOTINITIALISED 10093

typedef struct WSAData {
  WORD wVersion;
  WORD wHighVersion;
  char szDescription[WSADESCRIPTION_LEN + 1];
  char szSystemStatus[WSASYS_STATUS_LEN + 1];
  unsigned short iMaxSockets;
  unsigned short iMaxUdpDg;
  char* lpVendorInfo;
} WSADATA, *LPWSADATA;

// Grants the requested version when it lies between 1.1 and 2.2, 2.2 for a
// higher request; a lower one fails with WSAVERNOTSUPPORTED. Every successful
// start needs its WSACleanup.
int WSAStartup(WORD wVersionRequested, LPWSADATA lpWSAData);
int WSACleanup();
int WSAGetLastError();
int closesocket(SOCKET s);

namespace platform {

// The dotted IPv4 addresses of a host, in the resolver's order, empty when the
// name does not resolve. This machine's own name (as gethostname gives it, or an
// empty name) gives its interface addresses without loopback, as on Windows,
// rather than what the hosts file maps the name to. Safe on any thread.
std::vector<std::string> ResolveHostIPv4(const std::string& name);

}  // namespace platform

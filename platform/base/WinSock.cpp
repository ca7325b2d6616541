#include "platform/base/WinSock.h"

#include <ifaddrs.h>
#include <net/if.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <mutex>

#include "platform/base/Error.h"

namespace {

std::mutex& StartupMutex() {
  static std::mutex* mutex = new std::mutex;  // outlives static destructors
  return *mutex;
}

int g_startups = 0;

const WORD kHighestVersion = MAKEWORD(2, 2);

// A version as a comparable number: major first.
int Rank(WORD version) { return LOBYTE(version) * 256 + HIBYTE(version); }

bool SameHostName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

bool IsOwnName(const std::string& name) {
  if (name.empty()) return true;
  char own[256] = {};
  if (gethostname(own, sizeof own - 1) != 0) return false;
  return SameHostName(name, own);
}

std::string Dotted(const in_addr& address) {
  char text[INET_ADDRSTRLEN] = {};
  inet_ntop(AF_INET, &address, text, sizeof text);
  return text;
}

void AddOnce(std::vector<std::string>* list, const std::string& address) {
  if (std::find(list->begin(), list->end(), address) == list->end()) list->push_back(address);
}

std::vector<std::string> InterfaceAddresses() {
  std::vector<std::string> addresses;
  struct ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return addresses;
  for (struct ifaddrs* it = list; it != nullptr; it = it->ifa_next) {
    if (it->ifa_addr == nullptr || it->ifa_addr->sa_family != AF_INET) continue;
    if ((it->ifa_flags & IFF_UP) == 0 || (it->ifa_flags & IFF_LOOPBACK) != 0) continue;
    AddOnce(&addresses, Dotted(reinterpret_cast<const sockaddr_in*>(it->ifa_addr)->sin_addr));
  }
  freeifaddrs(list);
  return addresses;
}

std::vector<std::string> ResolverAddresses(const std::string& name) {
  std::vector<std::string> addresses;
  struct addrinfo hints = {};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;  // one entry per address, not one per socket type
  struct addrinfo* result = nullptr;
  if (getaddrinfo(name.c_str(), nullptr, &hints, &result) != 0) return addresses;
  for (struct addrinfo* it = result; it != nullptr; it = it->ai_next) {
    AddOnce(&addresses, Dotted(reinterpret_cast<const sockaddr_in*>(it->ai_addr)->sin_addr));
  }
  freeaddrinfo(result);
  return addresses;
}

}  // namespace

int WSAStartup(WORD wVersionRequested, LPWSADATA lpWSAData) {
  if (lpWSAData == nullptr) return WSAEFAULT;
  std::memset(lpWSAData, 0, sizeof *lpWSAData);
  lpWSAData->wHighVersion = kHighestVersion;
  std::strcpy(lpWSAData->szDescription, "WinSock 2.0");
  std::strcpy(lpWSAData->szSystemStatus, "Running");
  if (Rank(wVersionRequested) < Rank(MAKEWORD(1, 1))) {
    lpWSAData->wVersion = kHighestVersion;
    return WSAVERNOTSUPPORTED;
  }
  lpWSAData->wVersion = Rank(wVersionRequested) > Rank(kHighestVersion) ? kHighestVersion : wVersionRequested;
  std::lock_guard<std::mutex> lock(StartupMutex());
  ++g_startups;
  return 0;
}

int WSACleanup() {
  std::lock_guard<std::mutex> lock(StartupMutex());
  if (g_startups == 0) {
    SetLastError(WSANOTINITIALISED);
    return SOCKET_ERROR;
  }
  --g_startups;
  return 0;
}

int WSAGetLastError() { return static_cast<int>(GetLastError()); }

int closesocket(SOCKET s) { return close(s); }

namespace platform {

std::vector<std::string> ResolveHostIPv4(const std::string& name) {
  if (IsOwnName(name)) {
    std::vector<std::string> own = InterfaceAddresses();
    if (!own.empty()) return own;
    // Only loopback is up: Windows then answers with loopback, as the resolver does.
    if (name.empty()) return {"127.0.0.1"};
  }
  return ResolverAddresses(name);
}

}  // namespace platform

#include <gtest/gtest.h>

#include <ifaddrs.h>
#include <net/if.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace {

TEST(WinSock, StartupGrantsVersionsAsWindowsDoes) {
  struct Case {
    WORD requested;
    int result;
    WORD granted;
  } cases[] = {
      {MAKEWORD(1, 1), 0, MAKEWORD(1, 1)},
      {MAKEWORD(2, 0), 0, MAKEWORD(2, 0)},
      {MAKEWORD(2, 2), 0, MAKEWORD(2, 2)},
      {MAKEWORD(3, 0), 0, MAKEWORD(2, 2)},
      {MAKEWORD(1, 0), WSAVERNOTSUPPORTED, MAKEWORD(2, 2)},
      {MAKEWORD(0, 9), WSAVERNOTSUPPORTED, MAKEWORD(2, 2)},
  };
  for (const Case& c : cases) {
    WSADATA data;
    EXPECT_EQ(WSAStartup(c.requested, &data), c.result) << std::hex << c.requested;
    EXPECT_EQ(data.wVersion, c.granted) << std::hex << c.requested;
    EXPECT_EQ(data.wHighVersion, MAKEWORD(2, 2));
    if (c.result == 0) {
      EXPECT_EQ(WSACleanup(), 0);
    }
  }
  // One cleanup too many.
  EXPECT_EQ(WSACleanup(), SOCKET_ERROR);
  EXPECT_EQ(WSAGetLastError(), WSANOTINITIALISED);
  EXPECT_EQ(WSAStartup(MAKEWORD(2, 2), nullptr), WSAEFAULT);
}

TEST(WinSock, ProbeSocketOpensAndCloses) {
  WSADATA data;
  ASSERT_EQ(WSAStartup(MAKEWORD(1, 1), &data), 0);
  SOCKET s = socket(AF_INET, SOCK_STREAM, 0);
  ASSERT_NE(s, INVALID_SOCKET);
  EXPECT_EQ(closesocket(s), 0);
  EXPECT_EQ(closesocket(s), SOCKET_ERROR);
  WSACleanup();
}

// This machine's up, non-loopback IPv4 addresses, read independently of the layer.
std::vector<std::string> OwnInterfaceAddresses() {
  std::vector<std::string> addresses;
  struct ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return addresses;
  for (struct ifaddrs* it = list; it != nullptr; it = it->ifa_next) {
    if (it->ifa_addr == nullptr || it->ifa_addr->sa_family != AF_INET) continue;
    if (!(it->ifa_flags & IFF_UP) || (it->ifa_flags & IFF_LOOPBACK)) continue;
    addresses.push_back(inet_ntoa(reinterpret_cast<sockaddr_in*>(it->ifa_addr)->sin_addr));
  }
  freeifaddrs(list);
  return addresses;
}

std::string OwnHostName() {
  char name[256] = {};
  gethostname(name, sizeof name - 1);
  return name;
}

TEST(ResolveHostIPv4, NamesAndLiterals) {
  struct Case {
    std::string name;
    std::vector<std::string> expected;
  } cases[] = {
      {"10.1.2.3", {"10.1.2.3"}},
      {"127.0.0.1", {"127.0.0.1"}},
      {"nosuchhost.invalid", {}},
      {"host name with blanks", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::ResolveHostIPv4(c.name), c.expected) << c.name;
  }
  const std::vector<std::string> local = platform::ResolveHostIPv4("localhost");
  EXPECT_NE(std::find(local.begin(), local.end(), "127.0.0.1"), local.end());
}

TEST(ResolveHostIPv4, OwnNameGivesInterfaceAddressesWithoutLoopback) {
  const std::vector<std::string> interfaces = OwnInterfaceAddresses();
  if (interfaces.empty()) GTEST_SKIP() << "this machine has only loopback";
  std::string upper = OwnHostName();
  std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
  for (const std::string& name : {OwnHostName(), upper, std::string()}) {
    std::vector<std::string> resolved = platform::ResolveHostIPv4(name);
    EXPECT_EQ(resolved, interfaces) << "'" << name << "'";
    for (const std::string& address : resolved) {
      EXPECT_NE(address.rfind("127.", 0), 0u) << address;
    }
  }
}

}  // namespace

#include <string>

#include <gtest/gtest.h>

#include "CommonTools/Network.h"

namespace {

struct AddressCase {
  const char* text;
  bool isAddress;
};

TEST(NetworkTest, Ipv4AddressMustMatchWhole) {
  const AddressCase cases[] = {
      {"255.255.255.255", true},
      {"0.0.0.0", true},
      {"192.168.1.64", true},
      {"010.0.0.1", true},  // a leading zero is accepted
      {"199.249.200.9", true},
      {"256.1.1.1", false},
      {"1.1.1.256", false},
      {"10.0.0", false},
      {"10.0.0.1.5", false},
      {" 10.0.0.1", false},
      {"10.0.0.1 ", false},
      {"10.0.0.1:80", false},
      {"0010.0.0.1", false},
      {"a.b.c.d", false},
      {"", false},
  };
  for (const AddressCase& c : cases) {
    EXPECT_EQ(CommonTools::is_ipv4_address(c.text), c.isAddress) << '"' << c.text << '"';
  }
}

struct HostCase {
  const char* host;
  const char* address;
};

// Only names this machine answers itself: no test depends on a name server.
TEST(NetworkTest, HostResolvesToItsAddressOrNothing) {
  const HostCase cases[] = {
      {"localhost", "127.0.0.1"},
      {"127.0.0.1", "127.0.0.1"},
      {"nohost.invalid", ""},
  };
  for (const HostCase& c : cases) {
    EXPECT_EQ(CommonTools::host_to_ipv4(c.host), c.address) << c.host;
  }
}

struct UrlCase {
  const char* url;
  bool resolved;
  const char* after;
};

TEST(NetworkTest, ResolveUrlHostReplacesOnlyAResolvableHttpHost) {
  const UrlCase cases[] = {
      {"http://10.1.2.3:8080/api/", true, "http://10.1.2.3:8080/api/"},
      {"http://10.1.2.3", true, "http://10.1.2.3"},
      {"http://localhost:8080/x", true, "http://127.0.0.1:8080/x"},
      {"http://localhost", true, "http://127.0.0.1"},
      // Without a port the path stays in the host text, which does not resolve.
      {"http://localhost/x", false, "http://localhost/x"},
      {"http://nohost.invalid:8080/", false, "http://nohost.invalid:8080/"},
      // Anything but "http://" is left alone rather than replaced by this PC's address.
      {"https://localhost:8080/", false, "https://localhost:8080/"},
      {"localhost:8080/x", false, "localhost:8080/x"},
      {"HTTP://localhost:80/", false, "HTTP://localhost:80/"},
      {"", false, ""},
  };
  for (const UrlCase& c : cases) {
    std::string url = c.url;
    EXPECT_EQ(CommonTools::resolve_url_host(url), c.resolved) << c.url;
    EXPECT_EQ(url, c.after);
  }
}

TEST(NetworkTest, LocalAddressIsAnInterfaceAddressOrEmpty) {
  const BSTR address = CommonTools::get_local_ipv4();
  ASSERT_NE(address, nullptr);
  std::string narrow;
  for (const OLECHAR* p = address; *p; ++p) narrow += char(*p);
  SysFreeString(address);

  if (narrow.empty()) GTEST_SKIP() << "this machine has no network interface with an IPv4 address but loopback";
  EXPECT_TRUE(CommonTools::is_ipv4_address(narrow)) << narrow;
  EXPECT_NE(narrow.compare(0, 4, "127."), 0) << "loopback is not this PC's address: " << narrow;
}

}  // namespace

#include "CommonTools/Network.h"

#include <regex>
#include <vector>

#include "CommonTools/Conversions.h"

namespace CommonTools {

namespace {

const char kHttpScheme[] = "http://";

// Starts WinSock for the lifetime of a scope; ok() tells whether the version granted
// is the one asked for.
class WinSockSession {
 public:
  WinSockSession(BYTE major, BYTE minor) {
    WSADATA data = {};
    started_ = WSAStartup(MAKEWORD(major, minor), &data) == 0;
    granted_ = started_ && LOBYTE(data.wVersion) == major && HIBYTE(data.wVersion) == minor;
  }
  ~WinSockSession() {
    if (started_) WSACleanup();
  }
  WinSockSession(const WinSockSession&) = delete;
  WinSockSession& operator=(const WinSockSession&) = delete;

  bool ok() const { return granted_; }

 private:
  bool started_ = false;
  bool granted_ = false;
};

// A TCP socket can be opened at all: the network stack is usable.
bool CanOpenSocket() {
  const SOCKET probe = socket(AF_INET, SOCK_STREAM, 0);
  if (probe == INVALID_SOCKET) return false;
  closesocket(probe);
  return true;
}

}  // namespace

bool is_ipv4_address(const std::string& text) {
  static const std::regex kAddress(
      "(25[0-5]|2[0-4]\\d|[0-1]\\d{2}|[1-9]?\\d)\\.(25[0-5]|2[0-4]\\d|[0-1]\\d{2}|[1-9]?\\d)\\."
      "(25[0-5]|2[0-4]\\d|[0-1]\\d{2}|[1-9]?\\d)\\.(25[0-5]|2[0-4]\\d|[0-1]\\d{2}|[1-9]?\\d)",
      std::regex::ECMAScript);
  return std::regex_match(text, kAddress);
}

std::string host_to_ipv4(const std::string& host) {
  WinSockSession winsock(1, 1);
  if (!winsock.ok()) return std::string();
  if (!CanOpenSocket()) return std::string();
  const std::vector<std::string> addresses = platform::ResolveHostIPv4(host);
  if (addresses.empty()) return std::string();
  return addresses.back();
}

bool resolve_url_host(std::string& url) {
  // Without the scheme the host would be empty, and an empty name resolves to this
  // PC's own address, which would replace the whole URL.
  if (url.compare(0, sizeof(kHttpScheme) - 1, kHttpScheme) != 0) return false;
  const std::string rest = url.substr(sizeof(kHttpScheme) - 1);
  const std::string::size_type colon = rest.find(':');
  const std::string host = colon == std::string::npos ? rest : rest.substr(0, colon);
  const std::string port = colon == std::string::npos ? std::string() : rest.substr(colon);

  if (is_ipv4_address(host)) return true;
  const std::string address = host_to_ipv4(host);
  if (address.empty()) return false;
  url = kHttpScheme + address + port;
  return true;
}

BSTR get_local_ipv4() {
  // Without WinSock the address is unknown; the caller logs an empty one rather than
  // the process ending under it.
  WinSockSession winsock(2, 2);
  if (!winsock.ok()) return SysAllocString(L"");

  char name[256] = {0};
  if (gethostname(name, sizeof(name)) != 0) return SysAllocString(L"");
  const std::vector<std::string> addresses = platform::ResolveHostIPv4(name);
  if (addresses.empty()) return SysAllocString(L"");
  return SysAllocString(string_to_cstring(addresses.back()).GetString());
}

}  // namespace CommonTools

#pragma once
// The JSON REST transport: one HTTP/1.1 exchange per call over a TCP connection (TLS for
// "https://", the server's certificate verified against the system's authorities and
// its host name checked, never plain text instead), synchronous for its caller. Texts are GBK inside the program and UTF-8 on the wire; a
// gzip or deflate reply is inflated. Result codes: 0 exchange completed (whatever the
// HTTP status), -1 the reply is exactly "-1", 1 the URL has neither "http://" nor
// "https://", 2 the connection failed (refused, or not made within the connect limit),
// 3 the exchange outlasted its deadline (logged here), 4 any other failure (the server
// went quiet past the read limit, the reply was larger than its cap, or the URL holds a
// line break or NUL, whatever its scheme, which sends nothing and is logged here, among
// them).
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include <boost/asio/ssl/context.hpp>
#include <boost/system/error_code.hpp>

#include "CommonTools/SessionStep.h"

namespace CommonTools {

// The code of an exchange that failed at `step` with `error`: 2 at the connect step, 3 past
// the deadline, 4 at any other. The reply becomes the failure text
// "<step>: <error's message>\n".
int classify(session_step step, const boost::system::error_code& error, std::string& reply);

// Host and port of an "http://" or "https://" URL; without a port in the host part, "80"
// for "http://" and "443" for "https://". False, with nothing set, when the URL contains
// neither scheme.
bool split_url(const std::string& url, std::string& host, std::string& port);

// True when split_url takes the URL as "https://": it is then reached over TLS only.
bool is_tls_url(const std::string& url);

class http_helper {
 public:
  static constexpr int kGet = 2;
  static constexpr int kPost = 4;
  static constexpr std::chrono::milliseconds kDefaultLimit{30000};
  // A whole exchange, however steadily the server keeps sending.
  static constexpr std::chrono::milliseconds kDefaultDeadline{60000};
  // The largest reply of a kind that has no cap of its own.
  static constexpr std::uint64_t kDefaultReplyCap = 64ull << 20;

  // The process's instance, created on first use. Deleting it is allowed at exit; a later
  // call makes a new one.
  static http_helper* instance();

  http_helper();
  ~http_helper();
  http_helper(const http_helper&) = delete;
  http_helper& operator=(const http_helper&) = delete;

  // verb: 2 GET, 4 POST; any other verb sends nothing and gives 0 with an empty reply.
  // Whenever the URL passed the scheme test, it holds its UTF-8 form afterwards.
  // A reply larger than `replyCap` bytes, before or after inflating, fails with code 4 and
  // a reply that says so; it is refused as soon as its size shows.
  int request(std::string& url, std::string& body, int verb, std::string& reply,
              std::uint64_t replyCap = kDefaultReplyCap);
  int get(std::string& url, std::string& reply);

  void set_connect_limit(std::chrono::milliseconds limit) { m_connectLimitMs = limit.count(); }
  void set_read_limit(std::chrono::milliseconds limit) { m_readLimitMs = limit.count(); }
  void set_deadline(std::chrono::milliseconds limit) { m_deadlineMs = limit.count(); }
  // Trust the authorities of this PEM file instead of the system's, for exchanges that
  // start from now on; an empty path goes back to the system's. False when the file
  // cannot be read (the trust is then unchanged).
  bool set_trusted_authorities(const std::string& pemFile);

 private:
  int m_version = 11;
  std::atomic<long long> m_connectLimitMs{kDefaultLimit.count()};
  std::atomic<long long> m_readLimitMs{kDefaultLimit.count()};
  std::atomic<long long> m_deadlineMs{kDefaultDeadline.count()};
  // Made on the first "https://" exchange; shared by every exchange after it.
  std::mutex m_tlsMutex;
  std::shared_ptr<boost::asio::ssl::context> m_tls;
  std::shared_ptr<boost::asio::ssl::context> tls_context();
};

}  // namespace CommonTools

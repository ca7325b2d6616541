#pragma once
// The test server's routes: an exact method and path, or a method and a path prefix, each
// with a handler that makes the reply. Safe to change while the server runs.
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "testing/http/HttpReply.h"
#include "testing/http/RecordedRequest.h"

namespace test_support {

using HttpHandler = std::function<HttpReply(const RecordedRequest&)>;

class RouteTable {
 public:
  RouteTable();

  // A later route for the same method and path replaces the earlier one.
  void add_exact(const std::string& method, const std::string& path, HttpHandler handler);
  // Among the prefixes that match, the longest wins; exact routes win over prefixes.
  void add_prefix(const std::string& method, const std::string& prefix, HttpHandler handler);
  // What requests that match no route get; a 404 at first.
  void set_fallback(HttpHandler handler);

  // The handler is called outside the table's lock, so it may change the routes.
  HttpReply answer(const RecordedRequest& request) const;

 private:
  HttpHandler find(const std::string& method, const std::string& path) const;

  mutable std::mutex mutex_;
  std::map<std::pair<std::string, std::string>, HttpHandler> exact_;
  std::vector<std::pair<std::pair<std::string, std::string>, HttpHandler>> prefixes_;
  HttpHandler fallback_;
};

}  // namespace test_support

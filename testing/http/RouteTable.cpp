#include "testing/http/RouteTable.h"

namespace test_support {

RouteTable::RouteTable()
    : fallback_([](const RecordedRequest&) { return HttpReply(404, "not found"); }) {}

void RouteTable::add_exact(const std::string& method, const std::string& path,
                           HttpHandler handler) {
  std::lock_guard<std::mutex> lock(mutex_);
  exact_[{method, path}] = std::move(handler);
}

void RouteTable::add_prefix(const std::string& method, const std::string& prefix,
                            HttpHandler handler) {
  std::lock_guard<std::mutex> lock(mutex_);
  for (auto& route : prefixes_) {
    if (route.first == std::make_pair(method, prefix)) {
      route.second = std::move(handler);
      return;
    }
  }
  prefixes_.emplace_back(std::make_pair(method, prefix), std::move(handler));
}

void RouteTable::set_fallback(HttpHandler handler) {
  std::lock_guard<std::mutex> lock(mutex_);
  fallback_ = std::move(handler);
}

HttpHandler RouteTable::find(const std::string& method, const std::string& path) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto exact = exact_.find({method, path});
  if (exact != exact_.end()) return exact->second;
  const HttpHandler* best = nullptr;
  std::size_t best_length = 0;
  for (const auto& route : prefixes_) {
    const auto& prefix = route.first.second;
    if (route.first.first != method || path.compare(0, prefix.size(), prefix) != 0) continue;
    if (best && prefix.size() <= best_length) continue;
    best = &route.second;
    best_length = prefix.size();
  }
  return best ? *best : fallback_;
}

HttpReply RouteTable::answer(const RecordedRequest& request) const {
  const HttpHandler handler = find(request.method, request.path());
  return handler(request);
}

}  // namespace test_support

#include "testing/http/RecordedRequest.h"

#include <boost/algorithm/string/predicate.hpp>

namespace test_support {

namespace {

const std::pair<std::string, std::string>* find_header(
    const std::vector<std::pair<std::string, std::string>>& headers, const std::string& name) {
  for (const auto& field : headers) {
    if (boost::algorithm::iequals(field.first, name)) return &field;
  }
  return nullptr;
}

}  // namespace

std::string RecordedRequest::header(const std::string& name) const {
  const auto* field = find_header(headers, name);
  return field ? field->second : std::string();
}

bool RecordedRequest::has_header(const std::string& name) const {
  return find_header(headers, name) != nullptr;
}

std::string RecordedRequest::path() const {
  std::string rest = target;
  const auto scheme = rest.find("://");
  if (scheme != std::string::npos && rest.compare(0, 1, "/") != 0) {
    const auto slash = rest.find('/', scheme + 3);
    rest = slash == std::string::npos ? std::string("/") : rest.substr(slash);
  }
  const auto query = rest.find('?');
  return query == std::string::npos ? rest : rest.substr(0, query);
}

}  // namespace test_support

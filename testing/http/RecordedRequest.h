#pragma once
// A request as the test server received it.
#include <string>
#include <utility>
#include <vector>

#include "testing/http/MultipartPart.h"

namespace test_support {

struct RecordedRequest {
  std::string raw_head;      // every byte up to and including the blank line
  std::string request_line;  // the first line of raw_head, without its CRLF
  std::string method;
  std::string target;        // raw bytes, as sent (absolute form included)
  std::string version;       // "HTTP/1.1"
  std::vector<std::pair<std::string, std::string>> headers;  // in order, names as sent
  std::string body;          // decoded from chunked transfer encoding when the client used it
  std::vector<MultipartPart> parts;  // filled for multipart/form-data bodies

  // The first value of a header, names compared without case; "" when absent.
  std::string header(const std::string& name) const;
  bool has_header(const std::string& name) const;
  // The path of the target without query, also for an absolute-form target
  // ("http://host:port/api/x?y" gives "/api/x").
  std::string path() const;
};

}  // namespace test_support

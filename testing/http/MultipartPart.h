#pragma once
// One part of a multipart/form-data body as it arrived.
#include <string>
#include <utility>
#include <vector>

namespace test_support {

struct MultipartPart {
  std::vector<std::pair<std::string, std::string>> headers;  // in order, as sent
  std::string name;          // from Content-Disposition
  std::string filename;      // from Content-Disposition, raw bytes; empty for a plain field
  bool has_filename = false;
  std::string content_type;  // empty when the part has none
  std::string body;
};

}  // namespace test_support

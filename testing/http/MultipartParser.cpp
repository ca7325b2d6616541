#include "testing/http/MultipartParser.h"

#include <boost/algorithm/string/predicate.hpp>
#include <boost/algorithm/string/trim.hpp>

namespace test_support {

namespace {

// The value of one parameter (name="...", name=...) inside a header value.
bool header_parameter(const std::string& value, const std::string& name, std::string& out) {
  std::string::size_type pos = 0;
  while (pos < value.size()) {
    auto semicolon = value.find(';', pos);
    if (semicolon == std::string::npos) return false;
    pos = semicolon + 1;
    while (pos < value.size() && value[pos] == ' ') ++pos;
    if (!boost::algorithm::istarts_with(value.substr(pos), name + "=")) continue;
    pos += name.size() + 1;
    if (pos < value.size() && value[pos] == '"') {
      const auto close = value.find('"', pos + 1);
      if (close == std::string::npos) return false;
      out = value.substr(pos + 1, close - pos - 1);
      return true;
    }
    const auto end = value.find(';', pos);
    out = boost::algorithm::trim_copy(value.substr(pos, end == std::string::npos ? end : end - pos));
    return true;
  }
  return false;
}

MultipartPart parse_part(const std::string& raw) {
  MultipartPart part;
  const auto head_end = raw.find("\r\n\r\n");
  const std::string head = head_end == std::string::npos ? raw : raw.substr(0, head_end);
  part.body = head_end == std::string::npos ? std::string() : raw.substr(head_end + 4);
  std::string::size_type pos = 0;
  while (pos < head.size()) {
    auto eol = head.find("\r\n", pos);
    if (eol == std::string::npos) eol = head.size();
    const std::string line = head.substr(pos, eol - pos);
    pos = eol + 2;
    const auto colon = line.find(':');
    if (colon == std::string::npos) continue;
    std::string name = line.substr(0, colon);
    std::string value = boost::algorithm::trim_copy(line.substr(colon + 1));
    if (boost::algorithm::iequals(name, "Content-Disposition")) {
      header_parameter(value, "name", part.name);
      part.has_filename = header_parameter(value, "filename", part.filename);
    } else if (boost::algorithm::iequals(name, "Content-Type")) {
      part.content_type = value;
    }
    part.headers.emplace_back(std::move(name), std::move(value));
  }
  return part;
}

}  // namespace

std::string multipart_boundary(const std::string& content_type) {
  std::string boundary;
  header_parameter(content_type, "boundary", boundary);
  return boundary;
}

std::vector<MultipartPart> parse_multipart(const std::string& boundary, const std::string& body) {
  std::vector<MultipartPart> parts;
  if (boundary.empty()) return parts;
  const std::string delimiter = "--" + boundary;
  auto pos = body.find(delimiter);
  while (pos != std::string::npos) {
    pos += delimiter.size();
    if (body.compare(pos, 2, "--") == 0) break;  // closing delimiter
    if (body.compare(pos, 2, "\r\n") != 0) break;
    pos += 2;
    const auto next = body.find("\r\n" + delimiter, pos);
    if (next == std::string::npos) break;
    parts.push_back(parse_part(body.substr(pos, next - pos)));
    pos = next + 2;
  }
  return parts;
}

}  // namespace test_support

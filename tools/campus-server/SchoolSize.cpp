#include "tools/campus-server/SchoolSize.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <stdexcept>

namespace campus_server {

namespace {

const long kLargest = 10000000;

int* Field(SchoolSize& size, const std::string& name) {
  if (name == "plans") return &size.plans;
  if (name == "routes") return &size.routes;
  if (name == "checkpoints") return &size.checkpoints;
  if (name == "people") return &size.people;
  if (name == "readers") return &size.readers;
  if (name == "visits") return &size.visits;
  if (name == "records") return &size.records;
  if (name == "log") return &size.log;
  return nullptr;
}

int Count(const std::string& piece, const std::string& text) {
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || errno != 0 || value < 1 || value > kLargest) {
    throw std::invalid_argument("not a count from 1 to 10000000: " + piece);
  }
  return static_cast<int>(value);
}

void FillFromPlans(SchoolSize& size) {
  const auto orPlans = [&size](int& count, int per) {
    if (count == 0) count = std::max(1, size.plans / per);
  };
  orPlans(size.routes, 10);
  orPlans(size.checkpoints, 1);
  orPlans(size.people, 1);
  orPlans(size.readers, 100);
  if (size.visits == 0) size.visits = size.plans * 10;
  if (size.records == 0) size.records = size.plans * 10;
  if (size.log == 0) size.log = size.plans * 10;
}

}  // namespace

SchoolSize SchoolSize::Parse(const std::string& option) {
  SchoolSize size;
  std::size_t at = 0;
  while (at <= option.size()) {
    std::size_t comma = option.find(',', at);
    if (comma == std::string::npos) comma = option.size();
    const std::string piece = option.substr(at, comma - at);
    const std::size_t equals = piece.find('=');
    int* field = equals == std::string::npos ? nullptr : Field(size, piece.substr(0, equals));
    if (field == nullptr) throw std::invalid_argument("not a count of the school: " + piece);
    *field = Count(piece, piece.substr(equals + 1));
    at = comma + 1;
  }
  FillFromPlans(size);
  return size;
}

}  // namespace campus_server

#include <string>

#include "data/DalLog.h"
#include "data/PeopleParser.h"
#include "tests/fuzz/FuzzTargets.h"

namespace fuzz {

int FuzzReplyRecord(const uint8_t* data, size_t size) {
  static const bool quiet = [] {
    DalLog::SetObserver([](DalLog::Sink, int, const std::string&) {});
    return true;
  }();
  (void)quiet;
  const std::string reply(reinterpret_cast<const char*>(data), size);
  PeopleInfo person;
  ParsePeopleGetByIDJsonData(reply.c_str(), person);
  return 0;
}

}  // namespace fuzz

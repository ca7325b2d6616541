#include <list>
#include <string>

#include "data/DalLog.h"
#include "data/InspectRecordParser.h"
#include "tests/fuzz/FuzzTargets.h"

namespace fuzz {

int FuzzReplyList(const uint8_t* data, size_t size) {
  static const bool quiet = [] {
    DalLog::SetObserver([](DalLog::Sink, int, const std::string&) {});
    return true;
  }();
  (void)quiet;
  const std::string reply(reinterpret_cast<const char*>(data), size);
  std::list<InspectRecordInfo> records;
  ParseInspectRecordJsonData(reply.c_str(), records);
  return 0;
}

}  // namespace fuzz

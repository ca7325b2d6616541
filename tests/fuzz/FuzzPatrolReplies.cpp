// The patrol server's list and record replies, each through the parser its read uses.
// Parsers that ask the server for related records find no server address and go on.
#include <list>
#include <map>
#include <string>

#include "data/AuthorityParser.h"
#include "data/DAL_PatrolServer.h"
#include "data/DeviceRecordParser.h"
#include "data/ExceptionRecordParser.h"
#include "data/FingerprintParser.h"
#include "data/InspectPlanParser.h"
#include "data/InspectPosDeviceParser.h"
#include "data/InspectRouteDeviceParser.h"
#include "data/InspectRouteParser.h"
#include "data/SystemLogParser.h"
#include "tests/fuzz/FuzzQuiet.h"
#include "tests/fuzz/FuzzTargets.h"

namespace fuzz {

namespace {

// The reply as the transport hands it on: a NUL-terminated text.
template <class Result>
int ParseInto(const uint8_t* data, size_t size, void (*parse)(const char*, Result&)) {
  QuietDataLog();
  const std::string reply(reinterpret_cast<const char*>(data), size);
  Result result;
  parse(reply.c_str(), result);
  return 0;
}

}  // namespace

int FuzzPlans(const uint8_t* data, size_t size) { return ParseInto(data, size, ParseInspectPlanJsonData); }

int FuzzRoutes(const uint8_t* data, size_t size) { return ParseInto(data, size, ParseInspectRouteJsonData); }

int FuzzRouteCheckpoints(const uint8_t* data, size_t size) {
  return ParseInto(data, size, ParseInspectRouteDeviceJsonData);
}

int FuzzCheckpoints(const uint8_t* data, size_t size) {
  return ParseInto(data, size, ParseInspectPosDeviceJsonData);
}

int FuzzReaders(const uint8_t* data, size_t size) {
  QuietDataLog();
  const std::string reply(reinterpret_cast<const char*>(data), size);
  std::list<InspectDeviceInfo> readers;
  DAL_PatrolServer().ParseInspectDeviceJsonData(reply.c_str(), readers);
  return 0;
}

int FuzzFingerprints(const uint8_t* data, size_t size) { return ParseInto(data, size, ParseFingerprintJsonData); }

int FuzzRights(const uint8_t* data, size_t size) {
  ParseInto(data, size, ParseAuthority);
  ParseInto(data, size, ParseAuthoritybyID);
  const std::string reply(reinterpret_cast<const char*>(data), size);
  AuthorityInfo info;
  ReadAuthorityReply(reply.c_str(), info);
  return 0;
}

int FuzzAuditLog(const uint8_t* data, size_t size) { return ParseInto(data, size, ParseSystemLogJsonData); }

int FuzzDeviceRecords(const uint8_t* data, size_t size) { return ParseInto(data, size, ParseDeviceRecordJsonData); }

int FuzzExceptionRecord(const uint8_t* data, size_t size) {
  return ParseInto(data, size, ParseExceptionRecordJsonData);
}

}  // namespace fuzz

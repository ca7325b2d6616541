#pragma once
// The parser frame of the route, route-checkpoint and plan families: a reply that is not
// JSON goes to the text log, while the JSON library's errors during the reading go to the
// asynchronous logger. Otherwise as dal::RunParser: the caller's container is untouched
// by a refused reply and keeps what was read before an error.
#include <string>

#include <json/json.h>

#include "data/DalLog.h"
#include "data/JsonFields.h"

namespace dal {

template <class ReadRecords>
void RunParserWithAsyncExceptions(const char* name, const char* pData, ReadRecords&& readRecords) {
  if (!pData) pData = "";
  Json::Value root;
  std::string errors;
  if (!ParseReply(pData, root, errors)) {
    DalLog::ParseFailed(DalLogStyle::Text, name, errors);
    return;
  }
  try {
    const Json::Value& constRoot = root;
    readRecords(constRoot);
  } catch (const Json::Exception& e) {
    DalLog::ParseException(DalLogStyle::AsyncRead, name, e.what(), pData);
  }
}

}  // namespace dal

#pragma once
// The frame every reply parser shares: read the reply, log a reply that is not JSON and
// leave the caller's container alone, else let the parser's body read records, and log
// and stop at the JSON library's first error, keeping what was read before it. A body
// that takes the root as a non-const reference may consume it.
#include <string>
#include <utility>

#include <json/json.h>

#include "data/DalLog.h"
#include "data/JsonFields.h"

namespace dal {

// The refused reply and the library's error may go to different loggers: the route,
// route-checkpoint and plan families write the first to the text log and the second to
// the asynchronous logger.
template <class ReadRecords>
void RunParser(DalLogStyle refusedStyle, DalLogStyle exceptionStyle, const char* name, const char* pData,
               ReadRecords&& readRecords) {
  if (!pData) pData = "";
  Json::Value root;
  std::string errors;
  if (!ParseReply(pData, root, errors)) {
    DalLog::ParseFailed(refusedStyle, name, errors);
    return;
  }
  try {
    readRecords(root);
  } catch (const Json::Exception& e) {
    DalLog::ParseException(exceptionStyle, name, e.what(), pData);
  }
}

template <class ReadRecords>
void RunParser(DalLogStyle style, const char* name, const char* pData, ReadRecords&& readRecords) {
  RunParser(style, style, name, pData, std::forward<ReadRecords>(readRecords));
}

// A list reply: the root's elements in order (an object's member count, 0 for a plain
// value), each read into a fresh record by readOne and handed to keep.
template <class Record, class ReadOne, class Keep>
void ParseEachElement(const Json::Value& root, ReadOne&& readOne, Keep&& keep) {
  auto readAndKeep = [&](const Json::Value& element) {
    Record record;
    readOne(element, record);
    keep(std::move(record));
  };
  // An array is walked: indexing it searches the library's tree of elements every time.
  if (root.isArray()) {
    for (const Json::Value& element : root) readAndKeep(element);
    return;
  }
  const Json::ArrayIndex count = root.size();
  for (Json::ArrayIndex i = 0; i < count; ++i) readAndKeep(root[i]);
}

// The same for a root the parser may consume: each array element is released as soon as
// it is read, while it is still in the cache, instead of in a second walk over the
// whole tree when the root goes away.
template <class Record, class ReadOne, class Keep>
void ParseEachElement(Json::Value& root, ReadOne&& readOne, Keep&& keep) {
  if (!root.isArray()) {
    ParseEachElement<Record>(static_cast<const Json::Value&>(root), readOne, keep);
    return;
  }
  for (Json::Value& element : root) {
    Record record;
    readOne(static_cast<const Json::Value&>(element), record);
    keep(std::move(record));
    element = Json::Value();
  }
}

}  // namespace dal

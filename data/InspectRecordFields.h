#pragma once
// The fields of one patrol record as every form of the record parser reads them.
#include <json/json.h>

#include "data/InspectRecordInfo.h"

namespace dal {

// Field by field into the record, so that a failure keeps what was read before it. The
// single-record form reads "strTime" before "strDate".
void ReadInspectRecord(const Json::Value& element, InspectRecordInfo& record, bool timeBeforeDate = false);

}  // namespace dal

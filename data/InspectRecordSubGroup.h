#pragma once
// One time window of a plan run and the visits that fall into it.
#include <list>
#include <string>

#include "data/InspectRecordInfo.h"

struct InspectRecordSubGroup {
  std::string strDate;   // YYYY-MM-DD
  std::string strStart;  // HH:MM
  std::list<InspectRecordInfo> listRecord;  // reply order
};

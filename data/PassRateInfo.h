#pragma once
// One bucket of a pass-rate query: the visits due in it and the records that passed.
#include <list>

#include "data/InspectRecordInfo.h"

struct PassRateInfo {
  int dateflag = 0;
  int iTodalNum = 0;
  std::list<InspectRecordInfo> listRecord;
};

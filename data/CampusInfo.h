#pragma once
// One campus of the school and the buildings on it.
#include <list>
#include <string>

#include "data/DigiAreaInfo.h"

struct CampusInfo {
  int campusId = 0;
  std::string campusName;
  std::string schoolId;
  std::list<DigiAreaInfo> listArea;  // filled by the start-up load, not by a reply
};

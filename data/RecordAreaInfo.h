#pragma once
// One area of a plan run with its checkpoints and their visits.
#include <list>
#include <string>

#include "data/RecordPositionInfo.h"

struct RecordAreaInfo {
  int AreaID = 0;
  int planID = 0;
  std::string AreaName;
  int iAreaType = 0;
  std::string strBuildingType;
  int iCoordinate_x = 0;
  int iCoordinate_y = 0;
  int leftFocus = 0;
  int topFocus = 0;
  int iTrajectoryNum = 0;
  std::list<RecordPositionInfo> listPosition;
};

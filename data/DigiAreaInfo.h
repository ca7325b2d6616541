#pragma once
// One building of the campus map, with its cameras.
#include <list>
#include <string>

#include "data/DigiCameraInfo.h"

struct DigiAreaInfo {
  int campusId = 0;
  int buildingId = 0;
  std::string buildingName;
  std::string schoolId;
  int flag = 0;
  std::string buildingType;
  int floorNumber = 0;
  // No reply fills these two; they travel with the building into a route's areas.
  int iReserve1 = 0;
  int iReserve2 = 0;
  int sizeX = 0;
  int sizeY = 0;
  std::string rPerson;
  std::string rPersonNumber;
  std::list<DigiCameraInfo> listCamera;
};

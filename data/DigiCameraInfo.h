#pragma once
// One camera of a building of the campus map.
#include <string>

struct DigiCameraInfo {
  int cameraPort = 0;
  int cameraBrandId = 0;
  int buildingFloor = 0;
  std::string equipmentId;
  std::string cameraName;
  std::string cameraIp;
  std::string account;
  std::string password;
};

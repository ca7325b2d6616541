#pragma once
// The digital-campus service (sub-system "E01"): the school's campuses and buildings with
// their cameras. Read once by the start-up load, and by the route parser for its own
// grouping; nothing here edits the campus map.
#include <map>
#include <string>

#include "data/CampusInfo.h"
#include "data/DigiAreaInfo.h"

class DAL_Digital_Lessmark {
 public:
  // Keyed by building id; empty after any failure.
  std::map<int, DigiAreaInfo> GetAllBuilding();
  // Keyed by campus id, building lists empty; empty after any failure.
  std::map<int, CampusInfo> GetCampusInfo();

  // A reply that is not JSON writes one line; an "error" other than 0 leaves the map
  // empty without one. Of two entries with the same id the first stays.
  static void ParseDigiAreaInfoByFlag(const char* pData, std::map<int, DigiAreaInfo>& mapArea);
  static void ParseCampuInfo(const char* pData, std::map<int, CampusInfo>& mapCampus);

  // Appends a copy of each building to its campus, in ascending building id; a building
  // whose campus is not in the map joins none.
  static void AttachBuildings(const std::map<int, DigiAreaInfo>& mapArea,
                              std::map<int, CampusInfo>& mapCampus);

 private:
  // The reply of one service path, or false when the service could not be asked.
  static bool Ask(const std::string& path, std::string& reply);
};

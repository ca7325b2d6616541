#include "data/InspectRecordParser.h"
#include "data/ParserRun.h"

namespace {

void ReadPosition(const Json::Value& element, RecordPositionInfo& position) {
  position.ID = dal::ReadInt(element, "ID");
  position.PositionDeviceID = dal::ReadInt(element, "PositionDeviceID");
  position.Name = dal::ReadText(element, "Name");
  position.strCode = dal::ReadText(element, "strCode");
  position.iAbnormal = dal::ReadInt(element, "iAbnormal");
  position.iState = dal::ReadInt(element, "iState");
  position.iType = dal::ReadInt(element, "iType");
  position.strTime = dal::ReadText(element, "strTime");
  position.strReserve = dal::ReadText(element, "strReserve");
  position.iPlanID = dal::ReadInt(element, "iPlanID");
  position.strInspectPeopleID = dal::ReadText(element, "strInspectPeopleID");
  position.strDate = dal::ReadText(element, "strDate");
  position.iResult = dal::ReadInt(element, "iResult");
  position.strPhoto = dal::ReadText(element, "strPhoto");
  position.strSound = dal::ReadText(element, "strSound");
}

void ReadArea(const Json::Value& element, RecordAreaInfo& area) {
  area.AreaID = dal::ReadInt(element, "AreaID");
  area.planID = dal::ReadInt(element, "planID");
  area.AreaName = dal::ReadText(element, "AreaName");
  area.iAreaType = dal::ReadInt(element, "iAreaType");
  area.strBuildingType = dal::ReadText(element, "strBuildingType");
  area.iCoordinate_x = dal::ReadInt(element, "iCoordinate_x");
  area.iCoordinate_y = dal::ReadInt(element, "iCoordinate_y");
  area.leftFocus = dal::ReadInt(element, "leftFocus");
  area.topFocus = dal::ReadInt(element, "topFocus");
  area.iTrajectoryNum = dal::ReadInt(element, "iTrajectoryNum");
  dal::ParseEachElement<RecordPositionInfo>(
      element["PositionDevicelist"], ReadPosition,
      [&](RecordPositionInfo&& position) { area.listPosition.push_back(std::move(position)); });
}

}  // namespace

void ParseInspectRecordJsonData(const char* pData, std::list<RecordAreaInfo>& listArea) {
  dal::RunParser(DalLogStyle::Text, "ParseInspectRecordJsonData", pData, [&](const Json::Value& root) {
    dal::ParseEachElement<RecordAreaInfo>(root, ReadArea,
                                          [&](RecordAreaInfo&& area) { listArea.push_back(std::move(area)); });
  });
}

#include "data/InspectRecordFields.h"

#include "data/JsonFields.h"

namespace dal {

void ReadInspectRecord(const Json::Value& element, InspectRecordInfo& record, bool timeBeforeDate) {
  record.iID = ReadInt(element, "iID");
  record.iType = ReadInt(element, "iType");
  record.iPlanID = ReadInt(element, "iPlanID");
  record.iPositionID = ReadInt(element, "iPositionID");
  record.iState = ReadInt(element, "iState");
  record.iResult = ReadInt(element, "iResult");
  record.iAbnormal = ReadInt(element, "iAbnormal");
  record.strInspectPeopleID = ReadText(element, "strInspectPeopleID");
  if (timeBeforeDate) {
    record.strTime = ReadText(element, "strTime");
    record.strDate = ReadText(element, "strDate");
  } else {
    record.strDate = ReadText(element, "strDate");
    record.strTime = ReadText(element, "strTime");
  }
  record.strPhoto = ReadText(element, "strPhoto");
  record.strSound = ReadText(element, "strSound");
  record.strReserve = ReadText(element, "strReserve");
}

}  // namespace dal

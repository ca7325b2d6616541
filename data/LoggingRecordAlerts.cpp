#include "data/LoggingRecordAlerts.h"

#include "CommonTools/Conversions.h"
#include "data/DalLog.h"
#include "data/InspectRecordInfo.h"

void LoggingRecordAlerts::ShowToast(const std::wstring& text, int seconds) {
  DalLog::InfoLine("[LoggingRecordAlerts::ShowToast] " + std::to_string(seconds) + " s: " +
                   CommonTools::wstring_to_string(text) + "\n");
}

// No window, so nothing for `opened` to register: the alarm is over as soon as it is told.
void LoggingRecordAlerts::ShowAlarm(const InspectRecordInfo& record, const AlarmOpened&) {
  DalLog::InfoLine("[LoggingRecordAlerts::ShowAlarm] record " + std::to_string(record.iID) +
                   ", plan " + record.strPlanName + ", " + record.strDate + " " + record.strTime +
                   "\n");
}

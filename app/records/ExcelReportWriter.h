#pragma once
// Turns one list of rows a window holds into one spreadsheet file in a folder the user
// chose, through the spreadsheet application. Created and used on the export's worker
// thread; one writer serves one report.
//
// Each Write operation returns the path of the saved file, or an empty path when no
// file was written: the application could not be started (its message box has been
// shown), or it rejected or failed a call (logged at level 3; the application is closed
// and the process goes on).
#include <list>
#include <map>
#include <string>

#include "app/records/ExcelReport.h"
#include "app/records/InspectResultRow.h"
#include "app/records/PlanDayTally.h"
#include "app/records/PlanRunRow.h"
#include "data/DeviceRecordInfo.h"
#include "data/InspectPlanInfo.h"
#include "platform/win32.h"

class ExcelApp;

class ExcelReportWriter {
 public:
  // The folder as the folder chooser gave it (GBK); the local time now names the files.
  explicit ExcelReportWriter(const std::string& folder);

  std::string WriteDeviceRecords(const std::list<DeviceRecordInfo>& records);
  std::string WriteInspectResults(std::list<InspectResultRow> rows);
  // One map per plan, from the date text to that day's tally.
  std::string WriteInspectRecords(std::list<std::map<std::string, PlanDayTally>> plans);
  // The file is named after the first title up to its first "_".
  std::string WritePlanRunRecords(std::string title1, std::list<PlanRunRow> rows, std::string title2);
  std::string WritePlanList(std::list<InspectPlanInfo> plans);

 private:
  std::string Write(const ExcelReport& report);
  CStringW Build(ExcelApp& app, const ExcelReport& report);

  std::string m_folder;
  CStringW m_timestamp;
};

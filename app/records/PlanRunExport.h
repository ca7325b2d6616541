#pragma once
// The export of one plan run into a folder the user chose: a folder named after the
// plan, holding the run's checkpoint list as a workbook (with the run's exception remark
// under the title) and, in "ExceptionPicture", the run's pictures as the server has them
// now. Runs on the export's worker thread; touches no control.
#include <list>
#include <string>

#include "app/records/PlanRunRow.h"

class PlanRunExport {
 public:
  PlanRunExport(int planId, std::string planName, std::string runKey, std::list<PlanRunRow> rows);

  // The folder the export writes into (GBK): the plan's name as a file name inside the
  // chosen one.
  std::string PlanFolder(const std::string& folder) const;
  // True when the workbook was written. Pictures that cannot be fetched are skipped.
  bool Run(const std::string& folder) const;

 private:
  void FetchPictures(const std::string& planFolder, const std::string& timeKey) const;

  int m_nPlanId;
  std::string m_strPlanName;
  std::string m_strRunKey;
  std::list<PlanRunRow> m_rows;
};

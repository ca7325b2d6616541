#pragma once
// The remark a user attaches to one run of a plan.
#include <string>

struct ExceptionRecordInfo {
  int iID = 0;  // 0 while the run has no remark stored
  int iPlanID = 0;
  std::string strTime;
  std::string strRemark;
};

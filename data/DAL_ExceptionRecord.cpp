#include "CommonTools/QueryValue.h"
#include "data/DAL_PatrolServer.h"
#include "data/ExceptionRecordParser.h"
#include "data/JsonBody.h"

// Requests name the ids "ID" and "PlanID"; replies call them "iID" and "iPlanID".

ExceptionRecordInfo DAL_PatrolServer::DAL_ExceptionRecord_Get(int iPlanID, std::string strTime) {
  return Fetch("api/ExceptionRecord/Get?PlanID=" + std::to_string(iPlanID) + "&Time=" + CommonTools::query_value(strTime),
               DalLogStyle::Text, "DAL_ExceptionRecord_Get", ParseExceptionRecordJsonData);
}

int DAL_PatrolServer::DAL_ExceptionRecord_Add(int iPlanID, std::string strTime, std::string strRemark) {
  JsonBody body;
  body.Number("PlanID", iPlanID).Text("strTime", strTime).Text("strRemark", strRemark);
  return Write("api/ExceptionRecord/Add", body, DalLogStyle::Text, "DAL_ExceptionRecord_Add", std::string());
}

int DAL_PatrolServer::DAL_ExceptionRecord_Update(int iID, int iPlanID, std::string strTime,
                                                 std::string strRemark) {
  JsonBody body;
  body.Number("ID", iID).Number("PlanID", iPlanID).Text("strTime", strTime).Text("strRemark", strRemark);
  return Write("api/ExceptionRecord/Update", body, DalLogStyle::Text, "DAL_ExceptionRecord_Update",
               std::string());
}

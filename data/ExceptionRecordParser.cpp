#include "data/ExceptionRecordParser.h"

#include "data/ParserRun.h"

void ParseExceptionRecordJsonData(const char* pData, ExceptionRecordInfo& record) {
  dal::RunParser(DalLogStyle::Text, "ParseExceptionRecordJsonData", pData, [&](const Json::Value& root) {
    record.iID = dal::ReadInt(root, "iID");
    record.iPlanID = dal::ReadInt(root, "iPlanID");
    record.strRemark = dal::ReadText(root, "strRemark");
    record.strTime = dal::ReadText(root, "strTime");
  });
}

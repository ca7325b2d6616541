#include "data/SystemLogParser.h"

#include "data/ParserRun.h"

void ParseSystemLogJsonData(const char* pData, std::list<SystemLogInfo>& listLog) {
  dal::RunParser(DalLogStyle::AsyncRead, "ParseSystemLogJsonData", pData, [&](const Json::Value& root) {
    dal::ParseEachElement<SystemLogInfo>(
        root,
        [](const Json::Value& element, SystemLogInfo& entry) {
          entry.iID = dal::ReadInt(element, "iID");
          entry.strUserID = dal::ReadText(element, "strUserID");
          entry.strUser = dal::ReadText(element, "strUser");
          entry.strUserIP = dal::ReadText(element, "strUserIP");
          entry.strTime = dal::ReadText(element, "strTime");
          entry.strEvent = dal::ReadText(element, "strEvent");
        },
        [&](SystemLogInfo&& entry) { listLog.push_back(std::move(entry)); });
  });
}

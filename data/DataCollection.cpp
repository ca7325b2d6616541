#include "data/DataCollection.h"

#include "CommonTools/Log.h"
#include "CommonTools/TextTime.h"
#include "data/DalExchange.h"
#include "data/DalLog.h"
#include "data/JsonBody.h"
#include "data/SubSystemInfo.h"

namespace {

constexpr int kInfoLevel = 6;
const char kSysID[] = "E61";
const char kEventFlag[] = "M37_V01";

// The compact text without the line feed that ends it, for nesting in another value.
std::string WithoutLineFeed(std::string text) {
  if (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

}  // namespace

std::string BuildVisitReport(const std::string& userID, const std::string& moduleID,
                             const std::string& visitTime, const std::string& visitEndTime,
                             const std::string& eventDigits) {
  const std::string item = WithoutLineFeed(JsonBody()
                                               .Text("EventID", std::string(kEventFlag) + "_" + eventDigits)
                                               .Text("UserID", userID)
                                               .Text("VisitModule", moduleID)
                                               .Text("VisitTime", visitTime)
                                               .Text("VisitEndTime", visitEndTime)
                                               .Text("SysID", kSysID)
                                               .Write());
  const std::string eventData = "{\"DataList\":[" + item + "]}\n";
  return JsonBody()
      .Text("SysID", kSysID)
      .Text("EventFlag", kEventFlag)
      .Text("EventData", eventData)
      .Write();
}

int SendLoginMegToBigDate(const std::string& userID, const std::string& moduleID,
                          const std::string& visitTime, const std::string& visitEndTime) {
  const std::string url = GetSubSystemInfo("850") + "api/v1/DataCol/DataDeliver";
  g_log.Write(kInfoLevel, "[大数据中心]:%s\n", CommonTools::now_text().c_str());
  const std::string body =
      BuildVisitReport(userID, moduleID, visitTime, visitEndTime, CommonTools::now_digits());
  std::string reply;
  if (dal::Request(url, body, dal::Verb::Post, reply) != 0) {
    DalLog::OperationFailed(DalLogStyle::AsyncWrite, "SendLoginMegToBigDate", reply);
    return -1;
  }
  const int result = dal::ReplyToInt(reply);
  if (result == -1) DalLog::OperationFailed(DalLogStyle::AsyncWrite, "SendLoginMegToBigDate", reply);
  return result;
}

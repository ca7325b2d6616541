#include "CommonTools/CurlRequest.h"
#include "CommonTools/QueryValue.h"
#include "CommonTools/TextTime.h"
#include "data/DAL_PatrolServer.h"
#include "data/DalExchange.h"
#include "data/DalLog.h"

namespace {

constexpr long kUploadTimeoutMs = 4000;
constexpr int kListNames = 32;

// libcurl refuses a URL with a blank in it; the server decodes "%20" back to the blank.
std::string EscapeBlanks(const std::string& url) {
  std::string escaped;
  escaped.reserve(url.size());
  for (const char c : url) {
    if (c == ' ') {
      escaped += "%20";
    } else {
      escaped += c;
    }
  }
  return escaped;
}

}  // namespace

int DAL_PatrolServer::DAL_UploadPic(std::string strLocalPath, int iPlanID, std::string strTime, int iUploadType,
                                    std::string strFileName) {
  const std::string url = m_strServerAddr + "Upload.ashx?UploadType=" + std::to_string(iUploadType) +
                          "&FileType=1&PlanID=" + std::to_string(iPlanID) + "&Time=" + CommonTools::query_value(strTime) +
                          "&FileName=" + CommonTools::query_value(strFileName);
  CurlRequest request(EscapeBlanks(url));
  request.SetMethod("POST");
  request.m_formFields["chunk"] = "0";
  request.m_formFields["chunks"] = "1";
  request.m_formFields["name"] = "";
  request.SetFilePart("file", strLocalPath);
  const CurlResult result = request.Perform(kUploadTimeoutMs);
  if (!result.ok) {
    DalLog::TextLine("[DAL_UploadPic]解析异常!\n");
    return -1;
  }
  return dal::ReplyToInt(result.text);
}

std::vector<std::string> DAL_PatrolServer::DAL_UploadPic_GetNames(int iPlanID, std::string strTime) {
  const std::string url = m_strServerAddr + "Upload.ashx?UploadType=" + std::to_string(kListNames) +
                          "&FileType=1&PlanID=" + std::to_string(iPlanID) + "&Time=" + CommonTools::query_value(strTime);
  std::string reply;
  if (dal::Request(url, std::string(), dal::Verb::Get, reply) != 0 || reply.empty()) return {};
  return CommonTools::split(reply, "&");
}

#include "CommonTools/Conversions.h"
#include "CommonTools/Network.h"
#include "CommonTools/TextTime.h"
#include "CommonTools/global_singleton.h"
#include "data/DAL_PatrolServer.h"
#include "data/JsonBody.h"
#include "data/SystemLogParser.h"

namespace {

std::string LocalIpv4() {
  BSTR address = CommonTools::get_local_ipv4();
  const std::string text = CommonTools::cstring_to_string(CStringW(address));
  SysFreeString(address);
  return text;
}

}  // namespace

int DAL_PatrolServer::DAL_SystemLog_Add(std::string strEvent) {
  const OnlineUserInfo& user = global_singleton::get_const_instance().m_userInfo;
  JsonBody body;
  body.Text("strUserID", user.strUserID)
      .Text("strUserName", user.strUserName)
      .Text("strUserIP", LocalIpv4())
      .Text("strTime", CommonTools::now_text())
      .Text("strEvent", strEvent);
  return Write("api/InspectLog/Add", body, DalLogStyle::AsyncWrite, "DAL_SystemLog_Add", std::string());
}

std::list<SystemLogInfo> DAL_PatrolServer::DAL_SystemLog_Get() {
  return Fetch("api/InspectLog/Get", DalLogStyle::AsyncRead, "DAL_SystemLog_Get", ParseSystemLogJsonData);
}

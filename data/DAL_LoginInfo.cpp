#include "data/DAL_LoginInfo.h"

#include "CommonTools/global_singleton.h"
#include "data/DalExchange.h"
#include "data/DalLog.h"
#include "data/JsonBody.h"
#include "data/LoginParser.h"

namespace {

std::string ServerUrl(const char* path) { return global_singleton::get_const_instance().m_strServerAddr + path; }

}  // namespace

void DAL_LoginInfo_Add(LoginSessionInfo info) {
  JsonBody body;
  body.Number("ID", 1)
      .Text("UserID", info.UserID)
      .Text("UserName", info.UserName)
      .Text("SchoolID", info.SchoolID)
      .Text("SchoolName", info.SchoolName)
      .Text("Token", info.Token)
      .Text("Time", info.Time);
  std::string reply;
  if (dal::Request(ServerUrl("api/LoginInfo/Add"), body.Write(), dal::Verb::Post, reply) != 0) {
    DalLog::OperationFailed(DalLogStyle::Text, "DAL_LoginInfo_Add", reply);
  }
}

LoginSessionInfo DAL_LoginInfo_Get() {
  LoginSessionInfo info;
  std::string reply;
  if (dal::Request(ServerUrl("api/LoginInfo/Get"), std::string(), dal::Verb::Get, reply) != 0) {
    DalLog::OperationFailed(DalLogStyle::Text, "DAL_LoginInfo_Get", reply);
    return info;
  }
  ParseLogin(reply.c_str(), info);
  return info;
}

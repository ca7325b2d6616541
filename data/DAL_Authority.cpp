#include "CommonTools/QueryValue.h"
#include "data/AuthorityParser.h"
#include "data/DAL_PatrolServer.h"
#include "data/JsonBody.h"

namespace {

JsonBody AuthorityBody(const std::string& strUserID, const std::string& strUserName,
                       const std::string& TypeAuthority, const std::string& strModuleAuthority,
                       const std::string& strReserve) {
  JsonBody body;
  body.Text("strUserID", strUserID)
      .Text("strUserName", strUserName)
      .Text("TypeAuthority", TypeAuthority)
      .Text("strModuleAuthority", strModuleAuthority)
      .Text("strReserve", strReserve);
  return body;
}

}  // namespace

std::map<std::string, AuthorityInfo> DAL_PatrolServer::Authority_Get() {
  return Fetch("api/Authority/Get", DalLogStyle::AsyncRead, "Authority_Get", ParseAuthority);
}

AuthorityInfo DAL_PatrolServer::Authority_Get_ByID(std::string strId) {
  return Fetch("api/Authority/GetByID?strId=" + CommonTools::query_value(strId), DalLogStyle::AsyncRead, "Authority_Get_ByID",
               ParseAuthoritybyID);
}

bool DAL_PatrolServer::Authority_Read_ByID(const std::string& strId, AuthorityInfo& info) {
  info = AuthorityInfo();
  std::string reply;
  if (!Get("api/Authority/GetByID?strId=" + CommonTools::query_value(strId), DalLogStyle::AsyncRead, "Authority_Read_ByID", reply)) return false;
  return ReadAuthorityReply(reply.c_str(), info);
}

int DAL_PatrolServer::Authority_Add(std::string strUserID, std::string strUserName, std::string TypeAuthority,
                                    std::string strModuleAuthority, std::string strReserve) {
  return Write("api/Authority/Add", AuthorityBody(strUserID, strUserName, TypeAuthority, strModuleAuthority, strReserve),
               DalLogStyle::AsyncWrite, "Authority_Add", std::string());
}

int DAL_PatrolServer::Authority_Update(std::string strUserID, std::string strUserName, std::string TypeAuthority,
                                       std::string strModuleAuthority, std::string strReserve) {
  return Write("api/Authority/Update",
               AuthorityBody(strUserID, strUserName, TypeAuthority, strModuleAuthority, strReserve),
               DalLogStyle::AsyncWrite, "Authority_Update", std::string());
}

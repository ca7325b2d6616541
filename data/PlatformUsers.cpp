#include "data/PlatformUsers.h"

#include "CommonTools/CurlRequest.h"
#include "CommonTools/Md5Hex.h"
#include "CommonTools/QueryValue.h"
#include "CommonTools/SecretMask.h"
#include "CommonTools/global_singleton.h"
#include "data/DalExchange.h"
#include "data/DalLog.h"
#include "data/PlatformReplies.h"

namespace {

constexpr long kFormTimeoutMs = 4000;
const char kAppID[] = "E61";

const global_singleton& Session() { return global_singleton::get_const_instance(); }

// The platform's identity services take the token as a header, not in the query.
CurlResult FormRequest(const std::string& url, const std::string& token) {
  CurlRequest request(url);
  request.SetMethod("GET")
      .AddHeader("Content-Type", "application/x-www-form-urlencoded")
      .AddHeader("Authorization", "X-Token=" + token);
  return request.Perform(kFormTimeoutMs);
}

void LogNoIdentities(const char* name, const std::string& url) {
  DalLog::TextLine(std::string("[") + name + "]获取用户身份失败，请求URL:" + url + "\n");
}

std::list<IdentityInfo> AskIdentities(const std::string& url, const std::string& token,
                                      const char* name,
                                      int (*parse)(const char*, std::list<IdentityInfo>&)) {
  std::list<IdentityInfo> identities;
  const CurlResult result = FormRequest(url, token);
  if (!result.ok) {
    LogNoIdentities(name, url);
    return identities;
  }
  parse(result.text.c_str(), identities);
  return identities;
}

// The user-info services want the application id and a token made from it.
std::string UserInfoQuery(const char* service, const std::string& userID) {
  return Session().m_strBaseAddr + "BaseApi/UserMgr/UserInfoMgr/" + service + "?appid=" + kAppID +
         "&access_token=" + CommonTools::md5_hex_reversed(kAppID) + "&UserIDs=" + CommonTools::query_value(userID);
}

std::string AskUserText(const std::string& url, const char* name,
                        std::string (*parse)(const char*)) {
  std::string reply;
  if (dal::Request(url, std::string(), dal::Verb::Get, reply) != 0) {
    DalLog::OperationFailed(DalLogStyle::AsyncRead, name, reply);
    return std::string();
  }
  return parse(reply.c_str());
}

}  // namespace

bool GetUsersAuthority() {
  const std::string url = Session().m_strBaseAddr + "/UserMgr/Login/Api/Login.ashx" +
                          "?token=" + CommonTools::query_value(Session().m_userInfo.strToken) + "&method=TokenCheck" +
                          "&params=" + kAppID;
  std::string reply;
  if (dal::Request(url, std::string(), dal::Verb::Get, reply) != 0) {
    DalLog::OperationFailed(DalLogStyle::AsyncRead, "GetUsersAuthority", reply);
    return true;
  }
  return ParseUsersAuthority(reply.c_str());
}

int CheckUsersIdentity(const std::string& token, const std::string& userID,
                       const std::string& moduleID) {
  if (!GetUsersIdentityCode(token, userID, moduleID).empty()) return 1;
  DalLog::TextLine("[获取用户权限失败，用户身份返回值为空,用户token:" + CommonTools::mask_secret(token) + "\n");
  return 0;
}

std::list<IdentityInfo> GetUsersIdentityCode(const std::string& token, const std::string& userID,
                                             const std::string& moduleID) {
  const std::string url = Session().m_strBaseAddr + "UserMgr/PowerMgr/GetIdentityTypeByUserID" +
                          "?UserID=" + CommonTools::query_value(userID) + "&ModuleID=" + CommonTools::query_value(moduleID);
  return AskIdentities(url, token, "GetUsersIdentityCode", ParseResponseIdentityCode);
}

std::list<IdentityInfo> GetIdentityByCode(const std::string& schoolID,
                                          const std::string& identityCodes) {
  const std::string url = Session().m_strBaseAddr + "UserMgr/PowerMgr/GetIdentityTypeByCode" +
                          "?SchoolID=" + CommonTools::query_value(schoolID) + "&IdentityCodes=" + CommonTools::query_value(identityCodes);
  return AskIdentities(url, Session().m_strToken, "GetIdentityByCode",
                       ParseResponseIdentityByCode);
}

std::list<ModuleUserInfo> GetUserByModuleID() {
  const std::string url = Session().m_strBaseAddr +
                          "UserMgr/PowerMgr/GetUserByModuleID?ModuleID=E61001" + "&SchoolID=" +
                          CommonTools::query_value(Session().m_userInfo.strSchoolID);
  std::list<ModuleUserInfo> users;
  const CurlResult result = FormRequest(url, Session().m_strToken);
  if (!result.ok) {
    LogNoIdentities("GetUserByModuleID", url);
    return users;
  }
  ParseGetUserByModuleID(result.text.c_str(), users);
  return users;
}

std::string GetSchoolinfo(const std::string& userID) {
  return AskUserText(UserInfoQuery("GetUserContactByIDs", userID), "GetSchoolinfo",
                     ParseGetUserContact);
}

std::string GetUserNameByUserID(const std::string& userID) {
  return AskUserText(UserInfoQuery("SearchUserByIDsOrName", userID), "GetUserNameByUserID",
                     ParseGetUserName);
}

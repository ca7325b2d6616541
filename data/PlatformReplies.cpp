#include "data/PlatformReplies.h"

#include <json/json.h>

#include "data/DalExchange.h"
#include "data/DalLog.h"
#include "data/JsonFields.h"

namespace {

constexpr int kStatusOk = 200;
const char kSuperUserCode[] = "IC0001";

// A reply or value the reader could not use; the text is the reader's or the library's.
void LogRefused(const char* name, const std::string& text) {
  DalLog::TextLine(std::string("[") + name + "]出错，错误信息为:" + text + "\n");
}

// The platform answered, but not with data; `trouble` says how, ahead of its code.
void LogStatus(const char* name, const char* trouble, int status, const std::string& message) {
  DalLog::TextLine(std::string("[") + name + "]" + trouble + "错误码为:" + std::to_string(status) +
                   "\n错误信息:" + message + "\n");
}

// The envelope's Data when the reply is acceptable; otherwise logs under `name` and
// gives false. A reply of the wrong shape (Data not an array, StatusCode a text) counts
// as refused.
bool OpenEnvelope(const char* pData, const char* name, Json::Value& data) {
  Json::Value root;
  std::string errors;
  if (!pData || !dal::ParseReply(pData, root, errors)) {
    LogRefused(name, errors);
    return false;
  }
  try {
    const int status = dal::ReadInt(root, "StatusCode");
    const std::string message = dal::ReadText(root, "Msg");
    if (status != kStatusOk) {
      LogStatus(name, "出错，", status, message);
      return false;
    }
    const Json::Value& found = root["Data"];
    if (!found.isArray() || found.empty()) {
      LogStatus(name, "出错,请求数据返回为空，", status, message);
      return false;
    }
    data = found;
    return true;
  } catch (const Json::Exception& e) {
    LogRefused(name, e.what());
    return false;
  }
}

IdentityInfo ReadIdentity(const Json::Value& element) {
  IdentityInfo identity;
  identity.IdentityCode = dal::ReadText(element, "IdentityCode");
  identity.IdentityName = dal::ReadText(element, "IdentityName");
  identity.IconUrl = dal::ReadText(element, "IconUrl");
  identity.IsPreset = dal::ReadInt(element, "IsPreset") != 0;
  return identity;
}

ModuleUserInfo ReadModuleUser(const Json::Value& element) {
  ModuleUserInfo user;
  user.UserID = dal::ReadText(element, "UserID");
  user.UserName = dal::ReadText(element, "UserName");
  user.Gender = dal::ReadText(element, "Gender");
  user.PhotoPath = dal::ReadText(element, "PhotoPath");
  user.UserType = dal::ReadInt(element, "UserType");
  const Json::Value& codes = element["IdentityCode"];
  for (Json::ArrayIndex i = 0; i < codes.size(); ++i) {
    user.IdentityCode.push_back(codes[i].asString());
    if (user.IdentityCode.back() == kSuperUserCode) user.IsSuperUser = 1;
  }
  return user;
}

// Reads every Data element with `read`; the list changes only when all of them read.
template <typename Record, typename Reader>
int ReadAll(const char* pData, const char* name, std::list<Record>& out, Reader read) {
  Json::Value data;
  if (!OpenEnvelope(pData, name, data)) return -1;
  std::list<Record> records;
  try {
    for (Json::ArrayIndex i = 0; i < data.size(); ++i) records.push_back(read(data[i]));
  } catch (const Json::Exception& e) {
    LogRefused(name, e.what());
    return -1;
  }
  out.splice(out.end(), records);
  return 0;
}

std::string ReadFirstText(const char* pData, const char* name, const char* key) {
  Json::Value data;
  if (!OpenEnvelope(pData, name, data)) return std::string();
  try {
    return dal::ReadText(data[0], key);
  } catch (const Json::Exception& e) {
    LogRefused(name, e.what());
    return std::string();
  }
}

}  // namespace

bool ParseUsersAuthority(const char* pData) {
  Json::Value root;
  std::string errors;
  if (!pData || !dal::ParseReply(pData, root, errors)) {
    LogRefused("ParseUsersAuthority", errors);
    return true;
  }
  try {
    const std::string error = dal::ReadText(root, "error");
    if (error == "0") return root["data"]["result"].asBool();
    DalLog::TextLine("[ParseUsersAuthority]出错，错误码为:" + std::to_string(dal::ReplyToInt(error)) +
                     "\n");
    return true;
  } catch (const Json::Exception& e) {
    LogRefused("ParseUsersAuthority", e.what());
    return true;
  }
}

int ParseResponseIdentityCode(const char* pData, std::list<IdentityInfo>& listIdentity) {
  return ReadAll(pData, "ParseResponseIdentityCode", listIdentity, ReadIdentity);
}

int ParseResponseIdentityByCode(const char* pData, std::list<IdentityInfo>& listIdentity) {
  return ReadAll(pData, "ParseResponseIdentityByCode", listIdentity, ReadIdentity);
}

int ParseGetUserByModuleID(const char* pData, std::list<ModuleUserInfo>& listUser) {
  return ReadAll(pData, "ParseGetUserByModuleID", listUser, ReadModuleUser);
}

std::string ParseGetUserContact(const char* pData) {
  return ReadFirstText(pData, "ParseGetUserContact", "Telephone");
}

std::string ParseGetUserName(const char* pData) {
  return ReadFirstText(pData, "ParseGetUserName", "UserName");
}

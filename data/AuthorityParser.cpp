#include "data/AuthorityParser.h"

#include "CommonTools/TextTime.h"
#include "data/ParserRun.h"

namespace {

// Each list travels as one ","-joined text; the empty text gives one empty name.
void ReadAuthority(const Json::Value& object, AuthorityInfo& info) {
  info.strUserID = dal::ReadText(object, "strUserID");
  info.strUserName = dal::ReadText(object, "strUserName");
  const std::string types = dal::ReadText(object, "TypeAuthority");
  const std::string modules = dal::ReadText(object, "strModuleAuthority");
  info.strReserve = dal::ReadText(object, "strReserve");
  info.TypeAuthority = CommonTools::split(types, ",");
  info.strModuleAuthority = CommonTools::split(modules, ",");
}

}  // namespace

void ParseAuthority(const char* pData, std::map<std::string, AuthorityInfo>& mapAuthority) {
  dal::RunParser(DalLogStyle::AsyncRead, "ParseAuthority", pData, [&](const Json::Value& root) {
    dal::ParseEachElement<AuthorityInfo>(root, ReadAuthority, [&](AuthorityInfo&& info) {
      const std::string key = info.strUserID;
      mapAuthority.emplace(key, std::move(info));
    });
  });
}

void ParseAuthoritybyID(const char* pData, AuthorityInfo& info) {
  dal::RunParser(DalLogStyle::AsyncRead, "ParseAuthoritybyID", pData,
                 [&](const Json::Value& root) { ReadAuthority(root, info); });
}

bool ReadAuthorityReply(const char* pData, AuthorityInfo& info) {
  bool answered = false;
  dal::RunParser(DalLogStyle::AsyncRead, "ReadAuthorityReply", pData, [&](const Json::Value& root) {
    if (!root.isNull() && !root.isObject()) {
      DalLog::ParseFailed(DalLogStyle::AsyncRead, "ReadAuthorityReply", "the reply is no record");
      return;
    }
    if (root.isObject()) ReadAuthority(root, info);
    answered = true;
  });
  return answered;
}

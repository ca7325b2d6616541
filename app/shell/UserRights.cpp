#include "app/shell/UserRights.h"

#include <list>
#include <string>

#include "CommonTools/global_singleton.h"
#include "data/DAL_PatrolServer.h"
#include "data/PlatformUsers.h"

namespace {

const char kModuleID[] = "E61001";
const size_t kAllTypes = 7;
const size_t kAllModules = 6;

const struct {
  const char* word;
  int code;
} kPlanTypes[] = {{"安防", 0}, {"设备", 1}, {"消防", 2}, {"食堂", 3}, {"宿舍检查", 4}, {"清洁卫生", 5}, {"教学", 6}};

bool IsAdministrator(const global_singleton& session) {
  const int type = session.m_userInfo.nUserType;
  return type == 6 || type == 8 || session.m_strIdentityCode == "IC0001";
}

void TakeIdentity(global_singleton& session, const IdentityInfo& identity) {
  session.m_strIdentityCode = identity.IdentityCode;
  session.m_strIdentityIcon = identity.IconUrl;
  session.m_strIdentityName = identity.IdentityName;
}

// The identity given on the command line, completed from the platform.
void CompleteGivenIdentity(global_singleton& session, const std::list<IdentityInfo>& identities) {
  for (const IdentityInfo& identity : identities) {
    if (identity.IdentityCode != session.m_strIdentityCode) continue;
    session.m_strIdentityIcon = identity.IconUrl;
    session.m_strIdentityName = identity.IdentityName;
    break;
  }
  if (!session.m_strIdentityIcon.empty()) return;
  const std::list<IdentityInfo> described = GetIdentityByCode(session.m_userInfo.strSchoolID, session.m_strIdentityCode);
  if (!described.empty()) TakeIdentity(session, described.front());
}

void TakeTypes(global_singleton& session, const std::vector<std::string>& words) {
  if (words.size() == kAllTypes) {
    session.m_nAllTypes = 1;
    return;
  }
  for (const std::string& word : words) {
    for (const auto& type : kPlanTypes) {
      if (word == type.word) session.m_mapTypes[type.code] = type.word;
    }
  }
}

void TakeModules(global_singleton& session, const std::vector<std::string>& names) {
  if (names.size() == kAllModules) {
    session.m_nAllModules = 1;
    return;
  }
  for (const std::string& name : names) session.m_mapModules[name] = 1;
}

// The record carries each list as one ","-joined text, so an empty list arrives as one
// empty name.
bool HoldsNoName(const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    if (!name.empty()) return false;
  }
  return true;
}

}  // namespace

UserRightsResult LoadUserRights() {
  global_singleton& session = global_singleton::get_mutable_instance();
  const std::list<IdentityInfo> identities =
      GetUsersIdentityCode(session.m_strToken, session.m_userInfo.strUserID, kModuleID);
  if (session.m_strIdentityCode.empty()) {
    if (!identities.empty()) TakeIdentity(session, identities.front());
  } else {
    CompleteGivenIdentity(session, identities);
  }
  // An administrator by user type is one even when the platform lists no identity.
  if (IsAdministrator(session)) {
    session.m_nAllRights = 1;
    session.m_nAllTypes = 1;
    session.m_nAllModules = 1;
    return UserRightsResult::Granted;
  }
  AuthorityInfo rights;
  if (!DAL_PatrolServer().Authority_Read_ByID(session.m_userInfo.strUserID, rights)) {
    return UserRightsResult::Unavailable;
  }
  if (rights.strUserID.empty()) {
    session.m_nAllTypes = 1;
    session.m_nAllModules = 1;
    return UserRightsResult::Granted;
  }
  if (HoldsNoName(rights.TypeAuthority) || HoldsNoName(rights.strModuleAuthority)) return UserRightsResult::NoRights;
  TakeTypes(session, rights.TypeAuthority);
  TakeModules(session, rights.strModuleAuthority);
  return UserRightsResult::Granted;
}

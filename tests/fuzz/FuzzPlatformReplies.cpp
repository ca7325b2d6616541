// The base platform's replies: the login, the token check, identities, users, the
// digital campus's buildings and campuses, and the XML of a sub-system's address.
#include <list>
#include <map>
#include <string>

#include "data/DAL_Digital_Lessmark.h"
#include "data/LoginParser.h"
#include "data/PlatformReplies.h"
#include "data/SubSystemInfo.h"
#include "tests/fuzz/FuzzQuiet.h"
#include "tests/fuzz/FuzzTargets.h"

namespace fuzz {

namespace {

std::string Text(const uint8_t* data, size_t size) { return std::string(reinterpret_cast<const char*>(data), size); }

}  // namespace

int FuzzLoginReply(const uint8_t* data, size_t size) {
  QuietDataLog();
  const std::string reply = Text(data, size);
  LoginSessionInfo info;
  ParseLogin(reply.c_str(), info);
  return 0;
}

int FuzzPlatformReplies(const uint8_t* data, size_t size) {
  QuietDataLog();
  const std::string reply = Text(data, size);
  ParseUsersAuthority(reply.c_str());
  std::list<IdentityInfo> identities;
  ParseResponseIdentityCode(reply.c_str(), identities);
  ParseResponseIdentityByCode(reply.c_str(), identities);
  ParseGetUserContact(reply.c_str());
  ParseGetUserName(reply.c_str());
  return 0;
}

int FuzzPlatformUsers(const uint8_t* data, size_t size) {
  QuietDataLog();
  const std::string reply = Text(data, size);
  std::list<ModuleUserInfo> users;
  ParseGetUserByModuleID(reply.c_str(), users);
  return 0;
}

int FuzzCampus(const uint8_t* data, size_t size) {
  QuietDataLog();
  const std::string reply = Text(data, size);
  std::map<int, DigiAreaInfo> buildings;
  std::map<int, CampusInfo> campuses;
  DAL_Digital_Lessmark::ParseDigiAreaInfoByFlag(reply.c_str(), buildings);
  DAL_Digital_Lessmark::ParseCampuInfo(reply.c_str(), campuses);
  DAL_Digital_Lessmark::AttachBuildings(buildings, campuses);
  return 0;
}

int FuzzAddressXml(const uint8_t* data, size_t size) {
  QuietDataLog();
  const std::string reply = Text(data, size);
  ParseSubSystemServerInfo(reply.c_str(), false);
  ParseSubSystemServerInfo(reply.c_str(), true);
  return 0;
}

}  // namespace fuzz

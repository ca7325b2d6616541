#pragma once
// The base platform's questions about users: the token check, the identities of a user
// and of a school, the users of the patrol module, a user's telephone and name. Each is
// one blocking exchange on the caller's thread; none keeps state.
#include <list>
#include <string>

#include "data/IdentityInfo.h"
#include "data/ModuleUserInfo.h"

// False only when the platform says the logged-in user's token is no longer valid; a
// platform that cannot be asked keeps the user logged in.
bool GetUsersAuthority();

// 1 when the user holds at least one identity for the module, else 0.
int CheckUsersIdentity(const std::string& token, const std::string& userID,
                       const std::string& moduleID);

std::list<IdentityInfo> GetUsersIdentityCode(const std::string& token, const std::string& userID,
                                             const std::string& moduleID);
std::list<IdentityInfo> GetIdentityByCode(const std::string& schoolID,
                                          const std::string& identityCodes);

// The users of the logged-in user's school who may use the patrol module.
std::list<ModuleUserInfo> GetUserByModuleID();

// The user's telephone number or name; empty when the platform gives none.
std::string GetSchoolinfo(const std::string& userID);
std::string GetUserNameByUserID(const std::string& userID);

#pragma once
// Readers of the base platform's replies. The identity and user services answer in one
// envelope, {"StatusCode": 200, "Msg": ..., "Data": [...]}; a reply counts only when it
// is JSON, its StatusCode is 200 and its Data holds at least one element. Every refused
// reply writes one line to the text log and yields no data.
#include <list>
#include <string>

#include "data/IdentityInfo.h"
#include "data/ModuleUserInfo.h"

// The token check's answer: false only for error "0" with a result that is false or
// missing. Anything the reader cannot make sense of keeps the user logged in.
bool ParseUsersAuthority(const char* pData);

// Each appends the Data elements to the list: 0, or -1 when the reply is refused.
int ParseResponseIdentityCode(const char* pData, std::list<IdentityInfo>& listIdentity);
int ParseResponseIdentityByCode(const char* pData, std::list<IdentityInfo>& listIdentity);
int ParseGetUserByModuleID(const char* pData, std::list<ModuleUserInfo>& listUser);

// The first Data element's "Telephone" or "UserName"; empty when the reply is refused.
std::string ParseGetUserContact(const char* pData);
std::string ParseGetUserName(const char* pData);

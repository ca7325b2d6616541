#pragma once
#include <map>
#include <string>

#include "data/AuthorityInfo.h"

// Inserts the records of a rights list reply under their user ids; the first record of an
// id stays.
void ParseAuthority(const char* pData, std::map<std::string, AuthorityInfo>& mapAuthority);
// Overwrites the record from a one-user reply (one object, or null).
void ParseAuthoritybyID(const char* pData, AuthorityInfo& info);
// The same reading, telling an answer from a reply that is none: true for one object or
// null (no record: the record stays empty), false for anything else, which is logged.
bool ReadAuthorityReply(const char* pData, AuthorityInfo& info);

#pragma once
#include <map>
#include <string>

#include "data/AuthorityInfo.h"

// Inserts the records of a rights list reply under their user ids; the first record of an
// id stays.
void ParseAuthority(const char* pData, std::map<std::string, AuthorityInfo>& mapAuthority);
// Overwrites the record from a one-user reply (one object, or null).
void ParseAuthoritybyID(const char* pData, AuthorityInfo& info);

#pragma once
// The two word tables of the rights records and the texts the rights page shows for a
// record. A record stores the words themselves (GBK), each list travelling as one
// ","-joined text, "--" when nothing is chosen.
#include <map>
#include <string>

#include "data/AuthorityInfo.h"

// Key -> area word: 1 教学 ... 7 安防; shown from the highest key down.
const std::map<int, std::wstring>& AuthorityAreas();
// Key -> module name: 1 巡更结果 ... 6 巡更主页; shown from the highest key down.
const std::map<int, std::wstring>& AuthorityModules();

// The record's areas joined by ","; "全部" with no record or when it lists every area.
std::wstring AuthorityAreaText(const AuthorityInfo* record);
// The record's modules joined by ","; "全部" with no record or when it lists every module.
std::wstring AuthorityModuleText(const AuthorityInfo* record);

// The words joined by ",", or "--" when there are none: the form the server stores.
std::string AuthorityListText(const std::wstring& joined);

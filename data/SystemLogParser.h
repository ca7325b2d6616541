#pragma once
#include <list>

#include "data/SystemLogInfo.h"

// Appends the entries of an audit-log reply in reply order.
void ParseSystemLogJsonData(const char* pData, std::list<SystemLogInfo>& listLog);

#pragma once
#include "data/LoginSessionInfo.h"

// Overwrites the record's fields from a login-record reply (one object, or null).
void ParseLogin(const char* pData, LoginSessionInfo& info);

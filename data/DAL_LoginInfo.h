#pragma once
// The login record on the patrol server. Free functions: each reads the server's base URL
// from the session object itself.
#include "data/LoginSessionInfo.h"

// Sends the record with "ID" always the number 1; a failure is only logged.
void DAL_LoginInfo_Add(LoginSessionInfo info);
// The stored record; the empty record after a failure.
LoginSessionInfo DAL_LoginInfo_Get();

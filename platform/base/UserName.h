#pragma once
// The name of the account the program runs under.
#include "platform/base/Error.h"
#include "platform/base/WinTypes.h"

#ifndef UNLEN
#define UNLEN 256
#endif

// The login name of the effective user, NUL-terminated. *pcbBuffer is the buffer's size
// in characters on entry and the characters written (with the NUL) on success; too small
// a buffer fails with ERROR_INSUFFICIENT_BUFFER and *pcbBuffer the size needed.
BOOL GetUserNameW(LPWSTR lpBuffer, LPDWORD pcbBuffer);

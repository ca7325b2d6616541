#pragma once
// Beside the Windows profile calls: a profile file that holds credentials is kept to
// its owner, as the folder's access rules keep it on Windows.
#include "platform/base/WinTypes.h"

namespace platform {

// A profile file that holds credentials is kept to its owner: created empty with mode
// 0600 when missing, so the first write keeps that mode; an existing file (through a
// link, the file it names) loses its group and other permissions. FALSE with
// GetLastError set when it can be neither created nor changed.
BOOL KeepProfilePrivate(LPCWSTR lpFileName);

}  // namespace platform

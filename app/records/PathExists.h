#pragma once
// True when a file or folder of that name exists; with folderOnly set, only when what was
// found is a folder.
#include "platform/win32.h"

bool PathExists(const CStringW& path, bool folderOnly);

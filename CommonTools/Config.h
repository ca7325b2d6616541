#pragma once
// The settings file "Config.ini" beside the executable, the only persistent
// settings of the program.
#include <string>

#include "platform/win32.h"

namespace CommonTools {

// The executable's folder, without a trailing separator.
std::wstring get_exe_dir();

// Writes one value into Config.ini, creating the file when needed; non-zero on
// success.
BOOL write_config(LPCWSTR section, LPCWSTR key, LPCWSTR value);

// Reads a key of section "LoginInfo" (at most 260 characters); "" when the key or the
// file is missing. Never creates the file.
std::wstring read_login_config(LPCWSTR key);

}  // namespace CommonTools

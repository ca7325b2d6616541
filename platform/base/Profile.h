#pragma once
// Private-profile (INI) files with Windows semantics. The file is GBK; CRLF and LF
// lines both read. Section and key names compare without regard to case; values
// are trimmed of blanks and lose one pair of matching surrounding quotes; lines
// beginning with ';' are comments. A read never creates the file. A write keeps
// every other line byte for byte, writes new lines GBK with CRLF, and replaces the
// file in one step (temporary file and rename), so a crash never leaves half a
// file. Calls are serialised across the process.
#include "platform/base/Error.h"
#include "platform/base/WinTypes.h"

// Copies the value (cut at nSize - 1 characters) or the default (null reads as "")
// and returns the number of characters copied. A null key lists the section's
// keys (lines without '=' are none), a null section lists the sections, each
// NUL-terminated with a second NUL at the end.
DWORD GetPrivateProfileStringW(LPCWSTR lpAppName, LPCWSTR lpKeyName, LPCWSTR lpDefault,
                               LPWSTR lpReturnedString, DWORD nSize, LPCWSTR lpFileName);

// The value's leading decimal integer (0 when it has none) in 32-bit arithmetic
// that wraps, or nDefault when the file, section or key is missing.
UINT GetPrivateProfileIntW(LPCWSTR lpAppName, LPCWSTR lpKeyName, INT nDefault, LPCWSTR lpFileName);

// Creates the file, the section (at the end of the file) and the key (at the end
// of its section) as needed, or replaces the value in place. A null value deletes
// the key, a null key deletes the section. Returns FALSE with GetLastError set when
// the file cannot be written, or when a name or value would break the file's
// lines (a line break anywhere, '=' in a key, ']' in a section name).
BOOL WritePrivateProfileStringW(LPCWSTR lpAppName, LPCWSTR lpKeyName, LPCWSTR lpString, LPCWSTR lpFileName);

#pragma once
// Names from outside (picture names the server lists, user ids, the last part of an
// address, dates) become file and folder names. A separator, "..", a drive letter or a
// character Windows refuses in a file name would write or delete elsewhere, so every
// such name passes this one check before it touches a path. Narrow names are GBK; the
// test runs on the characters, since the second byte of a GBK character may be the byte
// of "\" or "|".
#include <string>

namespace CommonTools {

// The characters Windows refuses in a file name: controls and \ / : * ? " < > |.
bool is_forbidden_file_name_char(wchar_t c);

// True when the name can be used as it is as one file name inside a folder: not empty,
// not "." or "..", no forbidden character (so no separator and no drive), not ending in
// "." or " " (Windows drops those, which turns "..." into a name of the folder itself),
// and not a device name such as "CON" or "LPT1.txt".
bool is_plain_file_name(const std::wstring& name);
bool is_plain_file_name(const std::string& gbkName);

// is_plain_file_name, with a refused name logged at level 6 as what it was meant for.
bool accept_file_name(const std::string& gbkName, const char* what);

// The last part of an address's path: what follows the last "/" or "\" before the
// query ("?") or fragment ("#"). "" when the path ends in a separator.
std::wstring last_url_segment(const std::wstring& url);

}  // namespace CommonTools

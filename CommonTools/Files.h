#pragma once
// Opening and deleting files and folders.
#include <string>

#include "platform/win32.h"

namespace CommonTools {

// When the file exists, opens it with the shell's "open" verb; true when the shell
// reports success.
bool open_file_if_exists(const std::wstring& path);

// Deletes a folder with everything in it, clearing read-only flags first. Entries
// whose names begin with "." are left alone, and so is the folder holding one. A
// symbolic link is removed as a link: what it points to is never entered or changed.
// The folder must lie inside `container` once both are resolved (links followed, "."
// and ".." gone): a path made of outside names that leads anywhere else is refused and
// logged at level 3, and nothing is deleted. 1 when the listing ended normally (the
// folder itself is then removed if it can be), 0 when the folder cannot be listed or
// was refused.
int delete_folder(CStringW path, CStringW container);

// True when `path` names an existing entry strictly inside the existing folder
// `container`, both resolved as the file system sees them.
bool lies_inside(const CStringW& path, const CStringW& container);

// A name in a folder, joined with the separator the folder already uses ("/" for a
// folder holding one, as every folder of this machine does, else "\\"),
// without doubling one the folder ends with: a path shown to the user keeps one kind.
std::wstring join_path(const std::wstring& folder, const std::wstring& name);
std::string join_path(const std::string& folder, const std::string& name);

// The path followed by "\".
CStringW append_backslash(CStringW path);

}  // namespace CommonTools

#pragma once
// Copies a folder with everything in it into another one, through the shell's file
// operation: the target receives a folder of the source's name. The shell reads both
// paths from fixed buffers, so a path of 519 characters or more is refused before
// anything is copied.
#include <string>

// True when the whole folder was copied; files already there are replaced.
bool CopyFolderInto(const std::wstring& folder, const std::wstring& target);

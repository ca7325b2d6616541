#pragma once
// The system libraries the program names by file name ("User32.dll", "msimg32.dll",
// "Riched20.dll", "msftedit.dll", ...). They are part of the layer, so each has a
// fixed handle that GetModuleHandleW and LoadLibraryW both give, and GetProcAddress
// recognises.
#include <string>

#include "platform/base/WinTypes.h"

namespace platform {

// The handle of a system library named with or without a folder or ".dll", in any
// case; null when the name is not one of them.
HMODULE SystemModuleHandle(LPCWSTR name);

// The lower-cased file name a library is known by: "C:\\x\\USER32" gives "user32.dll".
std::wstring SystemModuleCanonicalName(LPCWSTR name);

// For tests: a library made missing is not found by name, as on a system without it.
void SetSystemModuleMissing(LPCWSTR name, bool missing);

// The lower-cased file name the handle stands for ("user32.dll"), or null.
const wchar_t* SystemModuleName(HMODULE module);

}  // namespace platform

#pragma once
// The system libraries the program names, and the functions it looks up in them.
#include "platform/base/WinTypes.h"

// Returning void: GCC lets that one function type be cast to any other without a warning.
typedef void(WINAPI* FARPROC)(void);

// "User32.dll", "msimg32.dll", "Riched20.dll", "msftedit.dll", "gdi32.dll",
// "kernel32.dll", "DbgHelp.dll" (any case) give a
// handle; any other name fails with ERROR_MOD_NOT_FOUND.
HMODULE LoadLibraryW(LPCWSTR lpLibFileName);
HMODULE LoadLibraryA(LPCSTR lpLibFileName);
BOOL FreeLibrary(HMODULE hLibModule);
FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName);
#define LoadLibrary LoadLibraryW

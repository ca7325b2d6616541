#pragma once
// Code-page conversions with the Windows names and error policies. The ANSI code
// page (CP_ACP, CP_THREAD_ACP) is 936, GBK, whatever the process locale; CP_UTF8 is
// UTF-8. Nothing here touches the process locale.
#include <string>

#include "platform/base/WinTypes.h"

#define CP_ACP 0
#define CP_OEMCP 1
#define CP_THREAD_ACP 3
#define CP_UTF8 65001
#define MB_ERR_INVALID_CHARS 0x00000008
#define WC_NO_BEST_FIT_CHARS 0x00000400

UINT GetACP();

// Windows semantics: cbMultiByte / cchWideChar of -1 means NUL terminated (the NUL is
// converted and counted); a zero output size asks for the size needed; too small an
// output fails with ERROR_INSUFFICIENT_BUFFER. Unmappable wide characters become
// the default character ('?'); invalid narrow bytes become U+FFFD unless
// MB_ERR_INVALID_CHARS asks for failure with ERROR_NO_UNICODE_TRANSLATION.
int MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte,
                        LPWSTR lpWideCharStr, int cchWideChar);
int WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWSTR lpWideCharStr, int cchWideChar,
                        LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar,
                        LPBOOL lpUsedDefaultChar);

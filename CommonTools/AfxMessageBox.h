#pragma once
// The class library's message box: the program's name as caption, on whatever thread
// calls it (export workers included), with no owner window.
#include "platform/win32.h"

int AfxMessageBox(LPCWSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);

namespace CommonTools {

// The executable's file name without its folder and extension.
CStringW ProgramName();

}  // namespace CommonTools

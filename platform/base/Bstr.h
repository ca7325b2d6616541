#pragma once
// System strings (BSTR): wide text with its length kept in front of the characters, as on
// Windows, so a BSTR may hold NUL characters and its length costs nothing to read.
#include "platform/base/WinTypes.h"

BSTR SysAllocString(const OLECHAR* text);
// A null text gives length characters set to zero.
BSTR SysAllocStringLen(const OLECHAR* text, UINT length);
// Replaces *bstr with a copy of text (which may point into *bstr itself).
INT SysReAllocString(BSTR* bstr, const OLECHAR* text);
void SysFreeString(BSTR bstr);
UINT SysStringLen(BSTR bstr);

#pragma once
// C runtime helpers of the Windows C library that the program calls, with its semantics.
#include <cstddef>

#include "platform/base/WinTypes.h"

namespace platform {

// wcstombs and mbstowcs as under the Chinese ("chs", GBK) locale, without touching the
// process locale. A null dst asks for the length. The result is the count written,
// without the terminator, which is written only when room is left within n. On a
// character that cannot be converted the result is (size_t)-1 and dst holds the prefix
// converted so far.
size_t WcsToMbs(char* dst, const wchar_t* src, size_t n);
size_t MbsToWcs(wchar_t* dst, const char* src, size_t n);

}  // namespace platform

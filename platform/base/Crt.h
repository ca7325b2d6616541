#pragma once
// C runtime helpers of the Windows C library that the program calls, with its semantics,
// and the wide character classes the layer uses. Classification and case mapping go
// through a process-wide C.UTF-8 locale object, so Chinese letters count as letters
// whatever the process locale; nothing here calls setlocale.
#include <cerrno>
#include <cstddef>

#include "platform/base/WinTypes.h"

typedef int errno_t;
#ifndef _TRUNCATE
#define _TRUNCATE ((size_t)-1)
#endif
#ifndef STRUNCATE
#define STRUNCATE 80
#endif

namespace platform {

// wcstombs and mbstowcs as under the Chinese ("chs", GBK) locale, without touching the
// process locale. A null dst asks for the length. The result is the count written,
// without the terminator, which is written only when room is left within n. On a
// character that cannot be converted the result is (size_t)-1 and dst holds the prefix
// converted so far.
size_t WcsToMbs(char* dst, const wchar_t* src, size_t n);
size_t MbsToWcs(wchar_t* dst, const char* src, size_t n);

// Wide classification and case mapping over the whole of Unicode.
bool IsAlphaW(wchar_t c);
bool IsAlnumW(wchar_t c);
bool IsDigitW(wchar_t c);
bool IsSpaceW(wchar_t c);
bool IsUpperW(wchar_t c);
bool IsLowerW(wchar_t c);
bool IsPunctW(wchar_t c);
wchar_t ToLowerW(wchar_t c);
wchar_t ToUpperW(wchar_t c);

}  // namespace platform

// Text to number: leading blanks and a sign are accepted, the first other character
// ends the number, and a value out of range is clamped (Windows' long is 32 bits).
int _wtoi(const wchar_t* text);
long _wtol(const wchar_t* text);
long long _wtoi64(const wchar_t* text);
double _wtof(const wchar_t* text);

// Number to text in a radix of 2 to 36; only radix 10 writes a minus sign, other radixes
// write the two's complement of the value's Windows width.
wchar_t* _itow(int value, wchar_t* buffer, int radix);
errno_t _itow_s(int value, wchar_t* buffer, size_t sizeInWords, int radix);
wchar_t* _ltow(long value, wchar_t* buffer, int radix);
wchar_t* _i64tow(long long value, wchar_t* buffer, int radix);
wchar_t* _ultow(unsigned long value, wchar_t* buffer, int radix);
char* _itoa(int value, char* buffer, int radix);

// Case-insensitive comparison compares lower-cased characters. The narrow forms fold
// ASCII letters only, as the C locale does.
int _wcsicmp(const wchar_t* a, const wchar_t* b);
int _wcsnicmp(const wchar_t* a, const wchar_t* b, size_t count);
int _stricmp(const char* a, const char* b);
int _strnicmp(const char* a, const char* b, size_t count);
wchar_t* _wcslwr(wchar_t* text);
wchar_t* _wcsupr(wchar_t* text);
// Copies to be released with free().
wchar_t* _wcsdup(const wchar_t* text);
char* _strdup(const char* text);

// The bounds-checked copies: 0 on success; EINVAL for a null argument; ERANGE when the
// text does not fit, leaving an empty destination; _TRUNCATE as count cuts to fit and
// answers STRUNCATE.
errno_t wcscpy_s(wchar_t* dst, size_t sizeInWords, const wchar_t* src);
errno_t wcsncpy_s(wchar_t* dst, size_t sizeInWords, const wchar_t* src, size_t count);
errno_t wcscat_s(wchar_t* dst, size_t sizeInWords, const wchar_t* src);
errno_t strcpy_s(char* dst, size_t size, const char* src);
errno_t strncpy_s(char* dst, size_t size, const char* src, size_t count);

template <size_t N>
errno_t wcscpy_s(wchar_t (&dst)[N], const wchar_t* src) {
  return wcscpy_s(dst, N, src);
}
template <size_t N>
errno_t wcsncpy_s(wchar_t (&dst)[N], const wchar_t* src, size_t count) {
  return wcsncpy_s(dst, N, src, count);
}
template <size_t N>
errno_t wcscat_s(wchar_t (&dst)[N], const wchar_t* src) {
  return wcscat_s(dst, N, src);
}
template <size_t N>
errno_t strcpy_s(char (&dst)[N], const char* src) {
  return strcpy_s(dst, N, src);
}
template <size_t N>
errno_t strncpy_s(char (&dst)[N], const char* src, size_t count) {
  return strncpy_s(dst, N, src, count);
}

// The kernel's string calls: a null text counts as empty. The comparisons answer -1, 0
// or 1 and compare code points (the case-insensitive one after lower-casing).
int lstrlenW(LPCWSTR text);
int lstrlenA(LPCSTR text);
LPWSTR lstrcpyW(LPWSTR dst, LPCWSTR src);
LPWSTR lstrcpynW(LPWSTR dst, LPCWSTR src, int maxLength);
LPWSTR lstrcatW(LPWSTR dst, LPCWSTR src);
int lstrcmpW(LPCWSTR a, LPCWSTR b);
int lstrcmpiW(LPCWSTR a, LPCWSTR b);

// A pointer value below 0x10000 passed to CharLowerW/CharUpperW is one character, and
// the mapped character comes back the same way.
LPWSTR CharLowerW(LPWSTR text);
LPWSTR CharUpperW(LPWSTR text);
DWORD CharLowerBuffW(LPWSTR text, DWORD length);
LPWSTR CharNextW(LPCWSTR current);
LPWSTR CharPrevW(LPCWSTR start, LPCWSTR current);
BOOL IsCharAlphaW(WCHAR c);
BOOL IsCharAlphaNumericW(WCHAR c);
BOOL IsCharUpperW(WCHAR c);
BOOL IsCharLowerW(WCHAR c);

#pragma once
// Wide formatting with the Windows conventions: in a wide format %s and %c take wide
// arguments and %S and %C narrow (GBK) ones; %hs/%hc are narrow, %ls/%ws/%lc wide.
// Integer sizes follow Windows: %ld and %lu are 32 bits (LONG, DWORD), %lld, %I64d 64
// bits, %Id and %zd pointer sized. %p prints the pointer's hexadecimal digits, padded,
// as Windows does. %n is refused. Nothing here hands a Windows-style format to the C
// library.
#include <cstdarg>
#include <cstddef>
#include <string>

#include "platform/base/Crt.h"
#include "platform/base/WinTypes.h"

namespace platform {

// The formatted text; false in *ok (when given) for a null or refused format.
std::wstring VFormatW(const wchar_t* format, va_list args, bool* ok = nullptr);
std::wstring FormatW(const wchar_t* format, ...);

}  // namespace platform

// wsprintfW writes at most 1024 characters, the terminator included, as on Windows.
int wvsprintfW(LPWSTR buffer, LPCWSTR format, va_list args);
int wsprintfW(LPWSTR buffer, LPCWSTR format, ...);

// Up to count characters; the terminator only when it fits. The length when the text
// fits in count, -1 when it was cut.
int _vsnwprintf(wchar_t* buffer, size_t count, const wchar_t* format, va_list args);
int _snwprintf(wchar_t* buffer, size_t count, const wchar_t* format, ...);

// The length the text would have, without the terminator.
int _vscwprintf(const wchar_t* format, va_list args);
int _scwprintf(const wchar_t* format, ...);

// The secure forms: a text that does not fit, terminator included, leaves an empty
// buffer and gives -1.
int vswprintf_s(wchar_t* buffer, size_t sizeInWords, const wchar_t* format, va_list args);
int swprintf_s(wchar_t* buffer, size_t sizeInWords, const wchar_t* format, ...);
// count limits the characters written; _TRUNCATE cuts the text to the buffer (then -1).
int _vsnwprintf_s(wchar_t* buffer, size_t sizeInWords, size_t count, const wchar_t* format,
                  va_list args);
int _snwprintf_s(wchar_t* buffer, size_t sizeInWords, size_t count, const wchar_t* format, ...);

template <size_t N>
int swprintf_s(wchar_t (&buffer)[N], const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  const int result = vswprintf_s(buffer, N, format, args);
  va_end(args);
  return result;
}

template <size_t N>
int _snwprintf_s(wchar_t (&buffer)[N], size_t count, const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  const int result = _vsnwprintf_s(buffer, N, count, format, args);
  va_end(args);
  return result;
}

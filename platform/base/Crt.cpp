#include "platform/base/Crt.h"

#include <locale.h>
#include <wctype.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>

#include "platform/base/CodePage.h"

namespace platform {
namespace {

// Bytes of the GBK character starting at p (the text came out of a CP936 conversion).
size_t GbkCharLength(const unsigned char* p) { return (*p >= 0x81 && *p <= 0xFE) ? 2 : 1; }

}  // namespace

size_t WcsToMbs(char* dst, const wchar_t* src, size_t n) {
  bool complete = true;
  const std::string converted = codepage::WideToGbk(src, codepage::Policy::Stop, &complete);
  if (!dst) return complete ? converted.size() : static_cast<size_t>(-1);
  // Never split a double-byte character at the limit.
  size_t written = 0;
  while (written < converted.size()) {
    const size_t length = GbkCharLength(reinterpret_cast<const unsigned char*>(&converted[written]));
    if (written + length > n) return written;
    std::memcpy(dst + written, &converted[written], length);
    written += length;
  }
  if (written == n) return n;  // the limit came before any character that would fail
  dst[written] = '\0';
  return complete ? written : static_cast<size_t>(-1);
}

size_t MbsToWcs(wchar_t* dst, const char* src, size_t n) {
  bool complete = true;
  const std::wstring converted = codepage::GbkToWide(src, codepage::Policy::Stop, &complete);
  if (!dst) return complete ? converted.size() : static_cast<size_t>(-1);
  if (converted.size() >= n) {
    std::wmemcpy(dst, converted.data(), n);
    // The limit was reached before any character that would have failed.
    return n;
  }
  std::wmemcpy(dst, converted.data(), converted.size());
  dst[converted.size()] = L'\0';
  return complete ? converted.size() : static_cast<size_t>(-1);
}

// Wide classes and case mapping -------------------------------------------------------

namespace {

// One locale object for the whole process, made once; the _l functions read it without
// touching the process locale.
locale_t Utf8Locale() {
  static const locale_t locale = [] {
    locale_t made = newlocale(LC_ALL_MASK, "C.UTF-8", static_cast<locale_t>(0));
    return made ? made : newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  }();
  return locale;
}

double ParseDouble(const wchar_t* text) { return wcstod_l(text, nullptr, Utf8Locale()); }

}  // namespace

bool IsAlphaW(wchar_t c) { return iswalpha_l(c, Utf8Locale()) != 0; }
bool IsAlnumW(wchar_t c) { return iswalnum_l(c, Utf8Locale()) != 0; }
bool IsDigitW(wchar_t c) { return iswdigit_l(c, Utf8Locale()) != 0; }
bool IsSpaceW(wchar_t c) { return iswspace_l(c, Utf8Locale()) != 0; }
bool IsUpperW(wchar_t c) { return iswupper_l(c, Utf8Locale()) != 0; }
bool IsLowerW(wchar_t c) { return iswlower_l(c, Utf8Locale()) != 0; }
bool IsPunctW(wchar_t c) { return iswpunct_l(c, Utf8Locale()) != 0; }
wchar_t ToLowerW(wchar_t c) { return static_cast<wchar_t>(towlower_l(c, Utf8Locale())); }
wchar_t ToUpperW(wchar_t c) { return static_cast<wchar_t>(towupper_l(c, Utf8Locale())); }

}  // namespace platform

// Text to number -------------------------------------------------------------------------

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }

// The decimal number at the start of text, clamped to [low, high].
long long ParseInteger(const wchar_t* text, long long low, long long high) {
  if (!text) return 0;
  while (IsBlank(*text)) ++text;
  const bool negative = *text == L'-';
  if (*text == L'-' || *text == L'+') ++text;
  const unsigned long long limit =
      negative ? 0ULL - static_cast<unsigned long long>(low) : static_cast<unsigned long long>(high);
  unsigned long long value = 0;
  for (; *text >= L'0' && *text <= L'9'; ++text) {
    const unsigned digit = *text - L'0';
    if (value > (limit - digit) / 10) {
      errno = ERANGE;
      return negative ? low : high;
    }
    value = value * 10 + digit;
  }
  return negative ? static_cast<long long>(0ULL - value) : static_cast<long long>(value);
}

}  // namespace

int _wtoi(const wchar_t* text) {
  return static_cast<int>(ParseInteger(text, INT32_MIN, INT32_MAX));
}

long _wtol(const wchar_t* text) { return static_cast<long>(ParseInteger(text, INT32_MIN, INT32_MAX)); }

long long _wtoi64(const wchar_t* text) { return ParseInteger(text, INT64_MIN, INT64_MAX); }

double _wtof(const wchar_t* text) { return text ? platform::ParseDouble(text) : 0.0; }

// Number to text -------------------------------------------------------------------------

namespace {

// Digits of value in radix, a minus sign first when negative is set.
template <typename Char>
std::basic_string<Char> Digits(unsigned long long value, bool negative, int radix) {
  std::basic_string<Char> text;
  if (radix < 2 || radix > 36) return text;
  do {
    text.insert(text.begin(), static_cast<Char>("0123456789abcdefghijklmnopqrstuvwxyz"[value % radix]));
    value /= radix;
  } while (value);
  if (negative) text.insert(text.begin(), static_cast<Char>('-'));
  return text;
}

template <typename Char>
std::basic_string<Char> SignedDigits(long long value, unsigned long long twosComplement,
                                     int radix) {
  if (radix == 10 && value < 0) {
    return Digits<Char>(0ULL - static_cast<unsigned long long>(value), true, radix);
  }
  return Digits<Char>(value < 0 ? twosComplement : static_cast<unsigned long long>(value), false,
                      radix);
}

template <typename Char>
Char* Put(const std::basic_string<Char>& text, Char* buffer) {
  if (!buffer) return buffer;
  std::copy(text.begin(), text.end(), buffer);
  buffer[text.size()] = 0;
  return buffer;
}

}  // namespace

wchar_t* _itow(int value, wchar_t* buffer, int radix) {
  return Put(SignedDigits<wchar_t>(value, static_cast<uint32_t>(value), radix), buffer);
}

errno_t _itow_s(int value, wchar_t* buffer, size_t sizeInWords, int radix) {
  if (!buffer || sizeInWords == 0) return EINVAL;
  buffer[0] = L'\0';
  if (radix < 2 || radix > 36) return EINVAL;
  const std::wstring text = SignedDigits<wchar_t>(value, static_cast<uint32_t>(value), radix);
  if (text.size() >= sizeInWords) return ERANGE;
  Put(text, buffer);
  return 0;
}

wchar_t* _ltow(long value, wchar_t* buffer, int radix) {
  return Put(SignedDigits<wchar_t>(value, static_cast<uint32_t>(value), radix), buffer);
}

wchar_t* _i64tow(long long value, wchar_t* buffer, int radix) {
  return Put(SignedDigits<wchar_t>(value, static_cast<unsigned long long>(value), radix), buffer);
}

wchar_t* _ultow(unsigned long value, wchar_t* buffer, int radix) {
  return Put(Digits<wchar_t>(value, false, radix), buffer);
}

char* _itoa(int value, char* buffer, int radix) {
  return Put(SignedDigits<char>(value, static_cast<uint32_t>(value), radix), buffer);
}

// Case-insensitive comparison -------------------------------------------------------------

namespace {

const int kCompareError = 0x7FFFFFFF;  // what the Windows library answers for a null text

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

int Sign(int value) { return value < 0 ? -1 : (value > 0 ? 1 : 0); }

}  // namespace

int _wcsnicmp(const wchar_t* a, const wchar_t* b, size_t count) {
  if (!a || !b) return kCompareError;
  for (size_t i = 0; i < count; ++i) {
    const wchar_t la = platform::ToLowerW(a[i]);
    const wchar_t lb = platform::ToLowerW(b[i]);
    if (la != lb) return static_cast<int>(la) - static_cast<int>(lb);
    if (!la) return 0;
  }
  return 0;
}

int _wcsicmp(const wchar_t* a, const wchar_t* b) { return _wcsnicmp(a, b, static_cast<size_t>(-1)); }

int _strnicmp(const char* a, const char* b, size_t count) {
  if (!a || !b) return kCompareError;
  for (size_t i = 0; i < count; ++i) {
    const unsigned char la = static_cast<unsigned char>(AsciiLower(a[i]));
    const unsigned char lb = static_cast<unsigned char>(AsciiLower(b[i]));
    if (la != lb) return static_cast<int>(la) - static_cast<int>(lb);
    if (!la) return 0;
  }
  return 0;
}

int _stricmp(const char* a, const char* b) { return _strnicmp(a, b, static_cast<size_t>(-1)); }

wchar_t* _wcslwr(wchar_t* text) {
  for (wchar_t* p = text; p && *p; ++p) *p = platform::ToLowerW(*p);
  return text;
}

wchar_t* _wcsupr(wchar_t* text) {
  for (wchar_t* p = text; p && *p; ++p) *p = platform::ToUpperW(*p);
  return text;
}

wchar_t* _wcsdup(const wchar_t* text) {
  if (!text) return nullptr;
  const size_t size = (std::wcslen(text) + 1) * sizeof(wchar_t);
  wchar_t* copy = static_cast<wchar_t*>(std::malloc(size));
  if (copy) std::memcpy(copy, text, size);
  return copy;
}

char* _strdup(const char* text) { return text ? strdup(text) : nullptr; }

// Bounds-checked copies -------------------------------------------------------------------

namespace {

// A count that never cuts the source, unlike _TRUNCATE.
const size_t kWhole = static_cast<size_t>(-2);

template <typename Char>
size_t Length(const Char* text, size_t limit) {
  size_t length = 0;
  while (length < limit && text[length]) ++length;
  return length;
}

// Copies at most count characters of src to dst (the whole of src for _TRUNCATE).
template <typename Char>
errno_t CopyBounded(Char* dst, size_t size, const Char* src, size_t count) {
  if (!dst || size == 0) return EINVAL;
  if (!src) {
    dst[0] = 0;
    return count == 0 ? 0 : EINVAL;
  }
  const bool truncate = count == _TRUNCATE;
  const size_t length = Length(src, count);
  if (length < size) {
    std::copy(src, src + length, dst);
    dst[length] = 0;
    return 0;
  }
  if (!truncate) {
    dst[0] = 0;
    return ERANGE;
  }
  std::copy(src, src + size - 1, dst);
  dst[size - 1] = 0;
  return STRUNCATE;
}

}  // namespace

errno_t wcscpy_s(wchar_t* dst, size_t sizeInWords, const wchar_t* src) {
  return CopyBounded(dst, sizeInWords, src, kWhole);
}

errno_t wcsncpy_s(wchar_t* dst, size_t sizeInWords, const wchar_t* src, size_t count) {
  return CopyBounded(dst, sizeInWords, src, count);
}

errno_t wcscat_s(wchar_t* dst, size_t sizeInWords, const wchar_t* src) {
  if (!dst || sizeInWords == 0) return EINVAL;
  const size_t used = Length(dst, sizeInWords);
  if (!src || used == sizeInWords) {  // no source, or a destination with no terminator
    dst[0] = 0;
    return EINVAL;
  }
  const errno_t result = wcscpy_s(dst + used, sizeInWords - used, src);
  if (result != 0) dst[0] = 0;
  return result;
}

errno_t strcpy_s(char* dst, size_t size, const char* src) {
  return CopyBounded(dst, size, src, kWhole);
}

errno_t strncpy_s(char* dst, size_t size, const char* src, size_t count) {
  return CopyBounded(dst, size, src, count);
}

// Kernel string calls ---------------------------------------------------------------------

int lstrlenW(LPCWSTR text) { return text ? static_cast<int>(std::wcslen(text)) : 0; }

int lstrlenA(LPCSTR text) { return text ? static_cast<int>(std::strlen(text)) : 0; }

LPWSTR lstrcpyW(LPWSTR dst, LPCWSTR src) {
  if (!dst) return nullptr;
  return std::wcscpy(dst, src ? src : L"");
}

LPWSTR lstrcpynW(LPWSTR dst, LPCWSTR src, int maxLength) {
  if (!dst || maxLength <= 0) return dst;
  const size_t length = src ? Length(src, static_cast<size_t>(maxLength - 1)) : 0;
  std::wmemcpy(dst, src ? src : L"", length);
  dst[length] = L'\0';
  return dst;
}

LPWSTR lstrcatW(LPWSTR dst, LPCWSTR src) {
  if (!dst) return nullptr;
  return std::wcscat(dst, src ? src : L"");
}

int lstrcmpW(LPCWSTR a, LPCWSTR b) {
  return Sign(std::wcscmp(a ? a : L"", b ? b : L""));
}

int lstrcmpiW(LPCWSTR a, LPCWSTR b) { return Sign(_wcsicmp(a ? a : L"", b ? b : L"")); }

namespace {

bool IsCharacterValue(const void* p) { return reinterpret_cast<uintptr_t>(p) <= 0xFFFF; }

}  // namespace

LPWSTR CharLowerW(LPWSTR text) {
  if (IsCharacterValue(text)) {
    const wchar_t c = static_cast<wchar_t>(reinterpret_cast<uintptr_t>(text));
    return reinterpret_cast<LPWSTR>(static_cast<uintptr_t>(platform::ToLowerW(c)));
  }
  return _wcslwr(text);
}

LPWSTR CharUpperW(LPWSTR text) {
  if (IsCharacterValue(text)) {
    const wchar_t c = static_cast<wchar_t>(reinterpret_cast<uintptr_t>(text));
    return reinterpret_cast<LPWSTR>(static_cast<uintptr_t>(platform::ToUpperW(c)));
  }
  return _wcsupr(text);
}

DWORD CharLowerBuffW(LPWSTR text, DWORD length) {
  if (!text) return 0;
  for (DWORD i = 0; i < length; ++i) text[i] = platform::ToLowerW(text[i]);
  return length;
}

LPWSTR CharNextW(LPCWSTR current) {
  if (!current) return nullptr;
  return const_cast<LPWSTR>(*current ? current + 1 : current);
}

LPWSTR CharPrevW(LPCWSTR start, LPCWSTR current) {
  if (!start || !current) return nullptr;
  return const_cast<LPWSTR>(current > start ? current - 1 : start);
}

BOOL IsCharAlphaW(WCHAR c) { return platform::IsAlphaW(c) ? TRUE : FALSE; }
BOOL IsCharAlphaNumericW(WCHAR c) { return platform::IsAlnumW(c) ? TRUE : FALSE; }
BOOL IsCharUpperW(WCHAR c) { return platform::IsUpperW(c) ? TRUE : FALSE; }
BOOL IsCharLowerW(WCHAR c) { return platform::IsLowerW(c) ? TRUE : FALSE; }

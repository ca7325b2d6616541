#include "platform/base/Crt.h"

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

}  // namespace platform

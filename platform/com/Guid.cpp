#include "platform/com/Guid.h"

#include <cwchar>

#include "platform/com/ClassRegistry.h"

const GUID GUID_NULL = {0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};

namespace {

constexpr int kBracedLength = 38;
const wchar_t kHexDigits[] = L"0123456789ABCDEF";

int HexValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

// Reads `digits` hexadecimal digits at `text`; false on any other character.
bool ReadHex(const wchar_t* text, int digits, uint32_t* value) {
  uint32_t result = 0;
  for (int i = 0; i < digits; ++i) {
    const int digit = HexValue(text[i]);
    if (digit < 0) return false;
    result = result << 4 | static_cast<uint32_t>(digit);
  }
  *value = result;
  return true;
}

void WriteHex(uint32_t value, int digits, wchar_t* out) {
  for (int i = digits - 1; i >= 0; --i) {
    out[i] = kHexDigits[value & 0xF];
    value >>= 4;
  }
}

}  // namespace

namespace platform::com {

bool ParseGuid(const wchar_t* text, GUID* guid) {
  if (!text || std::wcslen(text) != kBracedLength) return false;
  if (text[0] != L'{' || text[37] != L'}') return false;
  if (text[9] != L'-' || text[14] != L'-' || text[19] != L'-' || text[24] != L'-') return false;
  uint32_t data1 = 0, data2 = 0, data3 = 0;
  if (!ReadHex(text + 1, 8, &data1) || !ReadHex(text + 10, 4, &data2) || !ReadHex(text + 15, 4, &data3)) return false;
  GUID result{data1, static_cast<WORD>(data2), static_cast<WORD>(data3), {}};
  // The last eight bytes: two before the fourth dash, six after it.
  const int offsets[8] = {20, 22, 25, 27, 29, 31, 33, 35};
  for (int i = 0; i < 8; ++i) {
    uint32_t byte = 0;
    if (!ReadHex(text + offsets[i], 2, &byte)) return false;
    result.Data4[i] = static_cast<BYTE>(byte);
  }
  *guid = result;
  return true;
}

}  // namespace platform::com

int StringFromGUID2(REFGUID guid, LPOLESTR text, int maxChars) {
  if (!text || maxChars < kBracedLength + 1) return 0;
  wchar_t* out = text;
  *out++ = L'{';
  WriteHex(guid.Data1, 8, out);
  out += 8;
  *out++ = L'-';
  WriteHex(guid.Data2, 4, out);
  out += 4;
  *out++ = L'-';
  WriteHex(guid.Data3, 4, out);
  out += 4;
  *out++ = L'-';
  for (int i = 0; i < 8; ++i) {
    if (i == 2) *out++ = L'-';
    WriteHex(guid.Data4[i], 2, out);
    out += 2;
  }
  *out++ = L'}';
  *out = L'\0';
  return kBracedLength + 1;
}

HRESULT CLSIDFromString(LPCOLESTR text, LPCLSID clsid) {
  if (!text || !clsid) return E_INVALIDARG;
  if (platform::com::ParseGuid(text, clsid)) return NOERROR;
  if (text[0] != L'{' && SUCCEEDED(CLSIDFromProgID(text, clsid))) return NOERROR;
  *clsid = GUID_NULL;
  return CO_E_CLASSSTRING;
}

#include "ui/core/types/CUIValueParser.h"

#include <algorithm>
#include <climits>
#include <cwchar>

namespace SkinUI {

bool CUIValueParser::IsTrue(LPCTSTR pstrText) { return pstrText != nullptr && std::wcscmp(pstrText, L"true") == 0; }

int CUIValueParser::ReadDecimal(LPCTSTR pstrText, LPCTSTR* ppEnd) {
  wchar_t* pEnd = nullptr;
  const long long value = std::wcstoll(pstrText, &pEnd, 10);
  if (ppEnd != nullptr) *ppEnd = pEnd;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

int CUIValueParser::ReadPixels(LPCTSTR pstrText, LPCTSTR* ppEnd) {
  return std::clamp(ReadDecimal(pstrText, ppEnd), -static_cast<int>(MAX_PIXELS), static_cast<int>(MAX_PIXELS));
}

int CUIValueParser::ReadFontSize(LPCTSTR pstrText, LPCTSTR* ppEnd) {
  return std::clamp(ReadDecimal(pstrText, ppEnd), 1, static_cast<int>(MAX_FONT_SIZE));
}

DWORD CUIValueParser::ReadHex(LPCTSTR pstrText, LPCTSTR* ppEnd) {
  wchar_t* pEnd = nullptr;
  const unsigned long long value = std::wcstoull(pstrText, &pEnd, 16);
  if (ppEnd != nullptr) *ppEnd = pEnd;
  // A minus sign negates as Windows' 32-bit wcstoul does.
  const bool bNegative = [&] {
    LPCTSTR p = pstrText;
    while (*p == L' ' || (*p >= L'\t' && *p <= L'\r')) ++p;
    return *p == L'-';
  }();
  if (bNegative) {
    const unsigned long long magnitude = ~value + 1;
    if (magnitude > 0xFFFFFFFFull) return 0xFFFFFFFF;
    return static_cast<DWORD>(0u - static_cast<DWORD>(magnitude));
  }
  if (value > 0xFFFFFFFFull) return 0xFFFFFFFF;
  return static_cast<DWORD>(value);
}

LPCTSTR CUIValueParser::ReadIntegers(LPCTSTR pstrText, int* pValues, int nCount) {
  for (int i = 0; i < nCount; ++i) pValues[i] = 0;
  if (pstrText == nullptr) return pstrText;
  LPCTSTR p = pstrText;
  for (int i = 0; i < nCount; ++i) {
    LPCTSTR pEnd = p;
    pValues[i] = ReadDecimal(p, &pEnd);
    p = pEnd;
    if (*p == L'\0') break;
    ++p;  // the separator
  }
  return p;
}

RECT CUIValueParser::ReadRect(LPCTSTR pstrText) {
  int values[4];
  ReadIntegers(pstrText, values, 4);
  return RECT{values[0], values[1], values[2], values[3]};
}

DWORD CUIValueParser::ReadColor(LPCTSTR pstrText) {
  if (pstrText == nullptr) return 0;
  if (*pstrText == L'#') ++pstrText;
  return ReadHex(pstrText, nullptr);
}

}  // namespace SkinUI

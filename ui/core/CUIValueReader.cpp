#include "ui/core/CUIValueReader.h"

#include <cwchar>

namespace SkinUI {

void CUIValueReader::ReadInts(LPCTSTR pstrValue, int* pValues, int nCount) {
  for (int i = 0; i < nCount; ++i) pValues[i] = 0;
  if (pstrValue == nullptr) return;
  LPCTSTR p = pstrValue;
  for (int i = 0; i < nCount && *p != L'\0'; ++i) {
    LPTSTR pEnd = nullptr;
    pValues[i] = static_cast<int>(wcstol(p, &pEnd, 10));
    p = pEnd;
    // The separator is whatever single character follows; the terminator stays.
    if (*p != L'\0') ++p;
  }
}

RECT CUIValueReader::ReadRect(LPCTSTR pstrValue) {
  int v[4];
  ReadInts(pstrValue, v, 4);
  return RECT{v[0], v[1], v[2], v[3]};
}

SIZE CUIValueReader::ReadSize(LPCTSTR pstrValue) {
  int v[2];
  ReadInts(pstrValue, v, 2);
  return SIZE{v[0], v[1]};
}

POINT CUIValueReader::ReadPoint(LPCTSTR pstrValue) {
  int v[2];
  ReadInts(pstrValue, v, 2);
  return POINT{v[0], v[1]};
}

int CUIValueReader::ReadInt(LPCTSTR pstrValue) {
  if (pstrValue == nullptr) return 0;
  return static_cast<int>(wcstol(pstrValue, nullptr, 10));
}

DWORD CUIValueReader::ReadColor(LPCTSTR pstrValue) {
  if (pstrValue == nullptr) return 0;
  if (*pstrValue == L'#') ++pstrValue;
  return static_cast<DWORD>(wcstoul(pstrValue, nullptr, 16));
}

bool CUIValueReader::IsTrue(LPCTSTR pstrValue) { return pstrValue != nullptr && wcscmp(pstrValue, L"true") == 0; }

}  // namespace SkinUI

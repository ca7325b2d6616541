#pragma once
// How skin attribute values are read: numbers separated by one character each,
// colours in hexadecimal with an optional '#', and flags that are on only as "true".
#include "platform/win32.h"

namespace SkinUI {

class CUIValueReader {
 public:
  // Reads up to nCount decimal numbers, skipping exactly one separator character
  // after each; numbers missing at the end read as 0.
  static void ReadInts(LPCTSTR pstrValue, int* pValues, int nCount);
  static RECT ReadRect(LPCTSTR pstrValue);
  static SIZE ReadSize(LPCTSTR pstrValue);
  static POINT ReadPoint(LPCTSTR pstrValue);
  // A decimal number like _wtoi: leading blanks and a sign, 0 when there is none.
  static int ReadInt(LPCTSTR pstrValue);
  static DWORD ReadColor(LPCTSTR pstrValue);
  static bool IsTrue(LPCTSTR pstrValue);
};

}  // namespace SkinUI

#pragma once
// Readers of the flag, number and colour texts that skins write into attributes and
// image descriptions, with Windows' 32-bit ranges.
#include "platform/win32.h"

namespace SkinUI {

class CUIValueParser {
 public:
  CUIValueParser() = delete;

  // A skin flag is on only when written exactly "true"; no text at all is off.
  static bool IsTrue(LPCTSTR pstrText);

  // Reads up to nCount decimal numbers, skipping exactly one character (the separator)
  // after each. Numbers the text does not reach read as 0; reading never passes the
  // end of the text. Returns where reading stopped.
  static LPCTSTR ReadIntegers(LPCTSTR pstrText, int* pValues, int nCount);
  // Four numbers as left, top, right, bottom.
  static RECT ReadRect(LPCTSTR pstrText);
  // Hexadecimal after one optional '#': an ARGB value, reading stopped at the first
  // character that is not a hex digit.
  static DWORD ReadColor(LPCTSTR pstrText);
  // wcstol in base 10, clamped to 32 bits; *ppEnd receives where it stopped.
  static int ReadDecimal(LPCTSTR pstrText, LPCTSTR* ppEnd);
  // A decimal offset or line height in pixels, clamped to what a screen can show, so
  // the positions a text adds up from many of them stay far inside 32 bits.
  enum { MAX_PIXELS = 32767 };
  static int ReadPixels(LPCTSTR pstrText, LPCTSTR* ppEnd);
  // A decimal font size in pixels, clamped to 1 to MAX_FONT_SIZE: font heights are
  // negated and multiplied on their way to the drawing layer.
  enum { MAX_FONT_SIZE = 1000 };
  static int ReadFontSize(LPCTSTR pstrText, LPCTSTR* ppEnd);
  // wcstoul in base 16, clamped to 32 bits.
  static DWORD ReadHex(LPCTSTR pstrText, LPCTSTR* ppEnd);
};

}  // namespace SkinUI

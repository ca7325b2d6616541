#pragma once
// The font ExcelApp::SetFont applies to the current range. Colours are the spreadsheet's
// values: blue in bits 16-23, green 8-15, red 0-7.
#include "platform/win32.h"

struct ExcelFont {
  CStringW name = L"Microsoft Sans Serif";
  SHORT size = 12;
  LONG colour = 0;
  SHORT bold = 0;
  SHORT italic = 0;
  SHORT strikethrough = 0;
  SHORT shadow = 0;
  SHORT subscript = 0;
  SHORT superscript = 0;
  SHORT underline = -4142;  // the spreadsheet's value for no underline
};

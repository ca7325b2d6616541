#pragma once
// The font ExcelApp::SetFont applies to the current range. Colours are the spreadsheet's
// values: blue in bits 16-23, green 8-15, red 0-7.
#include "platform/win32.h"

struct ExcelFont {
  CStringW name = L"Microsoft Sans Serif";
  short size = 12;
  long colour = 0;
  short bold = 0;
  short italic = 0;
  short strikethrough = 0;
  short shadow = 0;
  short subscript = 0;
  short superscript = 0;
  short underline = -4142;  // the spreadsheet's value for no underline
};

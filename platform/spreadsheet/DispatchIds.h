#pragma once
// The dispatch ids of the spreadsheet application's members, as its type library fixes
// them: the automation objects answer them and the program's callers invoke them, so
// both read them from here. A member of the same name on two objects (a sheet's and a
// font's Name, a border's and a font's Color) has the same id.
#include "platform/com/Dispatch.h"

namespace platform::spreadsheet::dispid {

// Application
constexpr DISPID kWorkbooks = 0x23c;
constexpr DISPID kQuit = 0x12e;

// Workbooks and Worksheets
constexpr DISPID kAdd = 0xb5;

// Workbooks and Workbook
constexpr DISPID kClose = 0x115;

// Workbook
constexpr DISPID kWorksheets = 0x1ee;
constexpr DISPID kSaveAs = 0x11c;

// Worksheet
constexpr DISPID kName = 0x6e;
constexpr DISPID kCells = 0xee;
constexpr DISPID kRange = 0xc5;

// Range (kItem also on Borders)
constexpr DISPID kItem = 0xaa;
constexpr DISPID kEntireRow = 0xf7;
constexpr DISPID kEntireColumn = 0xf6;
constexpr DISPID kCount = 0x76;
constexpr DISPID kFont = 0x92;
constexpr DISPID kHorizontalAlignment = 0x88;
constexpr DISPID kVerticalAlignment = 0x89;
constexpr DISPID kMergeCells = 0xd0;
constexpr DISPID kBorders = 0x1b3;
constexpr DISPID kNumberFormat = 0xc1;
constexpr DISPID kAutoFit = 0xed;

// Border (kColor also on Font)
constexpr DISPID kLineStyle = 0x77;
constexpr DISPID kColor = 0x63;
constexpr DISPID kWeight = 0x78;

// Font (kName and kColor as above)
constexpr DISPID kBold = 0x60;
constexpr DISPID kItalic = 0x65;
constexpr DISPID kShadow = 0x67;
constexpr DISPID kSize = 0x68;
constexpr DISPID kStrikethrough = 0x69;
constexpr DISPID kUnderline = 0x6a;
constexpr DISPID kSuperscript = 0xb2;
constexpr DISPID kSubscript = 0xb3;

}  // namespace platform::spreadsheet::dispid

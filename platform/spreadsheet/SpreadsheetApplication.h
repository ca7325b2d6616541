#pragma once
// Our own spreadsheet application, created by ProgID "Excel.Application": it answers the
// automation calls the program's reports make over an in-memory workbook and saves it
// as an .xlsx file. The program registers it once at start-up; tests register it, or
// unregister it to make the application missing.
#include "platform/com/Guid.h"

namespace platform::spreadsheet {

class SpreadsheetApplication {
 public:
  static const CLSID kClassId;
  static const wchar_t kProgId[];

  static bool Register();
  static bool Unregister();
};

}  // namespace platform::spreadsheet

#pragma once
// What one spreadsheet report writes, in the shape every report shares: merged title
// rows, a bordered header row, bordered data rows with a running number in the first
// column, fitted columns, one file.
#include <vector>

#include "app/records/ExcelFont.h"
#include "platform/win32.h"

struct ExcelReport {
  struct Title {
    CStringW text;
    ExcelFont font;
  };

  const char* operation = "";  // names the report in the log
  CStringW sheetName;
  wchar_t lastColumn = L'A';
  int firstDataRow = 3;  // below the titles and the header
  std::vector<Title> titles;
  ExcelFont headerFont;
  std::vector<CStringW> headers;
  // Each row's texts from the second column on; the first is the running number.
  std::vector<std::vector<CStringW>> rows;
  CStringW fileName;
  // Writes the plan-run report's progress lines to the text log.
  bool logsProgress = false;
};

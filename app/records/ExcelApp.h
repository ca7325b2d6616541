#pragma once
// Drives one instance of the spreadsheet application ("Excel.Application") through its
// automation interface to build one workbook with one named sheet, and saves it. Every
// call goes by fixed dispatch id through the class library's driver; a call the
// application rejects throws COleDispatchException, one that fails COleException, and
// ExcelApp lets both through. One ExcelApp lives and dies on one thread.
#include "CommonTools/COleDispatchDriver.h"
#include "app/records/ExcelFont.h"
#include "platform/win32.h"

class ExcelApp {
 public:
  ExcelApp() = default;
  // Closes when that has not been done; an error while closing is dropped here.
  ~ExcelApp();
  ExcelApp(const ExcelApp&) = delete;
  ExcelApp& operator=(const ExcelApp&) = delete;

  // Initialises COM on the thread, starts the application and adds the workbook. False,
  // after the message box "EXCEL初始化时出错!", when the application cannot be started.
  bool Init();
  // Adds a sheet, names it and makes its whole cell range current.
  void AddSheet(const CStringW& name);
  // Makes the sheet's range between two A1 cell texts current.
  void SetRange(const CStringW& cell1, const CStringW& cell2);
  // Writes the text at the 1-based row and column of the current range; a cell outside
  // it gets the range message box, and false.
  bool SetCell(int row, int column, const CStringW& text);
  // Blanks every cell but the top-left one, then merges the current range.
  void Merge();
  // Horizontal alignment in the low 16 bits, vertical in the high 16 bits.
  void SetAlignment(LONG alignment);
  void SetFont(ExcelFont font);
  // One border of the current range; inside lines a one-row or one-column range does
  // not have are skipped.
  void SetBorder(SHORT index, SHORT lineStyle, SHORT weight, LONG colour);
  void SetNumberFormat(const CStringW& format);
  int RowCount();
  int ColumnCount();
  // Saves the workbook under the path. The application replaces an existing file only
  // once the new one is complete, so a failed save keeps the earlier file.
  void SaveAs(const CStringW& path);
  // Closes the workbook, quits the application and ends COM on the thread. Each step is
  // tried even when an earlier one failed; the first failure is thrown afterwards.
  // Closing again does nothing.
  void Close();

  // The sheet AddSheet added, for calls the wrapper has no operation for.
  COleDispatchDriver& Worksheet() { return m_worksheet; }

 private:
  COleDispatchDriver m_application;
  COleDispatchDriver m_workbook;
  COleDispatchDriver m_worksheet;
  COleDispatchDriver m_workbooks;
  COleDispatchDriver m_worksheets;
  COleDispatchDriver m_range;
  CStringW m_savedPath;
  bool m_comInitialised = false;
  bool m_closed = false;
};

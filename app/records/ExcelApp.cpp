#include "app/records/ExcelApp.h"

#include <exception>
#include <functional>

#include "CommonTools/AfxMessageBox.h"
#include "platform/spreadsheet/DispatchIds.h"

namespace {

namespace dispid = platform::spreadsheet::dispid;

constexpr short kInsideVertical = 11;
constexpr short kInsideHorizontal = 12;

const BYTE kNoArguments[] = VTS_NONE;
const BYTE kOneOmitted[] = VTS_VARIANT;
const BYTE kFourOmitted[] = VTS_VARIANT VTS_VARIANT VTS_VARIANT VTS_VARIANT;
const BYTE kTwoTexts[] = VTS_BSTR VTS_BSTR;
const BYTE kCellText[] = VTS_I4 VTS_I4 VTS_BSTR;
const BYTE kIndex[] = VTS_I4;
const BYTE kWorkbookClose[] = VTS_I2 VTS_BSTR VTS_VARIANT;
const BYTE kSaveAsArguments[] = VTS_BSTR VTS_VARIANT VTS_VARIANT VTS_VARIANT VTS_VARIANT VTS_VARIANT VTS_I4
    VTS_VARIANT VTS_VARIANT VTS_VARIANT VTS_VARIANT;

// An optional argument the call leaves out.
VARIANT Omitted() {
  VARIANT omitted;
  VariantInit(&omitted);
  omitted.vt = VT_ERROR;
  omitted.scode = DISP_E_PARAMNOTFOUND;
  return omitted;
}

// Reads an object-valued member into a new driver that holds it.
void ReadObject(COleDispatchDriver& from, DISPID id, COleDispatchDriver& into) {
  LPDISPATCH object = nullptr;
  from.GetProperty(id, VT_DISPATCH, &object);
  into.AttachDispatch(object);
}

// Runs one step of closing; the first failure is kept for later and the rest go on.
void Attempt(const std::function<void()>& step, std::exception_ptr& failure) {
  try {
    step();
  } catch (...) {
    if (!failure) failure = std::current_exception();
  }
}

}  // namespace

ExcelApp::~ExcelApp() {
  try {
    Close();
  } catch (...) {
    // A destructor has nobody to report to; Close has released everything anyway.
  }
}

bool ExcelApp::Init() {
  m_comInitialised = SUCCEEDED(CoInitialize(nullptr));
  if (!m_application.CreateDispatch(L"Excel.Application")) {
    AfxMessageBox(L"EXCEL初始化时出错!", MB_ICONERROR);
    return false;
  }
  ReadObject(m_application, dispid::kWorkbooks, m_workbooks);
  const VARIANT omitted = Omitted();
  LPDISPATCH workbook = nullptr;
  m_workbooks.InvokeHelper(dispid::kAdd, DISPATCH_METHOD, VT_DISPATCH, &workbook, kOneOmitted, &omitted);
  m_workbook.AttachDispatch(workbook);
  ReadObject(m_workbook, dispid::kWorksheets, m_worksheets);
  return true;
}

void ExcelApp::AddSheet(const CStringW& name) {
  const VARIANT omitted = Omitted();
  LPDISPATCH sheet = nullptr;
  m_worksheets.InvokeHelper(dispid::kAdd, DISPATCH_METHOD, VT_DISPATCH, &sheet, kFourOmitted, &omitted, &omitted,
                            &omitted, &omitted);
  m_worksheet.AttachDispatch(sheet);
  m_worksheet.SetProperty(dispid::kName, VT_BSTR, name.GetString());
  ReadObject(m_worksheet, dispid::kCells, m_range);
}

void ExcelApp::SetRange(const CStringW& cell1, const CStringW& cell2) {
  LPDISPATCH range = nullptr;
  m_worksheet.InvokeHelper(dispid::kRange, DISPATCH_PROPERTYGET, VT_DISPATCH, &range, kTwoTexts, cell1.GetString(),
                           cell2.GetString());
  m_range.AttachDispatch(range);
}

int ExcelApp::RowCount() {
  COleDispatchDriver rows;
  ReadObject(m_range, dispid::kEntireRow, rows);
  LONG count = 0;
  rows.GetProperty(dispid::kCount, VT_I4, &count);
  return count;
}

int ExcelApp::ColumnCount() {
  COleDispatchDriver columns;
  ReadObject(m_range, dispid::kEntireColumn, columns);
  LONG count = 0;
  columns.GetProperty(dispid::kCount, VT_I4, &count);
  return count;
}

bool ExcelApp::SetCell(int row, int column, const CStringW& text) {
  const int rows = RowCount();
  const int columns = ColumnCount();
  if (row > rows || column > columns) {
    CStringW message;
    message.Format(L"由于(%d,%d)已经超过了(%d,%d)的范围,所以在(%d,%d)设置失败!", row, column, rows, columns, row, column);
    AfxMessageBox(message, MB_ICONERROR);
    return false;
  }
  m_range.InvokeHelper(dispid::kItem, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, kCellText, static_cast<LONG>(row),
                       static_cast<LONG>(column), text.GetString());
  return true;
}

void ExcelApp::Merge() {
  const int rows = RowCount();
  const int columns = ColumnCount();
  for (int column = 2; column <= columns; ++column) SetCell(1, column, L"");
  for (int row = 2; row <= rows; ++row) {
    for (int column = 1; column <= columns; ++column) SetCell(row, column, L"");
  }
  m_range.SetProperty(dispid::kMergeCells, VT_I2, 1);
}

void ExcelApp::SetAlignment(LONG alignment) {
  m_range.SetProperty(dispid::kHorizontalAlignment, VT_I2, static_cast<short>(LOWORD(alignment)));
  m_range.SetProperty(dispid::kVerticalAlignment, VT_I2, static_cast<short>(HIWORD(alignment)));
}

void ExcelApp::SetFont(ExcelFont font) {
  COleDispatchDriver driver;
  ReadObject(m_range, dispid::kFont, driver);
  driver.SetProperty(dispid::kName, VT_BSTR, font.name.GetString());
  driver.SetProperty(dispid::kShadow, VT_I2, font.shadow);
  driver.SetProperty(dispid::kSize, VT_I2, font.size);
  driver.SetProperty(dispid::kUnderline, VT_I2, font.underline);
  driver.SetProperty(dispid::kBold, VT_I2, font.bold);
  driver.SetProperty(dispid::kColor, VT_I4, font.colour);
  driver.SetProperty(dispid::kItalic, VT_I2, font.italic);
  driver.SetProperty(dispid::kStrikethrough, VT_I2, font.strikethrough);
  driver.SetProperty(dispid::kSubscript, VT_I2, font.subscript);
  driver.SetProperty(dispid::kSuperscript, VT_I2, font.superscript);
}

void ExcelApp::SetBorder(SHORT index, SHORT lineStyle, SHORT weight, LONG colour) {
  // The application refuses inside lines a range does not have.
  if (index == kInsideHorizontal && RowCount() == 1) return;
  if (index == kInsideVertical && ColumnCount() == 1) return;
  COleDispatchDriver borders;
  ReadObject(m_range, dispid::kBorders, borders);
  LPDISPATCH edge = nullptr;
  borders.InvokeHelper(dispid::kItem, DISPATCH_PROPERTYGET, VT_DISPATCH, &edge, kIndex, static_cast<LONG>(index));
  COleDispatchDriver border(edge);
  border.SetProperty(dispid::kLineStyle, VT_I2, lineStyle);
  border.SetProperty(dispid::kColor, VT_I4, colour);
  border.SetProperty(dispid::kWeight, VT_I2, weight);
}

void ExcelApp::SetNumberFormat(const CStringW& format) {
  m_range.SetProperty(dispid::kNumberFormat, VT_BSTR, format.GetString());
}

void ExcelApp::SaveAs(const CStringW& path) {
  // No file format: the application's default for a new workbook, whatever the extension.
  const VARIANT omitted = Omitted();
  m_workbook.InvokeHelper(dispid::kSaveAs, DISPATCH_METHOD, VT_EMPTY, nullptr, kSaveAsArguments, path.GetString(),
                          &omitted, &omitted, &omitted, &omitted, &omitted, static_cast<LONG>(0), &omitted, &omitted,
                          &omitted, &omitted);
  m_savedPath = path;
}

void ExcelApp::Close() {
  if (m_closed) return;
  m_closed = true;
  m_range.ReleaseDispatch();
  m_worksheet.ReleaseDispatch();
  m_worksheets.ReleaseDispatch();
  std::exception_ptr failure;
  Attempt(
      [&] {
        const VARIANT omitted = Omitted();
        m_workbook.InvokeHelper(dispid::kClose, DISPATCH_METHOD, VT_EMPTY, nullptr, kWorkbookClose, 0,
                                m_savedPath.GetString(), &omitted);
      },
      failure);
  m_workbook.ReleaseDispatch();
  Attempt([&] { m_workbooks.InvokeHelper(dispid::kClose, DISPATCH_METHOD, VT_EMPTY, nullptr, kNoArguments); }, failure);
  m_workbooks.ReleaseDispatch();
  Attempt([&] { m_application.InvokeHelper(dispid::kQuit, DISPATCH_METHOD, VT_EMPTY, nullptr, kNoArguments); },
          failure);
  m_application.ReleaseDispatch();
  if (m_comInitialised) CoUninitialize();
  m_comInitialised = false;
  if (failure) std::rethrow_exception(failure);
}

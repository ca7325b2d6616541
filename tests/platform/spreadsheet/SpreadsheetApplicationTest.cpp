// Our spreadsheet application, driven through IDispatch as the reports drive it and read
// back from the file it saves.
#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include <functional>
#include <string>
#include <vector>

#include "platform/base/CodePage.h"
#include "platform/spreadsheet/SpreadsheetApplication.h"
#include "tests/platform/spreadsheet/AutomationClient.h"
#include "testing/files/ScratchFolder.h"
#include "testing/xlsx/XlsxWorkbook.h"

namespace {

using platform::spreadsheet::SpreadsheetApplication;
using spreadsheet_test::AutomationClient;
using spreadsheet_test::I2;
using spreadsheet_test::I4;
using spreadsheet_test::Omitted;
using spreadsheet_test::Text;
using test_support::ScratchFolder;
using test_support::XlsxWorkbook;

enum : DISPID {
  kWorkbooks = 0x23c,
  kQuit = 0x12e,
  kAdd = 0xb5,
  kClose = 0x115,
  kWorksheets = 0x1ee,
  kSaveAs = 0x11c,
  kName = 0x6e,
  kCells = 0xee,
  kRange = 0xc5,
  kItem = 0xaa,
  kEntireRow = 0xf7,
  kEntireColumn = 0xf6,
  kCount = 0x76,
  kFont = 0x92,
  kShadow = 0x67,
  kSize = 0x68,
  kUnderline = 0x6a,
  kBold = 0x60,
  kColor = 0x63,
  kHorizontalAlignment = 0x88,
  kVerticalAlignment = 0x89,
  kMergeCells = 0xd0,
  kBorders = 0x1b3,
  kLineStyle = 0x77,
  kWeight = 0x78,
  kNumberFormat = 0xc1,
  kAutoFit = 0xed,
};

std::wstring Wide(const std::string& utf8) { return platform::codepage::Utf8ToWide(utf8); }

// One application with one workbook and one sheet, as a report starts.
class SpreadsheetTest : public ::testing::Test {
 public:
  void SetUp() override {
    ASSERT_TRUE(SpreadsheetApplication::Register());
    ASSERT_EQ(CoInitialize(nullptr), S_OK);
    application = AutomationClient::CreateApplication();
    ASSERT_TRUE(application);
    workbooks = application.Get(kWorkbooks);
    VARIANT result;
    VariantInit(&result);
    ASSERT_EQ(workbooks.Invoke(kAdd, DISPATCH_METHOD, {Omitted()}, &result), S_OK);
    workbook = AutomationClient(result.pdispVal);
    worksheets = workbook.Get(kWorksheets);
    VariantInit(&result);
    ASSERT_EQ(worksheets.Invoke(kAdd, DISPATCH_METHOD, {Omitted(), Omitted(), Omitted(), Omitted()}, &result), S_OK);
    sheet = AutomationClient(result.pdispVal);
    ASSERT_TRUE(sheet);
  }
  void TearDown() override {
    sheet = AutomationClient();
    worksheets = AutomationClient();
    workbook = AutomationClient();
    workbooks = AutomationClient();
    application = AutomationClient();
    CoUninitialize();
    SpreadsheetApplication::Unregister();
  }

  AutomationClient Range(const std::wstring& cell1, const std::wstring& cell2) {
    return sheet.Get(kRange, {Text(cell1), Text(cell2)});
  }
  HRESULT Border(AutomationClient& range, LONG index, SHORT lineStyle) {
    AutomationClient border = range.Get(kBorders).Get(kItem, {I4(index)});
    if (!border) return E_FAIL;
    const HRESULT hr = border.Put(kLineStyle, I2(lineStyle));
    lastRejection = border.rejection();
    if (FAILED(hr)) return hr;
    if (FAILED(border.Put(kColor, I4(0)))) return E_FAIL;
    return border.Put(kWeight, I2(2));
  }
  HRESULT SaveAs(const std::string& path) {
    std::vector<VARIANT> arguments = {Text(Wide(path)), Omitted(), Omitted(), Omitted(), Omitted(), Omitted(), I4(0)};
    for (int i = 0; i < 4; ++i) arguments.push_back(Omitted());
    const HRESULT hr = workbook.Call(kSaveAs, arguments);
    lastRejection = workbook.rejection();
    return hr;
  }
  XlsxWorkbook Saved(const std::string& name) {
    XlsxWorkbook file;
    EXPECT_EQ(SaveAs(folder.file(name)), S_OK) << std::string(lastRejection.begin(), lastRejection.end());
    EXPECT_TRUE(file.Read(folder.file(name))) << file.error();
    return file;
  }

  ScratchFolder folder;
  AutomationClient application, workbooks, workbook, worksheets, sheet;
  std::wstring lastRejection;
};

struct MemberCase {
  const char* what;
  std::function<HRESULT(SpreadsheetTest&)> call;
  HRESULT expected;
};

class Members : public SpreadsheetTest, public ::testing::WithParamInterface<MemberCase> {};

void PrintTo(const MemberCase& c, std::ostream* os) { *os << c.what; }

TEST_P(Members, AnswerTheirKindsAndValueTypesOnly) {
  const MemberCase& c = GetParam();
  EXPECT_EQ(c.call(*this), c.expected);
}

AutomationClient A1(SpreadsheetTest& t) { return t.sheet.Get(kRange, {Text(L"A1"), Text(L"B2")}); }

INSTANTIATE_TEST_SUITE_P(
    Table, Members,
    ::testing::Values(
        MemberCase{"an unknown id", [](SpreadsheetTest& t) { return t.sheet.Call(0x999); }, DISP_E_MEMBERNOTFOUND},
        MemberCase{"a property read as a call",
                   [](SpreadsheetTest& t) { return t.application.Call(kWorkbooks); }, DISP_E_MEMBERNOTFOUND},
        MemberCase{"a property write read", [](SpreadsheetTest& t) { return A1(t).Get(kItem, {I4(1), I4(1)}) ? S_OK : E_FAIL; },
                   E_FAIL},
        MemberCase{"sheet name as text", [](SpreadsheetTest& t) { return t.sheet.Put(kName, Text(L"巡查记录")); }, S_OK},
        MemberCase{"sheet name as a number", [](SpreadsheetTest& t) { return t.sheet.Put(kName, I4(1)); },
                   DISP_E_TYPEMISMATCH},
        MemberCase{"range without cells",
                   [](SpreadsheetTest& t) { return t.sheet.Invoke(kRange, DISPATCH_PROPERTYGET, {}); },
                   DISP_E_BADPARAMCOUNT},
        MemberCase{"range with a number",
                   [](SpreadsheetTest& t) {
                     return t.sheet.Invoke(kRange, DISPATCH_PROPERTYGET, {I4(1), Text(L"B2")});
                   },
                   DISP_E_TYPEMISMATCH},
        MemberCase{"range with its first cell omitted",
                   [](SpreadsheetTest& t) {
                     return t.sheet.Invoke(kRange, DISPATCH_PROPERTYGET, {Omitted(), Text(L"B2")});
                   },
                   DISP_E_PARAMNOTFOUND},
        MemberCase{"item with 32-bit indices and text",
                   [](SpreadsheetTest& t) { return A1(t).Put(kItem, Text(L"1"), {I4(1), I4(1)}); }, S_OK},
        MemberCase{"item with a 16-bit row", [](SpreadsheetTest& t) { return A1(t).Put(kItem, Text(L"1"), {I2(1), I4(1)}); },
                   DISP_E_TYPEMISMATCH},
        MemberCase{"item with a number as value",
                   [](SpreadsheetTest& t) { return A1(t).Put(kItem, I4(1), {I4(1), I4(1)}); }, DISP_E_TYPEMISMATCH},
        MemberCase{"font size 16-bit", [](SpreadsheetTest& t) { return A1(t).Get(kFont).Put(kSize, I2(16)); }, S_OK},
        MemberCase{"font size 32-bit", [](SpreadsheetTest& t) { return A1(t).Get(kFont).Put(kSize, I4(16)); },
                   DISP_E_TYPEMISMATCH},
        MemberCase{"font colour 32-bit", [](SpreadsheetTest& t) { return A1(t).Get(kFont).Put(kColor, I4(15106624)); },
                   S_OK},
        MemberCase{"font colour 16-bit", [](SpreadsheetTest& t) { return A1(t).Get(kFont).Put(kColor, I2(0)); },
                   DISP_E_TYPEMISMATCH},
        MemberCase{"no underline", [](SpreadsheetTest& t) { return A1(t).Get(kFont).Put(kUnderline, I2(-4142)); }, S_OK},
        MemberCase{"centred", [](SpreadsheetTest& t) { return A1(t).Put(kHorizontalAlignment, I2(-4108)); }, S_OK},
        MemberCase{"top", [](SpreadsheetTest& t) { return A1(t).Put(kVerticalAlignment, I2(-4160)); }, S_OK},
        MemberCase{"an alignment the application does not have",
                   [](SpreadsheetTest& t) { return A1(t).Put(kHorizontalAlignment, I2(3)); }, DISP_E_EXCEPTION},
        MemberCase{"merge with a 16-bit flag", [](SpreadsheetTest& t) { return A1(t).Put(kMergeCells, I2(1)); }, S_OK},
        MemberCase{"text format", [](SpreadsheetTest& t) { return A1(t).Put(kNumberFormat, Text(L"@")); }, S_OK},
        MemberCase{"border by a 32-bit index",
                   [](SpreadsheetTest& t) { return A1(t).Get(kBorders).Get(kItem, {I4(9)}) ? S_OK : E_FAIL; }, S_OK},
        MemberCase{"border by a 16-bit index",
                   [](SpreadsheetTest& t) {
                     return A1(t).Get(kBorders).Invoke(kItem, DISPATCH_PROPERTYGET, {I2(9)});
                   },
                   DISP_E_TYPEMISMATCH},
        MemberCase{"a border index the range does not have",
                   [](SpreadsheetTest& t) {
                     return A1(t).Get(kBorders).Invoke(kItem, DISPATCH_PROPERTYGET, {I4(3)});
                   },
                   DISP_E_EXCEPTION},
        MemberCase{"border weight 32-bit",
                   [](SpreadsheetTest& t) { return A1(t).Get(kBorders).Get(kItem, {I4(9)}).Put(kWeight, I4(2)); },
                   DISP_E_TYPEMISMATCH},
        MemberCase{"count written", [](SpreadsheetTest& t) { return A1(t).Put(kCount, I4(1)); }, DISP_E_MEMBERNOTFOUND},
        MemberCase{"fitting a range that is no whole column",
                   [](SpreadsheetTest& t) { return A1(t).Call(kAutoFit); }, DISP_E_EXCEPTION},
        MemberCase{"fitting whole columns",
                   [](SpreadsheetTest& t) { return t.sheet.Get(kCells).Get(kEntireColumn).Call(kAutoFit); }, S_OK},
        MemberCase{"a sheet placed after another",
                   [](SpreadsheetTest& t) {
                     return t.worksheets.Call(kAdd, {Omitted(), Text(L"Sheet1"), Omitted(), Omitted()});
                   },
                   DISP_E_TYPEMISMATCH},
        MemberCase{"closing the workbook unsaved",
                   [](SpreadsheetTest& t) { return t.workbook.Call(kClose, {I2(0), Text(L""), Omitted()}); }, S_OK},
        MemberCase{"closing every workbook", [](SpreadsheetTest& t) { return t.workbooks.Call(kClose); }, S_OK},
        MemberCase{"quitting", [](SpreadsheetTest& t) { return t.application.Call(kQuit); }, S_OK}));

TEST_F(SpreadsheetTest, RangesAreNormalisedAndCountWhatTheyWereReachedAs) {
  struct Case {
    const wchar_t* cell1;
    const wchar_t* cell2;
    LONG cells, rows, columns;
  } cases[] = {
      {L"A3", L"G2", 14, 2, 7},
      {L"G2", L"A3", 14, 2, 7},
      {L"A2:G3", L"", 14, 2, 7},
      {L"$B$5", L"B5", 1, 1, 1},
  };
  for (const Case& c : cases) {
    AutomationClient range = Range(c.cell1, c.cell2);
    ASSERT_TRUE(range) << c.cell1;
    EXPECT_EQ(range.GetNumber(kCount), c.cells) << c.cell1;
    EXPECT_EQ(range.Get(kEntireRow).GetNumber(kCount), c.rows) << c.cell1;
    EXPECT_EQ(range.Get(kEntireColumn).GetNumber(kCount), c.columns) << c.cell1;
  }
  AutomationClient cells = sheet.Get(kCells);
  EXPECT_EQ(cells.Get(kEntireRow).GetNumber(kCount), 1048576);
  EXPECT_EQ(cells.Get(kEntireColumn).GetNumber(kCount), 16384);
  EXPECT_EQ(cells.GetNumber(kCount), -1) << "more cells than a 32-bit count holds";
  EXPECT_EQ(cells.lastResult(), DISP_E_EXCEPTION);
  for (const wchar_t* bad : {L"XFE1", L"A0", L"A1048577", L"1A", L""}) {
    EXPECT_FALSE(Range(bad, L"A1")) << bad;
  }
}

TEST_F(SpreadsheetTest, InsideLinesOfOneRowOrOneColumnAreRefused) {
  AutomationClient row = Range(L"A1", L"G1");
  AutomationClient column = Range(L"A1", L"A5");
  struct Case {
    AutomationClient* range;
    LONG index;
    HRESULT expected;
  } cases[] = {
      {&row, 12, DISP_E_EXCEPTION}, {&row, 11, S_OK},    {&row, 7, S_OK},    {&row, 8, S_OK},
      {&column, 11, DISP_E_EXCEPTION}, {&column, 12, S_OK}, {&column, 10, S_OK}, {&column, 9, S_OK},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Border(*c.range, c.index, 1), c.expected) << c.index;
    if (FAILED(c.expected)) {
      EXPECT_EQ(lastRejection, L"Unable to set the LineStyle property of the Border class");
    }
  }
}

TEST_F(SpreadsheetTest, SavesOneNamedSheetWithItsCellsMergesAndStyles) {
  ASSERT_EQ(sheet.Put(kName, Text(L"巡更系统统计表")), S_OK);
  AutomationClient title = Range(L"A1", L"G1");
  title.Put(kItem, Text(L"校园安防巡更计划统计"), {I4(1), I4(1)});
  title.Put(kItem, Text(L"covered by the merge"), {I4(1), I4(3)});
  ASSERT_EQ(title.Put(kMergeCells, I2(1)), S_OK);
  AutomationClient font = title.Get(kFont);
  font.Put(kName, Text(L"Microsoft Sans Serif"));
  font.Put(kSize, I2(20));
  font.Put(kColor, I4(15106624));
  font.Put(kBold, I2(1));
  font.Put(kShadow, I2(1));
  font.Put(kUnderline, I2(-4142));
  title.Put(kHorizontalAlignment, I2(-4108));
  title.Put(kVerticalAlignment, I2(-4160));
  title.Put(kNumberFormat, Text(L"@"));

  // Reversed corners; the data block's borders in the reports' order.
  AutomationClient data = Range(L"A3", L"C2");
  data.Put(kItem, Text(L"1"), {I4(1), I4(1)});
  data.Put(kItem, Text(L"巡更点"), {I4(2), I4(3)});
  data.Put(kItem, Text(L"below the range"), {I4(3), I4(1)});
  for (LONG index : {9, 7, 10}) ASSERT_EQ(Border(data, index, 1), S_OK);
  for (LONG index : {12, 11}) ASSERT_EQ(Border(data, index, -4118), S_OK);

  const XlsxWorkbook file = Saved("report.xls");
  EXPECT_EQ(file.sheetNames(), std::vector<std::string>{u8"巡更系统统计表"});
  EXPECT_EQ(file.merges(), std::vector<std::string>{"A1:G1"});
  const auto& a1 = file.cell("A1");
  EXPECT_EQ(a1.text, u8"校园安防巡更计划统计");
  EXPECT_EQ(a1.font.name, "Microsoft Sans Serif");
  EXPECT_EQ(a1.font.size, 20);
  EXPECT_TRUE(a1.font.bold);
  EXPECT_TRUE(a1.font.shadow);
  EXPECT_EQ(a1.font.colour, "FF4082E6");
  EXPECT_EQ(a1.horizontal, "center");
  EXPECT_EQ(a1.vertical, "top");
  EXPECT_EQ(a1.numberFormat, "@");
  EXPECT_EQ(file.cell("C1").text, "") << "a merge shows its top-left text only";
  EXPECT_EQ(file.cell("C1").font.size, 20);

  EXPECT_EQ(file.cell("A2").text, "1");
  EXPECT_EQ(file.cell("C3").text, u8"巡更点");
  EXPECT_EQ(file.cell("A4").text, "below the range");
  struct Edges {
    const char* cell;
    const char* left;
    const char* top;
    const char* bottom;
    const char* right;
  } edges[] = {
      {"A2", "thin", "", "dotted", "dotted"},     {"B2", "dotted", "", "dotted", "dotted"},
      {"C2", "dotted", "", "dotted", "thin"},     {"A3", "thin", "dotted", "thin", "dotted"},
      {"B3", "dotted", "dotted", "thin", "dotted"}, {"C3", "dotted", "dotted", "thin", "thin"},
  };
  for (const Edges& e : edges) {
    const auto& b = file.cell(e.cell).borders;
    EXPECT_EQ(b.left, e.left) << e.cell;
    EXPECT_EQ(b.top, e.top) << e.cell;
    EXPECT_EQ(b.bottom, e.bottom) << e.cell;
    EXPECT_EQ(b.right, e.right) << e.cell;
  }
  EXPECT_EQ(file.cell("A4").numberFormat, "General") << "a cell outside every styled range keeps the default";
  // The default, the title's style and the six border patterns of the data block's
  // cells, however many cells share each.
  EXPECT_EQ(file.formatCount(), 1u + 1u + 6u);
}

TEST_F(SpreadsheetTest, FittedColumnsTakeTheirWidestTextOutsideMerges) {
  AutomationClient title = Range(L"A1", L"C1");
  title.Put(kItem, Text(L"一个很长很长很长很长很长很长的合并标题"), {I4(1), I4(1)});
  title.Put(kMergeCells, I2(1));
  AutomationClient header = Range(L"A2", L"D2");
  header.Get(kFont).Put(kSize, I2(16));
  header.Put(kItem, Text(L"序号"), {I4(1), I4(1)});
  header.Put(kItem, Text(L"巡更点巡更点巡更点巡更点"), {I4(1), I4(2)});
  header.Put(kItem, Text(L"不在适配的列里"), {I4(1), I4(4)});
  Range(L"A1", L"C1").Get(kEntireColumn).Call(kAutoFit);

  const XlsxWorkbook file = Saved("widths.xls");
  const auto& widths = file.columnWidths();
  ASSERT_EQ(widths.count(1), 1u);
  ASSERT_EQ(widths.count(2), 1u);
  EXPECT_GT(widths.at(2), 2.5 * widths.at(1)) << "twelve characters against two";
  EXPECT_LT(widths.at(1), 10.0) << "the merged title does not widen its first column";
  EXPECT_EQ(widths.count(3), 0u) << "a fitted column without text keeps the default width";
  EXPECT_EQ(widths.count(4), 0u) << "a column not fitted keeps the default width";
}

TEST_F(SpreadsheetTest, SaveReplacesAFileOnlyOnceTheNewOneIsComplete) {
  const std::string target = folder.file("export.xls");
  ScratchFolder::write(target, "the earlier export");
  Range(L"A1", L"A1").Put(kItem, Text(L"new"), {I4(1), I4(1)});
  ASSERT_EQ(SaveAs(target), S_OK);
  XlsxWorkbook file;
  ASSERT_TRUE(file.Read(target)) << file.error();
  EXPECT_EQ(file.cell("A1").text, "new");
  EXPECT_EQ(file.sheetNames(), std::vector<std::string>{"Sheet1"});

  // A text longer than a cell holds fails the save half way.
  const std::string before = ScratchFolder::read(target);
  Range(L"A2", L"A2").Put(kItem, Text(std::wstring(40000, L'x')), {I4(1), I4(1)});
  EXPECT_EQ(SaveAs(target), DISP_E_EXCEPTION);
  EXPECT_FALSE(lastRejection.empty());
  EXPECT_EQ(ScratchFolder::read(target), before) << "the earlier file is left as it was";
  size_t files = 0;
  for (const auto& entry : boost::filesystem::directory_iterator(folder.path())) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 1u) << "no temporary file is left behind";

  EXPECT_EQ(SaveAs(folder.file("missing/export.xls")), DISP_E_EXCEPTION);
  EXPECT_FALSE(boost::filesystem::exists(folder.file("missing")));
}

TEST_F(SpreadsheetTest, SavesUnderABackslashPath) {
  Range(L"A1", L"A1").Put(kItem, Text(L"x"), {I4(1), I4(1)});
  std::string windowsPath = folder.path() + "\\backslash.xls";
  ASSERT_EQ(SaveAs(windowsPath), S_OK);
  EXPECT_TRUE(boost::filesystem::exists(folder.file("backslash.xls")));
}


// Cells written out of order, rewritten, blanked and styled over gaps keep the last text
// each was given and their styles, however the sheet stores them.
TEST_F(SpreadsheetTest, CellsKeepTheirLastTextsThroughRewritesAndOutOfOrderWrites) {
  AutomationClient cells = sheet.Get(kCells);
  struct Write {
    LONG row, column;
    std::wstring text;
  };
  std::vector<Write> writes = {
      {9, 2, L"九乙"}, {2, 3, L"二丙"}, {2, 1, L"二甲"}, {5, 2, L"first"}, {5, 2, L"五乙"}, {2, 2, L"blanked"},
      {2, 2, L""},     {7, 4, L"kept"},
  };
  // Enough rewrites of one cell that most of what was ever written is gone, and long
  // texts in between, so a store that packs or moves texts has to move the live ones.
  for (int i = 0; i < 3000; ++i) writes.push_back({4, 4, std::wstring(40, L'a' + i % 26) + std::to_wstring(i)});
  for (int i = 0; i < 200; ++i) writes.push_back({10 + i, 1, std::wstring(500 + i, L'巡') + std::to_wstring(i)});
  for (const Write& w : writes) ASSERT_EQ(cells.Put(kItem, Text(w.text), {I4(w.row), I4(w.column)}), S_OK);
  // Styled after the texts, over cells written and never written.
  ASSERT_EQ(Range(L"A2", L"D9").Put(kNumberFormat, Text(L"@")), S_OK);
  cells.Put(kItem, Text(L"三丁"), {I4(3), I4(4)});

  const XlsxWorkbook file = Saved("rewrites.xls");
  const struct {
    const char* cell;
    std::string text;
    const char* numberFormat;
  } expected[] = {
      {"A2", u8"二甲", "@"}, {"B2", "", "@"},         {"C2", u8"二丙", "@"}, {"D3", u8"三丁", "@"},
      {"B5", u8"五乙", "@"}, {"D7", "kept", "@"},     {"B9", u8"九乙", "@"}, {"A1", "", "General"},
      {"D4", std::string(40, 'a' + 2999 % 26) + "2999", "@"},
  };
  for (const auto& e : expected) {
    EXPECT_EQ(file.cell(e.cell).text, e.text) << e.cell;
    EXPECT_EQ(file.cell(e.cell).numberFormat, e.numberFormat) << e.cell;
  }
  for (int i = 0; i < 200; ++i) {
    const std::string where = "A" + std::to_string(10 + i);
    EXPECT_EQ(file.cell(where).text, platform::codepage::WideToUtf8(std::wstring(500 + i, L'巡') + std::to_wstring(i)))
        << where;
  }
  EXPECT_EQ(file.lastRow(), 209);
}

}  // namespace

// The spreadsheet wrapper over our own application: the dispatch calls of each operation,
// and what they leave in the saved file.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

#include "CommonTools/COleDispatchException.h"
#include "app/records/ExcelApp.h"
#include "app/records/PathExists.h"
#include "platform/base/CodePage.h"
#include "platform/com/Apartment.h"
#include "platform/spreadsheet/SpreadsheetApplication.h"
#include "tests/app/records/DispatchCalls.h"
#include "tests/app/records/RecordingDispatch.h"
#include "tests/app/records/RecordsTestSupport.h"
#include "testing/files/ScratchFolder.h"
#include "testing/xlsx/XlsxWorkbook.h"

namespace {

using platform::spreadsheet::SpreadsheetApplication;
using records_test::CallLog;
using records_test::RecordingDispatch;
using test_support::ScratchFolder;
using test_support::XlsxWorkbook;
using records_test::Border;
using records_test::Calls;
using records_test::Cell;
using records_test::Font;
using records_test::Join;
using records_test::kClose;
using records_test::kColumnsCounted;
using records_test::kCount;
using records_test::kRange;
using records_test::kRowsCounted;
using records_test::kSaveAs;

CStringW Wide(const std::string& utf8) { return CStringW(platform::codepage::Utf8ToWide(utf8).c_str()); }

// An application with its workbook and one sheet, each call recorded.
class ExcelAppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RecordingDispatch::RegisterApplication(log);
    ASSERT_TRUE(app.Init());
    app.AddSheet(L"巡查记录");
    log->Clear();
  }
  void TearDown() override { SpreadsheetApplication::Unregister(); }

  XlsxWorkbook SaveAndRead(const std::string& name) {
    app.SaveAs(Wide(folder.file(name)));
    XlsxWorkbook file;
    EXPECT_TRUE(file.Read(folder.file(name))) << file.error();
    return file;
  }

  std::shared_ptr<CallLog> log = std::make_shared<CallLog>();
  ScratchFolder folder;
  ExcelApp app;
};

struct OperationCase {
  const char* what;
  std::function<void(ExcelApp&)> operation;
  Calls calls;
};

TEST_F(ExcelAppTest, EachOperationMakesItsDispatchCallsInOrder) {
  ExcelFont font;
  font.size = 16;
  font.bold = 1;
  const OperationCase cases[] = {
      {"range", [](ExcelApp& a) { a.SetRange(L"A1", L"C1"); }, kRange},
      {"cell", [](ExcelApp& a) { a.SetCell(1, 3, L"序号"); }, Cell(1, 3)},
      {"merge of A1:C1 blanks B1 and C1", [](ExcelApp& a) { a.Merge(); },
       Join({kCount, Cell(1, 2), Cell(1, 3), {"0xd0 put I2=1"}})},
      {"alignment, horizontal in the low half", [](ExcelApp& a) { a.SetAlignment(MAKELONG(-4108, -4160)); },
       {"0x88 put I2=-4108", "0x89 put I2=-4160"}},
      {"font, ten properties in order", [&](ExcelApp& a) { a.SetFont(font); }, Font(16, 0, 1, 0)},
      {"bottom border", [](ExcelApp& a) { a.SetBorder(9, 1, 2, 0); }, Border(9, 1, 2)},
      {"inside horizontal of one row: skipped", [](ExcelApp& a) { a.SetBorder(12, 1, 2, 0); }, kRowsCounted},
      {"inside vertical of one row", [](ExcelApp& a) { a.SetBorder(11, 1, 2, 0); },
       Join({kColumnsCounted, Border(11, 1, 2)})},
      {"text format", [](ExcelApp& a) { a.SetNumberFormat(L"@"); }, {"0xc1 put BSTR"}},
      {"one cell", [](ExcelApp& a) { a.SetRange(L"B5", L"B5"); }, kRange},
      {"merge of one cell only merges", [](ExcelApp& a) { a.Merge(); }, Join({kCount, {"0xd0 put I2=1"}})},
      {"a column", [](ExcelApp& a) { a.SetRange(L"A1", L"A5"); }, kRange},
      {"inside vertical of one column: skipped", [](ExcelApp& a) { a.SetBorder(11, 1, 2, 0); }, kColumnsCounted},
      {"inside horizontal of one column", [](ExcelApp& a) { a.SetBorder(12, -4118, 2, 0); },
       Join({kRowsCounted, Border(12, -4118, 2)})},
      {"save, no file format, access mode 0", [&](ExcelApp& a) { a.SaveAs(Wide(folder.file("calls.xls"))); },
       kSaveAs},
      {"close: the workbook unsaved, the workbooks, the application", [](ExcelApp& a) { a.Close(); }, kClose},
      {"close again", [](ExcelApp& a) { a.Close(); }, {}},
  };
  for (const OperationCase& c : cases) {
    log->Clear();
    c.operation(app);
    EXPECT_EQ(log->Calls(), c.calls) << c.what;
  }
}

TEST(ExcelAppStart, InitStartsTheApplicationAndAddsOneWorkbook) {
  auto log = std::make_shared<CallLog>();
  RecordingDispatch::RegisterApplication(log);
  ExcelApp app;
  ASSERT_TRUE(app.Init());
  EXPECT_EQ(log->Calls(), records_test::kInit);
  log->Clear();
  app.AddSheet(L"巡查记录");
  EXPECT_EQ(log->Calls(), records_test::kAddSheet);
  SpreadsheetApplication::Unregister();
}

TEST_F(ExcelAppTest, CellsBeyondTheCurrentRangeAreRefusedWithTheRangeMessage) {
  platform::headless::TestDriver driver;
  app.SetRange(L"A1", L"A7");
  EXPECT_EQ(app.RowCount(), 7);
  EXPECT_EQ(app.ColumnCount(), 1);
  EXPECT_TRUE(app.SetCell(7, 1, L"最后一格"));

  struct Case {
    int row, column;
    const wchar_t* message;
  } cases[] = {
      {8, 1, L"由于(8,1)已经超过了(7,1)的范围,所以在(8,1)设置失败!"},
      {1, 2, L"由于(1,2)已经超过了(7,1)的范围,所以在(1,2)设置失败!"},
  };
  for (const Case& c : cases) {
    log->Clear();
    std::atomic<int> written{-1};
    std::thread worker([&] { written = app.SetCell(c.row, c.column, L"越界"); });
    ASSERT_TRUE(records_test::WaitForMessageBox(driver));
    const auto boxes = driver.MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, c.message);
    EXPECT_EQ(boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    ASSERT_TRUE(driver.AnswerMessageBox(IDOK));
    worker.join();
    EXPECT_EQ(written.load(), 0);
    for (const std::string& call : log->Calls()) EXPECT_EQ(call.find("0xaa put"), std::string::npos) << c.message;
  }

  const XlsxWorkbook file = SaveAndRead("bounds.xls");
  EXPECT_EQ(file.cell("A7").text, u8"最后一格");
  EXPECT_EQ(file.cells().count("A8"), 0u);
  EXPECT_EQ(file.cells().count("B1"), 0u);
}

TEST_F(ExcelAppTest, MergeLosesTheTextsBesideTheTopLeftCell) {
  app.SetRange(L"A1", L"G1");
  const char* const columns = "ABCDEFG";
  for (int c = 1; c <= 7; ++c) app.SetCell(1, c, CStringW(columns[c - 1]));
  app.Merge();
  const XlsxWorkbook file = SaveAndRead("merge.xls");
  EXPECT_EQ(file.merges(), std::vector<std::string>{"A1:G1"});
  EXPECT_EQ(file.cell("A1").text, "A");
  for (const char* cell : {"B1", "C1", "D1", "E1", "F1", "G1"}) EXPECT_EQ(file.cell(cell).text, "") << cell;
}

TEST_F(ExcelAppTest, SaveReplacesAnEarlierFileAndKeepsItWhenTheSaveFails) {
  const std::string target = folder.file(u8"20240105093015_设备记录.xls");
  ScratchFolder::write(target, "an earlier export");
  app.SetRange(L"A1", L"A2");
  app.SetCell(1, 1, L"新的");
  app.SaveAs(Wide(target));
  XlsxWorkbook file;
  ASSERT_TRUE(file.Read(target)) << file.error();
  EXPECT_EQ(file.cell("A1").text, u8"新的");

  const std::string saved = ScratchFolder::read(target);
  app.SetCell(2, 1, CStringW(L'长', 40000));  // more than a cell holds: the save fails
  EXPECT_THROW(app.SaveAs(Wide(target)), COleDispatchException);
  EXPECT_EQ(ScratchFolder::read(target), saved);
}

TEST(ExcelAppLife, CloseThenDestructionQuitsOnceAndEndsComOnce) {
  auto log = std::make_shared<CallLog>();
  RecordingDispatch::RegisterApplication(log);
  ASSERT_EQ(platform::com::ThreadInitCount(), 0);
  {
    ExcelApp app;
    ASSERT_TRUE(app.Init());
    EXPECT_EQ(platform::com::ThreadInitCount(), 1);
    app.AddSheet(L"Sheet");
    app.Close();
    EXPECT_EQ(platform::com::ThreadInitCount(), 0);
  }
  EXPECT_EQ(platform::com::ThreadInitCount(), 0);
  EXPECT_EQ(log->CountOf("0x12e call"), 1u);
  {
    ExcelApp unclosed;
    ASSERT_TRUE(unclosed.Init());
  }
  EXPECT_EQ(platform::com::ThreadInitCount(), 0) << "destruction closes what was not closed";
  EXPECT_EQ(log->CountOf("0x12e call"), 2u);
  SpreadsheetApplication::Unregister();
}

TEST(ExcelAppLife, AMissingApplicationIsReportedOnceAndLeavesComAsItWas) {
  platform::headless::TestDriver driver;
  SpreadsheetApplication::Unregister();
  std::atomic<int> started{-1};
  std::atomic<int> initCount{-1};
  std::thread worker([&] {
    {
      ExcelApp app;
      started = app.Init();
      app.SetRange(L"A1", L"B1");  // an empty driver does nothing
    }
    initCount = platform::com::ThreadInitCount();
  });
  ASSERT_TRUE(records_test::WaitForMessageBox(driver));
  const auto boxes = driver.MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"EXCEL初始化时出错!");
  ASSERT_TRUE(driver.AnswerMessageBox(IDOK));
  worker.join();
  EXPECT_EQ(started.load(), 0);
  EXPECT_EQ(initCount.load(), 0);
  EXPECT_TRUE(driver.MessageBoxes().empty());
}

TEST(PathExistsTest, FindsFilesAndFolders) {
  ScratchFolder folder;
  ScratchFolder::write(folder.file("a.xls"), "x");
  const CStringW base = Wide(folder.path());
  struct Case {
    CStringW path;
    bool folderOnly;
    bool exists;
  } cases[] = {
      {base + L"/a.xls", false, true}, {base + L"\\a.xls", false, true}, {base + L"/a.xls", true, false},
      {base, false, true},             {base, true, true},               {base + L"/b.xls", false, false},
  };
  for (const Case& c : cases) EXPECT_EQ(PathExists(c.path, c.folderOnly), c.exists) << c.path.GetString();
}

}  // namespace

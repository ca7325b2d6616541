// The five report layouts, each read back from the file it saved, and the reports'
// failures: no application, an automation error on the export worker.
#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include <atomic>
#include <functional>
#include <list>
#include <string>
#include <thread>

#include "app/records/ExcelReportWriter.h"
#include "platform/base/CodePage.h"
#include "platform/base/Path.h"
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
using records_test::PinnedClock;
using records_test::RecordingDispatch;
using records_test::TextLog;
using test_support::ScratchFolder;
using test_support::XlsxCell;
using test_support::XlsxWorkbook;
using Row = std::vector<std::string>;
using Write = std::function<std::string(ExcelReportWriter&)>;

DeviceRecordInfo Record(int type, const char* reader, const char* person, const char* position, const char* area,
                        const char* time) {
  DeviceRecordInfo record;
  record.iType = type;
  record.strDeviceName = reader;
  record.strPeopleName = person;
  record.strPositionName = position;
  record.strAreaName = area;
  record.strTime = time;
  return record;
}

PlanDayTally Tally(const char* plan, const char* date, const char* people, int passed, int missed) {
  return PlanDayTally{plan, date, people, passed, missed};
}

InspectPlanInfo Plan(const char* name, int type, const char* week, std::list<const char*> people,
                     std::list<std::pair<const char*, const char*>> slots) {
  InspectPlanInfo plan;
  plan.strName = name;
  plan.iType = type;
  plan.strRouteName = "一号线";
  plan.strStartDate = "2024-01-01";
  plan.strEndDate = "2024-12-31";
  plan.strWeek = week;
  for (const char* person : people) plan.listPeople.push_back(PlanPeopleInfo{0, person});
  for (const auto& [start, end] : slots) {
    PlanTimeSpan span;
    span.strStart = start;
    span.strEnd = end;
    plan.listTime.push_back(span);
  }
  return plan;
}

struct ReportCase {
  const char* name;
  Write write;
  Write writeEmpty;
  std::string fileName;  // UTF-8 from here on, as the file holds texts
  std::string sheet;
  std::vector<std::string> titles;
  double titleSize;
  bool titleShadow;
  std::string titleColour;
  int columns;
  double headerSize;
  bool headerShadow;
  Row headers;
  std::vector<Row> rows;
};

void PrintTo(const ReportCase& c, std::ostream* os) { *os << c.name; }

std::string Reference(int column, int row) { return std::string(1, static_cast<char>('A' + column - 1)) + std::to_string(row); }

const ReportCase kReports[] = {
    {"device records",
     [](ExcelReportWriter& w) {
       return w.WriteDeviceRecords({Record(2, "巡更器1", "张三", "东门", "一号楼", "240105093015"),
                                    Record(4, "巡更器1", "李四", "西门", "二号楼", "231231235959"),
                                    Record(5, "巡更器2", "王五", "北门", "三号楼", "240229000000"),
                                    Record(0, "巡更器2", "王五", "南门", "三号楼", "240301120000")});
     },
     [](ExcelReportWriter& w) { return w.WriteDeviceRecords({}); },
     u8"20240105093015_设备记录.xls",
     u8"巡更系统统计表",
     {u8"校园安防巡更计划统计"},
     20,
     true,
     "FF4082E6",
     7,
     16,
     true,
     {u8"序号", u8"巡更器", u8"巡更人员", u8"打卡点", u8"打卡位置", u8"类型", u8"打卡时间"},
     {{"1", u8"巡更器1", u8"张三", u8"东门", u8"一号楼", u8"位置打卡", "2024-01-05 09:30:15"},
      {"2", u8"巡更器1", u8"李四", u8"西门", u8"二号楼", u8"手动报警", "2023-12-31 23:59:59"},
      {"3", u8"巡更器2", u8"王五", u8"北门", u8"三号楼", u8"低电报警", "2024-02-29 00:00:00"},
      {"4", u8"巡更器2", u8"王五", u8"南门", u8"三号楼", u8"位置打卡", "2024-03-01 12:00:00"}}},
    {"patrol results",
     [](ExcelReportWriter& w) {
       return w.WriteInspectResults({InspectResultRow{7, "早班巡查", "2024-01-05 08:00-09:00", "张三,李四", "75%",
                                                      "25%", "已完成"},
                                     InspectResultRow{8, "夜班巡查", "2024-01-05 20:00-21:00", "王五", "0%", "100%",
                                                      "未开始"}});
     },
     [](ExcelReportWriter& w) { return w.WriteInspectResults({}); },
     u8"20240105093015_巡查结果.xls",
     u8"巡更系统统计表",
     {u8"校园安防巡更计划统计"},
     20,
     true,
     "FF4082E6",
     6,
     16,
     true,
     {u8"序号", u8"计划名称", u8"时间", u8"巡更人员", u8"合格率", u8"漏检率"},
     {{"1", u8"早班巡查", "2024-01-05 08:00-09:00", u8"张三,李四", "75%", "25%"},
      {"2", u8"夜班巡查", "2024-01-05 20:00-21:00", u8"王五", "0%", "100%"}}},
    {"records by plan and day",
     [](ExcelReportWriter& w) {
       return w.WriteInspectRecords(
           {{{"2024-01-02", Tally("早班巡查", "2024-01-02", "张三", 3, 1)},
             {"2024-01-01", Tally("早班巡查", "2024-01-01", "张三", 1, 2)}},
            {{"2024-01-01", Tally("夜班巡查", "2024-01-01", "李四,王五", 0, 0)}}});
     },
     [](ExcelReportWriter& w) { return w.WriteInspectRecords({}); },
     u8"20240105093015_巡查记录.xls",
     u8"巡更系统统计表",
     {u8"校园巡更计划统计"},
     20,
     true,
     "FF4082E6",
     6,
     16,
     true,
     {u8"序号", u8"计划名称", u8"日期", u8"巡更人员", u8"合格率", u8"漏检率"},
     {{"1", u8"早班巡查", "2024-01-01", u8"张三", "33%", "67%"},
      {"2", u8"早班巡查", "2024-01-02", u8"张三", "75%", "25%"},
      {"3", u8"夜班巡查", "2024-01-01", u8"李四,王五", "0%", "100%"}}},
    {"plan run",
     [](ExcelReportWriter& w) {
       return w.WritePlanRunRecords(
           "一号楼巡查_2024-01-05 08:00-09:00",
           {PlanRunRow{"东门", "一号楼", "张三", "已巡", "08:05", "合格", "无", ""},
            PlanRunRow{"西门", "一号楼", "张三", "漏巡", "", "不合格", "有", "西门门禁损坏，已通知维修人员处理"}},
           "巡更人员：张三");
     },
     [](ExcelReportWriter& w) { return w.WritePlanRunRecords("一号楼巡查_2024-01-05", {}, "巡更人员：张三"); },
     u8"一号楼巡查.xls",
     u8"巡查记录",
     {u8"一号楼巡查_2024-01-05 08:00-09:00", u8"巡更人员：张三"},
     16,
     true,
     "FF000000",
     9,
     16,
     false,
     {u8"序号", u8"巡更点", u8"区域", u8"人员", u8"状态", u8"时间", u8"结果", u8"有无异常", u8"异常描述"},
     {{"1", u8"东门", u8"一号楼", u8"张三", u8"已巡", "08:05", u8"合格", u8"无", ""},
      {"2", u8"西门", u8"一号楼", u8"张三", u8"漏巡", "", u8"不合格", u8"有", u8"西门门禁损坏，已通知维修人员处理"}}},
    {"plan list",
     [](ExcelReportWriter& w) {
       return w.WritePlanList({Plan("早班巡查", 0, "1111100", {"张三", "李四"}, {{"08:00", "09:00"}, {"14:00", "15:00"}}),
                               Plan("周日巡查", 1, "0000001", {"王五"}, {{"20:00", "21:00"}}),
                               Plan("暂停计划", 2, "0000000", {}, {}), Plan("食堂", 3, "1000000", {}, {}),
                               Plan("宿舍", 4, "0000010", {}, {}), Plan("清洁", 5, "0000000", {}, {}),
                               Plan("教学", 6, "0000000", {}, {})});
     },
     [](ExcelReportWriter& w) { return w.WritePlanList({}); },
     u8"20240105093015_巡查计划.xls",
     u8"巡更计划统计表",
     {u8"巡更计划统计表"},
     20,
     true,
     "FF4082E6",
     9,
     16,
     true,
     {u8"序号", u8"计划名称", u8"计划类型", u8"线路", u8"巡更人员", u8"开始日期", u8"结束日期", u8"频次", u8"时间段"},
     {{"1", u8"早班巡查", u8"校园安防", u8"一号线", u8"张三、李四", "2024-01-01", "2024-12-31",
       u8"周一,周二,周三,周四,周五,", u8"08:00-09:00、14:00-15:00"},
      {"2", u8"周日巡查", u8"校园设备", u8"一号线", u8"王五", "2024-01-01", "2024-12-31", u8"周日", "20:00-21:00"},
      {"3", u8"暂停计划", u8"消防", u8"一号线", "", "2024-01-01", "2024-12-31", "", ""},
      {"4", u8"食堂", u8"食堂", u8"一号线", "", "2024-01-01", "2024-12-31", u8"周一,", ""},
      {"5", u8"宿舍", u8"宿舍检查", u8"一号线", "", "2024-01-01", "2024-12-31", u8"周六,", ""},
      {"6", u8"清洁", u8"清洁卫生", u8"一号线", "", "2024-01-01", "2024-12-31", "", ""},
      {"7", u8"教学", u8"日常教学", u8"一号线", "", "2024-01-01", "2024-12-31", "", ""}}},
};

// Each report runs on a worker thread of its own, as the exports do.
std::string OnWorker(const std::function<std::string()>& work, int* initCountAfter = nullptr) {
  std::string path;
  std::thread worker([&] {
    path = work();
    if (initCountAfter) *initCountAfter = platform::com::ThreadInitCount();
  });
  worker.join();
  return path;
}

class ReportTest : public ::testing::Test {
 protected:
  void SetUp() override { RecordingDispatch::RegisterApplication(log); }
  void TearDown() override { SpreadsheetApplication::Unregister(); }

  std::string Folder() const { return platform::codepage::Utf8ToGbk(folder.path()); }
  size_t FileCount() const {
    size_t count = 0;
    for (const auto& entry : boost::filesystem::directory_iterator(folder.path())) count += !entry.path().empty();
    return count;
  }

  PinnedClock clock;
  ScratchFolder folder;
  std::shared_ptr<CallLog> log = std::make_shared<CallLog>();
};

class Reports : public ReportTest, public ::testing::WithParamInterface<ReportCase> {
 protected:
  XlsxWorkbook Run(const Write& write) {
    int initCount = -1;
    const std::string path = OnWorker(
        [&] {
          ExcelReportWriter writer(Folder());
          return write(writer);
        },
        &initCount);
    EXPECT_EQ(initCount, 0) << "COM ended on the worker";
    EXPECT_EQ(platform::NativePath(path), folder.file(GetParam().fileName));
    // The path the user is told names the folder as chosen, with one kind of separator.
    EXPECT_EQ(path.find('\\'), std::string::npos) << path;
    XlsxWorkbook file;
    EXPECT_TRUE(file.Read(folder.file(GetParam().fileName))) << file.error();
    return file;
  }
};

void ExpectStyled(const XlsxCell& cell, double size, bool shadow, const std::string& colour, const std::string& where) {
  EXPECT_EQ(cell.font.name, "Microsoft Sans Serif") << where;
  EXPECT_EQ(cell.font.size, size) << where;
  EXPECT_EQ(cell.font.shadow, shadow) << where;
  EXPECT_EQ(cell.font.colour, colour) << where;
  EXPECT_EQ(cell.horizontal, "center") << where;
  EXPECT_EQ(cell.vertical, "top") << where;
  EXPECT_EQ(cell.numberFormat, "@") << where;
}

void ExpectEdges(const XlsxCell& cell, const char* left, const char* top, const char* bottom, const char* right,
                 const std::string& where) {
  EXPECT_EQ(cell.borders.left, left) << where;
  EXPECT_EQ(cell.borders.top, top) << where;
  EXPECT_EQ(cell.borders.bottom, bottom) << where;
  EXPECT_EQ(cell.borders.right, right) << where;
}

TEST_P(Reports, WriteTheirLayout) {
  const ReportCase& c = GetParam();
  const XlsxWorkbook file = Run(c.write);
  EXPECT_EQ(file.sheetNames(), std::vector<std::string>{c.sheet});
  const std::string last(1, static_cast<char>('A' + c.columns - 1));

  std::vector<std::string> merges;
  for (size_t t = 0; t < c.titles.size(); ++t) {
    const int row = static_cast<int>(t) + 1;
    merges.push_back("A" + std::to_string(row) + ":" + last + std::to_string(row));
    EXPECT_EQ(file.cell(Reference(1, row)).text, c.titles[t]);
  }
  EXPECT_EQ(file.merges(), merges);
  const XlsxCell& title = file.cell("A1");
  ExpectStyled(title, c.titleSize, c.titleShadow, c.titleColour, "title");
  EXPECT_TRUE(title.font.bold);
  if (c.titles.size() == 2) {
    ExpectStyled(file.cell("A2"), 10, false, "FF000000", "second title");
    EXPECT_FALSE(file.cell("A2").font.bold);
  }

  const int headerRow = static_cast<int>(c.titles.size()) + 1;
  for (int column = 1; column <= c.columns; ++column) {
    const std::string where = "header " + Reference(column, headerRow);
    const XlsxCell& cell = file.cell(Reference(column, headerRow));
    EXPECT_EQ(cell.text, c.headers[column - 1]) << where;
    ExpectStyled(cell, c.headerSize, c.headerShadow, "FF000000", where);
    EXPECT_TRUE(cell.font.bold) << where;
    ExpectEdges(cell, "thin", "thin", "thin", "thin", where);
  }

  const int firstRow = headerRow + 1, lastRow = headerRow + static_cast<int>(c.rows.size());
  for (int row = firstRow; row <= lastRow; ++row) {
    for (int column = 1; column <= c.columns; ++column) {
      const std::string where = "data " + Reference(column, row);
      const XlsxCell& cell = file.cell(Reference(column, row));
      EXPECT_EQ(cell.text, c.rows[row - firstRow][column - 1]) << where;
      EXPECT_EQ(cell.numberFormat, "General") << where;
      ExpectEdges(cell, column == 1 ? "thin" : "dotted", row == firstRow ? "" : "dotted",
                  row == lastRow ? "thin" : "dotted", column == c.columns ? "thin" : "dotted", where);
    }
  }
  EXPECT_EQ(file.lastRow(), lastRow);

  const auto& widths = file.columnWidths();
  ASSERT_EQ(widths.size(), static_cast<size_t>(c.columns)) << "every column holds text and is fitted";
  EXPECT_LT(widths.at(1), 10.0) << "the merged title does not widen column A";
  for (int column = 2; column <= c.columns; ++column) {
    // Headers of three or more Chinese characters are wider than "序号".
    if (c.headers[column - 1].size() > 6) {
      EXPECT_GT(widths.at(column), widths.at(1)) << Reference(column, headerRow);
    }
  }
}

TEST_P(Reports, OfAnEmptyListHoldTheHeaderOnly) {
  const ReportCase& c = GetParam();
  const XlsxWorkbook file = Run(c.writeEmpty);
  const int headerRow = static_cast<int>(c.titles.size()) + 1;
  for (int column = 1; column <= c.columns; ++column) {
    EXPECT_EQ(file.cell(Reference(column, headerRow)).text, c.headers[column - 1]);
  }
  for (const auto& [reference, cell] : file.cells()) {
    const int row = std::atoi(reference.c_str() + 1);
    if (row > headerRow) {
      EXPECT_EQ(cell.text, "") << reference;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Table, Reports, ::testing::ValuesIn(kReports));

TEST_F(ReportTest, MakesItsDispatchCallsInTheLayoutsOrder) {
  using namespace records_test;
  OnWorker([&] { return ExcelReportWriter(Folder()).WriteInspectResults({InspectResultRow{}}); });
  const Calls expected = Join({
      kInit, kAddSheet,
      // Title A1:F1: merged, styled, written.
      kRange, MergeRow(6), Style(Font(20, 15106624, 1, 1)), Cell(1, 1),
      // Header A2:F2: styled; bottom, left, right, top continuous; no inside horizontal on one
      // row; inside vertical; then its texts.
      kRange, Style(Font(16, 0, 1, 1)), Border(9, 1, 2), Border(7, 1, 2), Border(10, 1, 2), Border(8, 1, 2),
      kRowsCounted, kColumnsCounted, Border(11, 1, 2), RowOfCells(1, 6),
      // Data A3:F3: the running number and five texts, then continuous outside, dotted inside.
      kRange, RowOfCells(1, 6), kRange, Border(9, 1, 2), Border(7, 1, 2), Border(10, 1, 2), kRowsCounted,
      kColumnsCounted, Border(11, -4118, 2),
      kFit, kSaveAs, kClose});
  EXPECT_EQ(log->Calls(), expected);
}

TEST_F(ReportTest, AnEmptyListBordersTheRangeFromTheHeaderToTheFirstDataRow) {
  // "A3" to "G2" is the range A2:G3: the data borders fall on the header row too.
  OnWorker([&] { return ExcelReportWriter(Folder()).WriteDeviceRecords({}); });
  XlsxWorkbook file;
  ASSERT_TRUE(file.Read(folder.file(u8"20240105093015_设备记录.xls"))) << file.error();
  ExpectEdges(file.cell("A2"), "thin", "thin", "dotted", "dotted", "A2");
  ExpectEdges(file.cell("G2"), "dotted", "thin", "dotted", "thin", "G2");
  ExpectEdges(file.cell("A3"), "thin", "dotted", "thin", "dotted", "A3");
  EXPECT_EQ(file.lastRow(), 3);
}

TEST_F(ReportTest, APlanRunTitleNamesItsFileUpToItsFirstUnderscore) {
  struct Case {
    const char* title;
    const char* file;  // UTF-8
  } cases[] = {
      {"一号楼巡查_2024-01-05_08:00", u8"一号楼巡查.xls"},
      {"二号楼巡查", u8"二号楼巡查.xls"},
      {"..\\..\\三号楼/巡查_x", u8".._.._三号楼_巡查.xls"},
  };
  for (const Case& c : cases) {
    const std::string path = OnWorker([&] { return ExcelReportWriter(Folder()).WritePlanRunRecords(c.title, {}, ""); });
    EXPECT_EQ(platform::NativePath(path), folder.file(c.file)) << c.file;
    EXPECT_TRUE(boost::filesystem::exists(folder.file(c.file))) << c.file;
  }
  EXPECT_EQ(FileCount(), 3u) << "nothing was written outside the folder";
}

TEST_F(ReportTest, APlanRunLogsItsProgressAndPath) {
  const size_t before = TextLog::Lines().size();
  const std::string path =
      OnWorker([&] { return ExcelReportWriter(Folder()).WritePlanRunRecords("一号楼巡查", {PlanRunRow{}}, ""); });
  ASSERT_FALSE(path.empty());
  ASSERT_TRUE(TextLog::WaitForLines(before + 6));
  const auto lines = TextLog::Lines();
  EXPECT_EQ(std::vector<std::string>(lines.begin() + static_cast<long>(before), lines.end()),
            (std::vector<std::string>{"2", "3", "4", "5", path, "6"}));
}

TEST_F(ReportTest, AMissingApplicationIsReportedOnceAndWritesNothing) {
  platform::headless::TestDriver driver;
  SpreadsheetApplication::Unregister();
  std::string path = "unset";
  int initCount = -1;
  std::thread worker([&] { path = OnWorker([&] { return ExcelReportWriter(Folder()).WritePlanList({}); }, &initCount); });
  ASSERT_TRUE(records_test::WaitForMessageBox(driver));
  const auto boxes = driver.MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"EXCEL初始化时出错!");
  ASSERT_TRUE(driver.AnswerMessageBox(IDOK));
  worker.join();
  EXPECT_EQ(path, "");
  EXPECT_EQ(initCount, 0);
  EXPECT_TRUE(driver.WaitIdle());
  EXPECT_TRUE(driver.MessageBoxes().empty()) << "one message box only";
  EXPECT_EQ(FileCount(), 0u);
}

TEST_F(ReportTest, AnAutomationErrorOnTheWorkerGivesAnEmptyPathAndALogLine) {
  struct Case {
    const char* what;
    DISPID id;
    HRESULT failure;
    int skip;
    std::string line;
    size_t filesLeft;
  } cases[] = {
      {"the workbooks refused at start", 0x23c, DISP_E_EXCEPTION, 0,
       "[ExcelReportWriter::WriteDeviceRecords]出错，错误码为：0x800A03EC，错误信息为：injected failure", 0},
      {"borders rejected", 0x1b3, DISP_E_EXCEPTION, 0,
       "[ExcelReportWriter::WriteDeviceRecords]出错，错误码为：0x800A03EC，错误信息为：injected failure", 0},
      {"fitting fails as a call", 0xed, DISP_E_MEMBERNOTFOUND, 0,
       "[ExcelReportWriter::WriteDeviceRecords]出错，错误码为：0x80020003", 0},
      {"the save rejected", 0x11c, DISP_E_EXCEPTION, 0,
       "[ExcelReportWriter::WriteDeviceRecords]出错，错误码为：0x800A03EC，错误信息为：injected failure", 0},
      {"the workbook's close rejected after the save", 0x115, DISP_E_EXCEPTION, 0,
       "[ExcelReportWriter::WriteDeviceRecords]出错，错误码为：0x800A03EC，错误信息为：injected failure", 1},
  };
  for (const Case& c : cases) {
    log->Clear();
    log->FailFrom(c.id, c.failure, c.skip);
    const size_t before = TextLog::Lines().size();
    int initCount = -1;
    const std::string path = OnWorker(
        [&] {
          return ExcelReportWriter(Folder()).WriteDeviceRecords({Record(2, "巡更器1", "张三", "东门", "一号楼", "240105093015")});
        },
        &initCount);
    EXPECT_EQ(path, "") << c.what;
    EXPECT_EQ(initCount, 0) << c.what;
    EXPECT_EQ(log->CountOf("0x12e call"), 1u) << c.what << ": the application is told to quit";
    ASSERT_TRUE(TextLog::WaitForLines(before + 1)) << c.what;
    EXPECT_EQ(TextLog::Lines().back(), c.line) << c.what;
    EXPECT_EQ(FileCount(), c.filesLeft) << c.what;
    boost::filesystem::remove_all(folder.path());
    boost::filesystem::create_directory(folder.path());
  }
  log->FailFrom(DISPID_UNKNOWN, S_OK);
}


// A school's worth of device records, past the 65,536 rows of the old file format and
// far past any buffer the sheet fills at once, read back cell for cell at its edges:
// the first and last rows, the rows around row 65,536 and the block's corners.
TEST(BigExport, ReadsBackCellForCellAtItsEdges) {
  constexpr int kRecords = 70000;
  constexpr int kFirstRow = 3, kLastRow = kFirstRow + kRecords - 1;
  PinnedClock clock;
  ScratchFolder folder;
  ASSERT_TRUE(SpreadsheetApplication::Register());
  std::list<DeviceRecordInfo> records;
  for (int i = 1; i <= kRecords; ++i) {
    const std::string n = std::to_string(i);
    records.push_back(Record(i % 3 == 0 ? 4 : 2, ("巡更器" + std::to_string(i % 100)).c_str(), ("人员" + n).c_str(),
                             ("东门" + n).c_str(), "一号楼", i == kRecords ? "241231235959" : "240105093015"));
  }
  const std::string path = OnWorker([&] {
    return ExcelReportWriter(platform::codepage::Utf8ToGbk(folder.path())).WriteDeviceRecords(records);
  });
  SpreadsheetApplication::Unregister();
  ASSERT_FALSE(path.empty());
  // The file the writer names: a slow machine's export ends seconds after the pinned
  // time, and the name carries the time it was saved.
  XlsxWorkbook file;
  ASSERT_TRUE(file.Read(platform::codepage::GbkToUtf8(path))) << file.error();
  EXPECT_EQ(file.lastRow(), kLastRow);

  for (int row : {kFirstRow, kFirstRow + 1, 65535, 65536, 65537, kLastRow - 1, kLastRow}) {
    const int i = row - kFirstRow + 1;
    const std::string n = std::to_string(i);
    const Row expected = {n,
                          u8"巡更器" + std::to_string(i % 100),
                          u8"人员" + n,
                          u8"东门" + n,
                          u8"一号楼",
                          i % 3 == 0 ? u8"手动报警" : u8"位置打卡",
                          i == kRecords ? "2024-12-31 23:59:59" : "2024-01-05 09:30:15"};
    for (int column = 1; column <= 7; ++column) {
      const std::string where = Reference(column, row);
      const XlsxCell& cell = file.cell(where);
      EXPECT_EQ(cell.text, expected[column - 1]) << where;
      ExpectEdges(cell, column == 1 ? "thin" : "dotted", row == kFirstRow ? "" : "dotted",
                  row == kLastRow ? "thin" : "dotted", column == 7 ? "thin" : "dotted", where);
    }
  }
  EXPECT_EQ(file.cell(Reference(7, kLastRow + 1)).text, "") << "nothing past the last record";
}

}  // namespace

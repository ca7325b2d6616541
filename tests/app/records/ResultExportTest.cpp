// The result page's two exports through real clicks, with the folder chooser answered
// from a script: the folder's length in GBK bytes, a cancel, an empty tab, the written
// file read back against every page the tab shows, and a writer that writes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/base/CodePage.h"
#include "platform/spreadsheet/SpreadsheetApplication.h"
#include "testing/files/ScratchFolder.h"
#include "testing/xlsx/XlsxWorkbook.h"
#include "tests/app/records/RecordingDispatch.h"
#include "tests/app/records/ResultPageTest.h"

namespace {

namespace fs = std::filesystem;
using platform::codepage::Utf8ToWide;
using platform::codepage::WideToUtf8;
using platform::spreadsheet::SpreadsheetApplication;
using records_test::Texts;
using Row = std::vector<std::string>;  // UTF-8, as the file holds its texts

// Per export: the tab it belongs to, its button, the file it writes and how many of the
// list's columns (from "No" on) the file repeats.
struct ExportCase {
  const char* name;
  CResultWndEx::Tab tab;
  const wchar_t* option;
  const wchar_t* list;
  const wchar_t* button;
  const wchar_t* next;
  std::string fileName;  // UTF-8
  int columns;
};

void PrintTo(const ExportCase& c, std::ostream* os) { *os << c.name; }

const ExportCase kExports[] = {
    {"results", CResultWndEx::TAB_RESULTS, L"tabResult", L"list-Result", L"ExportInpectRecordBtn",
     L"btn_next_page_InspectRecord", u8"20240105093015_巡查结果.xls", 6},
    {"device records", CResultWndEx::TAB_DEVICE_RECORDS, L"tabRecord", L"list-Record", L"ExportDeviceRecordBtn",
     L"btn_next_page_DeviceRecord", u8"20240105093015_设备记录.xls", 7},
};

class ResultExport : public records_test::ResultPageTest, public ::testing::WithParamInterface<ExportCase> {
 protected:
  ResultExport() { SpreadsheetApplication::Register(); }
  ~ResultExport() override { SpreadsheetApplication::Unregister(); }

  // Opens the page on the export's tab with that many rows.
  void OpenWith(int rows) {
    FillTab(GetParam().tab, rows);
    Open();
    Click(GetParam().option);
  }

  void ExportInto(const std::string& folder) {
    driver.ScriptFolder(Utf8ToWide(folder));
    Click(GetParam().button);
  }

  std::wstring SuccessToast(const std::string& folder) const {
    // The path as the user is told it: the chosen folder joined with its own separator.
    return L"导出成功，导出文件路径" + Utf8ToWide(folder) + L"/" + Utf8ToWide(GetParam().fileName);
  }

  static size_t FilesIn(const std::string& folder) {
    return static_cast<size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
  }

  // The list's rows on the page in view, as many columns as the file holds.
  std::vector<Row> ListedRows() {
    std::vector<Texts> columns;
    for (int column = 1; column <= GetParam().columns; ++column) columns.push_back(Column(GetParam().list, column));
    std::vector<Row> rows(columns.front().size());
    for (size_t row = 0; row < rows.size(); ++row) {
      for (const Texts& column : columns) rows[row].push_back(WideToUtf8(column[row]));
    }
    return rows;
  }

  // The data rows of the written file, from the row under the header.
  std::vector<Row> FileRows(const std::string& folder) {
    std::vector<Row> rows;
    test_support::XlsxWorkbook book;
    if (!book.Read(folder + "/" + GetParam().fileName)) {
      ADD_FAILURE() << book.error();
      return rows;
    }
    // An empty report's data block keeps its borders, so its first row may be there empty.
    for (int line = 3; line <= book.lastRow() && !book.cell("A" + std::to_string(line)).text.empty(); ++line) {
      Row row;
      for (int column = 0; column < GetParam().columns; ++column) {
        row.push_back(book.cell(std::string(1, static_cast<char>('A' + column)) + std::to_string(line)).text);
      }
      rows.push_back(row);
    }
    return rows;
  }

  test_support::ScratchFolder out;
};

// A Chinese character counts two bytes, as the program's narrow paths hold it: 60 bytes
// are accepted, 61 refused before anything is written, and a cancel says nothing.
TEST_P(ResultExport, TheFolderIsCheckedInGbkBytesAndACancelEndsQuietly) {
  struct Case {
    const char* name;
    int bytes;  // 0 for a cancel
    std::vector<std::wstring> toasts;
    size_t files;
  };
  const std::string base = out.path() + u8"/导出";
  const size_t baseBytes = out.path().size() + 1 + 4;
  ASSERT_LT(baseBytes, 60u);
  const std::string sixty = base + std::string(60 - baseBytes, 'a');
  const std::string sixtyOne = base + std::string(61 - baseBytes, 'b');
  const Case cases[] = {
      {"61 bytes", 61, {L"下载路径过长，请重新选择下载路径!"}, 0},
      {"a cancel", 0, {}, 0},
      {"60 bytes", 60, {SuccessToast(sixty)}, 1},
  };
  OpenWith(3);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string folder = c.bytes == 61 ? sixtyOne : sixty;
    fs::create_directories(folder);
    if (c.bytes == 0) {
      driver.ScriptFolderCancel();
      Click(GetParam().button);
    } else {
      ExportInto(folder);
    }
    EXPECT_EQ(TakeToasts(), c.toasts);
    EXPECT_EQ(FilesIn(folder), c.files);
  }
  const auto calls = driver.FolderChooserCalls();
  ASSERT_EQ(calls.size(), 3u) << "the chooser is asked on every click";
  EXPECT_EQ(calls[0].title, L"选择一个文件夹");
}

TEST_P(ResultExport, AnEmptyTabIsStillWritten) {
  OpenWith(0);
  ExportInto(out.path());
  EXPECT_EQ(TakeToasts(), std::vector<std::wstring>{SuccessToast(out.path())});
  EXPECT_TRUE(FileRows(out.path()).empty());
  EXPECT_EQ(FilesIn(out.path()), 1u);
}

// The file holds the tab's rows of every page, in the tab's order and as the list shows
// them: the device-record kinds are worded alike on screen and in the file.
TEST_P(ResultExport, TheFileHoldsEveryPageOfTheTab) {
  OpenWith(25);
  std::vector<Row> listed = ListedRows();
  ASSERT_EQ(listed.size(), 20u);
  Click(GetParam().next);
  const std::vector<Row> second = ListedRows();
  ASSERT_EQ(second.size(), 5u);
  listed.insert(listed.end(), second.begin(), second.end());
  ExportInto(out.path());
  EXPECT_EQ(FileRows(out.path()), listed);
}

// The writer names no file when it wrote none; the user is told so instead of being
// shown a path that holds nothing.
TEST_P(ResultExport, AWriterThatWritesNothingSaysSo) {
  auto calls = std::make_shared<records_test::CallLog>();
  records_test::RecordingDispatch::RegisterApplication(calls);
  const DISPID kSaveAs = 0x11c;
  calls->FailFrom(kSaveAs, DISP_E_EXCEPTION);
  OpenWith(2);
  ExportInto(out.path());
  EXPECT_EQ(TakeToasts(), std::vector<std::wstring>{L"导出失败!"});
  EXPECT_EQ(FilesIn(out.path()), 0u);
}

INSTANTIATE_TEST_SUITE_P(Tabs, ResultExport, ::testing::ValuesIn(kExports),
                         [](const ::testing::TestParamInfo<ExportCase>& info) {
                           return info.param.tab == CResultWndEx::TAB_RESULTS ? std::string("Results")
                                                                              : std::string("DeviceRecords");
                         });

}  // namespace

// The device-record export of 10,000 and of 100,000 records, through ExcelApp's dispatch
// calls and our spreadsheet application, beside a bare libxlsxwriter loop that writes the
// same cells with the same formats and column widths. "MB kept" is how much more memory
// the process holds (resident) after the export than before it. The ratio is what the automation layer (the
// calls by dispatch id, the workbook model, the fitted widths) costs on top of writing
// the file.
#include <benchmark/benchmark.h>

#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <list>
#include <string>

#include <xlsxwriter.h>

#include "app/records/ExcelReportWriter.h"
#include "platform/base/CodePage.h"
#include "platform/spreadsheet/SpreadsheetApplication.h"

namespace {

constexpr int kColumns = 7;

double ResidentMegabytes() {
  long pages = 0, resident = 0;
  FILE* statm = fopen("/proc/self/statm", "r");
  if (statm == nullptr) return 0;
  if (fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
  fclose(statm);
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// A folder of the benchmark's own under the temporary folder, removed at exit.
class BenchFolder {
 public:
  BenchFolder() {
    char pattern[] = "/tmp/bench-records-XXXXXX";
    path_ = mkdtemp(pattern) ? pattern : "/tmp";
  }
  ~BenchFolder() {
    if (path_ != "/tmp") std::filesystem::remove_all(path_);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

const std::string& ScratchFolder() {
  static const BenchFolder folder;
  return folder.path();
}

std::list<DeviceRecordInfo> Records(int count) {
  std::list<DeviceRecordInfo> records;
  for (int i = 1; i <= count; ++i) {
    DeviceRecordInfo record;
    record.iType = i % 7;
    record.strDeviceName = "巡更器" + std::to_string(i % 100);
    record.strPeopleName = "张三";
    record.strPositionName = "东门" + std::to_string(i);
    record.strAreaName = "一号楼";
    record.strTime = "240105093015";
    records.push_back(record);
  }
  return records;
}

void BM_WriteDeviceRecords(benchmark::State& state) {
  platform::spreadsheet::SpreadsheetApplication::Register();
  const int count = static_cast<int>(state.range(0));
  const std::list<DeviceRecordInfo> records = Records(count);
  const double before = ResidentMegabytes();
  for (auto _ : state) {
    const std::string path = ExcelReportWriter(ScratchFolder()).WriteDeviceRecords(records);
    if (path.empty()) state.SkipWithError("the export failed");
  }
  state.counters["MB kept"] = ResidentMegabytes() - before;
  state.SetItemsProcessed(state.iterations() * count);
}

lxw_format* Format(lxw_workbook* workbook, int size, lxw_color_t colour, bool styled) {
  lxw_format* format = workbook_add_format(workbook);
  if (!styled) {
    format_set_font_name(format, "Calibri");
    format_set_font_size(format, 11);
    return format;
  }
  format_set_font_name(format, "Microsoft Sans Serif");
  format_set_font_size(format, size);
  format_set_font_color(format, colour);
  format_set_bold(format);
  format_set_font_shadow(format);
  format_set_align(format, LXW_ALIGN_CENTER);
  format_set_align(format, LXW_ALIGN_VERTICAL_TOP);
  format_set_num_format(format, "@");
  return format;
}

// The data block's borders: continuous outside, dotted inside, no top edge on the
// first row.
lxw_format* DataFormat(lxw_workbook* workbook, bool firstRow, bool lastRow, bool firstColumn, bool lastColumn) {
  lxw_format* format = Format(workbook, 11, 0, false);
  format_set_left(format, firstColumn ? LXW_BORDER_THIN : LXW_BORDER_DOTTED);
  format_set_right(format, lastColumn ? LXW_BORDER_THIN : LXW_BORDER_DOTTED);
  if (!firstRow) format_set_top(format, LXW_BORDER_DOTTED);
  format_set_bottom(format, lastRow ? LXW_BORDER_THIN : LXW_BORDER_DOTTED);
  format_set_border_color(format, LXW_COLOR_BLACK);
  return format;
}

std::string Utf8(const std::string& gbk) { return platform::codepage::GbkToUtf8(gbk); }

void BM_BareXlsxWriter(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::list<DeviceRecordInfo> records = Records(count);
  const char* const headers[kColumns] = {"序号", "巡更器", "巡更人员", "打卡点", "打卡位置", "类型", "打卡时间"};
  const double widths[kColumns] = {7, 11, 13, 12, 13, 12, 20};
  const std::string path = ScratchFolder() + "/bare.xlsx";
  for (auto _ : state) {
    lxw_workbook* workbook = workbook_new(path.c_str());
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, Utf8("巡更系统统计表").c_str());
    lxw_format* title = Format(workbook, 20, 0x4082E6, true);
    lxw_format* header = Format(workbook, 16, LXW_COLOR_BLACK, true);
    format_set_border(header, LXW_BORDER_THIN);
    format_set_border_color(header, LXW_COLOR_BLACK);
    lxw_format* data[2][2][3];
    for (int first = 0; first < 2; ++first) {
      for (int last = 0; last < 2; ++last) {
        for (int column = 0; column < 3; ++column) {
          data[first][last][column] = DataFormat(workbook, first, last, column == 0, column == 2);
        }
      }
    }
    worksheet_merge_range(sheet, 0, 0, 0, kColumns - 1, Utf8("校园安防巡更计划统计").c_str(), title);
    for (int c = 0; c < kColumns; ++c) worksheet_write_string(sheet, 1, c, Utf8(headers[c]).c_str(), header);
    int row = 2;
    for (const DeviceRecordInfo& record : records) {
      const std::string texts[kColumns] = {std::to_string(row - 1),      Utf8(record.strDeviceName),
                                           Utf8(record.strPeopleName),   Utf8(record.strPositionName),
                                           Utf8(record.strAreaName),     Utf8("位置打卡"),
                                           "2024-01-05 09:30:15"};
      const bool first = row == 2, last = row == count + 1;
      for (int c = 0; c < kColumns; ++c) {
        const int position = c == 0 ? 0 : c == kColumns - 1 ? 2 : 1;
        worksheet_write_string(sheet, row, c, texts[c].c_str(), data[first][last][position]);
      }
      ++row;
    }
    for (int c = 0; c < kColumns; ++c) worksheet_set_column(sheet, c, c, widths[c], nullptr);
    if (workbook_close(workbook) != LXW_NO_ERROR) state.SkipWithError("the bare write failed");
  }
  state.SetItemsProcessed(state.iterations() * count);
}

}  // namespace

BENCHMARK(BM_BareXlsxWriter)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteDeviceRecords)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

#include "app/records/ExcelReportWriter.h"

#include <algorithm>
#include <cwchar>

#include "CommonTools/COleDispatchException.h"
#include "CommonTools/COleException.h"
#include "CommonTools/Conversions.h"
#include "CommonTools/Files.h"
#include "CommonTools/Log.h"
#include "app/records/DeviceRecordTypeName.h"
#include "app/records/ExcelApp.h"
#include "app/records/FileNames.h"
#include "platform/spreadsheet/DispatchIds.h"

namespace {

constexpr int kLogLevel = 3;

constexpr short kEdgeLeft = 7;
constexpr short kEdgeTop = 8;
constexpr short kEdgeBottom = 9;
constexpr short kEdgeRight = 10;
constexpr short kInsideVertical = 11;
constexpr short kInsideHorizontal = 12;
constexpr short kContinuous = 1;
constexpr short kDotted = -4118;
constexpr short kThin = 2;
constexpr short kCentre = -4108;
constexpr short kTop = -4160;
constexpr LONG kTitleColour = 15106624;  // red 64, green 130, blue 230

namespace dispid = platform::spreadsheet::dispid;

const char* const kPlanTypeNames[] = {"校园安防", "校园设备", "消防", "食堂", "宿舍检查", "清洁卫生", "日常教学"};
const char* const kWeekdays[] = {"周一,", "周二,", "周三,", "周四,", "周五,", "周六,", "周日"};

CStringW Wide(const std::string& text) { return CommonTools::string_to_cstring(text); }

CStringW CellName(wchar_t column, int row) { return CStringW(column) + CommonTools::int_to_cstring(row); }

ExcelFont TitleFont() {
  ExcelFont font;
  font.size = 20;
  font.colour = kTitleColour;
  font.bold = 1;
  font.shadow = 1;
  return font;
}

ExcelFont HeaderFont() {
  ExcelFont font = TitleFont();
  font.size = 16;
  font.colour = 0;
  return font;
}

ExcelFont PlanRunFont(SHORT size, SHORT bold, SHORT shadow) {
  ExcelFont font;
  font.size = size;
  font.bold = bold;
  font.shadow = shadow;
  return font;
}

// Centred at the top, as text, in the font.
void ApplyStyle(ExcelApp& app, const ExcelFont& font) {
  app.SetAlignment(MAKELONG(kCentre, kTop));
  app.SetNumberFormat(L"@");
  app.SetFont(font);
}

void FitColumns(ExcelApp& app) {
  LPDISPATCH cells = nullptr;
  app.Worksheet().GetProperty(dispid::kCells, VT_DISPATCH, &cells);
  COleDispatchDriver allCells(cells);
  LPDISPATCH columns = nullptr;
  allCells.GetProperty(dispid::kEntireColumn, VT_DISPATCH, &columns);
  COleDispatchDriver allColumns(columns);
  VARIANT ignored;
  VariantInit(&ignored);
  allColumns.InvokeHelper(dispid::kAutoFit, DISPATCH_METHOD, VT_VARIANT, &ignored,
                          reinterpret_cast<const BYTE*>(VTS_NONE));
  VariantClear(&ignored);
}

void Progress(const ExcelReport& report, const char* line) {
  if (report.logsProgress) g_log.Write(kLogLevel, "%s", line);
}

// "YYMMDDhhmmss" as "20YY-MM-DD hh:mm:ss".
std::string RecordTime(const std::string& digits) {
  if (digits.size() < 12) return digits;
  return "20" + digits.substr(0, 2) + "-" + digits.substr(2, 2) + "-" + digits.substr(4, 2) + " " +
         digits.substr(6, 2) + ":" + digits.substr(8, 2) + ":" + digits.substr(10, 2);
}

// Whole percent passed; a day without records counts as none passed rather than
// dividing by zero.
int PassRate(const PlanDayTally& tally) {
  const int total = tally.iPassed + tally.iMissed;
  return total > 0 ? tally.iPassed * 100 / total : 0;
}

std::string Frequency(const std::string& week) {
  std::string text;
  const size_t days = std::min<size_t>(week.size(), 7);
  for (size_t day = 0; day < days; ++day) {
    if (week[day] == '1') text += kWeekdays[day];
  }
  return text;
}

std::string PlanTypeName(int type) { return type >= 0 && type < 7 ? kPlanTypeNames[type] : ""; }

template <typename Item, typename Text>
std::string Joined(const std::list<Item>& items, Text text) {
  std::string joined;
  for (const Item& item : items) {
    if (!joined.empty()) joined += "、";
    joined += text(item);
  }
  return joined;
}

// The part of a plan-run title that names its file: up to the first "_", with the
// characters a file name cannot hold replaced, so a title never reaches another folder.
CStringW PlanRunFileName(const std::string& title) {
  std::wstring name = Wide(title).GetString();
  name = name.substr(0, name.find(L'_'));
  return Wide(PlanFileName(CommonTools::cstring_to_string(CStringW(name.c_str())))) + L".xls";
}

std::vector<CStringW> Headers(std::initializer_list<const wchar_t*> texts) {
  return std::vector<CStringW>(texts.begin(), texts.end());
}

}  // namespace

ExcelReportWriter::ExcelReportWriter(const std::string& folder) : m_folder(folder) {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  m_timestamp.Format(L"%04d%02d%02d%02d%02d%02d", now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute,
                     now.wSecond);
}

std::string ExcelReportWriter::WriteDeviceRecords(const std::list<DeviceRecordInfo>& records) {
  ExcelReport report;
  report.operation = "ExcelReportWriter::WriteDeviceRecords";
  report.sheetName = L"巡更系统统计表";
  report.lastColumn = L'G';
  report.titles = {{L"校园安防巡更计划统计", TitleFont()}};
  report.headerFont = HeaderFont();
  report.headers = Headers({L"序号", L"巡更器", L"巡更人员", L"打卡点", L"打卡位置", L"类型", L"打卡时间"});
  for (const DeviceRecordInfo& record : records) {
    report.rows.push_back({Wide(record.strDeviceName), Wide(record.strPeopleName), Wide(record.strPositionName),
                           Wide(record.strAreaName), Wide(DeviceRecordTypeName(record.iType)),
                           Wide(RecordTime(record.strTime))});
  }
  report.fileName = m_timestamp + L"_设备记录.xls";
  return Write(report);
}

std::string ExcelReportWriter::WriteInspectResults(std::list<InspectResultRow> rows) {
  ExcelReport report;
  report.operation = "ExcelReportWriter::WriteInspectResults";
  report.sheetName = L"巡更系统统计表";
  report.lastColumn = L'F';
  report.titles = {{L"校园安防巡更计划统计", TitleFont()}};
  report.headerFont = HeaderFont();
  report.headers = Headers({L"序号", L"计划名称", L"时间", L"巡更人员", L"合格率", L"漏检率"});
  for (const InspectResultRow& row : rows) {
    report.rows.push_back({Wide(row.strPlanName), Wide(row.strTime), Wide(row.strPeople), Wide(row.strPassRate),
                           Wide(row.strMissRate)});
  }
  report.fileName = m_timestamp + L"_巡查结果.xls";
  return Write(report);
}

std::string ExcelReportWriter::WriteInspectRecords(std::list<std::map<std::string, PlanDayTally>> plans) {
  ExcelReport report;
  report.operation = "ExcelReportWriter::WriteInspectRecords";
  report.sheetName = L"巡更系统统计表";
  report.lastColumn = L'F';
  report.titles = {{L"校园巡更计划统计", TitleFont()}};
  report.headerFont = HeaderFont();
  report.headers = Headers({L"序号", L"计划名称", L"日期", L"巡更人员", L"合格率", L"漏检率"});
  for (const auto& plan : plans) {
    for (const auto& [date, tally] : plan) {
      const int pass = PassRate(tally);
      report.rows.push_back({Wide(tally.strPlanName), Wide(tally.strDate), Wide(tally.strPeople),
                             CommonTools::int_to_cstring(pass) + L"%", CommonTools::int_to_cstring(100 - pass) + L"%"});
    }
  }
  report.fileName = m_timestamp + L"_巡查记录.xls";
  return Write(report);
}

std::string ExcelReportWriter::WritePlanRunRecords(std::string title1, std::list<PlanRunRow> rows,
                                                   std::string title2) {
  ExcelReport report;
  report.operation = "ExcelReportWriter::WritePlanRunRecords";
  report.sheetName = L"巡查记录";
  report.lastColumn = L'I';
  report.firstDataRow = 4;
  report.titles = {{Wide(title1), PlanRunFont(16, 1, 1)}, {Wide(title2), PlanRunFont(10, 0, 0)}};
  report.headerFont = PlanRunFont(16, 1, 0);
  report.headers =
      Headers({L"序号", L"巡更点", L"区域", L"人员", L"状态", L"时间", L"结果", L"有无异常", L"异常描述"});
  for (const PlanRunRow& row : rows) {
    report.rows.push_back({Wide(row.strCheckpoint), Wide(row.strArea), Wide(row.strPeople), Wide(row.strState),
                           Wide(row.strTime), Wide(row.strResult), Wide(row.strAnomaly),
                           Wide(row.strAnomalyDescription)});
  }
  report.fileName = PlanRunFileName(title1);
  report.logsProgress = true;
  return Write(report);
}

std::string ExcelReportWriter::WritePlanList(std::list<InspectPlanInfo> plans) {
  ExcelReport report;
  report.operation = "ExcelReportWriter::WritePlanList";
  report.sheetName = L"巡更计划统计表";
  report.lastColumn = L'I';
  report.titles = {{L"巡更计划统计表", TitleFont()}};
  report.headerFont = HeaderFont();
  report.headers = Headers(
      {L"序号", L"计划名称", L"计划类型", L"线路", L"巡更人员", L"开始日期", L"结束日期", L"频次", L"时间段"});
  for (const InspectPlanInfo& plan : plans) {
    const std::string people = Joined(plan.listPeople, [](const PlanPeopleInfo& p) { return p.strName; });
    const std::string slots =
        Joined(plan.listTime, [](const PlanTimeSpan& span) { return span.strStart + "-" + span.strEnd; });
    report.rows.push_back({Wide(plan.strName), Wide(PlanTypeName(plan.iType)), Wide(plan.strRouteName), Wide(people),
                           Wide(plan.strStartDate), Wide(plan.strEndDate), Wide(Frequency(plan.strWeek)),
                           Wide(slots)});
  }
  report.fileName = m_timestamp + L"_巡查计划.xls";
  return Write(report);
}

std::string ExcelReportWriter::Write(const ExcelReport& report) {
  ExcelApp app;
  try {
    // Nothing can be written without the application; its message box has been shown.
    if (!app.Init()) return std::string();
    return CommonTools::cstring_to_string(Build(app, report));
  } catch (const COleDispatchException& e) {
    g_log.Write(kLogLevel, "[%s]出错，错误码为：0x%08X，错误信息为：%s\n", report.operation,
                static_cast<unsigned>(e.m_scError), CommonTools::cstring_to_string(e.m_strDescription).c_str());
  } catch (const COleException& e) {
    g_log.Write(kLogLevel, "[%s]出错，错误码为：0x%08X\n", report.operation, static_cast<unsigned>(e.m_sc));
  }
  try {
    app.Close();
  } catch (...) {
    // The first error is logged; closing has quit and released whatever it could.
  }
  return std::string();
}

CStringW ExcelReportWriter::Build(ExcelApp& app, const ExcelReport& report) {
  const wchar_t last = report.lastColumn;
  app.AddSheet(report.sheetName);
  for (size_t i = 0; i < report.titles.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    app.SetRange(CellName(L'A', row), CellName(last, row));
    app.Merge();
    ApplyStyle(app, report.titles[i].font);
    app.SetCell(1, 1, report.titles[i].text);
  }

  const int headerRow = report.firstDataRow - 1;
  app.SetRange(CellName(L'A', headerRow), CellName(last, headerRow));
  ApplyStyle(app, report.headerFont);
  for (short index : {kEdgeBottom, kEdgeLeft, kEdgeRight, kEdgeTop, kInsideHorizontal, kInsideVertical}) {
    app.SetBorder(index, kContinuous, kThin, 0);
  }
  Progress(report, "2\n");
  for (size_t i = 0; i < report.headers.size(); ++i) app.SetCell(1, static_cast<int>(i) + 1, report.headers[i]);
  Progress(report, "3\n");

  // An empty list gives the range from the first data row up to the header row.
  const int lastRow = static_cast<int>(report.rows.size()) + report.firstDataRow - 1;
  const CStringW first = CellName(L'A', report.firstDataRow), bottomRight = CellName(last, lastRow);
  app.SetRange(first, bottomRight);
  for (size_t r = 0; r < report.rows.size(); ++r) {
    const int row = static_cast<int>(r) + 1;
    app.SetCell(row, 1, CommonTools::int_to_cstring(row));
    for (size_t c = 0; c < report.rows[r].size(); ++c) app.SetCell(row, static_cast<int>(c) + 2, report.rows[r][c]);
  }
  Progress(report, "4\n");

  app.SetRange(first, bottomRight);
  for (short index : {kEdgeBottom, kEdgeLeft, kEdgeRight}) app.SetBorder(index, kContinuous, kThin, 0);
  for (short index : {kInsideHorizontal, kInsideVertical}) app.SetBorder(index, kDotted, kThin, 0);
  FitColumns(app);
  Progress(report, "5\n");

  const CStringW path = CommonTools::join_path(Wide(m_folder).GetString(), report.fileName.GetString()).c_str();
  if (report.logsProgress) g_log.Write(kLogLevel, "%s\n", CommonTools::cstring_to_string(path).c_str());
  app.SaveAs(path);
  Progress(report, "6\n");
  app.Close();
  return path;
}

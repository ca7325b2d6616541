// The records as the security office reads them: patrol results over a range picked in
// the date fields (a reversed range refused), paged through the page box (a page number
// with letters refused), exported and read back against the list; the device records
// and system log tabs; the home page's download window writing its report into the
// chosen folder; and a patrol person noting what went wrong on the run he is walking,
// with a photo.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include <json/json.h>

#include "CommonTools/Conversions.h"
#include "platform/base/Clock.h"
#include "platform/reader/ReaderBackend.h"
#include "platform/reader/ReaderSimulatorControl.h"
#include "testing/base/LocalTime.h"
#include "testing/files/ScratchFolder.h"
#include "testing/services/CivilDate.h"
#include "testing/services/GbkWire.h"
#include "testing/xlsx/XlsxWorkbook.h"
#include "tests/journeys/support/JourneyWorld.h"
#include "tools/campus-server/FixturePictures.h"

namespace journeys {
namespace {

using test_support::CivilDate;

std::string Utf8(const std::wstring& text) {
  return test_support::wire_text(CommonTools::wstring_to_string(text)).asString();
}

class RecordsJourney : public JourneyWorld {
 protected:
  RecordsJourney() : reader(scratch.file("reader")) {
    reader.Reset();
    platform::reader::ReaderBackend::UseSimulator(reader.Folder());
  }
  ~RecordsJourney() override { platform::reader::ReaderBackend::UseNone(); }

  void SetUp() override {
    frame = StartLoggedIn(kAdmin);
    ASSERT_NE(frame, nullptr);
  }

  void TearDown() override { CloseIfRunning(frame); }

  std::wstring Toast() { return user.Text(user.Window(L"PhotoFeedBackWindow"), L"lab_message"); }

  // The one spreadsheet that appears in the folder, read back.
  bool ReadWritten(const test_support::ScratchFolder& folder, test_support::XlsxWorkbook& book) {
    std::filesystem::path written;
    const bool appeared = user.WaitFor("a spreadsheet in the chosen folder", [&] {
      for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(folder.path()))) {
        if (entry.path().extension() == ".xls") written = entry.path();
      }
      return !written.empty() && !user.IsOpen(L"LoadingGifWnd");
    });
    if (!appeared) return false;
    const bool read = book.Read(written.string());
    EXPECT_TRUE(read) << book.error();
    return read;
  }

  // How many cells of the sheet hold exactly that text.
  static int CellsWith(const test_support::XlsxWorkbook& book, const std::string& utf8) {
    int count = 0;
    for (const auto& cell : book.cells()) count += cell.second.text == utf8;
    return count;
  }

  test_support::ScratchFolder scratch;
  platform::reader::ReaderSimulatorControl reader;
  HWND frame = nullptr;
  CivilDate today = CivilDate::today();
};

TEST_F(RecordsJourney, ResultsOverARangeAreShownAndExported) {
  OpenTab(L"tabResultManagement", L"list-Result");
  // A range that ends before it starts is refused.
  const CivilDate weekAgo = today.plus(-6);
  user.PickDate(frame, L"dt_SResultdate", today.year, today.month, today.day, frame, L"lab_ResultlistCounts");
  user.PickDate(frame, L"dt_EResultdate", weekAgo.year, weekAgo.month, weekAgo.day, frame, L"lab_ResultlistCounts");
  user.Click(frame, L"InspectRecordFind");
  EXPECT_EQ(Toast(), L"检索失败，检索开始时间不得大于结束时间!");

  user.PickDate(frame, L"dt_SResultdate", weekAgo.year, weekAgo.month, weekAgo.day, frame, L"lab_ResultlistCounts");
  user.PickDate(frame, L"dt_EResultdate", today.year, today.month, today.day, frame, L"lab_ResultlistCounts");
  user.Click(frame, L"InspectRecordFind");
  user.Settle();
  // Every page of the list, as the user pages through it.
  std::vector<std::wstring> plansShown;
  std::vector<std::wstring> passRates;
  for (int page = 0; page < 50; ++page) {
    for (const std::wstring& plan : user.ItemTexts(frame, L"list-Result", L"UserName")) plansShown.push_back(plan);
    for (const std::wstring& rate : user.ItemTexts(frame, L"list-Result", L"PassRate")) passRates.push_back(rate);
    if (!user.Visible(frame, L"PageShow_InspectRecord") || !user.Enabled(frame, L"btn_next_page_InspectRecord")) break;
    user.Click(frame, L"btn_next_page_InspectRecord");
    user.Settle();
  }
  ASSERT_FALSE(plansShown.empty());
  for (const std::wstring& plan : plansShown) {
    EXPECT_TRUE(plan == L"本部夜巡" || plan == L"实验楼消防检查" || plan == L"宿舍晚间查寝")
        << CommonTools::wstring_to_string(plan);
  }

  test_support::ScratchFolder folder;
  driver.ScriptFolder(CommonTools::string_to_wstring(folder.path()));
  user.Click(frame, L"ExportInpectRecordBtn");
  test_support::XlsxWorkbook book;
  ASSERT_TRUE(ReadWritten(folder, book));
  for (const wchar_t* plan : {L"本部夜巡", L"实验楼消防检查", L"宿舍晚间查寝"}) {
    EXPECT_EQ(CellsWith(book, Utf8(plan)), static_cast<int>(std::count(plansShown.begin(), plansShown.end(), plan)))
        << CommonTools::wstring_to_string(plan);
  }
  for (const std::wstring& rate : passRates) EXPECT_GE(CellsWith(book, Utf8(rate)), 1);
}

TEST_F(RecordsJourney, APageNumberThatIsNoPageIsRefusedAndTheListKept) {
  OpenTab(L"tabResultManagement", L"list-Result");
  const CivilDate weekAgo = today.plus(-6);
  user.PickDate(frame, L"dt_SResultdate", weekAgo.year, weekAgo.month, weekAgo.day, frame, L"lab_ResultlistCounts");
  user.PickDate(frame, L"dt_EResultdate", today.year, today.month, today.day, frame, L"lab_ResultlistCounts");
  user.Click(frame, L"InspectRecordFind");
  user.Settle();
  ASSERT_TRUE(user.Visible(frame, L"PageShow_InspectRecord")) << "a week of the school's runs fills two pages";
  const std::vector<std::wstring> firstPage = user.ItemTexts(frame, L"list-Result", L"Time");
  ASSERT_FALSE(firstPage.empty());

  struct Entry {
    const wchar_t* typed;
    const wchar_t* told;
  };
  const std::vector<Entry> refused = {
      {L"2a", L"跳转页数必须为数字!"}, {L"abc", L"跳转页数必须为数字!"}, {L" 2", L"跳转页数必须为数字!"},
      {L"-1", L"跳转页数必须为数字!"}, {L"", L"跳转页数不能为空!"},        {L"0", L"超过页数限制!"},
      {L"99", L"超过页数限制!"},
  };
  for (const Entry& entry : refused) {
    SCOPED_TRACE(CommonTools::wstring_to_string(entry.typed));
    user.Type(frame, L"current_page_InspectRecord", entry.typed);
    user.Click(frame, L"btn_goto_InspectRecord");
    EXPECT_EQ(user.Answer(), entry.told);
    // What the user typed stays for him to mend, and the page he was on is still shown.
    EXPECT_EQ(user.Text(frame, L"current_page_InspectRecord"), entry.typed);
    EXPECT_EQ(user.ItemTexts(frame, L"list-Result", L"Time"), firstPage);
  }

  // A number with a leading zero is still the page.
  user.Type(frame, L"current_page_InspectRecord", L"02");
  user.Click(frame, L"btn_goto_InspectRecord");
  user.Settle();
  EXPECT_EQ(user.Message(), L"");
  EXPECT_EQ(user.Text(frame, L"current_page_InspectRecord"), L"2");
  const std::vector<std::wstring> secondPage = user.ItemTexts(frame, L"list-Result", L"Time");
  ASSERT_FALSE(secondPage.empty());
  EXPECT_NE(secondPage, firstPage);
  EXPECT_TRUE(user.Enabled(frame, L"btn_prev_page_InspectRecord"));
}

TEST_F(RecordsJourney, ARunOpensInThePlanExecutionViewWithItsResults) {
  OpenTab(L"tabResultManagement", L"list-Result");
  const CivilDate weekAgo = today.plus(-6);
  user.PickDate(frame, L"dt_SResultdate", weekAgo.year, weekAgo.month, weekAgo.day, frame, L"lab_ResultlistCounts");
  user.Click(frame, L"InspectRecordFind");
  user.Settle();
  const std::vector<std::wstring> plansShown = user.ItemTexts(frame, L"list-Result", L"UserName");
  const std::vector<std::wstring> passRates = user.ItemTexts(frame, L"list-Result", L"PassRate");
  const auto row = std::find(plansShown.begin(), plansShown.end(), std::wstring(L"本部夜巡"));
  ASSERT_NE(row, plansShown.end());
  const int index = static_cast<int>(row - plansShown.begin());
  user.ClickInItem(frame, L"list-Result", index, L"btn_Look");
  const HWND view = user.Window(L"LookPlanWnd");
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(user.Text(view, L"lab_title"), L"本部夜巡");
  EXPECT_EQ(user.Text(view, L"lab_route"), L"本部夜间安防线");
  EXPECT_EQ(user.Text(view, L"lab_people"), L"张伟,陈磊");
  EXPECT_EQ(user.Text(view, L"lab_Remark"), L"夜间重点检查门窗");
  // The view counts a visit as the results tab does.
  const std::vector<std::wstring> results = user.ItemTexts(view, L"list-Curplan", L"Result");
  ASSERT_FALSE(results.empty());
  const size_t passed = std::count(results.begin(), results.end(), std::wstring(L"合格"));
  const std::wstring rate = passRates.at(static_cast<size_t>(index));
  EXPECT_EQ(std::to_wstring(passed * 100 / results.size()), rate.substr(0, rate.find(L'%')))
      << CommonTools::wstring_to_string(rate);
  user.Click(view, L"btn_Cancel");
  EXPECT_TRUE(user.WaitClosed(L"LookPlanWnd"));
}

TEST_F(RecordsJourney, DeviceRecordsAndTheSystemLogAreShown) {
  OpenTab(L"tabResultManagement", L"list-Result");
  // The results' start date picked first, so the date picker is a window the program knows.
  const CivilDate weekAgo = today.plus(-6);
  user.PickDate(frame, L"dt_SResultdate", weekAgo.year, weekAgo.month, weekAgo.day, frame, L"lab_ResultlistCounts");
  user.Click(frame, L"tabRecord");
  user.WaitShown(frame, L"dt_RecordStartdate");
  // Switching tabs opens no date picker by itself.
  EXPECT_FALSE(user.IsOpen(L"DateTimeWnd"));
  if (user.IsOpen(L"DateTimeWnd")) user.Key(VK_ESCAPE);
  // The reader on the desk hands over its records of this morning.
  const size_t before = patrol().device_records().all().size();
  char stamp[16] = {0};
  std::snprintf(stamp, sizeof stamp, "%02d%02d%02d000100", today.year % 100, today.month, today.day);
  reader.SetPendingRecords({std::string("2 1 1A2B 123 a b c d e ") + stamp + " x y z"});
  user.Click(frame, L"ImportBtn");
  std::wstring told;
  user.WaitFor("the import to say how it went", [&] {
    told = user.IsOpen(L"PhotoFeedBackWindow") ? user.Text(user.Window(L"PhotoFeedBackWindow"), L"lab_message")
                                                : user.Message();
    return told.find(L"读取巡更设备记录") != std::wstring::npos;
  });
  EXPECT_EQ(told, L"读取巡更设备记录成功,共读取1条记录");
  if (!user.Message().empty()) user.Answer();
  EXPECT_EQ(patrol().device_records().all().size(), before + 1);
  EXPECT_FALSE(reader.HasPendingRecords());

  const CivilDate monthAgo = today.plus(-30);
  user.PickDate(frame, L"dt_RecordStartdate", monthAgo.year, monthAgo.month, monthAgo.day, frame,
                L"lab_RecordlistCounts");
  user.Click(frame, L"btn_DeviceRecordfind");
  user.Settle();
  const std::vector<std::wstring> readers = user.ItemTexts(frame, L"list-Record", L"DeviceName");
  EXPECT_EQ(readers.size(), patrol().device_records().all().size());
  EXPECT_EQ(user.Text(frame, L"lab_RecordlistCounts"), std::to_wstring(readers.size()));

  user.Click(frame, L"tablog");
  user.WaitShown(frame, L"list-log");
  EXPECT_FALSE(user.IsOpen(L"DateTimeWnd"));
  if (user.IsOpen(L"DateTimeWnd")) user.Key(VK_ESCAPE);
  user.Click(frame, L"btn_logfind");
  user.Settle();
  // The log holds this morning's login.
  bool loggedIn = false;
  for (const std::wstring& row : user.Items(frame, L"list-log")) loggedIn = loggedIn || row.find(L"登陆巡更系统") != std::wstring::npos;
  EXPECT_TRUE(loggedIn);
  // A search keeps the entries that hold the text.
  user.Type(frame, L"Rich_LogFind", L"登陆巡更系统");
  user.Key(VK_RETURN);
  user.Settle();
  for (const std::wstring& row : user.Items(frame, L"list-log")) {
    EXPECT_NE(row.find(L"登陆巡更系统"), std::wstring::npos) << CommonTools::wstring_to_string(row);
  }
}

TEST_F(RecordsJourney, TheDownloadWindowWritesTheReportIntoTheChosenFolder) {
  user.WaitShown(frame, L"DownLoadBtn");
  user.Click(frame, L"DownLoadBtn");
  HWND dialog = user.Window(L"DownWindow");
  ASSERT_NE(dialog, nullptr);
  // No folder yet.
  user.Click(dialog, L"btn_Ok");
  EXPECT_EQ(Toast(), L"请选择下载路径!");
  ASSERT_TRUE(user.IsOpen(L"DownWindow"));

  test_support::ScratchFolder folder;
  driver.ScriptFolder(CommonTools::string_to_wstring(folder.path()));
  user.Click(dialog, L"btn_find");
  EXPECT_EQ(user.Text(dialog, L"lab_path"), CommonTools::string_to_wstring(folder.path()));
  user.Click(dialog, L"weekck");
  user.Click(dialog, L"btn_Ok");
  EXPECT_TRUE(user.WaitClosed(L"DownWindow"));
  test_support::XlsxWorkbook book;
  ASSERT_TRUE(ReadWritten(folder, book));
  for (const wchar_t* plan : {L"本部夜巡", L"实验楼消防检查", L"宿舍晚间查寝"}) {
    EXPECT_GE(CellsWith(book, Utf8(plan)), 1) << CommonTools::wstring_to_string(plan);
  }
}

// A patrol person (张伟, who walks the night patrol's morning round) at the program while
// his round is under way: the clock is set inside today's morning slot of the fixture
// school, whatever the hour the suite runs.
class ExceptionRecordJourney : public RecordsJourney {
 protected:
  ~ExceptionRecordJourney() override { platform::UnpinWallClock(); }

  void SetUp() override {
    const Json::Value plan = ServerPlan("本部夜巡");
    ASSERT_FALSE(plan.isNull());
    planId = plan["ID"].asInt();
    // The school's plans run from six days before the day it was made for.
    CivilDate first;
    ASSERT_TRUE(CivilDate::parse(plan["strDate"].asString().substr(0, 10), first));
    day = first.plus(6);
    platform::PinWallClock(test_support::LocalTime(day.year, day.month, day.day, 7, 30));
    LogInOnThisMachine("xg01");
    StartProgram();
    frame = MainFrame();
    ASSERT_NE(frame, nullptr);
  }

  Json::Value ServerPlan(const std::string& gbkName) {
    for (const Json::Value& row : plans().plans().all()) {
      if (test_support::gbk_from_wire(row["Name"].asString()) == gbkName) return row;
    }
    return Json::Value();
  }

  // The visit on record for that checkpoint in the plan's run of that day; null when none.
  Json::Value Visit(const CivilDate& on, int checkpoint) {
    for (const Json::Value& row : plans().visits().all()) {
      if (row["iPlanID"].asInt() == planId && row["strDate"].asString() == on.text() &&
          row["iPositionID"].asInt() == checkpoint) {
        return row;
      }
    }
    return Json::Value();
  }

  int CheckpointId(const std::string& gbkName) {
    for (const Json::Value& row : patrol().checkpoints().all()) {
      if (test_support::gbk_from_wire(row["strName"].asString()) == gbkName) return row["iID"].asInt();
    }
    return -1;
  }

  // The exception records the server holds for the run.
  std::vector<Json::Value> ExceptionRecords(const std::string& timeKey) {
    std::vector<Json::Value> found;
    for (const Json::Value& row : patrol().exception_records().all()) {
      if (row["strTime"].asString() == timeKey) found.push_back(row);
    }
    return found;
  }

  static std::string TimeKey(const CivilDate& on, const std::string& slot) {
    char digits[16] = {0};
    std::snprintf(digits, sizeof digits, "%04d%02d%02d", on.year, on.month, on.day);
    return digits + slot;
  }

  // Opens the morning run of that day from the results tab and its exception record.
  HWND OpenMorningRun(const CivilDate& on) {
    const std::wstring when = CommonTools::string_to_wstring(on.text()) + L" 07:00-08:30";
    const std::vector<std::wstring> names = user.ItemTexts(frame, L"list-Result", L"UserName");
    const std::vector<std::wstring> times = user.ItemTexts(frame, L"list-Result", L"Time");
    for (size_t row = 0; row < names.size() && row < times.size(); ++row) {
      if (names[row] != L"本部夜巡" || times[row] != when) continue;
      user.ClickInItem(frame, L"list-Result", static_cast<int>(row), L"btn_Look");
      return user.Window(L"LookPlanWnd");
    }
    ADD_FAILURE() << "no row of the night patrol at " << CommonTools::wstring_to_string(when);
    return nullptr;
  }

  int planId = 0;
  CivilDate day;
};

TEST_F(ExceptionRecordJourney, TheRunUnderWayTakesAnAnomalyARemarkAndAPhoto) {
  const CivilDate yesterday = day.plus(-1);
  OpenTab(L"tabResultManagement", L"list-Result");
  user.PickDate(frame, L"dt_SResultdate", yesterday.year, yesterday.month, yesterday.day, frame, L"lab_ResultlistCounts");
  user.PickDate(frame, L"dt_EResultdate", day.year, day.month, day.day, frame, L"lab_ResultlistCounts");
  user.Click(frame, L"InspectRecordFind");
  user.Settle();

  // Yesterday's round is over: its record is shown, not changed.
  HWND view = OpenMorningRun(yesterday);
  ASSERT_NE(view, nullptr);
  user.Click(view, L"btn_ExceptionRecord");
  HWND dialog = user.Window(L"ExceptionRecord");
  ASSERT_NE(dialog, nullptr);
  EXPECT_FALSE(user.Visible(dialog, L"btn_Ok"));
  EXPECT_FALSE(user.Visible(dialog, L"btn_Add"));
  EXPECT_FALSE(user.Enabled(dialog, L"Edit_remark"));
  user.Click(dialog, L"btn_Cancel");
  ASSERT_TRUE(user.WaitClosed(L"ExceptionRecord"));
  user.Click(view, L"btn_Cancel");
  ASSERT_TRUE(user.WaitClosed(L"LookPlanWnd"));

  // This morning's round, under way.
  const std::string timeKey = TimeKey(day, "07000830");
  const int gate = CheckpointId("行政楼大门");
  const Json::Value visit = Visit(day, gate);
  ASSERT_FALSE(visit.isNull()) << "the school has 张伟 at the gate this morning";
  ASSERT_EQ(visit["iAbnormal"].asInt(), 0);
  view = OpenMorningRun(day);
  ASSERT_NE(view, nullptr);
  user.Click(view, L"btn_ExceptionRecord");
  dialog = user.Window(L"ExceptionRecord");
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(user.Visible(dialog, L"btn_Ok")) << "his own round under way is his to note";
  const std::wstring gateBox = L"PositionDeviceCK" + std::to_wstring(visit["iID"].asInt());
  user.ClickItemWithText(dialog, L"TileLayout_ExceptionRecord", L"行政楼大门");
  EXPECT_TRUE(user.Selected(dialog, gateBox));

  // A remark the wire's code page cannot hold is refused; nothing is written.
  user.Type(dialog, L"Edit_remark", L"大门锁损坏\U0001F600");
  user.Click(dialog, L"btn_Ok");
  EXPECT_EQ(user.Answer(), L"包含无法保存的字符!");
  ASSERT_TRUE(user.IsOpen(L"ExceptionRecord"));
  EXPECT_TRUE(ExceptionRecords(timeKey).empty());
  EXPECT_EQ(Visit(day, gate)["iAbnormal"].asInt(), 0);

  const std::wstring remark = L"大门锁损坏，已报修";
  user.Type(dialog, L"Edit_remark", remark);
  EXPECT_EQ(user.Text(dialog, L"textNumberlab"), std::to_wstring(remark.size()) + L"/100");

  // The photo he took, chosen in the file dialog.
  test_support::ScratchFolder taken;
  const std::string photo = campus_server::FixturePictures::UserPhoto("xg01", false);
  test_support::ScratchFolder::write(taken.file("gate.png"), photo);
  driver.ScriptOpenFiles({CommonTools::string_to_wstring(taken.file("gate.png"))});
  user.Click(dialog, L"btn_Add");
  EXPECT_EQ(Toast(), L"上传成功");
  EXPECT_EQ(patrol().pictures().names(planId, timeKey), std::vector<std::string>{"gate.png"});
  EXPECT_EQ(patrol().pictures().bytes(planId, timeKey, "gate.png"), photo);
  EXPECT_EQ(user.Items(dialog, L"TileLayout_Pic").size(), 1u);

  user.Click(dialog, L"btn_Ok");
  EXPECT_EQ(Toast(), L"添加完成!");
  ASSERT_TRUE(user.WaitClosed(L"ExceptionRecord"));
  const std::vector<Json::Value> saved = ExceptionRecords(timeKey);
  ASSERT_EQ(saved.size(), 1u);
  EXPECT_EQ(test_support::gbk_from_wire(saved[0]["strRemark"].asString()), CommonTools::wstring_to_string(remark));
  EXPECT_EQ(Visit(day, gate)["iAbnormal"].asInt(), 1);

  // Shown again: the view marks the gate, and the record reopens as it was saved.
  // The view reloads the run behind its busy window.
  EXPECT_TRUE(user.WaitFor("the view to mark the gate's anomaly", [&] {
    if (user.IsOpen(L"LoadingGifWnd")) return false;
    const std::vector<std::wstring> names = user.ItemTexts(view, L"list-Curplan", L"Name");
    const std::vector<std::wstring> anomalies = user.ItemTexts(view, L"list-Curplan", L"Normal");
    const auto gateRow = std::find(names.begin(), names.end(), std::wstring(L"行政楼大门"));
    return gateRow != names.end() && anomalies.at(static_cast<size_t>(gateRow - names.begin())) == L"有异常";
  }));
  user.Click(view, L"btn_ExceptionRecord");
  dialog = user.Window(L"ExceptionRecord");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(user.Text(dialog, L"Edit_remark"), remark);
  EXPECT_EQ(user.Text(dialog, L"textNumberlab"), std::to_wstring(remark.size()) + L"/100");
  EXPECT_TRUE(user.Selected(dialog, gateBox));
  EXPECT_EQ(user.Items(dialog, L"TileLayout_Pic").size(), 1u);
  user.Click(dialog, L"btn_Cancel");
  EXPECT_TRUE(user.WaitClosed(L"ExceptionRecord"));
  user.Click(view, L"btn_Cancel");
  EXPECT_TRUE(user.WaitClosed(L"LookPlanWnd"));
  EXPECT_EQ(ExceptionRecords(timeKey).size(), 1u);
}

}  // namespace
}  // namespace journeys

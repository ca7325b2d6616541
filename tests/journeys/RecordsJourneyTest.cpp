// The records as the security office reads them: patrol results over a range picked in
// the date fields (a reversed range refused), exported and read back against the list;
// the device records and system log tabs; the home page's download window writing its
// report into the chosen folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "CommonTools/Conversions.h"
#include "platform/reader/ReaderBackend.h"
#include "platform/reader/ReaderSimulatorControl.h"
#include "testing/files/ScratchFolder.h"
#include "testing/services/CivilDate.h"
#include "testing/services/GbkWire.h"
#include "testing/xlsx/XlsxWorkbook.h"
#include "tests/journeys/support/JourneyWorld.h"

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
    LogInOnThisMachine(kAdmin);
    StartProgram();
    frame = MainFrame();
    ASSERT_NE(frame, nullptr);
  }

  void TearDown() override {
    if (frame == nullptr || ProgramEnded()) return;
    EXPECT_TRUE(CloseProgram());
  }

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

}  // namespace
}  // namespace journeys

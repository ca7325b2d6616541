// The report download window as the home page opens it, over the fake patrol server, on a
// pinned day (Friday 2024-01-05): the folder checks, the plans asked for by type and
// range, the tallies as the written report holds them, and what the user is told.
#include <gtest/gtest.h>

#include <json/json.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/records/DownWindow.h"
#include "app/shell/ShellServices.h"
#include "data/StartupCaches.h"
#include "platform/base/Clock.h"
#include "platform/base/CodePage.h"
#include "platform/spreadsheet/SpreadsheetApplication.h"
#include "platform/user/WorkerThread.h"
#include "testing/base/LocalTime.h"
#include "tests/app/shell/support/ShellWindowTest.h"
#include "tests/data/CampusWorld.h"
#include "testing/files/ScratchFolder.h"
#include "testing/services/QueryValues.h"
#include "testing/xlsx/XlsxWorkbook.h"
#include "ui/controls/CComboUI.h"
#include "ui/controls/COptionUI.h"

namespace {

namespace fs = std::filesystem;
using shelltest::FindControl;
using shelltest::FindWindowOfClass;
using shelltest::OnWindowThread;
using test_support::ScratchFolder;
using test_support::XlsxWorkbook;
using Texts = std::vector<std::wstring>;
using Row = std::vector<std::string>;  // UTF-8, as the report holds its texts

constexpr int kSettleRounds = 5000;
const char kToday[] = "2024-01-05";

// A patrol record of kind 2 as the server keeps it.
struct Visit {
  int plan;
  const char* date;
  int result;
};

class DownWindowTest : public shelltest::ShellWindowTest {
 protected:
  DownWindowTest() {
    platform::PinWallClock(test_support::LocalTime(2024, 1, 5, 9, 30));
    platform::spreadsheet::SpreadsheetApplication::Register();
    SetToastHandler([this](const std::wstring& text, int seconds) {
      std::lock_guard<std::mutex> lock(mutex_);
      toasts_.push_back(text);
      EXPECT_EQ(seconds, 3);
    });
  }

  ~DownWindowTest() override {
    if (dialog != nullptr && ::IsWindow(dialog)) ClickControl(dialog, L"btn_close");
    Settle();
    SetToastHandler(nullptr);
    platform::spreadsheet::SpreadsheetApplication::Unregister();
    platform::UnpinWallClock();
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    g_mapInspectPlan.clear();
  }

  // A cached plan with its people (GBK texts, as the caches hold them).
  void CachePlan(int id, const std::string& name, int type, std::vector<std::string> people = {"张三"}) {
    InspectPlanInfo plan;
    plan.iID = id;
    plan.strName = name;
    plan.iType = type;
    for (const std::string& person : people) plan.listPeople.push_back(PlanPeopleInfo{0, person});
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    g_mapInspectPlan[id] = plan;
  }

  void Seed(const Visit& visit) {
    Json::Value record;
    record["iID"] = ++lastVisit_;
    record["iType"] = 2;
    record["iPlanID"] = visit.plan;
    for (const char* key : {"iState", "iAbnormal", "iPositionID"}) record[key] = 0;
    record["iResult"] = visit.result;
    for (const char* key : {"strInspectPeopleID", "strPhoto", "strSound", "strReserve"}) record[key] = "";
    record["strDate"] = visit.date;
    record["strTime"] = "08:10";
    world.plans.visits().seed(record);
  }

  void ClearVisits() {
    for (const Json::Value& visit : world.plans.visits().all()) world.plans.visits().remove(visit["iID"].asInt());
  }

  // As the home page opens it: over its owner, modally, on the UI thread.
  void Open() {
    ui.Post([this] {
      result_ = static_cast<int>(DownWindow::ShowOver(frame));
      ended_ = true;
    });
    driver.WaitIdle();
    dialog = FindWindowOfClass(L"DownWindow");
    ASSERT_NE(dialog, nullptr);
  }

  // Until the export's worker has ended and the window has done what follows.
  void Settle() {
    for (int round = 0; round < kSettleRounds; ++round) {
      const bool working = platform::WorkerThread::Outstanding() > 0;
      driver.WaitIdle();
      if (!working && FindWindowOfClass(L"LoadingGifWnd") == nullptr) return;
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    ADD_FAILURE() << "the busy window stayed open";
  }

  void Click(LPCTSTR name) {
    ClickControl(dialog, name);
    Settle();
  }

  void SetFolder(const std::string& folder) {
    const std::wstring text = platform::codepage::Utf8ToWide(folder);
    OnWindowThread(dialog, [&] { FindControl(dialog, L"lab_path")->SetText(text.c_str()); });
  }

  void ChooseType(int index) { PickRow(dialog, L"Comb_PlanType", index); }

  // Exports into the scratch folder with the range option clicked first (none for "").
  void Export(LPCTSTR range = L"") {
    SetFolder(folder.path());
    if (range[0] != 0) Click(range);
    Click(L"btn_Ok");
  }

  Texts Toasts() {
    std::lock_guard<std::mutex> lock(mutex_);
    return toasts_;
  }

  bool Ended() const { return ended_.load(); }
  int Result() const { return result_.load(); }

  // The download queries the fake server received: plan id, date and range of each.
  std::vector<std::string> Queries() {
    std::vector<std::string> queries;
    for (const auto& request : world.http().requests()) {
      if (request.path() != "/api/InspectRecord/GetrecordRorDownLoad") continue;
      auto values = test_support::query_values(request.target);
      queries.push_back(values["iPlanID"] + " " + values["strDate"] + " " + values["iType"]);
    }
    return queries;
  }

  // The reports written into the folder.
  std::vector<fs::path> Reports() const {
    std::vector<fs::path> reports;
    for (const auto& entry : fs::directory_iterator(folder.path())) reports.push_back(entry.path());
    return reports;
  }

  // The data rows of the one report: plan, date, people, pass rate, miss rate.
  std::vector<Row> ReportRows() {
    std::vector<Row> rows;
    const std::vector<fs::path> reports = Reports();
    if (reports.size() != 1) {
      ADD_FAILURE() << reports.size() << " reports";
      return rows;
    }
    XlsxWorkbook book;
    if (!book.Read(reports.front().string())) {
      ADD_FAILURE() << book.error();
      return rows;
    }
    // An empty report's data block still has its borders, so its row may be there empty.
    for (int line = 3; line <= book.lastRow() && !book.cell("A" + std::to_string(line)).text.empty(); ++line) {
      const std::string n = std::to_string(line);
      EXPECT_EQ(book.cell("A" + n).text, std::to_string(line - 2));
      rows.push_back(Row{book.cell("B" + n).text, book.cell("C" + n).text, book.cell("D" + n).text,
                         book.cell("E" + n).text, book.cell("F" + n).text});
    }
    return rows;
  }

  CampusWorld world;
  ScratchFolder folder;
  HWND dialog = nullptr;

 private:
  std::mutex mutex_;
  Texts toasts_;
  std::atomic<bool> ended_{false};
  std::atomic<int> result_{-1};
  int lastVisit_ = 0;
};

TEST_F(DownWindowTest, OpensOverItsOwnerWithTheDayAndEveryPlanChosen) {
  Open();
  wchar_t title[32] = {0};
  ::GetWindowTextW(dialog, title, 32);
  EXPECT_STREQ(title, L"下载报告");
  EXPECT_EQ(::GetWindow(dialog, GW_OWNER), frame);
  OnWindowThread(dialog, [&] {
    auto* combo = static_cast<SkinUI::CComboUI*>(FindControl(dialog, L"Comb_PlanType")->GetInterface(L"Combo"));
    Texts types;
    for (int i = 0; i < combo->GetCount(); ++i) types.push_back(combo->GetItemAt(i)->GetText().GetData());
    EXPECT_EQ(types, (Texts{L"全部", L"安防", L"设备", L"消防", L"食堂", L"宿舍检查", L"清洁卫生", L"教学"}));
    EXPECT_EQ(combo->GetCurSel(), 0);
    auto* day = static_cast<SkinUI::COptionUI*>(FindControl(dialog, L"Dayck")->GetInterface(L"Option"));
    EXPECT_TRUE(day->IsSelected());
    EXPECT_EQ(FindControl(dialog, L"lab_path")->GetText(), L"");
  });
}

TEST_F(DownWindowTest, CloseAndCancelEndTheRunWithOneAndAskNothing) {
  for (LPCTSTR button : {L"btn_close", L"btn_Cancel"}) {
    Open();
    Click(button);
    EXPECT_TRUE(Ended()) << button;
    EXPECT_EQ(Result(), 1) << button;
    EXPECT_FALSE(::IsWindow(dialog)) << button;
  }
  EXPECT_TRUE(Queries().empty());
  EXPECT_TRUE(Toasts().empty());
}

// The folder is checked in GBK bytes before anything is asked; a refusal keeps the
// dialog and its choices.
TEST_F(DownWindowTest, FolderChecks) {
  CachePlan(1, "早巡", 0);
  struct Case {
    int extraBytes;  // the folder's length in bytes, less 60
    bool accepted;
  };
  for (const Case& c : {Case{1, false}, Case{0, true}}) {
    SCOPED_TRACE(c.extraBytes);
    // A name of two-byte characters, padded with ASCII to the length.
    const std::string base = folder.path() + u8"/巡查";
    const size_t baseBytes = folder.path().size() + 1 + 4;
    ASSERT_LT(baseBytes, 60u);
    const std::string target = base + std::string(60 + c.extraBytes - baseBytes, 'a');
    fs::create_directory(target);
    Open();
    SetFolder(target);
    Click(L"btn_Ok");
    if (c.accepted) {
      EXPECT_TRUE(Ended());
      EXPECT_EQ(Result(), 1);
      EXPECT_EQ(Queries().size(), 1u);
      EXPECT_EQ(std::distance(fs::directory_iterator(target), fs::directory_iterator()), 1);
      continue;
    }
    EXPECT_EQ(Toasts(), (Texts{L"下载路径过长，请重新选择下载路径!"}));
    EXPECT_FALSE(Ended());
    EXPECT_TRUE(Queries().empty());
    ClickControl(dialog, L"btn_close");
    Settle();
  }
}

TEST_F(DownWindowTest, NoFolderIsRefusedAndAsksNothing) {
  CachePlan(1, "早巡", 0);
  Open();
  Click(L"btn_Ok");
  EXPECT_EQ(Toasts(), (Texts{L"请选择下载路径!"}));
  EXPECT_TRUE(::IsWindow(dialog));
  EXPECT_FALSE(Ended());
  EXPECT_TRUE(Queries().empty());
}

TEST_F(DownWindowTest, OnePlanIsAskedForTodayWithTheRangeOfTheOptions) {
  CachePlan(7, "早巡", 0);
  struct Case {
    LPCTSTR option;  // clicked before OK; "" for none
    bool clearAll;   // no option selected at all
    const char* range;
  };
  const Case cases[] = {{L"", false, "1"},      {L"", true, "1"},       {L"Dayck", false, "1"},
                        {L"weekck", false, "2"}, {L"monthck", false, "3"}, {L"yearck", false, "4"}};
  std::vector<std::string> expected;
  for (const Case& c : cases) {
    SCOPED_TRACE(platform::codepage::WideToUtf8(c.option));
    Open();
    if (c.clearAll) {
      OnWindowThread(dialog, [&] {
        static_cast<SkinUI::COptionUI*>(FindControl(dialog, L"Dayck")->GetInterface(L"Option"))->SetSelected(false);
      });
    }
    Export(c.option);
    expected.push_back(std::string("7 ") + kToday + " " + c.range);
    EXPECT_EQ(Queries(), expected);
    EXPECT_TRUE(Ended());
  }
}

TEST_F(DownWindowTest, EveryCachedPlanIsAskedForInIdOrder) {
  CachePlan(10, "十号", 3);
  CachePlan(2, "二号", 0);
  CachePlan(5, "五号", 6);
  Open();
  Export();
  EXPECT_EQ(Queries(), (std::vector<std::string>{"2 2024-01-05 1", "5 2024-01-05 1", "10 2024-01-05 1"}));
}

// Index 0 of the type combo stands for every plan and index k for type k - 1, as in
// every other type filter.
TEST_F(DownWindowTest, TheTypeIndexChoosesThePlans) {
  for (int type = 0; type < 7; ++type) {
    if (type != 2) CachePlan(100 + type, "plan" + std::to_string(type), type);
  }
  struct Case {
    int index;
    std::vector<std::string> plans;
  };
  const Case cases[] = {{0, {"100", "101", "103", "104", "105", "106"}},
                        {1, {"100"}},  // 安防
                        {2, {"101"}},
                        {3, {}},  // 消防: no plan has it
                        {7, {"106"}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    world.http().clear_requests();
    for (const fs::path& report : Reports()) fs::remove(report);
    Open();
    ChooseType(c.index);
    Export();
    std::vector<std::string> plans;
    for (const std::string& query : Queries()) plans.push_back(query.substr(0, query.find(' ')));
    EXPECT_EQ(plans, c.plans);
    EXPECT_EQ(Reports().size(), 1u) << "a type without plans still gives title and header";
  }
}

// Records counted per plan and day, as the report shows them.
TEST_F(DownWindowTest, TalliesPerPlanAndDay) {
  struct Case {
    const char* name;
    std::vector<Visit> visits;
    std::vector<Row> rows;
  };
  const std::vector<Case> cases = {
      {"one passed and one missed on a day",
       {{1, "2024-01-05", 1}, {1, "2024-01-05", 0}},
       {{u8"早巡", "2024-01-05", u8"张三,李四", "50%", "50%"}}},
      {"two days, ascending whatever the reply's order",
       {{1, "2024-01-05", 2}, {1, "2024-01-02", 0}, {1, "2024-01-05", 1}},
       {{u8"早巡", "2024-01-02", u8"张三,李四", "0%", "100%"}, {u8"早巡", "2024-01-05", u8"张三,李四", "100%", "0%"}}},
      {"plans follow one another in id order, the numbering going on",
       {{2, "2024-01-03", 0}, {1, "2024-01-04", 1}, {2, "2024-01-03", 1}, {2, "2024-01-03", 1}},
       {{u8"早巡", "2024-01-04", u8"张三,李四", "100%", "0%"}, {u8"晚巡", "2024-01-03", u8"王五", "66%", "34%"}}},
      {"a plan without records gives no row", {{9, "2024-01-05", 1}}, {}},
      {"records outside the year are the server's to leave out", {{1, "2023-12-31", 1}}, {}},
  };
  CachePlan(1, "早巡", 0, {"张三", "李四"});
  CachePlan(2, "晚巡", 1, {"王五"});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClearVisits();
    for (const fs::path& report : Reports()) fs::remove(report);
    for (const Visit& visit : c.visits) Seed(visit);
    Open();
    Export(L"yearck");
    EXPECT_EQ(ReportRows(), c.rows);
  }
}

TEST_F(DownWindowTest, TheToastNamesTheWrittenFile) {
  CachePlan(1, "早巡", 0);
  Open();
  Export();
  const std::vector<fs::path> reports = Reports();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports.front().filename().string(), u8"20240105093000_巡查记录.xls");
  const std::wstring path = platform::codepage::Utf8ToWide(folder.path()) + L"/20240105093000_巡查记录.xls";
  EXPECT_EQ(Toasts(), (Texts{L"导出成功，导出文件路径" + path}));
  EXPECT_EQ(Result(), 1);
}

// The chooser as the window asks it: no owner, the prompt, the new dialog style; the
// label shows only a file-system folder, and is emptied by a cancel or by any other item.
TEST_F(DownWindowTest, TheChosenFolderFillsTheLabel) {
  struct Case {
    const char* name;
    std::function<void(platform::headless::TestDriver&)> answer;
    std::wstring label;
  };
  const std::wstring chosen = platform::codepage::Utf8ToWide(folder.path());
  const std::vector<Case> cases = {
      {"a folder", [&](platform::headless::TestDriver& d) { d.ScriptFolder(chosen); }, chosen},
      {"cancel after it", [](platform::headless::TestDriver& d) { d.ScriptFolderCancel(); }, L""},
      {"a folder again", [&](platform::headless::TestDriver& d) { d.ScriptFolder(chosen); }, chosen},
      {"a computer, not a folder",
       [](platform::headless::TestDriver& d) { d.ScriptNonFileSystemFolder(L"DESKTOP-PC"); }, L""},
  };
  Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.answer(driver);
    Click(L"btn_find");
    OnWindowThread(dialog, [&] {
      SkinUI::CControlUI* label = FindControl(dialog, L"lab_path");
      EXPECT_EQ(label->GetText(), c.label.c_str());
      EXPECT_EQ(label->GetToolTip(), c.label.c_str());
    });
  }
  const auto calls = driver.FolderChooserCalls();
  ASSERT_EQ(calls.size(), cases.size());
  EXPECT_EQ(calls.front().owner, nullptr);
  EXPECT_EQ(calls.front().title, L"选择一个文件夹");
  EXPECT_EQ(calls.front().flags, static_cast<UINT>(BIF_NEWDIALOGSTYLE));
}

// Cancelling the chooser after a folder was chosen leaves nothing to export into.
TEST_F(DownWindowTest, CancelAfterAChoiceThenOkIsRefused) {
  CachePlan(1, "早巡", 0);
  Open();
  driver.ScriptFolder(platform::codepage::Utf8ToWide(folder.path()));
  Click(L"btn_find");
  driver.ScriptFolderCancel();
  Click(L"btn_find");
  Click(L"btn_Ok");
  EXPECT_EQ(Toasts(), (Texts{L"请选择下载路径!"}));
  EXPECT_TRUE(::IsWindow(dialog));
  EXPECT_TRUE(Queries().empty());
}

// A folder chosen through the chooser is where the report goes.
TEST_F(DownWindowTest, TheChosenFolderReceivesTheReport) {
  CachePlan(1, "早巡", 0);
  Seed({1, kToday, 1});
  Open();
  driver.ScriptFolder(platform::codepage::Utf8ToWide(folder.path()));
  Click(L"btn_find");
  Click(L"btn_Ok");
  EXPECT_EQ(ReportRows(), (std::vector<Row>{{u8"早巡", kToday, u8"张三", "100%", "0%"}}));
  EXPECT_EQ(Result(), 1);
}

// The writer gives no path when no file was written; the user is told so instead of
// being shown a path that holds nothing.
TEST_F(DownWindowTest, AFailedWriteSaysSo) {
  CachePlan(1, "早巡", 0);
  Open();
  SetFolder(folder.path() + "/gone");
  Click(L"btn_Ok");
  EXPECT_EQ(Toasts(), (Texts{L"导出失败!"}));
  EXPECT_TRUE(Ended());
  EXPECT_TRUE(Reports().empty());
}

}  // namespace

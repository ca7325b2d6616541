// The result page over the fake patrol server and a simulated reader: the reader import
// in each of its endings, the plan shown from the plan page, a row's run opened, the
// focus the frame asks for, and the sub-skins built by element name.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/records/CResultWndEx.h"
#include "app/records/RecordsFile.h"
#include "data/StartupCaches.h"
#include "platform/base/CodePage.h"
#include "platform/base/Path.h"
#include "platform/reader/ReaderSimulatorControl.h"
#include "testing/services/DeviceRecordRefusals.h"
#include "testing/services/QueryValues.h"
#include "testing/services/WireJson.h"
#include "tests/app/records/ResultPageTest.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace {

using shelltest::FindControl;
using shelltest::OnWindowThread;

// The pinned day's reader time at 08:30:00 (YYMMDDhhmmss), so that the device tab's
// default range keeps the record.
std::string Line(const std::string& personHex) { return "2 1 " + personHex + " 123 a b c d e 240105083000 x y z"; }

using ResultPage = records_test::ResultPageTest;
using records_test::Texts;

TEST_F(ResultPage, SubSkinsAreBuiltByElementNameInAnyCase) {
  Open();
  OnWindowThread(hwnd, [&] {
    for (const wchar_t* name : {L"list-Result", L"list-Record", L"list-log", L"ImportBtn"}) {
      EXPECT_NE(FindControl(hwnd, name), nullptr) << name;
    }
    for (const wchar_t* element : {L"inspectrecord", L"DEVICERECORD", L"SystemLog"}) {
      SkinUI::CControlUI* built = page->CreateControl(element);
      EXPECT_NE(built, nullptr) << element;
      delete built;
    }
    EXPECT_EQ(page->CreateControl(L"Unknown"), nullptr);
  });
}

// The server answers the log late: the results tab is listed meanwhile, and the log tab,
// chosen before the log came, shows it once it does.
TEST_F(ResultPage, OpeningListsTheFirstTabWithoutWaitingForTheOtherTabsFetches) {
  FillTab(CResultWndEx::TAB_SYSTEM_LOG, 2);
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    InspectPlanInfo plan;
    plan.iID = 1;
    plan.strName = "巡查01";
    plan.strStartDate = "2024-01-01";
    plan.strEndDate = "2024-12-31";
    plan.strWeek = "1111111";
    PlanTimeSpan slot;
    slot.strStart = "08:00";
    slot.strEnd = "09:00";
    plan.listTime.push_back(slot);
    g_mapInspectPlan[1] = plan;
  }
  const std::string log = test_support::write_wire_json(world.patrol.audit_log().all());
  world.http().route("GET", "/api/InspectLog/Get",
                     test_support::HttpReply(200, log, "application/json; charset=utf-8")
                         .after(std::chrono::milliseconds(5000)));
  ui.Call([this] {
    page = std::make_unique<CResultWndEx>();
    hwnd = page->Create(frame, L"结果查看", WS_POPUP | WS_VISIBLE, 0, 0, 0, 0, 0);
  });
  ASSERT_TRUE(driver.WaitIdle());
  bool fetching = false;
  OnWindowThread(hwnd, [&] { fetching = page->IsFetching(); });
  EXPECT_TRUE(fetching) << "the log is still on its way";
  EXPECT_EQ(Column(L"list-Result", 2), (Texts{L"巡查01"}));
  Click(L"tablog");
  EXPECT_TRUE(Column(L"list-log", 1).empty());

  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (fetching) {
    ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the log never came";
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_TRUE(driver.WaitIdle());
    OnWindowThread(hwnd, [&] { fetching = page->IsFetching(); });
  }
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(Column(L"list-log", 1), (Texts{L"1", L"2"}));
}

TEST_F(ResultPage, ShowPlanResultsSearchesForACachedPlanOnly) {
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    InspectPlanInfo plan;
    plan.iID = 4;
    plan.strName = "东区夜巡";
    g_mapInspectPlan[4] = plan;
  }
  Open();
  OnWindowThread(hwnd, [&] {
    page->ShowPlanResults(5);
    EXPECT_EQ(std::wstring(FindControl(hwnd, L"Rich_PlanFind")->GetText().GetData()), L"");
    page->ShowPlanResults(4);
    EXPECT_EQ(std::wstring(FindControl(hwnd, L"Rich_PlanFind")->GetText().GetData()), L"东区夜巡");
  });
}

// The plan-type combo lists "全部" and then the types in their order (安防 is type 0):
// a choice keeps only the runs of that type and starts again from page 1.
TEST_F(ResultPage, ThePlanTypeChoiceKeepsThatTypesRunsFromTheFirstPage) {
  FillTab(CResultWndEx::TAB_RESULTS, 25);
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    for (auto& [id, plan] : g_mapInspectPlan) plan.iType = id <= 21 ? 1 : 0;
  }
  Open();
  Click(L"tabResult");
  Click(L"btn_next_page_InspectRecord");
  ASSERT_EQ(page->CurrentPage(CResultWndEx::TAB_RESULTS), 2);

  PickRow(L"Comb_ResultPlanType", 2);
  EXPECT_EQ(Text(L"Comb_ResultPlanType"), L"设备");
  EXPECT_EQ(page->CurrentPage(CResultWndEx::TAB_RESULTS), 1);
  EXPECT_EQ(Text(L"lab_ResultlistCounts"), L"21");
  EXPECT_EQ(Column(L"list-Result", 1).size(), 20u);

  PickRow(L"Comb_ResultPlanType", 1);
  EXPECT_EQ(Text(L"lab_ResultlistCounts"), L"4");
  records_test::Texts names = Column(L"list-Result", 2);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (records_test::Texts{L"巡查22", L"巡查23", L"巡查24", L"巡查25"}));

  PickRow(L"Comb_ResultPlanType", 4);
  EXPECT_EQ(Text(L"lab_ResultlistCounts"), L"0");
  EXPECT_TRUE(Visible(L"hlNoInspectRecordContent"));
}

// The row's "查看" carries the plan id and the run key, which the view is opened with.
TEST_F(ResultPage, TheViewButtonOpensTheRunOfItsRow) {
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    InspectPlanInfo plan;
    plan.iID = 12;
    plan.strName = "东区夜巡";
    plan.strStartDate = "2024-01-01";
    plan.strEndDate = "2024-01-31";
    plan.strWeek = "0000100";
    PlanTimeSpan slot;
    slot.strStart = "14:00";
    slot.strEnd = "15:30";
    plan.listTime.push_back(slot);
    g_mapInspectPlan[12] = plan;
  }
  Open();
  EXPECT_EQ(ButtonData(L"list-Result", 0, L"btn_Look"), L"12&2024-01-05/14:00-15:30");
  world.http().clear_requests();
  ClickInRow(L"list-Result", 0, L"btn_Look");
  const HWND view = shelltest::FindWindowOfClass(L"LookPlanWnd");
  ASSERT_NE(view, nullptr) << "the run's view opens";
  EXPECT_FALSE(::IsWindowEnabled(hwnd)) << "it runs modally over the page";
  std::wstring title;
  OnWindowThread(hwnd, [&] { title = shelltest::FindControl(view, L"lab_title")->GetText().GetData(); });
  EXPECT_EQ(title, L"东区夜巡");
  bool asked = false;
  for (const auto& request : world.http().requests()) {
    auto query = test_support::query_values(request.target);
    asked = asked || (request.path() == "/api/InspectRecord/GetByIDAndTime" && query["ID"] == "12" &&
                      query["strTime"] == "2024-01-05/14:00-15:30");
  }
  EXPECT_TRUE(asked) << "the view reads the row's run";
  ClickControl(view, L"btn_close");
  Settle();
  EXPECT_EQ(shelltest::FindWindowOfClass(L"LookPlanWnd"), nullptr);
  EXPECT_TRUE(::IsWindowEnabled(hwnd));
}

TEST_F(ResultPage, FocusGoesToTheSearchButtonOfTheTabInView) {
  Open();
  const struct {
    const wchar_t* tab;
    const wchar_t* find;
  } cases[] = {{L"tabRecord", L"btn_DeviceRecordfind"}, {L"tablog", L"btn_logfind"}, {L"tabResult", L"InspectRecordFind"}};
  for (const auto& c : cases) {
    ClickControl(hwnd, c.tab);
    ASSERT_TRUE(driver.WaitIdle());
    OnWindowThread(hwnd, [&] {
      FindControl(hwnd, L"Rich_PlanFind")->SetFocus();
      page->FocusCurrentSearch();
      SkinUI::CControlUI* focused = shelltest::ManagerOf(hwnd)->GetFocus();
      ASSERT_NE(focused, nullptr);
      EXPECT_EQ(std::wstring(focused->GetName().GetData()), c.find);
    });
  }
}

// A date field opens its picker on the focus, so a tab's first focus must not land on one.
TEST_F(ResultPage, SwitchingTabsFocusesTheSearchButtonAndOpensNoDatePicker) {
  Open();
  const auto pickerOpen = [this] {
    bool open = false;
    ::EnumChildWindows(
        hwnd,
        [](HWND child, LPARAM found) -> BOOL {
          wchar_t name[64] = {0};
          ::GetClassNameW(child, name, 64);
          if (std::wstring(name) != L"DateTimeWnd" || !::IsWindowVisible(child)) return TRUE;
          *reinterpret_cast<bool*>(found) = true;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&open));
    return open;
  };
  const struct {
    const wchar_t* tab;
    const wchar_t* find;
  } cases[] = {{L"tabRecord", L"btn_DeviceRecordfind"},
               {L"tablog", L"btn_logfind"},
               {L"tabResult", L"InspectRecordFind"},
               {L"tablog", L"btn_logfind"},
               {L"tabRecord", L"btn_DeviceRecordfind"}};
  for (const auto& c : cases) {
    ClickControl(hwnd, c.tab);
    Settle();
    const std::string tab = platform::codepage::WideToUtf8(c.tab);
    EXPECT_FALSE(pickerOpen()) << "a date picker opened on its own after " << tab;
    std::wstring focused;
    OnWindowThread(hwnd, [&] {
      SkinUI::CControlUI* control = shelltest::ManagerOf(hwnd)->GetFocus();
      if (control != nullptr) focused = control->GetName().GetData();
    });
    EXPECT_EQ(focused, c.find) << tab;
  }
}

// One process runs every ending, since the records file beside the program is shared.
TEST_F(ResultPage, ImportEndsEachWayWithTheReaderClosedLast) {
  Open();
  const struct {
    const char* what;
    std::function<void(platform::reader::ReaderSimulatorControl&, test_support::DeviceRecordRefusals&)> setUp;
    std::vector<std::wstring> toasts;
    size_t posted;
    bool readerEmptied;
    const char* logged;  // the level-3 line the case ends with; null for none
  } cases[] = {
      {"no reader", [](auto& r, auto&) { r.SetPresent(false); }, {L"设备未连接，请先连接巡更设备!"}, 0, false,
       "登陆巡更设备失败，OpenDevice()接口返回值-1！"},
      {"no id", [](auto& r, auto&) { r.InjectFailure(4, -3); }, {L"获取巡更设备ID失败!"}, 0, false,
       "获取巡更设备ID失败，GetDeviceId()接口返回值-3！"},
      {"records refused", [](auto& r, auto&) { r.InjectFailure(7, -5); }, {L"获取巡更设备ID失败!"}, 0, false,
       "获取巡更设备ID失败，GetRecords()接口返回值-5！"},
      {"no records", [](auto&, auto&) {}, {L"当前巡更设备无巡更记录!"}, 0, false, nullptr},
      {"count mismatch",
       [](auto& r, auto&) {
         r.SetPendingRecords({Line("1A2B"), Line("FF")});
         r.SetRecordsCountOverride(3);
       },
       {L"读取巡更设备记录失败!"}, 0, false, "巡更设备记录数量3，实际读取数量2！"},
      // The reader counts two records but leaves no file beside the program.
      {"no records file",
       [](auto& r, auto&) {
         std::remove(platform::NativePath(RecordsFile::Path()).c_str());
         r.InjectFailure(7, 2);
       },
       {L"记录文件不存在读取失败!", L"读取巡更设备记录失败!"}, 0, false, "巡更设备记录数量2，实际读取数量0！"},
      {"every record posted", [](auto& r, auto&) { r.SetPendingRecords({Line("1A2B"), Line("FF")}); },
       {L"读取巡更设备记录成功,共读取2条记录"}, 2, true, nullptr},
      {"a post refused",
       [](auto& r, auto& refusals) {
         r.SetPendingRecords({Line("1A2B"), Line("FE")});
         refusals.refuse("0000000254");
       },
       {L"读取巡更设备记录失败!"}, 1, false, "上传巡更设备记录失败1条，共2条！"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    reader.Reset();
    test_support::DeviceRecordRefusals refusals(world.patrol);
    c.setUp(reader, refusals);
    const size_t before = world.patrol.device_records().size();
    const size_t lines = records_test::TextLog::Lines().size();
    const bool held = reader.HasPendingRecords();
    TakeToasts();
    ClickControl(hwnd, L"ImportBtn");
    Settle();
    EXPECT_EQ(shelltest::FindWindowOfClass(L"LoadingGifWnd"), nullptr) << "the busy window closed";
    EXPECT_EQ(TakeToasts(), c.toasts);
    EXPECT_EQ(world.patrol.device_records().size() - before, c.posted);
    const std::vector<std::string> calls = reader.Calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().substr(0, 2), "2 ") << calls.back();
    EXPECT_EQ(reader.HasPendingRecords(), held && !c.readerEmptied) << "the reader is emptied only after every post";
    if (c.logged != nullptr) {
      ASSERT_TRUE(records_test::TextLog::WaitForLines(lines + 1));
      EXPECT_EQ(records_test::TextLog::Lines().back(), c.logged);
    }
    if (c.posted == 0) continue;
    // The tab shows what the server holds after the posts.
    OnWindowThread(hwnd, [&] { EXPECT_EQ(page->FilteredDeviceRecords().size(), world.patrol.device_records().size()); });
  }
  const Json::Value posted = world.patrol.device_records().all();
  ASSERT_GE(posted.size(), 1u);
  EXPECT_EQ(posted[0]["iType"].asInt(), 2);
  EXPECT_EQ(posted[0]["strPeopleCode"].asString(), "0000006699");
  EXPECT_EQ(posted[0]["strDeviceCode"].asString(), "12345678");
  EXPECT_EQ(posted[0]["strInspectPositionDeviceCode"].asString(), "123");
  EXPECT_EQ(posted[0]["strReserve"].asString(), "--");
}

}  // namespace

// The result page over the fake patrol server and a simulated reader: the reader import
// in each of its endings, the plan shown from the plan page, the focus the frame asks
// for, and the sub-skins built by element name.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/records/CResultWndEx.h"
#include "app/records/LookPlanStandIn.h"
#include "app/shell/ShellServices.h"
#include "data/StartupCaches.h"
#include "platform/base/Clock.h"
#include "platform/reader/ReaderBackend.h"
#include "platform/reader/ReaderSimulatorControl.h"
#include "platform/user/WorkerThread.h"
#include "testing/files/ScratchFolder.h"
#include "testing/services/DeviceRecordRefusals.h"
#include "tests/app/shell/support/ShellWindowTest.h"
#include "tests/data/CampusWorld.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace {

using shelltest::FindControl;
using shelltest::OnWindowThread;

// Today's reader time at 08:30:00 (YYMMDDhhmmss), so that the device tab's default range
// keeps the record.
std::string TodayAtHalfPastEight() {
  const std::time_t now = platform::WallClockSeconds();
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::snprintf(text, sizeof text, "%02d%02d%02d", local.tm_year % 100, local.tm_mon + 1, local.tm_mday);
  return std::string(text) + "083000";
}

std::string Line(const std::string& personHex) {
  return "2 1 " + personHex + " 123 a b c d e " + TodayAtHalfPastEight() + " x y z";
}

class ResultPage : public shelltest::ShellWindowTest {
 protected:
  ResultPage() : reader(scratch.file("reader")) {
    reader.Reset();
    platform::reader::ReaderBackend::UseSimulator(reader.Folder());
    SetToastHandler([this](const std::wstring& text, int) {
      std::lock_guard<std::mutex> lock(mutex);
      toasts.push_back(text);
    });
  }
  ~ResultPage() override {
    ui.Call([this] {
      if (hwnd != nullptr && ::IsWindow(hwnd)) ::DestroyWindow(hwnd);
      page.reset();
    });
    driver.WaitIdle();
    SetToastHandler(nullptr);
    platform::reader::ReaderBackend::UseNone();
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    g_mapInspectPlan.clear();
  }
  void Open() {
    ui.Call([this] {
      page = std::make_unique<CResultWndEx>();
      // Owned rather than a child, so that the whole page lies on the screen beside the
      // small stand-in frame.
      hwnd = page->Create(frame, L"结果查看", WS_POPUP | WS_VISIBLE, 0, 0, 0, 0, 0);
    });
    ASSERT_TRUE(driver.WaitIdle());
    ASSERT_NE(hwnd, nullptr);
  }
  // Waits until the busy window is gone and its worker has ended: a UI thread waiting for
  // its worker counts as idle, so the worker is asked first.
  void Settle() {
    for (int round = 0; round < 2000; ++round) {
      const bool working = platform::WorkerThread::Outstanding() > 0;
      driver.WaitIdle();
      if (!working && shelltest::FindWindowOfClass(L"LoadingGifWnd") == nullptr) return;
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    ADD_FAILURE() << "the busy window stayed open";
  }
  std::vector<std::wstring> TakeToasts() {
    std::lock_guard<std::mutex> lock(mutex);
    std::vector<std::wstring> taken;
    taken.swap(toasts);
    return taken;
  }

  CampusWorld world;
  test_support::ScratchFolder scratch;
  platform::reader::ReaderSimulatorControl reader;
  std::unique_ptr<CResultWndEx> page;
  HWND hwnd = nullptr;
  std::mutex mutex;
  std::vector<std::wstring> toasts;
};

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

// One process runs every ending, since the records file beside the program is shared.
TEST_F(ResultPage, ImportEndsEachWayWithTheReaderClosedLast) {
  Open();
  const struct {
    const char* what;
    std::function<void(platform::reader::ReaderSimulatorControl&, test_support::DeviceRecordRefusals&)> setUp;
    std::vector<std::wstring> toasts;
    size_t posted;
    bool readerEmptied;
  } cases[] = {
      {"no reader", [](auto& r, auto&) { r.SetPresent(false); }, {L"设备未连接，请先连接巡更设备!"}, 0, false},
      {"no id", [](auto& r, auto&) { r.InjectFailure(4, -3); }, {L"获取巡更设备ID失败!"}, 0, false},
      {"records refused", [](auto& r, auto&) { r.InjectFailure(7, -5); }, {L"获取巡更设备ID失败!"}, 0, false},
      {"no records", [](auto&, auto&) {}, {L"当前巡更设备无巡更记录!"}, 0, false},
      {"count mismatch",
       [](auto& r, auto&) {
         r.SetPendingRecords({Line("1A2B"), Line("FF")});
         r.SetRecordsCountOverride(3);
       },
       {L"读取巡更设备记录失败!"}, 0, false},
      {"every record posted", [](auto& r, auto&) { r.SetPendingRecords({Line("1A2B"), Line("FF")}); },
       {L"读取巡更设备记录成功,共读取2条记录"}, 2, true},
      {"a post refused",
       [](auto& r, auto& refusals) {
         r.SetPendingRecords({Line("1A2B"), Line("FE")});
         refusals.refuse("0000000254");
       },
       {L"读取巡更设备记录失败!"}, 1, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    reader.Reset();
    test_support::DeviceRecordRefusals refusals(world.patrol);
    c.setUp(reader, refusals);
    const size_t before = world.patrol.device_records().size();
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

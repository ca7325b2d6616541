// The plan execution view against the fake patrol server: its header, the checkpoint
// rows with their colours, the map page's URL through the scripted browser (also when a
// worker loads the run), the map's fold, the camera button, the reload message and the
// export into a scripted folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "CommonTools/Config.h"
#include "app/records/CLookPlanWnd.h"
#include "app/shell/RunBusy.h"
#include "data/StartupCaches.h"
#include "platform/base/Clock.h"
#include "platform/base/CodePage.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/WebBrowser.h"
#include "platform/spreadsheet/SpreadsheetApplication.h"
#include "testing/base/LocalTime.h"
#include "testing/files/ScratchFolder.h"
#include "testing/xlsx/XlsxWorkbook.h"
#include "tests/app/records/windows/PlanRunWindowTest.h"
#include "tests/ui/controls/support/ScriptedOleControl.h"
#include "ui/controls/CLabelUI.h"
#include "ui/controls/CListUI.h"

namespace {

using plantest::kPlanId;
using plantest::kRunKey;
using plantest::Strings;
using shelltest::FindControl;
using shelltest::ImagesOf;
using shelltest::OnWindowThread;
namespace fs = std::filesystem;

std::wstring Hex(DWORD colour) {
  std::wstringstream text;
  text << std::hex << colour;
  return text.str();
}

class LookPlanView : public plantest::PlanRunWindowTest {
 protected:
  LookPlanView() {
    // 东门 patrolled with an anomaly, and listed again in 南楼 (the first record counts);
    // 天台 not patrolled but marked; 南门 without a record.
    Json::Value east = Area(10, "东楼");
    east["PositionDevicelist"].append(Visit(101, 5, "东门", 1, 1, 1, "2024-05-01 08:10", "门坏了"));
    east["PositionDevicelist"].append(Visit(102, 3, "天台", 0, 0, 1, "", ""));
    Json::Value south = Area(12, "南楼");
    south["PositionDevicelist"].append(Visit(103, 5, "东门", 0, 0, 0, "2024-05-01 08:50", "later"));
    Json::Value areas(Json::arrayValue);
    areas.append(east);
    areas.append(south);
    ScriptRunAreas(areas);
  }
  ~LookPlanView() override {
    if (hwnd != nullptr && ::IsWindow(hwnd)) {
      ClickControl(hwnd, L"btn_close");
      driver.WaitIdle();
    }
    window.reset();
    fs::remove_all(PageFolder());
    platform::UnpinWallClock();
  }

  fs::path PageFolder() const { return fs::path(ProgramFolder()) / "InspectRecord"; }
  void WritePage() {
    fs::create_directories(PageFolder());
    std::ofstream(PageFolder() / "index.html") << "<html></html>";
  }

  // The run's next answer: one area with one visit, at the east gate.
  void ScriptOneVisitAtTheEastGate() {
    Json::Value east = Area(10, "东楼");
    east["PositionDevicelist"].append(Visit(101, 5, "东门", 1, 1, 0, "2024-05-01 08:10", ""));
    Json::Value areas(Json::arrayValue);
    areas.append(east);
    ScriptRunAreas(areas);
  }

  // Opens the view as the result window does (loaded on the UI thread), or as the home
  // page does (loaded by a worker behind the busy window).
  void Open(bool fromWorker = false, const std::string& runKey = kRunKey) {
    window = std::make_unique<CLookPlanWnd>(kPlanId);
    ui.Post([this, fromWorker, runKey] {
      window->CreateWithStyle(frame, L"查看巡更计划", 0, 0);
      if (fromWorker) {
        RunBusy(frame, 180000, 1, [this, runKey] { window->LoadPlanRun(runKey); });
      } else {
        window->LoadPlanRun(runKey);
      }
      window->CenterWindow();
      result = static_cast<int>(window->ShowModal());
    });
    Settle();
    hwnd = window->GetHWND();
    ASSERT_NE(hwnd, nullptr);
  }

  // Each row as "No|Name|AreaName|people|state@colour|time@colour|camera|Result@colour|Normal@colour|remark".
  Strings Rows() {
    Strings rows;
    OnWindowThread(hwnd, [&] {
      auto* list = static_cast<SkinUI::CListUI*>(FindControl(hwnd, L"list-Curplan")->GetInterface(L"List"));
      for (int r = 0; r < list->GetCount(); ++r) {
        auto* row = static_cast<SkinUI::CContainerUI*>(list->GetItemAt(r)->GetInterface(L"Container"));
        std::wstring text;
        for (int c = 1; c < row->GetCount(); ++c) {
          auto* cell = static_cast<SkinUI::CContainerUI*>(row->GetItemAt(c)->GetInterface(L"Container"));
          SkinUI::CControlUI* content = cell->GetCount() > 0 ? cell->GetItemAt(0) : nullptr;
          if (c > 1) text += L"|";
          if (content == nullptr) continue;
          if (content->GetName() == L"btn_Cam") {
            text += std::wstring(L"cam:") + content->GetUserData().GetData();
            continue;
          }
          text += content->GetText().GetData();
          if (c == 5 || c == 6 || c == 8 || c == 9) {
            text += L"@" + Hex(static_cast<SkinUI::CLabelUI*>(content)->GetTextColor());
          }
        }
        rows.push_back(text);
      }
    });
    return rows;
  }
  std::wstring Text(LPCTSTR name) {
    std::wstring text;
    OnWindowThread(hwnd, [&] { text = FindControl(hwnd, name)->GetText().GetData(); });
    return text;
  }
  void ClickRowCamera(int row) {
    POINT centre = {-1, -1};
    OnWindowThread(hwnd, [&] {
      auto* list = static_cast<SkinUI::CListUI*>(FindControl(hwnd, L"list-Curplan")->GetInterface(L"List"));
      auto* cells = static_cast<SkinUI::CContainerUI*>(list->GetItemAt(row)->GetInterface(L"Container"));
      auto* cell = static_cast<SkinUI::CContainerUI*>(cells->GetItemAt(7)->GetInterface(L"Container"));
      const RECT rc = cell->GetItemAt(0)->GetPos();
      centre = POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
      ::ClientToScreen(hwnd, &centre);
    });
    driver.Click(centre.x, centre.y);
    ASSERT_TRUE(driver.WaitIdle());
  }
  std::wstring PageUrl() {
    RECT area = {0, 0, 0, 0};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    // The values go as query values: "/" and ":" percent-encoded.
    std::wstring server;
    for (const char c : world.session().m_strServerAddr) {
      server += c == '/' ? L"%2F" : c == ':' ? L"%3A" : std::wstring(1, static_cast<wchar_t>(c));
    }
    return CommonTools::get_exe_dir() +
           L"\\InspectRecord\\index.html?token=tok&userID=u1&campusId=1&InspectRecordID=3"
           L"&Date=2024-05-01%2F08%3A00-09%3A30"
           L"&width=" +
           std::to_wstring(area.right - area.left - 20) + L"&height=" + std::to_wstring(area.bottom - area.top - 367) +
           L"&Type=1&QVBaseAddr=" + server;
  }

  std::unique_ptr<CLookPlanWnd> window;
  HWND hwnd = nullptr;
  std::atomic<int> result{-1};
};

const Strings kRows = {
    L"1|东门|东楼|张三,李四|已巡逻@4bcd1f|2024-05-01 08:10@96bcbc|cam:5|合格@ffffff|有异常@e9ef25|门坏了",
    L"2|天台|东楼|张三,李四|未巡逻@96bcbc|@96bcbc|cam:3|不合格@e5582d|有异常@e9ef25|",
    L"3|南门|南楼|张三,李四|未巡逻@96bcbc|--@96bcbc|cam:9|不合格@e5582d|--@ffffff|--",
};

TEST_F(LookPlanView, ShowsThePlanHeaderAndEveryRouteCheckpointWithItsRecord) {
  Open();
  EXPECT_EQ(Rows(), kRows);
  EXPECT_EQ(Text(L"lab_title"), L"夜巡");
  EXPECT_EQ(Text(L"lab_people"), L"张三,李四");
  EXPECT_EQ(Text(L"lab_route"), L"东线");
  EXPECT_EQ(Text(L"lab_Date"), L"2024-04-01~2024-06-30  08:00-09:30 20:00-21:00") << "two slots after the dates";
  EXPECT_EQ(Text(L"lab_Remark"), L"--") << "an empty remark";
  OnWindowThread(hwnd, [&] {
    EXPECT_EQ(ImagesOf::Background(FindControl(hwnd, L"lab_Type")), L"file='1首页/消防.png' dest='7,0,37,15'");
  });
}

TEST_F(LookPlanView, NavigatesTheRunsMapPageOnTheViewsThreadAlsoWhenAWorkerLoadsIt) {
  WritePage();
  for (const bool fromWorker : {false, true}) {
    Open(fromWorker);
    const oletest::ScriptedOleControl* browser = oletest::ScriptedOleControl::Last();
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->navigated, (Strings{PageUrl()})) << fromWorker;
    ASSERT_EQ(browser->navigatingThreads.size(), 1u);
    EXPECT_EQ(browser->navigatingThreads[0], ::GetWindowThreadProcessId(hwnd, nullptr)) << fromWorker;
    EXPECT_EQ(Rows(), kRows) << fromWorker;
    ClickControl(hwnd, L"btn_close");
    ASSERT_TRUE(driver.WaitIdle());
    EXPECT_EQ(result.load(), 2);
  }
}

TEST_F(LookPlanView, WithoutPageOrBrowserTheListIsStillBuilt) {
  Open();
  const std::string missing = "未发现InspectRecord\\index.html: " +
                              platform::codepage::WideToUtf8(CommonTools::get_exe_dir()) +
                              "\\InspectRecord\\index.html\n";
  bool logged = false;
  for (const std::string& line : world.logLines()) logged = logged || line == missing;
  EXPECT_TRUE(logged);
  EXPECT_TRUE(oletest::ScriptedOleControl::Last()->navigated.empty());
  EXPECT_EQ(Rows(), kRows);
  ClickControl(hwnd, L"btn_close");
  ASSERT_TRUE(driver.WaitIdle());

  WritePage();
  platform::com::ClassRegistry::Unregister(CLSID_WebBrowser);
  const int made = oletest::ScriptedOleControl::Made();
  Open();
  EXPECT_EQ(oletest::ScriptedOleControl::Made(), made) << "no browser was made";
  EXPECT_EQ(Rows(), kRows);
}

TEST_F(LookPlanView, TheAreaBoxFoldsTheMapAndGivesTheListItsRoom) {
  Open();
  RECT area = {0, 0, 0, 0};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  const auto state = [&] {
    std::pair<bool, int> seen;
    OnWindowThread(hwnd, [&] {
      seen.first = FindControl(hwnd, L"AreaHz")->IsVisible();
      seen.second = FindControl(hwnd, L"list-Curplan")->GetFixedHeight();
    });
    return seen;
  };
  EXPECT_EQ(state(), std::make_pair(true, 180));
  ClickControl(hwnd, L"hide_CK");
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(state(), std::make_pair(false, static_cast<int>(area.bottom - area.top - 170)));
  ClickControl(hwnd, L"hide_CK");
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(state(), std::make_pair(true, 180));
}

TEST_F(LookPlanView, ACameraButtonWithoutCheckpointSaysPlayingFailed) {
  g_mapInspectRoute[7].mapArea[12].listDevice.front().iDeviceID = -1;
  Open();
  ClickRowCamera(2);
  EXPECT_EQ(Toasts(), (Strings{L"播放失败!/3"}));
  EXPECT_EQ(shelltest::FindWindowOfClass(L"CamPlay"), nullptr);
}

// Checkpoint 5 of the first row is cached without a camera: the camera dialog opened for
// it says so and closes itself.
TEST_F(LookPlanView, ARowsCameraButtonOpensTheCameraDialogOfItsCheckpoint) {
  Open();
  ClickRowCamera(0);
  Settle();
  EXPECT_EQ(Toasts(), (Strings{L"该巡更点未绑定摄像头!/3"}));
  EXPECT_EQ(shelltest::FindWindowOfClass(L"CamPlay"), nullptr);
  EXPECT_TRUE(::IsWindow(hwnd)) << "the view stays open under the closed dialog";
}

TEST_F(LookPlanView, TheTitleCloseAndTheCloseButtonEachEndTheView) {
  for (const wchar_t* button : {L"btn_close", L"btn_Cancel"}) {
    SCOPED_TRACE(platform::codepage::WideToUtf8(button));
    result = -1;
    Open();
    ClickControl(hwnd, button);
    Settle();
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(result.load(), 2);
    hwnd = nullptr;
  }
}

// "巡更详情" asks the server for the run's records again and lists them, leaving the map
// page where it was.
TEST_F(LookPlanView, TheDetailsButtonListsTheRunsRecordsAgain) {
  WritePage();
  Open();
  ScriptOneVisitAtTheEastGate();
  ClickControl(hwnd, L"taboldplan");
  Settle();
  EXPECT_EQ(Rows()[0], L"1|东门|东楼|张三,李四|已巡逻@4bcd1f|2024-05-01 08:10@96bcbc|cam:5|合格@ffffff|无异常@ffffff|");
  EXPECT_EQ(oletest::ScriptedOleControl::Last()->navigated, (Strings{PageUrl()}));
}

TEST_F(LookPlanView, MessageReloadFetchesTheRunAgain) {
  WritePage();
  Open();
  ScriptOneVisitAtTheEastGate();
  ::PostMessageW(hwnd, CLookPlanWnd::WM_RELOAD_PLAN_RUN, 0, 0);
  Settle();
  EXPECT_EQ(Rows()[0], L"1|东门|东楼|张三,李四|已巡逻@4bcd1f|2024-05-01 08:10@96bcbc|cam:5|合格@ffffff|无异常@ffffff|");
  EXPECT_EQ(oletest::ScriptedOleControl::Last()->navigated, (Strings{PageUrl(), PageUrl()}));
  EXPECT_TRUE(::IsWindow(hwnd));
}

TEST_F(LookPlanView, TheExceptionRecordOpensOnTheRunAndASaveReloadsTheView) {
  platform::PinWallClock(test_support::LocalTime(2024, 5, 1, 8, 30));
  world.http().route("POST", "/api/InspectRecord/Update", test_support::HttpReply(200, "1"));
  Open();
  const auto fetches = [&] {
    size_t count = 0;
    for (const auto& request : world.http().requests()) count += request.path() == "/api/InspectRecord/GetByIDAndTime";
    return count;
  };
  const size_t loaded = fetches();
  for (const bool save : {false, true}) {
    ClickControl(hwnd, L"btn_ExceptionRecord");
    Settle();
    const HWND dialog = shelltest::FindWindowOfClass(L"ExceptionRecord");
    ASSERT_NE(dialog, nullptr);
    Strings boxes;
    OnWindowThread(dialog, [&] {
      for (const wchar_t* name : {L"PositionDeviceCK101", L"PositionDeviceCK102", L"PositionDeviceCK103"}) {
        if (shelltest::ControlIfAny(dialog, name) != nullptr) boxes.push_back(name);
      }
    });
    EXPECT_EQ(boxes, (Strings{L"PositionDeviceCK101", L"PositionDeviceCK102", L"PositionDeviceCK103"}))
        << "a box for every record of the run";
    ClickControl(dialog, save ? L"btn_Ok" : L"btn_Cancel");
    Settle();
    EXPECT_EQ(shelltest::FindWindowOfClass(L"ExceptionRecord"), nullptr);
    EXPECT_EQ(fetches(), loaded + (save ? 1 : 0)) << (save ? "a save reloads the run" : "a cancel does not");
  }
  EXPECT_EQ(Bodies("/api/ExceptionRecord/Add").size(), 1u);
}

// A run key is made of a record's date from the server. One whose digits are no digits
// names no run: its exception record opens read-only and no folder under or beside the
// program's pictures is made, emptied or removed.
TEST_F(LookPlanView, ARunKeyThatIsNoDateLeavesEveryFolderAlone) {
  platform::PinWallClock(test_support::LocalTime(2024, 5, 1, 8, 30));
  const fs::path program(ProgramFolder());
  const struct {
    const char* what;
    const char* runKey;
    fs::path aimedAt;  // where its time key leads from the plan's picture folder
  } cases[] = {
      {"up beside the program's picture folder", "../.X./X../08:00-09:30", program / "..08000930"},
      {"beside the plan's picture folder", "../k-ee-p_/ou:t_-ab:cd", program / "res" / "keep_out_abcd"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fs::create_directories(program / "res" / "3");
    fs::create_directories(c.aimedAt);
    std::ofstream(c.aimedAt / "precious.txt") << "keep";
    const size_t requests = world.http().requests().size();
    Open(false, c.runKey);
    ClickControl(hwnd, L"btn_ExceptionRecord");
    Settle();
    const HWND dialog = shelltest::FindWindowOfClass(L"ExceptionRecord");
    ASSERT_NE(dialog, nullptr);
    bool okShown = true, addShown = true;
    OnWindowThread(dialog, [&] {
      okShown = FindControl(dialog, L"btn_Ok")->IsVisible();
      addShown = FindControl(dialog, L"btn_Add")->IsVisible();
    });
    EXPECT_FALSE(okShown);
    EXPECT_FALSE(addShown);
    ClickControl(dialog, L"btn_close");
    Settle();
    ClickControl(hwnd, L"btn_close");
    ASSERT_TRUE(driver.WaitIdle());

    EXPECT_TRUE(fs::exists(c.aimedAt / "precious.txt"));
    EXPECT_TRUE(fs::is_empty(program / "res" / "3")) << "no run folder made";
    const auto sent = world.http().requests();
    for (size_t i = requests; i < sent.size(); ++i) {
      EXPECT_NE(sent[i].path(), "/Upload.ashx") << "no picture listed or fetched";
    }
    fs::remove_all(c.aimedAt);
  }
}

// --- Export ---------------------------------------------------------------------------

class LookPlanExport : public LookPlanView {
 protected:
  LookPlanExport() { platform::spreadsheet::SpreadsheetApplication::Register(); }
  ~LookPlanExport() override { platform::spreadsheet::SpreadsheetApplication::Unregister(); }

  void Export(const std::string& folder) {
    if (folder.empty()) {
      driver.ScriptFolderCancel();
    } else {
      driver.ScriptFolder(platform::codepage::Utf8ToWide(folder));
    }
    ClickControl(hwnd, L"DownLoadBtn");
    Settle();
  }
  static std::vector<std::string> Files(const fs::path& folder) {
    std::vector<std::string> files;
    if (!fs::exists(folder)) return files;
    for (const auto& entry : fs::directory_iterator(folder)) files.push_back(entry.path().filename().u8string());
    std::sort(files.begin(), files.end());
    return files;
  }

  test_support::ScratchFolder scratch;
};

TEST_F(LookPlanExport, WritesTheWorkbookAndRefillsThePictureFolder) {
  world.patrol.pictures().store(kPlanId, plantest::kTimeKey, "a.jpg", "JPEG-A");
  world.patrol.pictures().store(kPlanId, plantest::kTimeKey, "b.png", "PNG-B");
  Json::Value remark;
  remark["iPlanID"] = kPlanId;
  remark["strTime"] = plantest::kTimeKey;
  remark["strRemark"] = u8"窗户破损";
  world.patrol.exception_records().seed(remark);
  Open();
  const fs::path planFolder = fs::path(scratch.path()) / u8"夜巡";
  fs::create_directories(planFolder / "ExceptionPicture");
  std::ofstream(planFolder / "ExceptionPicture" / "old.jpg") << "old";

  Export(scratch.path());
  EXPECT_EQ(Toasts(), (Strings{L"导出成功，导出文件路径" + platform::codepage::Utf8ToWide(scratch.path()) + L"/夜巡/3"}));
  EXPECT_EQ(Files(planFolder), (std::vector<std::string>{"ExceptionPicture", u8"夜巡.xls"}));
  EXPECT_EQ(Files(planFolder / "ExceptionPicture"), (std::vector<std::string>{"a.jpg", "b.png"})) << "emptied first";
  EXPECT_EQ(test_support::ScratchFolder::read((planFolder / "ExceptionPicture" / "b.png").string()), "PNG-B");

  test_support::XlsxWorkbook book;
  ASSERT_TRUE(book.Read((planFolder / u8"夜巡.xls").string())) << book.error();
  EXPECT_EQ(book.cell("A1").text, u8"夜巡_2024-05-01 08:00-09:30");
  EXPECT_EQ(book.cell("A2").text, u8"异常说明:窗户破损");
  std::vector<std::string> header;
  for (const char* column : {"A3", "B3", "C3", "D3", "E3", "F3", "G3", "H3", "I3"}) header.push_back(book.cell(column).text);
  EXPECT_EQ(header, (std::vector<std::string>{u8"序号", u8"巡更点", u8"区域", u8"人员", u8"状态", u8"时间", u8"结果",
                                              u8"有无异常", u8"异常描述"}));
  std::vector<std::string> secondRow;
  for (const char* column : {"A5", "B5", "C5", "E5", "G5", "H5"}) secondRow.push_back(book.cell(column).text);
  EXPECT_EQ(secondRow, (std::vector<std::string>{"2", u8"天台", u8"东楼", u8"未巡逻", u8"不合格", u8"有异常"}));
  EXPECT_EQ(book.cell("B6").text, u8"南门");

  world.patrol.pictures().erase(kPlanId, plantest::kTimeKey, "a.jpg");
  Export(scratch.path());
  EXPECT_EQ(Toasts().size(), 2u);
  EXPECT_EQ(Files(planFolder), (std::vector<std::string>{"ExceptionPicture", u8"夜巡.xls"})) << "the plan folder reused";
  EXPECT_EQ(Files(planFolder / "ExceptionPicture"), (std::vector<std::string>{"b.png"}));
}

// A listed name holding what ends or changes an address's path is still asked for as
// itself: each picture lands under its name with its own bytes.
TEST_F(LookPlanExport, PicturesWithMarksOfAnAddressInTheirNamesAreFetchedAsThemselves) {
  const std::vector<std::string> names = {"50%41.jpg", "a b.jpg", "a#1.jpg", "p+q.jpg"};
  for (const std::string& name : names) world.patrol.pictures().store(kPlanId, plantest::kTimeKey, name, "PIC-" + name);
  Open();
  Export(scratch.path());
  const fs::path pictures = fs::path(scratch.path()) / u8"夜巡" / "ExceptionPicture";
  EXPECT_EQ(Files(pictures), names);
  for (const std::string& name : names) {
    EXPECT_EQ(test_support::ScratchFolder::read((pictures / name).string()), "PIC-" + name) << name;
  }
}

// 合格 is the visit's result, as the results tab counts it; the state only says whether
// the checkpoint was visited.
TEST_F(LookPlanExport, PassOrFailFollowsTheVisitsResultOnScreenAndInTheWorkbook) {
  Json::Value east = Area(10, "东楼");
  east["PositionDevicelist"].append(Visit(101, 5, "东门", 1, 0, 0, "2024-05-01 08:10", ""));
  east["PositionDevicelist"].append(Visit(102, 3, "天台", 0, 1, 0, "2024-05-01 08:20", ""));
  Json::Value areas(Json::arrayValue);
  areas.append(east);
  ScriptRunAreas(areas);
  Open();
  EXPECT_EQ(Rows(), (Strings{
                        L"1|东门|东楼|张三,李四|已巡逻@4bcd1f|2024-05-01 08:10@96bcbc|cam:5|不合格@e5582d|无异常@ffffff|",
                        L"2|天台|东楼|张三,李四|未巡逻@96bcbc|2024-05-01 08:20@96bcbc|cam:3|合格@ffffff|无异常@ffffff|",
                        L"3|南门|南楼|张三,李四|未巡逻@96bcbc|--@96bcbc|cam:9|不合格@e5582d|--@ffffff|--",
                    }));

  Export(scratch.path());
  test_support::XlsxWorkbook book;
  ASSERT_TRUE(book.Read((fs::path(scratch.path()) / u8"夜巡" / u8"夜巡.xls").string())) << book.error();
  std::vector<std::string> written;
  for (const char* row : {"4", "5", "6"}) {
    written.push_back(book.cell(std::string("E") + row).text + " " + book.cell(std::string("G") + row).text);
  }
  EXPECT_EQ(written, (std::vector<std::string>{u8"已巡逻 不合格", u8"未巡逻 合格", u8"未巡逻 不合格"}));
}

TEST_F(LookPlanExport, RefusesNoFolderAndALongOne) {
  Open();
  Export("");
  const std::string longFolder = scratch.path() + "/" + std::string(61 - scratch.path().size() - 1, 'x');
  ASSERT_EQ(longFolder.size(), 61u);
  fs::create_directories(longFolder);
  Export(longFolder);
  EXPECT_EQ(Toasts(), (Strings{L"下载路径不能为空!/3", L"下载路径过长，请重新选择下载路径!/3"}));
  EXPECT_EQ(shelltest::FindWindowOfClass(L"LoadingGifWnd"), nullptr);
  EXPECT_FALSE(fs::exists(fs::path(longFolder) / u8"夜巡"));
}

TEST_F(LookPlanExport, APlanNameWithSeparatorsStaysInsideTheChosenFolder) {
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    g_mapInspectPlan[kPlanId].strName = "A/B:C";
  }
  world.patrol.pictures().store(kPlanId, plantest::kTimeKey, "..\\up.jpg", "X");
  world.patrol.pictures().store(kPlanId, plantest::kTimeKey, "ok.jpg", "OK");
  Open();
  Export(scratch.path());
  EXPECT_EQ(Files(scratch.path()), (std::vector<std::string>{"A_B_C"}));
  EXPECT_EQ(Files(fs::path(scratch.path()) / "A_B_C"), (std::vector<std::string>{"A_B_C.xls", "ExceptionPicture"}));
  EXPECT_EQ(Files(fs::path(scratch.path()) / "A_B_C" / "ExceptionPicture"), (std::vector<std::string>{"ok.jpg"}))
      << "a name holding a separator is not downloaded";
  bool logged = false;
  for (const std::string& line : world.logLines()) logged = logged || line == "下载图片失败，..\\up.jpg\n";
  EXPECT_TRUE(logged);
}

TEST_F(LookPlanExport, AFailedExportSaysSo) {
  Open();
  // The chosen folder is a file: no plan folder can be made in it.
  const std::string file = scratch.file("chosen");
  test_support::ScratchFolder::write(file, "x");
  Export(file);
  EXPECT_EQ(Toasts(), (Strings{L"导出失败!/3"}));
}

}  // namespace

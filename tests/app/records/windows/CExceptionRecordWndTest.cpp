// The exception record dialog against the fake patrol server with a pinned clock: who
// may edit when, the checkpoint boxes, the save's requests (and a refused one keeping
// the dialog open), and the run's pictures fetched, refused by name, and deleted.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "app/records/CExceptionRecordWnd.h"
#include "data/StartupCaches.h"
#include "platform/base/Clock.h"
#include "tests/app/records/windows/PlanRunWindowTest.h"
#include "ui/controls/CCheckBoxUI.h"
#include "ui/core/control/CContainerUI.h"

namespace {

using plantest::kPlanId;
using plantest::kRunKey;
using plantest::Strings;
using shelltest::FindControl;
using shelltest::OnWindowThread;
namespace fs = std::filesystem;

SYSTEMTIME At(int day, int hour, int minute) {
  SYSTEMTIME t = {};
  t.wYear = 2024;
  t.wMonth = 5;
  t.wDay = static_cast<WORD>(day);
  t.wHour = static_cast<WORD>(hour);
  t.wMinute = static_cast<WORD>(minute);
  return t;
}

RecordPositionInfo Record(int id, int checkpoint, const std::string& name, int result, int abnormal,
                          const std::string& time) {
  RecordPositionInfo record;
  record.ID = id;
  record.PositionDeviceID = checkpoint;
  record.Name = name;
  record.iResult = result;
  record.iState = result;
  record.iAbnormal = abnormal;
  record.iType = 2;
  record.strTime = time;
  record.strDate = "2024-05-01";
  record.strInspectPeopleID = "1";
  return record;
}

class ExceptionRecordDialog : public plantest::PlanRunWindowTest {
 protected:
  ExceptionRecordDialog() {
    g_mapPeople[1].UserID = "U1";  // the logged-in "u1", in another case
    Pin(At(1, 8, 30));             // during the run
  }
  ~ExceptionRecordDialog() override {
    if (hwnd != nullptr && ::IsWindow(hwnd)) {
      ClickControl(hwnd, L"btn_close");
      driver.WaitIdle();
    }
    window.reset();
    platform::UnpinWallClock();
  }
  void Pin(const SYSTEMTIME& now) { platform::PinWallClock(now); }

  void Open() {
    std::list<RecordAreaInfo> areas(1);
    areas.front().AreaID = 10;
    areas.front().listPosition = {Record(101, 5, "东门", 1, 1, "2024-05-01 08:10:00"), Record(102, 3, "天台", 0, 0, ""),
                                  Record(0, 9, "南门", 0, 0, "")};
    window = std::make_unique<CExceptionRecordWnd>(areas, kPlanId, kRunKey);
    ui.Post([this] {
      window->CreateWithStyle(frame, L"记录", 0, 0);
      window->CenterWindow();
      result = static_cast<int>(window->ShowModal());
    });
    Settle();
    hwnd = window->GetHWND();
    ASSERT_NE(hwnd, nullptr);
  }
  // "visible enabled" of a control, "missing" when there is none.
  std::string State(LPCTSTR name) {
    std::string state = "missing";
    OnWindowThread(hwnd, [&] {
      SkinUI::CControlUI* control = FindControl(hwnd, name);
      if (control == nullptr) return;
      state = std::string(control->IsVisible() ? "shown" : "hidden") + (control->IsEnabled() ? " enabled" : " disabled");
    });
    return state;
  }
  int PictureTiles() {
    int count = 0;
    OnWindowThread(hwnd, [&] {
      count = static_cast<SkinUI::CContainerUI*>(FindControl(hwnd, L"TileLayout_Pic")->GetInterface(L"Container"))
                  ->GetCount();
    });
    return count;
  }
  std::vector<std::string> LocalPictures() {
    std::vector<std::string> files;
    if (!fs::exists(RunPictureFolder())) return files;
    for (const auto& entry : fs::directory_iterator(RunPictureFolder())) files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    return files;
  }
  bool Logged(const std::string& line) {
    for (const std::string& seen : world.logLines()) {
      if (seen == line) return true;
    }
    return false;
  }

  std::unique_ptr<CExceptionRecordWnd> window;
  HWND hwnd = nullptr;
  std::atomic<int> result{-1};
};

TEST_F(ExceptionRecordDialog, OnlyThePlansPeopleEditAndOnlyDuringTheRunOrLaterThatDay) {
  const struct {
    const char* what;
    SYSTEMTIME now;
    const char* user;
    bool editable;
  } cases[] = {
      {"during the run", At(1, 8, 30), "u1", true},
      {"later that day", At(1, 22, 0), "U1", true},
      {"before the start", At(1, 7, 59), "u1", false},
      {"the next day", At(2, 8, 30), "u1", false},
      {"someone not of the plan", At(1, 8, 30), "u9", false},
  };
  for (const auto& c : cases) {
    Pin(c.now);
    world.session().m_userInfo.strUserID = c.user;
    Open();
    EXPECT_EQ(State(L"btn_Ok"), c.editable ? "shown enabled" : "hidden enabled") << c.what;
    EXPECT_EQ(State(L"btn_Add"), c.editable ? "shown enabled" : "hidden enabled") << c.what;
    EXPECT_EQ(State(L"Edit_remark"), c.editable ? "shown enabled" : "shown disabled") << c.what;
    EXPECT_EQ(State(L"TileLayout_ExceptionRecord"), c.editable ? "shown enabled" : "shown disabled") << c.what;
    EXPECT_EQ(State(L"addhz"), c.editable ? "shown enabled" : "hidden enabled") << c.what << ": no pictures";
    ClickControl(hwnd, L"btn_close");
    ASSERT_TRUE(driver.WaitIdle());
    EXPECT_EQ(result.load(), 2);
  }
}

TEST_F(ExceptionRecordDialog, BoxesShowAnomaliesAndRefuseUnpatrolledCheckpoints) {
  Open();
  OnWindowThread(hwnd, [&] {
    const auto box = [&](LPCTSTR name) { return static_cast<SkinUI::CCheckBoxUI*>(FindControl(hwnd, name)); };
    EXPECT_TRUE(box(L"PositionDeviceCK101")->IsSelected());
    EXPECT_TRUE(box(L"PositionDeviceCK101")->IsEnabled());
    EXPECT_EQ(std::wstring(box(L"PositionDeviceCK101")->GetText().GetData()), L"东门");
    EXPECT_FALSE(box(L"PositionDeviceCK102")->IsSelected());
    EXPECT_FALSE(box(L"PositionDeviceCK102")->IsEnabled());
    EXPECT_EQ(std::wstring(box(L"PositionDeviceCK102")->GetToolTip().GetData()), L"该点未巡逻!");
  });
}

TEST_F(ExceptionRecordDialog, SaveWritesEachRecordsAnomalyAndTheRemarkAndARefusalKeepsItOpen) {
  world.http().route("POST", "/api/InspectRecord/Update", test_support::HttpReply(200, "-1"));
  Open();
  OnWindowThread(hwnd, [&] { FindControl(hwnd, L"Edit_remark")->SetText(L"窗户破损"); });
  ClickControl(hwnd, L"btn_Ok");
  Settle();
  const plantest::Message refused = TakeMessage();
  EXPECT_TRUE(refused.shown);
  EXPECT_EQ(refused.text, L"添加失败!");
  EXPECT_TRUE(::IsWindow(hwnd)) << "a refused write keeps the dialog open";
  EXPECT_EQ(Toasts(), Strings{});

  world.http().route("POST", "/api/InspectRecord/Update", test_support::HttpReply(200, "1"));
  ClickControl(hwnd, L"btn_Ok");
  Settle();
  EXPECT_EQ(result.load(), 1);
  EXPECT_EQ(Toasts(), (Strings{L"添加完成!/3"}));

  const auto updates = Bodies("/api/InspectRecord/Update");
  ASSERT_EQ(updates.size(), 4u) << "two records with an id, twice; the record without one is left out";
  EXPECT_EQ(updates[0]["iID"].asString(), "101");
  EXPECT_EQ(updates[0]["iAbnormal"].asString(), "1");
  EXPECT_EQ(updates[0]["strTime"].asString(), "08:10:00") << "the time after the first space";
  EXPECT_EQ(updates[0]["iPlanID"].asString(), "3");
  EXPECT_EQ(updates[1]["iID"].asString(), "102");
  EXPECT_EQ(updates[1]["iAbnormal"].asString(), "0");
  const auto adds = Bodies("/api/ExceptionRecord/Add");
  ASSERT_EQ(adds.size(), 1u) << "the second save updates the record the first one added";
  EXPECT_EQ(adds[0]["strTime"].asString(), plantest::kTimeKey);
  EXPECT_EQ(adds[0]["strRemark"].asString(), u8"窗户破损");
  EXPECT_EQ(Bodies("/api/ExceptionRecord/Update").size(), 1u);
}

TEST_F(ExceptionRecordDialog, PicturesAreFetchedIntoTheRunFolderAndUnsafeNamesRefused) {
  world.patrol.pictures().store(kPlanId, plantest::kTimeKey, "a.jpg", "JPEG-A");
  world.patrol.pictures().store(kPlanId, plantest::kTimeKey, "gone.jpg", "");  // listed, 404 on fetch
  world.patrol.pictures().store(kPlanId, plantest::kTimeKey, "..\\up.jpg", "X");
  fs::create_directories(RunPictureFolder());
  std::ofstream(RunPictureFolder() + "/old.jpg") << "old";
  Open();
  EXPECT_EQ(LocalPictures(), (std::vector<std::string>{"a.jpg"})) << "old files go, the 404 is skipped";
  EXPECT_TRUE(Logged("下载图片失败，gone.jpg\n"));
  EXPECT_TRUE(Logged("下载图片失败，..\\up.jpg\n"));
  EXPECT_FALSE(fs::exists(RunPictureFolder() + "/../up.jpg"));
  EXPECT_EQ(PictureTiles(), 2);
  EXPECT_EQ(State(L"btn_DownLoad"), "shown enabled");
  EXPECT_EQ(State(L"NoContextLab"), "hidden enabled");
}

TEST_F(ExceptionRecordDialog, DeletingTheLastPictureAsksAndRefreshesTheTiles) {
  world.patrol.pictures().store(kPlanId, plantest::kTimeKey, "a.jpg", "JPEG-A");
  Open();
  ASSERT_EQ(PictureTiles(), 1);
  ClickControl(hwnd, L"btn_Delete");
  Settle();
  const plantest::Message asked = TakeMessage();
  EXPECT_EQ(asked.text, L"是否删除图片：a.jpg?");
  Settle();
  EXPECT_TRUE(world.patrol.pictures().names(kPlanId, plantest::kTimeKey).empty());
  EXPECT_EQ(PictureTiles(), 0);
  EXPECT_EQ(State(L"btn_DownLoad"), "hidden enabled");
  EXPECT_EQ(State(L"NoContextLab"), "shown enabled");
  EXPECT_EQ(Toasts(), (Strings{L"删除a.jpg成功!/3"}));
}

}  // namespace

// The exception record dialog against the fake patrol server with a pinned clock: who
// may edit when, the checkpoint boxes, the save's requests (and a refused one keeping
// the dialog open, a remark the wire's code page cannot hold refused before any), and the
// run's pictures fetched, refused by name, and deleted.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "CommonTools/Config.h"
#include "app/records/CExceptionRecordWnd.h"
#include "data/StartupCaches.h"
#include "platform/base/Clock.h"
#include "platform/base/CodePage.h"
#include "platform/base/WinExec.h"
#include "testing/base/LocalTime.h"
#include "testing/files/ProgramsOutOfReach.h"
#include "testing/files/ScratchFolder.h"
#include "testing/services/QueryValues.h"
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

// A time in May 2024, the month of the run.
SYSTEMTIME At(int day, int hour, int minute) { return test_support::LocalTime(2024, 5, day, hour, minute); }

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
  // Files of these names (UTF-8) written into the scratch folder and picked in the
  // open-file dialog (none: the dialog is cancelled), then "btn_Add".
  void Upload(const std::vector<std::string>& names) {
    std::vector<std::wstring> picked;
    for (const std::string& name : names) {
      test_support::ScratchFolder::write(scratch.file(name), "PIC-" + name);
      picked.push_back(platform::codepage::Utf8ToWide(scratch.file(name)));
    }
    if (picked.empty()) {
      driver.ScriptOpenFileCancel();
    } else {
      driver.ScriptOpenFiles(picked);
    }
    ClickControl(hwnd, L"btn_Add");
    Settle();
  }
  // The file names the uploads sent, in order, of every upload so far.
  std::vector<std::string> UploadedNames() {
    std::vector<std::string> names;
    for (const auto& request : world.http().requests()) {
      if (request.method != "POST" || request.path() != "/Upload.ashx") continue;
      auto query = test_support::query_values(request.target);
      if (query["UploadType"] == "1") names.push_back(query["FileName"]);
    }
    return names;
  }
  std::vector<std::string> Stored() { return world.patrol.pictures().names(kPlanId, plantest::kTimeKey); }
  std::wstring ScratchW() { return platform::codepage::Utf8ToWide(scratch.path()); }
  bool Logged(const std::string& line) {
    for (const std::string& seen : world.logLines()) {
      if (seen == line) return true;
    }
    return false;
  }

  test_support::ScratchFolder scratch;
  std::unique_ptr<CExceptionRecordWnd> window;
  HWND hwnd = nullptr;
  std::atomic<int> result{-1};
};

TEST_F(ExceptionRecordDialog, OnlyThePlansPeopleEditAndOnlyDuringTheRunOrLaterThatDay) {
  const struct {
    const char* what;
    SYSTEMTIME now;
    const char* user;
    bool picture;
    bool editable;
  } cases[] = {
      {"during the run", At(1, 8, 30), "u1", false, true},
      {"at the start minute, as after it on the day", At(1, 8, 0), "u1", false, true},
      {"later that day", At(1, 22, 0), "U1", false, true},
      {"before the start", At(1, 7, 59), "u1", false, false},
      {"the next day", At(2, 8, 30), "u1", false, false},
      {"the next day, with a picture", At(2, 8, 30), "u1", true, false},
      {"someone not of the plan", At(1, 8, 30), "u9", false, false},
  };
  for (const auto& c : cases) {
    Pin(c.now);
    world.session().m_userInfo.strUserID = c.user;
    world.patrol.pictures().erase(kPlanId, plantest::kTimeKey, "a.jpg");
    if (c.picture) world.patrol.pictures().store(kPlanId, plantest::kTimeKey, "a.jpg", "JPEG-A");
    Open();
    EXPECT_EQ(State(L"btn_Ok"), c.editable ? "shown enabled" : "hidden enabled") << c.what;
    EXPECT_EQ(State(L"btn_Add"), c.editable ? "shown enabled" : "hidden enabled") << c.what;
    EXPECT_EQ(State(L"Edit_remark"), c.editable ? "shown enabled" : "shown disabled") << c.what;
    EXPECT_EQ(State(L"TileLayout_ExceptionRecord"), c.editable ? "shown enabled" : "shown disabled") << c.what;
    EXPECT_EQ(State(L"TileLayout_Pic"), c.editable ? "shown enabled" : "shown disabled") << c.what;
    EXPECT_EQ(State(L"addhz"), c.editable || c.picture ? "shown enabled" : "hidden enabled")
        << c.what << ": hidden only when read-only without pictures";
    ClickControl(hwnd, L"btn_close");
    ASSERT_TRUE(driver.WaitIdle());
    EXPECT_EQ(result.load(), 2);
  }
}

TEST_F(ExceptionRecordDialog, TheCancelButtonEndsTheDialogWithoutSaving) {
  Open();
  TypeOver(hwnd, L"Edit_remark", L"窗户破损");
  ClickControl(hwnd, L"btn_Cancel");
  Settle();
  EXPECT_FALSE(::IsWindow(hwnd));
  EXPECT_EQ(result.load(), 2);
  hwnd = nullptr;
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
  TypeOver(hwnd, L"Edit_remark", L"窗户破损");
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

TEST_F(ExceptionRecordDialog, ARemarkTheCodePageCannotHoldIsRefusedBeforeAnyWrite) {
  Open();
  ClickControl(hwnd, L"Edit_remark");
  ASSERT_TRUE(driver.WaitIdle());
  driver.Commit(L"窗户破损\U0001F600");
  ASSERT_TRUE(driver.WaitIdle());
  world.http().clear_requests();
  ClickControl(hwnd, L"btn_Ok");
  Settle();
  const plantest::Message refused = TakeMessage();
  EXPECT_TRUE(refused.shown);
  EXPECT_EQ(refused.text, L"包含无法保存的字符!");
  EXPECT_TRUE(::IsWindow(hwnd));
  EXPECT_EQ(world.http().request_count(), 0u) << "neither the records nor the remark are written";
  EXPECT_EQ(Toasts(), Strings{});
}

TEST_F(ExceptionRecordDialog, AStoredRecordShowsItsRemarkAndASaveUpdatesIt) {
  Json::Value stored;
  stored["iID"] = 41;
  stored["iPlanID"] = kPlanId;
  stored["strTime"] = plantest::kTimeKey;
  stored["strRemark"] = u8"门坏了";
  world.patrol.exception_records().seed(stored);
  world.http().route("POST", "/api/InspectRecord/Update", test_support::HttpReply(200, "1"));
  Open();
  std::wstring text, tip;
  OnWindowThread(hwnd, [&] {
    text = FindControl(hwnd, L"Edit_remark")->GetText().GetData();
    tip = FindControl(hwnd, L"Edit_remark")->GetToolTip().GetData();
  });
  EXPECT_EQ(text, L"门坏了");
  EXPECT_EQ(tip, L"门坏了");

  TypeOver(hwnd, L"Edit_remark", L"");
  ClickControl(hwnd, L"btn_Ok");
  Settle();
  EXPECT_EQ(result.load(), 1);
  EXPECT_TRUE(Bodies("/api/ExceptionRecord/Add").empty());
  const auto updates = Bodies("/api/ExceptionRecord/Update");
  ASSERT_EQ(updates.size(), 1u);
  EXPECT_EQ(updates[0]["ID"].asString(), "41");
  EXPECT_EQ(updates[0]["PlanID"].asString(), "3");
  EXPECT_EQ(updates[0]["strTime"].asString(), plantest::kTimeKey);
  EXPECT_EQ(updates[0]["strRemark"].asString(), "") << "an emptied remark is saved empty";
}

TEST_F(ExceptionRecordDialog, ARefusedRecordWriteSaysSoAndKeepsItOpen) {
  Json::Value stored;
  stored["iID"] = 41;
  stored["iPlanID"] = kPlanId;
  stored["strTime"] = plantest::kTimeKey;
  world.http().route("POST", "/api/InspectRecord/Update", test_support::HttpReply(200, "1"));
  const struct {
    const char* what;
    bool stored;
    const char* refusedPath;
  } cases[] = {
      {"a new record", false, "/api/ExceptionRecord/Add"},
      {"a stored record", true, "/api/ExceptionRecord/Update"},
  };
  for (const auto& c : cases) {
    if (c.stored) world.patrol.exception_records().seed(stored);
    world.http().route("POST", c.refusedPath, test_support::HttpReply(200, "-1"));
    Open();
    ClickControl(hwnd, L"btn_Ok");
    Settle();
    EXPECT_EQ(TakeMessage().text, L"添加失败!") << c.what;
    EXPECT_TRUE(::IsWindow(hwnd)) << c.what;
    EXPECT_EQ(Toasts(), Strings{}) << c.what;
    ClickControl(hwnd, L"btn_close");
    ASSERT_TRUE(driver.WaitIdle());
  }
}

TEST_F(ExceptionRecordDialog, TheRemarkCounterFollowsTypingAndKeepsItsLastValueWhenEmptied) {
  Open();
  const auto counter = [&] {
    std::wstring text;
    OnWindowThread(hwnd, [&] { text = FindControl(hwnd, L"textNumberlab")->GetText().GetData(); });
    return text;
  };
  ClickControl(hwnd, L"Edit_remark");
  driver.Commit(L"窗户破损");
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(counter(), L"4/100") << "characters, not bytes";
  for (const wchar_t* left : {L"3/100", L"2/100", L"1/100", L"1/100"}) {
    driver.Tap(VK_BACK);
    ASSERT_TRUE(driver.WaitIdle());
    EXPECT_EQ(counter(), left);
  }
  std::wstring remark = L"?";
  OnWindowThread(hwnd, [&] { remark = FindControl(hwnd, L"Edit_remark")->GetText().GetData(); });
  EXPECT_EQ(remark, L"") << "the last key emptied the remark";
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

// A name the picture service lists becomes a local file name only when it is a plain one:
// each other one is logged as a failed download, and nothing lands beside the run's folder.
TEST_F(ExceptionRecordDialog, NoListedPictureNameLeadsOutOfTheRunFolder) {
  const std::vector<std::string> hostile = {"../up.jpg", "..\\up.jpg", "..", "...", "C:up.jpg", "CON.jpg", "up.jpg."};
  for (const std::string& name : hostile) world.patrol.pictures().store(kPlanId, plantest::kTimeKey, name, "X");
  world.patrol.pictures().store(kPlanId, plantest::kTimeKey, "ok.jpg", "OK");
  Open();
  EXPECT_EQ(LocalPictures(), (std::vector<std::string>{"ok.jpg"}));
  for (const std::string& name : hostile) EXPECT_TRUE(Logged("下载图片失败，" + name + "\n")) << name;
  std::vector<std::string> planFolder;
  for (const auto& entry : fs::directory_iterator(fs::path(RunPictureFolder()).parent_path())) {
    planFolder.push_back(entry.path().filename().string());
  }
  EXPECT_EQ(planFolder, (std::vector<std::string>{plantest::kTimeKey})) << "nothing beside the run's folder";
  EXPECT_FALSE(fs::exists(fs::path(RunPictureFolder()).parent_path().parent_path() / "up.jpg"));
  EXPECT_EQ(PictureTiles(), 1);
}

// A plain file name may still hold what ends or changes an address's path ("#", "%", a
// blank; "&" parts the names of the list): each picture is asked for by its own name and
// lands with its own bytes.
TEST_F(ExceptionRecordDialog, PictureNamesReachTheServiceAsTheNamesTheyAre) {
  const std::vector<std::string> names = {"a#1.jpg", "50%41.jpg", "a b.jpg", "x=1;y.jpg", "p+q.jpg", u8"门 口#2.jpg"};
  for (const std::string& name : names) world.patrol.pictures().store(kPlanId, plantest::kTimeKey, name, "PIC-" + name);
  Open();
  std::vector<std::string> expected = names;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(LocalPictures(), expected);
  for (const std::string& name : names) {
    EXPECT_EQ(test_support::ScratchFolder::read(RunPictureFolder() + "/" + name), "PIC-" + name) << name;
  }
  EXPECT_EQ(PictureTiles(), static_cast<int>(names.size()));
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

// --- Upload ---------------------------------------------------------------------------

TEST_F(ExceptionRecordDialog, UploadSendsEveryChosenPictureOfTheFilterKinds) {
  Open();
  Upload({"a.jpg", "notes.txt", "b.JPEG", "c.Png", "d.bmp"});
  const auto calls = driver.OpenFileCalls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].owner, nullptr);
  EXPECT_EQ(calls[0].title, L"选择文件");
  EXPECT_EQ(calls[0].filter, (std::vector<std::wstring>{L"媒体文件( 图片)", L"*.jpg;*.jpeg;*.png;*.bmp"}));
  EXPECT_EQ(calls[0].flags, 0x81A04u);
  EXPECT_EQ(Stored(), (std::vector<std::string>{"a.jpg", "b.JPEG", "c.Png", "d.bmp"}))
      << "the text file is skipped without a word";
  EXPECT_EQ(world.patrol.pictures().bytes(kPlanId, plantest::kTimeKey, "c.Png"), "PIC-c.Png");
  EXPECT_EQ(Toasts(), (Strings{L"上传成功/3"}));
  EXPECT_EQ(PictureTiles(), 4) << "the tiles are refilled after the upload";
  EXPECT_EQ(LocalPictures(), (std::vector<std::string>{"a.jpg", "b.JPEG", "c.Png", "d.bmp"}));

  // One file comes back from the dialog as its whole path rather than folder and name.
  Upload({u8"照片.jpg"});
  EXPECT_EQ(Stored().size(), 5u);
  EXPECT_EQ(Stored().back(), u8"照片.jpg");
  EXPECT_EQ(Toasts().back(), L"上传成功/3");
}

TEST_F(ExceptionRecordDialog, UploadRefusesTooManyNoneAndALongNameBeforeSendingAny) {
  std::vector<std::string> thirtyOne;
  for (int i = 1; i <= 31; ++i) thirtyOne.push_back("p" + std::to_string(100 + i) + ".jpg");
  const std::string longName = "abcdefghijklmnopqrstuvwxyz1.jpg";
  ASSERT_EQ(longName.size(), 31u);
  const struct {
    const char* what;
    std::vector<std::string> names;
    std::wstring toast;
  } refused[] = {
      {"31 pictures", thirtyOne, L"最多上传30张照片!/3"},
      {"nothing chosen", {}, L"所选文件为空!/3"},
      {"a name of 31 bytes", {"ok.jpg", longName},
       L"所选图片-" + ScratchW() + L"\\abcdefghijklmnopqrstuvwxyz1.jpg-名字过长请修改后上传!/3"},
  };
  Open();
  for (const auto& c : refused) {
    Upload(c.names);
    EXPECT_EQ(Toasts().back(), c.toast) << c.what;
    EXPECT_EQ(UploadedNames(), std::vector<std::string>{}) << c.what;
  }

  // Thirty, and a name of 30 bytes in the program's code page (43 in UTF-8), are taken.
  std::vector<std::string> thirty(thirtyOne.begin(), thirtyOne.end() - 1);
  thirty.back() = u8"巡更照片巡更照片巡更照片巡.jpg";
  Upload(thirty);
  EXPECT_EQ(Toasts().back(), L"上传成功/3");
  EXPECT_EQ(Stored(), thirty);
  EXPECT_EQ(PictureTiles(), 30);
}

TEST_F(ExceptionRecordDialog, AnyRefusedUploadSaysUploadFailed) {
  for (const char* refusedName : {"a.jpg", "c.jpg"}) {
    world.http().route("POST", "/Upload.ashx", [refusedName](const test_support::RecordedRequest& request) {
      const bool refuse = test_support::query_values(request.target)["FileName"] == refusedName;
      return test_support::HttpReply(200, refuse ? "-1" : "1");
    });
    Open();
    Upload({"a.jpg", "b.jpg", "c.jpg"});
    EXPECT_EQ(Toasts().back(), L"上传失败!/3") << refusedName << " refused";
    ClickControl(hwnd, L"btn_close");
    ASSERT_TRUE(driver.WaitIdle());
  }
  EXPECT_EQ(UploadedNames().size(), 6u) << "a refusal does not stop the uploads after it";
}

// --- Viewer ---------------------------------------------------------------------------

TEST_F(ExceptionRecordDialog, APictureOpensInTheViewerWithItsPathQuoted) {
  ASSERT_NE(ProgramFolder().find(' '), std::string::npos) << "the program folder holds a space";
  world.patrol.pictures().store(kPlanId, plantest::kTimeKey, u8"门 口.jpg", "JPEG");
  std::mutex mutex;
  std::vector<platform::WinExecCall> launches;
  platform::SetWinExecHook([&](const platform::WinExecCall& call) -> UINT {
    std::lock_guard<std::mutex> lock(mutex);
    launches.push_back(call);
    return 33;
  });
  Open();
  ClickControl(hwnd, L"btn_Look");
  Settle();
  platform::SetWinExecHook(nullptr);
  ASSERT_EQ(launches.size(), 1u);
  const std::wstring local = CommonTools::get_exe_dir() + L"\\res\\3\\2024050108000930\\门 口.jpg";
  EXPECT_EQ(platform::codepage::GbkToWide(launches[0].commandLine),
            L"rundll32.exe C:\\Windows\\System32\\shimgvw.dll,ImageView_Fullscreen \"" + local + L"\"");
  EXPECT_EQ(launches[0].program, "xdg-open");
  EXPECT_EQ(launches[0].arguments, std::vector<std::string>{RunPictureFolder() + u8"/门 口.jpg"});
  EXPECT_EQ(launches[0].show, static_cast<UINT>(SW_SHOWNORMAL));
}

TEST_F(ExceptionRecordDialog, WithoutXdgOpenViewingAPictureSaysSo) {
  world.patrol.pictures().store(kPlanId, plantest::kTimeKey, u8"门 口.jpg", "JPEG");
  test_support::ProgramsOutOfReach noPrograms;
  Open();
  ClickControl(hwnd, L"btn_Look");
  Settle();
  EXPECT_EQ(TakeMessage().text, L"无法打开，请安装 xdg-utils!");
  EXPECT_TRUE(::IsWindow(hwnd)) << "the dialog stays open";
}

// --- Copy-out -------------------------------------------------------------------------

class ExceptionRecordCopyOut : public ExceptionRecordDialog {
 protected:
  ExceptionRecordCopyOut() {
    world.patrol.pictures().store(kPlanId, plantest::kTimeKey, "a.jpg", "JPEG-A");
    world.patrol.pictures().store(kPlanId, plantest::kTimeKey, "b.png", "PNG-B");
  }
  // "btn_DownLoad" with the folder chooser answering that folder (UTF-8), or cancelled.
  void CopyOut(const std::string& folder) {
    if (folder.empty()) {
      driver.ScriptFolderCancel();
    } else {
      driver.ScriptFolder(platform::codepage::Utf8ToWide(folder));
    }
    ClickControl(hwnd, L"btn_DownLoad");
    Settle();
  }
  // A folder under the scratch folder whose path is that many bytes long.
  std::string FolderOfLength(size_t length) {
    const std::string folder = scratch.path() + "/" + std::string(length - scratch.path().size() - 1, 'x');
    fs::create_directories(folder);
    return folder;
  }
};

TEST_F(ExceptionRecordCopyOut, TheRunsPicturesGoUnderThePlanInTheChosenFolder) {
  Open();
  CopyOut(scratch.path());
  const auto calls = driver.FolderChooserCalls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].owner, nullptr);
  EXPECT_EQ(calls[0].title, L"从下面选文件夹目录:");
  EXPECT_EQ(calls[0].flags, 8u);
  const std::string run = scratch.file(u8"夜巡/") + plantest::kTimeKey;
  EXPECT_EQ(test_support::ScratchFolder::read(run + "/a.jpg"), "JPEG-A");
  EXPECT_EQ(test_support::ScratchFolder::read(run + "/b.png"), "PNG-B");
  EXPECT_EQ(Toasts(), (Strings{L"下载成功!/3"}));

  CopyOut(scratch.path());
  EXPECT_EQ(Toasts(), (Strings{L"下载成功!/3", L"下载成功!/3"})) << "a second copy replaces the first";
}

TEST_F(ExceptionRecordCopyOut, RefusesNoFolderALongOneAndSaysWhenTheCopyFailed) {
  Open();
  const std::string sixty = FolderOfLength(60);
  const std::string sixtyOne = FolderOfLength(61);
  const std::string blocked = FolderOfLength(50);
  fs::create_directories(blocked + u8"/夜巡");
  test_support::ScratchFolder::write(blocked + u8"/夜巡/" + plantest::kTimeKey, "a file where the folder goes");
  const struct {
    const char* what;
    std::string folder;
    Strings toasts;
    bool copied;
  } cases[] = {
      {"cancelled", "", {}, false},
      {"60 bytes", sixty, {L"下载成功!/3"}, true},
      {"61 bytes", sixtyOne, {L"下载路径过长，请重新选择下载路径!/3"}, false},
      {"the run's place held by a file", blocked, {L"下载失败!/3"}, false},
  };
  for (const auto& c : cases) {
    const size_t before = Toasts().size();
    CopyOut(c.folder);
    const Strings toasts = Toasts();
    EXPECT_EQ(Strings(toasts.begin() + static_cast<long>(before), toasts.end()), c.toasts) << c.what;
    if (c.folder.empty()) continue;
    EXPECT_EQ(fs::exists(c.folder + u8"/夜巡/" + plantest::kTimeKey + "/a.jpg"), c.copied) << c.what;
  }
  EXPECT_FALSE(fs::exists(sixtyOne + u8"/夜巡")) << "a refused folder gets nothing";
}

TEST_F(ExceptionRecordCopyOut, APlanNameWithSeparatorsStaysInsideTheChosenFolder) {
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    g_mapInspectPlan[kPlanId].strName = "A/B:C";
  }
  Open();
  CopyOut(scratch.path());
  EXPECT_EQ(test_support::ScratchFolder::read(scratch.file("A_B_C/") + plantest::kTimeKey + "/a.jpg"), "JPEG-A");
  EXPECT_FALSE(fs::exists(scratch.file("A")));
  EXPECT_EQ(Toasts(), (Strings{L"下载成功!/3"}));
}

}  // namespace

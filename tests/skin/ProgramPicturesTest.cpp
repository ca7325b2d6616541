// Every window of the program as a person meets it, saved as a picture to look at: the
// real program started against the campus server's fixture school, worked only through
// clicks, keys and typed text. The main frame on each tab, each dialog in add and edit
// mode, the drop-downs and pickers, the message boxes the program asks and tells with,
// the camera window, the alarm, the login window, and the home page of a big school.
// The web engine draws on the suite's own X server; the windows stay headless. The
// pictures go to "program-pictures/" in the suite's output folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "data/InspectRecordInfo.h"
#include "data/RecordAlerts.h"
#include "testing/ui/ControlPixels.h"
#include "tests/journeys/support/JourneyWorld.h"
#include "ui/core/control/CControlUI.h"

namespace journeys {
namespace {

namespace fs = std::filesystem;

fs::path PictureFolder() {
  const char* output = std::getenv("X11_SMOKE_OUTPUT");
  const fs::path folder = fs::path(output != nullptr ? output : ".") / "program-pictures";
  fs::create_directories(folder);
  return folder;
}

class ProgramPictures : public JourneyWorld {
 protected:
  ProgramPictures() = default;
  explicit ProgramPictures(const campus_server::SchoolSize& size) : JourneyWorld(size) {}

  void Start() {
    frame = StartLoggedIn(kAdmin);
    ASSERT_NE(frame, nullptr);
  }

  void TearDown() override { CloseIfRunning(frame); }

  // What the window shows once everything pending has run.
  void Save(HWND window, const std::string& name) {
    ASSERT_NE(window, nullptr) << name;
    user.Settle();
    const fs::path file = PictureFolder() / (name + ".png");
    EXPECT_TRUE(driver.Backend().SaveImagePng(window, file.string())) << "no picture of " << name;
  }

  // The chart page has drawn its bars in the web view: the missed colour shows, as every
  // slot of the fixture school so far was missed.
  void WaitForChart(HWND window, const std::wstring& view) {
    user.WaitFor("the chart page to draw its bars", [&] {
      RECT where = {};
      user.Read(window, view, [&](SkinUI::CControlUI* control) { where = control->GetPos(); });
      return controltest::ControlPixels(window, where).Count(0xFFCC8600) > 0;
    });
  }

  // The map page in the browser host has drawn: its navy, not the engine's white sheet.
  void WaitForMap(HWND window) {
    user.WaitFor("the map page to draw", [&] {
      RECT where = {};
      user.Read(window, L"ie", [&](SkinUI::CControlUI* control) { where = control->GetPos(); });
      const controltest::ControlPixels pixels(window, where);
      return pixels.Width() > 20 && pixels.At(pixels.Width() / 2, pixels.Height() / 2) != 0xFFFFFFFF;
    });
  }

  // Saves the message box the program opened, then answers it.
  void SaveAndAnswer(const std::string& name, const std::wstring& button = L"") {
    Save(user.Window(L"MessagWnd"), name);
    user.Answer(button);
  }

  void SaveAndCancel(const std::wstring& className, const std::string& name, const std::wstring& cancel = L"btn_Cancel") {
    const HWND dialog = user.Window(className);
    Save(dialog, name);
    if (dialog != nullptr) user.Click(dialog, cancel);
    EXPECT_TRUE(user.WaitClosed(className)) << name;
  }

  HWND frame = nullptr;
};

TEST_F(ProgramPictures, TheMainFrameOnEachTab) {
  Start();
  WaitForChart(frame, L"WkeWeb");
  Save(frame, "MainFrame-Home");
  user.Click(frame, L"DownLoadBtn");
  SaveAndCancel(L"DownWindow", "Download");
  const struct {
    const wchar_t* tab;
    const wchar_t* shown;
    const char* picture;
  } tabs[] = {
      {L"tabPlan", L"AddPlanBtn", "MainFrame-Plans"},
      {L"tabRouteManagement", L"AddRouteBtn", "MainFrame-Routes"},
      {L"tabEquipmentManagement", L"AddDeviceBtn", "MainFrame-Readers"},
      {L"tabPeopleManagement", L"AddPeopleBtn", "MainFrame-People"},
      {L"tabAuthorityManagement", L"list-Authority", "MainFrame-Rights"},
      {L"tabResultManagement", L"list-Result", "MainFrame-Results"},
  };
  for (const auto& tab : tabs) {
    OpenTab(tab.tab, tab.shown);
    Save(frame, tab.picture);
  }
  user.Click(frame, L"tabRecord");
  user.WaitShown(frame, L"dt_RecordStartdate");
  Save(frame, "MainFrame-DeviceRecords");
  user.Click(frame, L"tablog");
  user.Settle();
  Save(frame, "MainFrame-Log");
  OpenTab(L"tabEquipmentManagement", L"AddDeviceBtn");
  user.Click(frame, L"tabPositionDevice");
  user.WaitShown(frame, L"PosDeviceList");
  Save(frame, "MainFrame-Checkpoints");
  user.Click(frame, L"btn_qr_code");
  SaveAndCancel(L"QR_CodeWnd", "QRCode", L"btn_close");
}

TEST_F(ProgramPictures, ThePlanDialogAddingAndEditingWithItsPickers) {
  Start();
  OpenTab(L"tabPlan", L"AddPlanBtn");
  user.Click(frame, L"AddPlanBtn");
  HWND dialog = user.Window(L"AddPlanWnd");
  ASSERT_NE(dialog, nullptr);
  Save(dialog, "AddPlan-Add");
  // Asked for what is missing.
  user.Click(dialog, L"btn_Ok");
  SaveAndAnswer("MessageBox-Refused");

  user.Click(dialog, L"Comb_PlanType");
  Save(user.Window(L"ComboWnd"), "AddPlan-TypeDropDown");
  user.Key(VK_ESCAPE);
  EXPECT_TRUE(user.WaitClosed(L"ComboWnd"));

  user.Click(dialog, L"dt_Startdate");
  user.WaitFor("the date picker", [&] { return user.IsOpen(L"DateTimeWnd"); });
  Save(dialog, "DatePicker");
  user.Click(dialog, L"lb_remark_count");
  EXPECT_TRUE(user.WaitClosed(L"DateTimeWnd"));

  user.Click(dialog, L"btnAddTime");
  user.Click(dialog, L"btnSetStartTime1");
  SaveAndCancel(L"CTimeWnd", "TimePicker", L"btnOk");
  Save(dialog, "AddPlan-AddWithASlot");
  user.Click(dialog, L"btn_Cancel");
  EXPECT_TRUE(user.WaitClosed(L"AddPlanWnd"));

  user.ClickInItem(frame, L"TileLayout_plan", 0, L"btn_Plan");
  const HWND menu = user.Window(L"SkinMenuWnd");
  Save(menu, "PlanCardMenu");
  ASSERT_NE(menu, nullptr);
  user.Click(menu, L"menu_EditPlan");
  SaveAndCancel(L"AddPlanWnd", "AddPlan-Edit");

  user.ClickInItem(frame, L"TileLayout_plan", 0, L"btn_Plan");
  user.Click(user.Window(L"SkinMenuWnd"), L"menu_deletePlan");
  SaveAndAnswer("MessageBox-Question", L"cancle");
}

TEST_F(ProgramPictures, TheRouteDialogAddingAndEditing) {
  Start();
  OpenTab(L"tabRouteManagement", L"AddRouteBtn");
  user.Click(frame, L"AddRouteBtn");
  SaveAndCancel(L"AddRouteWnd", "AddRoute-Add");
  user.ClickInItem(frame, L"TileLayout_route", 0, L"btn_Route");
  user.Click(user.Window(L"SkinMenuWnd"), L"menu_EditRoute");
  SaveAndCancel(L"AddRouteWnd", "AddRoute-Edit");
}

TEST_F(ProgramPictures, TheDeviceDialogsAddingAndEditingAndTheCamera) {
  Start();
  OpenTab(L"tabEquipmentManagement", L"AddDeviceBtn");
  user.Click(frame, L"AddDeviceBtn");
  SaveAndCancel(L"CAddDeviceWnd", "AddDevice-Add");
  user.ClickInItem(frame, L"DeviceListManager", 0, L"btn_EditDevice");
  SaveAndCancel(L"CAddDeviceWnd", "AddDevice-Edit");

  user.Click(frame, L"tabPositionDevice");
  user.WaitShown(frame, L"PosDeviceList");
  user.Click(frame, L"AddDeviceBtn");
  SaveAndCancel(L"CAddDevicePositionWnd", "AddDevicePosition-Add");
  user.ClickInItem(frame, L"PosDeviceList", 0, L"btn_EditPosDevice");
  SaveAndCancel(L"CAddDevicePositionWnd", "AddDevicePosition-Edit");

  // The fixture's cameras answer nothing: the window as it waits.
  user.ClickInItem(frame, L"PosDeviceList", 0, L"btn_Cam");
  SaveAndCancel(L"CamPlay", "Camera", L"btn_close");
}

TEST_F(ProgramPictures, ThePeopleAndRightsDialogs) {
  Start();
  OpenTab(L"tabPeopleManagement", L"AddPeopleBtn");
  user.Click(frame, L"AddPeopleBtn");
  SaveAndCancel(L"AddPeopleWnd", "AddPeople");
  user.ClickInItem(frame, L"list-people", 0, L"btn_Edit");
  SaveAndCancel(L"CEditPeopleWnd", "EditPeople");
  OpenTab(L"tabAuthorityManagement", L"list-Authority");
  user.ClickInItem(frame, L"list-Authority", 0, L"btn_AuthorityEditor");
  SaveAndCancel(L"CDlgEx", "Rights-Edit");
}

TEST_F(ProgramPictures, ThePlanExecutionViewAndItsWindows) {
  Start();
  OpenTab(L"tabResultManagement", L"list-Result");
  user.Click(frame, L"InspectRecordFind");
  user.Settle();
  ASSERT_FALSE(user.Items(frame, L"list-Result").empty()) << "the fixture school has results";
  Save(frame, "MainFrame-ResultsFound");
  user.ClickInItem(frame, L"list-Result", 0, L"btn_Look");
  const HWND view = user.Window(L"LookPlanWnd");
  ASSERT_NE(view, nullptr);
  WaitForMap(view);
  Save(view, "LookPlan");
  user.Click(view, L"btn_ExceptionRecord");
  SaveAndCancel(L"ExceptionRecord", "ExceptionRecord");
  user.Click(view, L"btn_Cancel");
  EXPECT_TRUE(user.WaitClosed(L"LookPlanWnd"));
}

// An abnormal visit as the broker's consumer announces it, through the program's alerts.
TEST_F(ProgramPictures, TheAlarm) {
  Start();
  InspectRecordInfo record;
  record.iID = 1;
  record.iType = 2;
  record.iPositionID = 1;
  record.strPeopleNames = "张伟,陈磊";
  record.strDate = "2026-03-06";
  record.strTime = "21:30";
  record.iAbnormal = 1;
  platform::headless::GuiThread alarmThread;
  alarmThread.Post([record] { RecordAlerts::Current()->ShowAlarm(record, [](HWND) { return true; }); });
  SaveAndCancel(L"AlarmWindow", "Alarm", L"btn_close");
}

TEST_F(ProgramPictures, TheAddressDialogAndTheLoginWindow) {
  RemoveSettings();
  StartProgram();
  const HWND address = user.Window(L"InputQVBaseAddrWndUI");
  ASSERT_NE(address, nullptr);
  Save(address, "AddressDialog");
  std::string host = ServerUrl().substr(std::string("http://").size());
  if (!host.empty() && host.back() == '/') host.pop_back();
  user.Type(address, L"QVBaseAddrEdit", std::wstring(host.begin(), host.end()));
  user.Key(VK_RETURN);
  ASSERT_TRUE(user.WaitClosed(L"InputQVBaseAddrWndUI"));

  const HWND login = user.Window(L"LoginWnd");
  ASSERT_NE(login, nullptr);
  Save(login, "Login");
  // Nothing typed: both fields say so.
  user.Click(login, L"btn_login");
  Save(login, "Login-Refused");
  user.Type(login, L"user_id", L"admin");
  user.Type(login, L"user_pwd", kAdminPassword);
  user.Key(VK_RETURN);
  frame = MainFrame();
  ASSERT_NE(frame, nullptr);
  user.Click(frame, L"btn_close");
  SaveAndAnswer("MessageBox-Exit", L"yes");
  EXPECT_TRUE(user.WaitFor("the program to end", [&] { return ProgramEnded(); }));
}

// A thousand plans: the today-plan tree scrolls.
class BigSchoolPictures : public ProgramPictures {
 protected:
  BigSchoolPictures() : ProgramPictures(campus_server::SchoolSize::Parse("plans=1000")) {}
};

TEST_F(BigSchoolPictures, TheHomePage) {
  Start();
  ASSERT_TRUE(user.WaitFor("today's plans in the tree", [&] { return user.Items(frame, L"TodayPlantreelist").size() > 40; }));
  WaitForChart(frame, L"WkeWeb");
  Save(frame, "MainFrame-Home-BigSchool");
}

}  // namespace
}  // namespace journeys

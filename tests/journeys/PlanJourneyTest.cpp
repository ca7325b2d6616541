// The plan page as the security office uses it: a plan of each type added through the
// plan dialog (type and route chosen in their combos, dates typed into the date fields'
// pickers, weekdays ticked, two time slots set through the time picker, a person ticked,
// a remark typed), bad input refused with nothing saved, a plan edited (its dates kept
// through opening and leaving the end date) and shown again, deleted, and the list
// exported and read back.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <json/json.h>

#include "CommonTools/Conversions.h"
#include "testing/files/ScratchFolder.h"
#include "testing/services/CivilDate.h"
#include "testing/services/GbkWire.h"
#include "testing/xlsx/XlsxWorkbook.h"
#include "tests/journeys/support/JourneyWorld.h"

namespace journeys {
namespace {

using test_support::CivilDate;

std::wstring Wide(const std::string& gbk) { return CommonTools::string_to_wstring(gbk); }

struct PlanType {
  const wchar_t* name;
  int code;
  const wchar_t* route;   // the fixture's route of that type, null when it has none
  const wchar_t* person;  // one free at the journey's times, so the plans do not clash
};

const std::vector<PlanType> kTypes = {
    {L"安防", 0, L"本部夜间安防线", L"张伟"},
    {L"设备", 1, nullptr, L"刘芳"},
    {L"消防", 2, L"实验楼消防线", L"陈磊"},
    {L"食堂", 3, nullptr, L"刘芳"},
    {L"宿舍检查", 4, L"宿舍检查线", L"赵静"},
    {L"清洁卫生", 5, nullptr, L"刘芳"},
    {L"教学", 6, nullptr, L"刘芳"},
};

class PlanJourney : public JourneyWorld {
 protected:
  void SetUp() override {
    frame = StartLoggedIn(kAdmin);
    ASSERT_NE(frame, nullptr);
    OpenTab(L"tabPlan", L"AddPlanBtn");
  }

  void TearDown() override {
    if (frame == nullptr || ProgramEnded()) return;
    // A journey stopped by a refused save leaves its dialog over the frame.
    if (user.IsOpen(L"AddPlanWnd")) user.Click(user.Window(L"AddPlanWnd"), L"btn_Cancel");
    EXPECT_TRUE(CloseProgram());
  }

  HWND OpenAddDialog() {
    user.Click(frame, L"AddPlanBtn");
    return user.Window(L"AddPlanWnd");
  }

  void PickDates(HWND dialog, const CivilDate& start, const CivilDate& end) {
    user.PickDate(dialog, L"dt_Startdate", start.year, start.month, start.day, dialog, L"lb_remark_count");
    user.PickDate(dialog, L"dt_Enddate", end.year, end.month, end.day, dialog, L"lb_remark_count");
  }

  // Everything a plan needs but its name, type and route.
  void FillTheRest(HWND dialog, const CivilDate& start, const CivilDate& end, const std::wstring& remark,
                   const std::wstring& person = L"陈磊") {
    PickDates(dialog, start, end);
    // Working days, then Wednesday off: "1101100".
    user.Click(dialog, L"WorkingDayck");
    user.Click(dialog, L"Week3");
    user.Click(dialog, L"btnAddTime");
    user.Click(dialog, L"btnAddTime");
    EXPECT_EQ(user.Items(dialog, L"TimeVtc").size(), 2u);
    user.PickTime(dialog, L"btnSetStartTime1", 12, 0);
    user.PickTime(dialog, L"btnSetEndTime1", 12, 30);
    user.PickTime(dialog, L"btnSetStartTime2", 13, 5);
    user.PickTime(dialog, L"btnSetEndTime2", 13, 45);
    user.ClickItemWithText(dialog, L"TileLayout_People", person);
    user.Type(dialog, L"Edit_remark", remark);
  }

  // The plan row on the server with that name; null when there is none.
  Json::Value ServerPlan(const std::string& gbkName) {
    for (const Json::Value& row : plans().plans().all()) {
      if (test_support::gbk_from_wire(row["Name"].asString()) == gbkName) return row;
    }
    return Json::Value();
  }

  std::string Gbk(const Json::Value& value) { return test_support::gbk_from_wire(value.asString()); }

  int CardOf(const std::wstring& name) { return JourneyWorld::CardOf(frame, L"TileLayout_plan", L"PlanName", name); }
  void ChooseFromCardMenu(const std::wstring& plan, const std::wstring& item) {
    JourneyWorld::ChooseFromCardMenu(frame, L"TileLayout_plan", L"PlanName", L"btn_Plan", plan, item);
  }
  void CancelIfOpen(HWND dialog) { JourneyWorld::CancelIfOpen(dialog, L"AddPlanWnd"); }

  HWND frame = nullptr;
  CivilDate today = CivilDate::today();
};

TEST_F(PlanJourney, BadInputIsRefusedAndNothingIsSaved) {
  const size_t before = plans().plans().all().size();
  const HWND dialog = OpenAddDialog();
  ASSERT_NE(dialog, nullptr);
  // Nothing typed at all: the name is asked for first.
  user.Click(dialog, L"btn_Ok");
  EXPECT_EQ(user.Answer(), L"计划名称不能为空!");

  user.Type(dialog, L"Edit_PlanName", L"夜巡补充");
  user.PickCombo(dialog, L"Comb_PlanType", L"安防");
  user.PickCombo(dialog, L"Comb_route", L"本部夜间安防线");
  FillTheRest(dialog, today.plus(5), today.plus(2), L"");
  user.Click(dialog, L"btn_Ok");
  EXPECT_EQ(user.Answer(), L"结束日期不能小于开始日期！");

  PickDates(dialog, today.plus(-1), today.plus(3));
  user.Click(dialog, L"btn_Ok");
  EXPECT_EQ(user.Answer(), L"开始日期不得小于当前日期！");

  PickDates(dialog, today.plus(1), today.plus(3));
  // Typing stops at the field's limit: what the field shows is what is saved.
  user.Type(dialog, L"Edit_PlanName", std::wstring(500, L'巡'));
  const std::wstring kept = user.Text(dialog, L"Edit_PlanName");
  EXPECT_LT(kept.size(), 500u);

  // No weekday ticked.
  user.Type(dialog, L"Edit_PlanName", L"夜巡补充");
  for (int day = 1; day <= 7; ++day) {
    const std::wstring box = L"Week" + std::to_wstring(day);
    if (user.Selected(dialog, box)) user.Click(dialog, box);
  }
  user.Click(dialog, L"btn_Ok");
  EXPECT_EQ(user.Answer(), L"请选择巡更频次!");

  // Overlapping slots.
  user.Click(dialog, L"WorkingDayck");
  user.PickTime(dialog, L"btnSetStartTime2", 12, 20);
  user.Click(dialog, L"btn_Ok");
  EXPECT_EQ(user.Answer(), L"时间段1和时间段2重复");
  ASSERT_TRUE(user.IsOpen(L"AddPlanWnd"));

  // A name the wire's code page cannot hold is refused, not stored altered.
  user.PickTime(dialog, L"btnSetStartTime2", 13, 5);
  user.Type(dialog, L"Edit_PlanName", L"夜巡\U0001F600");
  user.Click(dialog, L"btn_Ok");
  EXPECT_EQ(user.Answer(), L"包含无法保存的字符!");
  ASSERT_TRUE(user.IsOpen(L"AddPlanWnd"));

  user.Click(dialog, L"btn_Cancel");
  EXPECT_TRUE(user.WaitClosed(L"AddPlanWnd"));
  EXPECT_EQ(plans().plans().all().size(), before);
  const std::vector<std::wstring> shown = user.ItemTexts(frame, L"TileLayout_plan", L"PlanName");
  EXPECT_EQ(std::count(shown.begin(), shown.end(), L"夜巡补充"), 0);
}

TEST_F(PlanJourney, APlanOfEachTypeIsAddedEditedDeletedAndExported) {
  const CivilDate start = today.plus(1);
  const CivilDate end = today.plus(20);
  for (const PlanType& type : kTypes) {
    SCOPED_TRACE(CommonTools::wstring_to_string(type.name));
    const std::wstring name = std::wstring(L"计划") + type.name;
    const HWND dialog = OpenAddDialog();
    ASSERT_NE(dialog, nullptr);
    user.Type(dialog, L"Edit_PlanName", name);
    user.PickCombo(dialog, L"Comb_PlanType", type.name);
    if (type.route == nullptr) {
      // The school has no route of this type: nothing to patrol, so nothing is saved.
      EXPECT_TRUE(user.Items(dialog, L"Comb_route").empty());
      FillTheRest(dialog, start, end, L"", type.person);
      user.Click(dialog, L"btn_Ok");
      EXPECT_EQ(user.Answer(), L"线路不能为空!");
      user.Click(dialog, L"btn_close");
      ASSERT_TRUE(user.WaitClosed(L"AddPlanWnd"));
      EXPECT_TRUE(ServerPlan(CommonTools::wstring_to_string(name)).isNull());
      continue;
    }
    user.PickCombo(dialog, L"Comb_route", type.route);
    FillTheRest(dialog, start, end, L"检查消防栓", type.person);
    EXPECT_EQ(user.Text(dialog, L"lb_remark_count"), L"5/80");
    user.Click(dialog, L"btn_Ok");
    EXPECT_EQ(user.Answer(), L"添加成功!");
    ASSERT_TRUE(user.WaitClosed(L"AddPlanWnd"));

    const Json::Value saved = ServerPlan(CommonTools::wstring_to_string(name));
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved["iType"].asInt(), type.code);
    EXPECT_EQ(Gbk(saved["strDate"]), start.text() + "&" + end.text());
    EXPECT_EQ(Gbk(saved["strWeek"]), "1101100");
    EXPECT_EQ(Gbk(saved["strTime"]), "12:00-12:30&13:05-13:45");
    EXPECT_EQ(Gbk(saved["strRemark"]), "检查消防栓");
    EXPECT_GE(CardOf(name), 0);
  }
  EXPECT_NE(std::find(AuditEvents().begin(), AuditEvents().end(), std::string("添加巡更计划-计划消防")),
            AuditEvents().end());

  // Editing keeps the dates through opening and leaving the end date's picker.
  const std::wstring edited = L"计划消防";
  ChooseFromCardMenu(edited, L"menu_EditPlan");
  HWND dialog = user.Window(L"AddPlanWnd");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(user.Text(dialog, L"dt_Startdate"), Wide(start.text()));
  EXPECT_EQ(user.Text(dialog, L"dt_Enddate"), Wide(end.text()));
  EXPECT_EQ(user.Text(dialog, L"lb_remark_count"), L"5/80");
  user.OpenAndLeaveDate(dialog, L"dt_Enddate", dialog, L"lb_remark_count");
  EXPECT_EQ(user.Text(dialog, L"dt_Enddate"), Wide(end.text()));
  user.Type(dialog, L"Edit_remark", L"检查消防栓和灭火器");
  user.Click(dialog, L"btn_Ok");
  EXPECT_EQ(user.Answer(), L"编辑成功!");
  CancelIfOpen(dialog);
  Json::Value saved = ServerPlan("计划消防");
  EXPECT_EQ(Gbk(saved["strDate"]), start.text() + "&" + end.text());
  EXPECT_EQ(Gbk(saved["strRemark"]), "检查消防栓和灭火器");

  // The page shows the saved plan again.
  ChooseFromCardMenu(edited, L"menu_EditPlan");
  dialog = user.Window(L"AddPlanWnd");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(user.Text(dialog, L"Edit_PlanName"), edited);
  EXPECT_EQ(user.Text(dialog, L"Comb_route"), L"实验楼消防线");
  EXPECT_EQ(user.Text(dialog, L"dt_Enddate"), Wide(end.text()));
  EXPECT_EQ(user.Text(dialog, L"Edit_remark"), L"检查消防栓和灭火器");
  EXPECT_EQ(user.Text(dialog, L"btnSetStartTime2"), L"13:05");
  EXPECT_TRUE(user.Selected(dialog, L"Week4"));
  EXPECT_FALSE(user.Selected(dialog, L"Week3"));
  CancelIfOpen(dialog);

  // Export: the sheet lists what the page shows.
  test_support::ScratchFolder folder;
  driver.ScriptFolder(CommonTools::string_to_wstring(folder.path()));
  const std::vector<std::wstring> shown = user.ItemTexts(frame, L"TileLayout_plan", L"PlanName");
  user.Click(frame, L"ExportInpectPlanBtn");
  // The one toast window may still show the edit's line: wait for the export's.
  const HWND toast = user.Window(L"PhotoFeedBackWindow");
  std::wstring told;
  EXPECT_TRUE(user.WaitFor("the export's toast", [&] {
    told = user.Text(toast, L"lab_message");
    return told.find(L"导出") == 0;
  }));
  EXPECT_EQ(told.find(L"导出成功，导出文件路径" + CommonTools::string_to_wstring(folder.path()) + L"/"), 0u)
      << CommonTools::wstring_to_string(told);
  std::filesystem::path written;
  EXPECT_TRUE(user.WaitFor("the plan list's spreadsheet", [&] {
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(folder.path()))) {
      if (entry.path().extension() == ".xls") written = entry.path();
    }
    return !written.empty() && !user.IsOpen(L"LoadingGifWnd");
  }));
  test_support::XlsxWorkbook book;
  ASSERT_FALSE(written.empty()) << folder.path() << " chooser calls " << driver.FolderChooserCalls().size();
  ASSERT_TRUE(book.Read(written.string())) << book.error();
  std::vector<std::string> names;
  for (const auto& cell : book.cells()) {
    for (const std::wstring& plan : shown) {
      if (cell.second.text == test_support::wire_text(CommonTools::wstring_to_string(plan)).asString()) names.push_back(cell.first);
    }
  }
  EXPECT_EQ(names.size(), shown.size());

  // Deleting asks first.
  ChooseFromCardMenu(edited, L"menu_deletePlan");
  EXPECT_EQ(user.Answer(L"cancle"), L"是否删除计划?");
  EXPECT_FALSE(ServerPlan("计划消防").isNull());
  ChooseFromCardMenu(edited, L"menu_deletePlan");
  EXPECT_EQ(user.Answer(L"yes"), L"是否删除计划?");
  user.Settle();
  EXPECT_TRUE(ServerPlan("计划消防").isNull());
  const std::vector<std::wstring> after = user.ItemTexts(frame, L"TileLayout_plan", L"PlanName");
  EXPECT_EQ(std::count(after.begin(), after.end(), edited), 0);
  const std::vector<std::string> events = AuditEvents();
  EXPECT_NE(std::find(events.begin(), events.end(), std::string("删除巡查计划-计划消防")), events.end());
}

}  // namespace
}  // namespace journeys

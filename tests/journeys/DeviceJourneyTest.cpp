// The device page as the security office uses it: a checkpoint added in a building and on
// a floor chosen in their combos (empty fields refused first), edited, shown again and
// deleted, while a checkpoint a planned route passes is kept; a reader on the desk (the
// simulated one) connected, saved, edited and deleted.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <json/json.h>

#include "CommonTools/Conversions.h"
#include "platform/reader/ReaderBackend.h"
#include "platform/reader/ReaderSimulatorControl.h"
#include "testing/files/ScratchFolder.h"
#include "testing/services/GbkWire.h"
#include "tests/journeys/support/JourneyWorld.h"

namespace journeys {
namespace {

Json::Value RowNamed(test_support::PatrolTable& table, const std::string& gbkName) {
  for (const Json::Value& row : table.all()) {
    if (test_support::gbk_from_wire(row["strName"].asString()) == gbkName) return row;
  }
  return Json::Value();
}

class DeviceJourney : public JourneyWorld {
 protected:
  DeviceJourney() : reader(scratch.file("reader")) {
    reader.Reset();
    platform::reader::ReaderBackend::UseSimulator(reader.Folder());
  }
  ~DeviceJourney() override { platform::reader::ReaderBackend::UseNone(); }

  void SetUp() override {
    frame = StartLoggedIn(kAdmin);
    ASSERT_NE(frame, nullptr);
    OpenTab(L"tabEquipmentManagement", L"AddDeviceBtn");
  }

  void TearDown() override { CloseIfRunning(frame); }

  test_support::ScratchFolder scratch;
  platform::reader::ReaderSimulatorControl reader;
  HWND frame = nullptr;
};

TEST_F(DeviceJourney, ACheckpointIsAddedEditedAndDeletedAndAPatrolledOneKept) {
  user.Click(frame, L"tabPositionDevice");
  user.WaitShown(frame, L"PosDeviceList");
  const size_t before = patrol().checkpoints().all().size();
  user.Click(frame, L"AddDeviceBtn");
  HWND dialog = user.Window(L"CAddDevicePositionWnd");
  ASSERT_NE(dialog, nullptr);
  user.Click(dialog, L"btn_Ok");
  EXPECT_EQ(user.Answer(), L"名称不能为空!");
  user.Type(dialog, L"Edit_Name", L"行政楼二层走廊");
  user.PickCombo(dialog, L"Comb_Area", L"行政楼");
  user.PickCombo(dialog, L"Comb_Position", L"2层");
  user.Click(dialog, L"btn_Ok");
  EXPECT_EQ(user.Answer(), L"设备编码不能为空!");
  ASSERT_TRUE(user.IsOpen(L"CAddDevicePositionWnd"));
  EXPECT_EQ(patrol().checkpoints().all().size(), before);
  user.Type(dialog, L"Edit_code", L"0001A3F9");
  user.Type(dialog, L"Edit_remark", L"夜间必查");
  user.Click(dialog, L"btn_Ok");
  CancelIfOpen(dialog, L"CAddDevicePositionWnd");

  Json::Value saved = RowNamed(patrol().checkpoints(), "行政楼二层走廊");
  ASSERT_FALSE(saved.isNull());
  EXPECT_EQ(saved["iAreaID"].asInt(), 11);
  EXPECT_EQ(saved["ifloor"].asInt(), 2);
  EXPECT_EQ(test_support::gbk_from_wire(saved["strCode"].asString()), "0001A3F9");
  user.Settle();
  EXPECT_GE(RowOf(frame, L"PosDeviceList", L"行政楼二层走廊"), 0);

  ClickRowButton(frame, L"PosDeviceList", L"行政楼二层走廊", L"btn_EditPosDevice");
  dialog = user.Window(L"CAddDevicePositionWnd");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(user.Text(dialog, L"Edit_Name"), L"行政楼二层走廊");
  EXPECT_EQ(user.Text(dialog, L"Comb_Position"), L"2层");
  user.Type(dialog, L"Edit_Name", L"行政楼二层东走廊");
  user.PickCombo(dialog, L"Comb_Position", L"3层");
  user.Click(dialog, L"btn_Ok");
  CancelIfOpen(dialog, L"CAddDevicePositionWnd");
  saved = RowNamed(patrol().checkpoints(), "行政楼二层东走廊");
  ASSERT_FALSE(saved.isNull());
  EXPECT_EQ(saved["ifloor"].asInt(), 3);

  // Shown again as saved.
  user.Settle();
  ClickRowButton(frame, L"PosDeviceList", L"行政楼二层东走廊", L"btn_EditPosDevice");
  dialog = user.Window(L"CAddDevicePositionWnd");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(user.Text(dialog, L"Edit_Name"), L"行政楼二层东走廊");
  EXPECT_EQ(user.Text(dialog, L"Comb_Area"), L"行政楼");
  EXPECT_EQ(user.Text(dialog, L"Comb_Position"), L"3层");
  EXPECT_EQ(user.Text(dialog, L"Edit_code"), L"0001A3F9");
  CancelIfOpen(dialog, L"CAddDevicePositionWnd");

  // A checkpoint on a planned route stays.
  ClickRowButton(frame, L"PosDeviceList", L"行政楼大门", L"btn_DeletePosDevice");
  EXPECT_EQ(user.Answer(), L"当前巡更点已存在于巡更线路中，\r\n不能进行删除！");
  EXPECT_FALSE(RowNamed(patrol().checkpoints(), "行政楼大门").isNull());

  ClickRowButton(frame, L"PosDeviceList", L"行政楼二层东走廊", L"btn_DeletePosDevice");
  EXPECT_EQ(user.Answer(L"yes"), L"是否删除巡更点?");
  user.Settle();
  EXPECT_TRUE(RowNamed(patrol().checkpoints(), "行政楼二层东走廊").isNull());
  EXPECT_EQ(RowOf(frame, L"PosDeviceList", L"行政楼二层东走廊"), -1);
  const std::vector<std::string> events = AuditEvents();
  EXPECT_NE(std::find(events.begin(), events.end(), std::string("删除巡更点设备-行政楼二层东走廊")), events.end());
}

TEST_F(DeviceJourney, AReaderOnTheDeskIsConnectedSavedEditedAndDeleted) {
  user.Click(frame, L"tabDevice");
  user.WaitShown(frame, L"DeviceListManager");
  const size_t fingersBefore = patrol().fingerprints().all().size();
  user.Click(frame, L"AddDeviceBtn");
  HWND dialog = user.Window(L"CAddDeviceWnd");
  ASSERT_NE(dialog, nullptr);

  // No reader on the desk: connecting says so and fills nothing.
  reader.SetPresent(false);
  user.Click(dialog, L"Btn_AddDevice");
  EXPECT_EQ(user.Text(user.Window(L"PhotoFeedBackWindow"), L"lab_message"), L"设备未连接，请先连接巡更设备!");
  EXPECT_EQ(user.Text(dialog, L"Edit_Device_Code"), L"");

  reader.SetPresent(true);
  reader.SetId(4711);
  user.Click(dialog, L"Btn_AddDevice");
  EXPECT_EQ(user.Text(dialog, L"Edit_Device_Code"), L"4711");
  user.Click(dialog, L"btn_Ok");
  EXPECT_EQ(user.Answer(), L"设备名称不能为空!");
  user.Type(dialog, L"Edit_Device_Name", L"四号巡更棒");
  user.PickCombo(dialog, L"Comb_EmergencyContactPerson", L"赵静");
  user.Type(dialog, L"Edit_EmergencyContactPhone", L"13900000014");
  user.Click(dialog, L"btn_Ok");
  CancelIfOpen(dialog, L"CAddDeviceWnd");

  Json::Value saved = RowNamed(patrol().readers(), "四号巡更棒");
  ASSERT_FALSE(saved.isNull());
  EXPECT_EQ(test_support::gbk_from_wire(saved["strCode"].asString()), "4711");
  EXPECT_EQ(test_support::gbk_from_wire(saved["strTelephone"].asString()), "13900000014");
  user.Settle();
  EXPECT_GE(RowOf(frame, L"DeviceListManager", L"四号巡更棒"), 0);

  ClickRowButton(frame, L"DeviceListManager", L"四号巡更棒", L"btn_EditDevice");
  dialog = user.Window(L"CAddDeviceWnd");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(user.Text(dialog, L"Edit_Device_Name"), L"四号巡更棒");
  EXPECT_FALSE(user.Enabled(dialog, L"Edit_Device_Code"));

  // A finger of 赵静 enrolled on the reader and stored on the server.
  const int readerId = saved["iID"].asInt();
  user.PickCombo(dialog, L"Comb_people", L"赵静");
  user.Click(dialog, L"Btn_AddFingerPrint");
  std::wstring told;
  user.WaitFor("the enrolment to say how it went", [&] {
    told = user.IsOpen(L"PhotoFeedBackWindow") ? user.Text(user.Window(L"PhotoFeedBackWindow"), L"lab_message") : L"";
    return told.find(L"指纹") != std::wstring::npos;
  });
  EXPECT_EQ(told, L"指纹采集成功!");
  ASSERT_EQ(patrol().fingerprints().all().size(), fingersBefore + 1);
  const Json::Value finger = patrol().fingerprints().all()[static_cast<Json::ArrayIndex>(fingersBefore)];
  EXPECT_EQ(finger["iDeviceID"].asInt(), readerId);
  EXPECT_EQ(reader.Fingers().size(), 1u);
  EXPECT_EQ(user.ItemTexts(dialog, L"TileLayout_people", L"btn_deleteFingerprint").size(), 1u);
  std::vector<std::string> events = AuditEvents();
  EXPECT_NE(std::find(events.begin(), events.end(), std::string("录入指纹-赵静")), events.end());
  // And removed again.
  user.ClickInItem(dialog, L"TileLayout_people", 0, L"btn_deleteFingerprint");
  if (!user.Message().empty()) user.Answer(L"yes");
  user.Settle();
  EXPECT_EQ(patrol().fingerprints().all().size(), fingersBefore);
  EXPECT_TRUE(reader.Fingers().empty());

  user.Type(dialog, L"Edit_Device_Name", L"四号巡更棒(东)");
  user.Click(dialog, L"btn_Ok");
  CancelIfOpen(dialog, L"CAddDeviceWnd");
  EXPECT_FALSE(RowNamed(patrol().readers(), "四号巡更棒(东)").isNull());

  user.Settle();
  ClickRowButton(frame, L"DeviceListManager", L"四号巡更棒(东)", L"btn_DeleteDevice");
  EXPECT_EQ(user.Answer(L"yes"), L"是否删除巡更设备?");
  user.Settle();
  EXPECT_TRUE(RowNamed(patrol().readers(), "四号巡更棒(东)").isNull());
  events = AuditEvents();
  EXPECT_NE(std::find(events.begin(), events.end(), std::string("删除巡更设备-四号巡更棒(东)")), events.end());
}

}  // namespace
}  // namespace journeys

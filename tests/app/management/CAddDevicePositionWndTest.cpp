// The checkpoint dialog over a small campus of buildings: the building, floor and camera
// rows and which is chosen, the remark counter, the refusals in their order, what an add
// and an edit send and keep, a server that stores nothing, and typed text the wire's code
// page cannot hold.
#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <json/json.h>

#include "app/management/CAddDevicePositionWnd.h"
#include "data/StartupCaches.h"
#include "platform/base/CodePage.h"
#include "tests/app/management/support/DeviceWindowTest.h"
#include "tests/app/management/support/WaysOut.h"

namespace {

using devicetest::Message;
using Texts = std::vector<std::wstring>;

// A request body as JSON, so that the key order the writer chose does not matter.
Json::Value Json(const std::string& text) {
  Json::Value value;
  Json::Reader().parse(text, value);
  return value;
}

const char kAdd[] = "/api/InspectPositionDevice/Add";
const char kUpdate[] = "/api/InspectPositionDevice/Update";

DigiCameraInfo Camera(int floor, const char* name, const char* id) {
  DigiCameraInfo camera;
  camera.buildingFloor = floor;
  camera.cameraName = name;
  camera.equipmentId = id;
  camera.cameraIp = std::string("10.0.0.") + id;
  camera.account = "admin";
  camera.password = "pw";
  camera.cameraPort = 554;
  camera.cameraBrandId = 2;
  return camera;
}

void AddBuilding(int id, const char* name, int floors, std::list<DigiCameraInfo> cameras = {}) {
  DigiAreaInfo building;
  building.buildingId = id;
  building.buildingName = name;
  building.floorNumber = floors;
  building.listCamera = std::move(cameras);
  g_mapDigiArea[id] = building;
}

class CheckpointDialog : public devicetest::DeviceWindowTest {
 protected:
  CheckpointDialog() {
    AddBuilding(1, "教学楼", 4, {Camera(1, "旧门", "11")});
    AddBuilding(2, "宿舍", 2);
    AddBuilding(3, "教学楼", 1, {Camera(1, "大门", "31")});
    AddBuilding(4, "仓库", 0);
    AddBuilding(5, "图书馆", 3,
                {Camera(1, "一楼东", "51"), Camera(3, "三楼A", "53"), Camera(1, "一楼西", "52"),
                 Camera(3, "三楼B", "54")});
  }
  ~CheckpointDialog() override {
    CloseOpened();
    ui.Call([this] { dialog.reset(); });
  }

  HWND Open(int mode, const InspectPosDeviceInfo* edited = nullptr) {
    dialog = std::make_unique<CAddDevicePositionWnd>(mode);
    OpenModal(dialog.get(), mode == 1 ? L"添加巡更点设备" : L"编辑巡更点设备", [this, edited] {
      if (edited != nullptr) dialog->LoadPosition(*edited);
    });
    return Opened();
  }

  std::unique_ptr<CAddDevicePositionWnd> dialog;
};

// The checkpoint the edit-mode tests open: 书库, id 7, on floor 3 of building 5.
InspectPosDeviceInfo LibraryOnFloorThree() {
  InspectPosDeviceInfo checkpoint;
  checkpoint.iID = 7;
  checkpoint.strName = "书库";
  checkpoint.strCode = "P007";
  checkpoint.iAreaID = 5;
  checkpoint.ifloor = 3;
  return checkpoint;
}

TEST_F(CheckpointDialog, ListsBuildingsHighestIdFirstAndShowsTheFirstWithItsFloorsAndCameras) {
  HWND hwnd = Open(1);
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(Rows(hwnd, L"Comb_Area"), (Texts{L"图书馆", L"仓库", L"教学楼", L"宿舍", L"教学楼"}));
  EXPECT_EQ(Text(hwnd, L"lab_title"), L"添加巡更点设备");
  EXPECT_EQ(Rows(hwnd, L"Comb_Position"), (Texts{L"1层", L"2层", L"3层"}));
  EXPECT_EQ(Rows(hwnd, L"Comb_Cam"), (Texts{L"一楼东", L"一楼西"}));
  EXPECT_EQ(Selected(hwnd, L"Comb_Cam"), 0);

  Select(hwnd, L"Comb_Position", 2);
  EXPECT_EQ(Rows(hwnd, L"Comb_Cam"), (Texts{L"三楼A", L"三楼B"})) << "the chosen floor's cameras in list order";
  Select(hwnd, L"Comb_Position", 1);
  EXPECT_TRUE(Rows(hwnd, L"Comb_Cam").empty());
}

TEST_F(CheckpointDialog, EitherRowOfTwoBuildingsOfOneNameChoosesTheHigherId) {
  HWND hwnd = Open(1);
  Select(hwnd, L"Comb_Area", 4);
  EXPECT_EQ(Rows(hwnd, L"Comb_Position"), (Texts{L"1层"}));
  EXPECT_EQ(Rows(hwnd, L"Comb_Cam"), (Texts{L"大门"}));
  TypeOver(hwnd, L"Edit_Name", L"东门");
  TypeOver(hwnd, L"Edit_code", L"P001");
  Click(hwnd, L"btn_Ok");
  EXPECT_EQ(ModalResult(), 1);
  EXPECT_NE(LastBody(kAdd).find("\"iAreaID\":3,"), std::string::npos) << LastBody(kAdd);
}

TEST_F(CheckpointDialog, AnAddSendsTheTwelveValuesInOrderAndAFloorWithoutCamerasTheDefaultCamera) {
  HWND hwnd = Open(1);
  Type(hwnd, L"Edit_Name", L"东门");
  Type(hwnd, L"Edit_code", L"P001");
  Type(hwnd, L"Edit_remark", L"夜间");
  Select(hwnd, L"Comb_Position", 1);
  Click(hwnd, L"btn_Ok");
  ASSERT_EQ(ModalResult(), 1);
  EXPECT_EQ(Json(LastBody(kAdd)),
            Json(u8"{\"strName\":\"东门\",\"iAreaID\":5,\"ifloor\":2,\"strCameraID\":\"\",\"strCode\":\"P001\","
                 u8"\"strCamName\":\"\",\"strCamIp\":\"\",\"strCamAccount\":\"\",\"strCamPassword\":\"\","
                 u8"\"CamPort\":0,\"CamBrand\":0,\"strReserve\":\"夜间\",\"strSchoolID\":\"s1\"}"));
  std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
  ASSERT_EQ(g_mapInspectPosDevice.size(), 1u);
  const InspectPosDeviceInfo& saved = g_mapInspectPosDevice.begin()->second;
  EXPECT_EQ(saved.iID, world.patrol.checkpoints().all()[0]["iID"].asInt());
  EXPECT_EQ(saved.strAreaName, "图书馆");
  EXPECT_EQ(saved.ifloor, 2);
  EXPECT_EQ(saved.strCamName, "");
  EXPECT_EQ(saved.strReserve, "夜间");
}

TEST_F(CheckpointDialog, EditingAFloorThreeCameraSelectsItsRowAndTheUpdateKeepsTheId) {
  InspectPosDeviceInfo edited = LibraryOnFloorThree();
  edited.strCamName = "三楼B";
  edited.strReserve = "旧备注";
  world.patrol.checkpoints().seed(Json::Value(Json::objectValue));  // id 1
  for (int id = 2; id <= 7; ++id) world.patrol.checkpoints().seed(Json::Value(Json::objectValue));
  HWND hwnd = Open(2, &edited);
  EXPECT_EQ(Text(hwnd, L"lab_title"), L"编辑巡更点设备");
  EXPECT_EQ(Selected(hwnd, L"Comb_Area"), 0);
  EXPECT_EQ(Selected(hwnd, L"Comb_Position"), 2);
  EXPECT_EQ(Rows(hwnd, L"Comb_Cam"), (Texts{L"三楼A", L"三楼B"}));
  EXPECT_EQ(Selected(hwnd, L"Comb_Cam"), 1);
  EXPECT_EQ(Text(hwnd, L"lb_remark_count"), L"3/40");

  Click(hwnd, L"btn_Ok");
  ASSERT_EQ(ModalResult(), 1);
  EXPECT_EQ(Json(LastBody(kUpdate)),
            Json(u8"{\"strName\":\"书库\",\"iAreaID\":5,\"ifloor\":3,\"strCameraID\":\"54\",\"strCode\":\"P007\","
            u8"\"strCamName\":\"三楼B\",\"strCamIp\":\"10.0.0.54\",\"strCamAccount\":\"admin\",\"strCamPassword\":"
            u8"\"pw\",\"CamPort\":554,\"CamBrand\":2,\"strReserve\":\"旧备注\",\"strSchoolID\":\"s1\",\"iID\":\"7\"}"));
  std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
  EXPECT_EQ(g_mapInspectPosDevice[7].strCameraID, "54");
}

TEST_F(CheckpointDialog, TheCameraPickedInItsDropDownIsTheOneSaved) {
  InspectPosDeviceInfo edited = LibraryOnFloorThree();
  edited.strCamName = "三楼B";
  for (int id = 1; id <= 7; ++id) world.patrol.checkpoints().seed(Json::Value(Json::objectValue));
  const struct {
    int mode;
    int camera;  // the row picked on floor 3 of 图书馆: 三楼A, 三楼B
    const char* id;
  } cases[] = {{1, 1, "54"}, {1, 0, "53"}, {2, 0, "53"}};
  for (const auto& c : cases) {
    SCOPED_TRACE((c.mode == 1 ? "adding, row " : "editing, row ") + std::to_string(c.camera));
    world.http().clear_requests();
    HWND hwnd = Open(c.mode, c.mode == 2 ? &edited : nullptr);
    if (c.mode == 1) {
      Type(hwnd, L"Edit_Name", L"东门");
      Type(hwnd, L"Edit_code", L"P001");
      Select(hwnd, L"Comb_Position", 2);
    }
    Select(hwnd, L"Comb_Cam", c.camera);
    Click(hwnd, L"btn_Ok");
    ASSERT_EQ(ModalResult(), 1);
    const Json::Value sent = Json(LastBody(c.mode == 1 ? kAdd : kUpdate));
    EXPECT_EQ(sent["strCameraID"].asString(), c.id);
    EXPECT_EQ(sent["strCamIp"].asString(), std::string("10.0.0.") + c.id);
    ui.Call([this] { dialog.reset(); });
  }
}

TEST_F(CheckpointDialog, TheCloseAndCancelButtonsEndTheDialogWithNothingSent) {
  InspectPosDeviceInfo edited = LibraryOnFloorThree();
  for (const managementtest::WayOut& c : managementtest::kWaysOut) {
    SCOPED_TRACE(managementtest::Describe(c));
    world.http().clear_requests();
    HWND hwnd = Open(c.mode, c.mode == 2 ? &edited : nullptr);
    Type(hwnd, L"Edit_Name", L"东门");
    Type(hwnd, L"Edit_code", L"P001");
    Click(hwnd, c.button);
    EXPECT_EQ(ModalResult(), 2);
    EXPECT_EQ(Opened(), nullptr);
    EXPECT_EQ(world.http().request_count(), 0u);
    ui.Call([this] { dialog.reset(); });
  }
  std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
  EXPECT_TRUE(g_mapInspectPosDevice.empty());
}

TEST_F(CheckpointDialog, TheRemarkCounterCountsCharacters) {
  HWND hwnd = Open(1);
  EXPECT_EQ(Text(hwnd, L"lb_remark_count"), L"0/40");
  Type(hwnd, L"Edit_remark", L"巡更点");
  EXPECT_EQ(Text(hwnd, L"lb_remark_count"), L"3/40");
  ClickControl(hwnd, L"Edit_remark");
  for (int i = 0; i < 3; ++i) driver.Tap(VK_BACK);
  driver.WaitIdle();
  EXPECT_EQ(Text(hwnd, L"lb_remark_count"), L"0/40");
}

// --- Refusals ------------------------------------------------------------------------------

struct Refusal {
  const char* label;
  const wchar_t* name;
  const wchar_t* code;
  int building;  // the row chosen; -1 for a campus without buildings
  const wchar_t* message;
};

const Refusal kRefusals[] = {
    {"no name", L"", L"P1", 0, L"名称不能为空!"},
    {"no code", L"东门", L"", 0, L"设备编码不能为空!"},
    {"a building without floors", L"东门", L"P1", 1, L"位置不能为空!"},
    {"no building at all", L"东门", L"P1", -1, L"区域不能为空!"},
};

TEST_F(CheckpointDialog, RefusesWhatIsMissingWithItsMessageAndStaysOpen) {
  for (const Refusal& r : kRefusals) {
    if (r.building < 0) g_mapDigiArea.clear();
    HWND hwnd = Open(1);
    if (r.building > 0) Select(hwnd, L"Comb_Area", r.building);
    TypeOver(hwnd, L"Edit_Name", r.name);
    TypeOver(hwnd, L"Edit_code", r.code);
    ClickControl(hwnd, L"btn_Ok");
    const Message message = Answer();
    EXPECT_EQ(message.text, r.message) << r.label;
    EXPECT_EQ(message.kind, 1) << r.label;
    EXPECT_EQ(Answer().text, L"") << r.label << ": one message only";
    EXPECT_EQ(ModalResult(), -1) << r.label;
    EXPECT_EQ(world.http().request_count(), 0u) << r.label;
    Click(hwnd, L"btn_Cancel");
    EXPECT_EQ(ModalResult(), 2) << r.label;
    ui.Call([this] { dialog.reset(); });
  }
}

TEST_F(CheckpointDialog, AServerThatStoresNothingIsAFailureAndLeavesTheCache) {
  for (const char* reply : {"-1", "0"}) {
    world.http().route("POST", kAdd, test_support::HttpReply(200, reply));
    HWND hwnd = Open(1);
    TypeOver(hwnd, L"Edit_Name", L"东门");
    TypeOver(hwnd, L"Edit_code", L"P1");
    ClickControl(hwnd, L"btn_Ok");
    const Message message = Answer(L"close");
    EXPECT_EQ(message.text, L"添加失败，请检查巡更点名称或编号是否已存在!") << reply;
    EXPECT_EQ(message.kind, 7) << reply;
    EXPECT_EQ(ModalResult(), -1) << reply << ": the dialog stays open";
    Click(hwnd, L"btn_close");
    ui.Call([this] { dialog.reset(); });
    std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
    EXPECT_TRUE(g_mapInspectPosDevice.empty()) << reply;
  }
}

TEST_F(CheckpointDialog, TextTheCodePageCannotHoldIsRefusedBeforeSending) {
  const struct {
    const wchar_t* field;
    std::wstring typed;
  } cases[] = {
      {L"Edit_Name", L"东门\U0001F600"}, {L"Edit_code", L"P\U00020000"}, {L"Edit_remark", L"夜间\U0001F600"}};
  for (const auto& c : cases) {
    const std::string field = platform::codepage::WideToUtf8(c.field);
    HWND hwnd = Open(1);
    Type(hwnd, L"Edit_Name", L"东门");
    Type(hwnd, L"Edit_code", L"P001");
    Type(hwnd, c.field, c.typed);
    world.http().clear_requests();
    ClickControl(hwnd, L"btn_Ok");
    const Message message = Answer();
    EXPECT_EQ(message.text, L"包含无法保存的字符!") << field;
    EXPECT_EQ(message.kind, 1) << field;
    EXPECT_EQ(ModalResult(), -1) << field;
    EXPECT_EQ(world.http().request_count(), 0u) << field;
    Click(hwnd, L"btn_Cancel");
    ui.Call([this] { dialog.reset(); });
    std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
    EXPECT_TRUE(g_mapInspectPosDevice.empty()) << field;
  }
}

}  // namespace

#include "tests/app/records/windows/PlanRunWindowTest.h"

#include <filesystem>
#include <mutex>

#include "CommonTools/Config.h"
#include "app/shell/ShellServices.h"
#include "data/StartupCaches.h"
#include "platform/base/CodePage.h"
#include "testing/services/GbkWire.h"

namespace plantest {

namespace {

// Only its address matters: ShowToast is handed to the test's handler.
char g_toastWindowStandIn;

InspectRouteDeviceInfo Link(int id, const std::string& name) {
  InspectRouteDeviceInfo link;
  link.iDeviceID = id;
  link.strDeviceName = name;
  return link;
}

}  // namespace

PlanRunWindowTest::PlanRunWindowTest() {
  InspectPlanInfo plan;
  plan.iID = kPlanId;
  plan.strName = "夜巡";
  plan.iRouteID = 7;
  plan.strRouteName = "东线";
  plan.iType = 2;
  plan.strStartDate = "2024-04-01";
  plan.strEndDate = "2024-06-30";
  plan.strTime = "08:00-09:30&20:00-21:00";
  plan.listPeople = {PlanPeopleInfo{1, "张三"}, PlanPeopleInfo{2, "李四"}};
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    g_mapInspectPlan[kPlanId] = plan;
  }
  PeopleInfo person;
  person.iID = 1;
  person.UserID = "U1";
  person.strName = "张三";
  g_mapPeople[1] = person;
  person.iID = 2;
  person.UserID = "U2";
  person.strName = "李四";
  g_mapPeople[2] = person;
  InspectRouteInfo route;
  route.iID = 7;
  route.mapArea[12].buildingName = "南楼";
  route.mapArea[12].listDevice = {Link(9, "南门")};
  route.mapArea[10].buildingName = "东楼";
  route.mapArea[10].listDevice = {Link(5, "东门"), Link(3, "天台")};
  g_mapInspectRoute[7] = route;

  g_pFeedBackWnd = reinterpret_cast<PhotoFeedBackWindow*>(&g_toastWindowStandIn);
  std::filesystem::remove_all(ProgramFolder() + "res/" + std::to_string(kPlanId));
}

PlanRunWindowTest::~PlanRunWindowTest() {
  g_pFeedBackWnd = nullptr;
  std::filesystem::remove_all(ProgramFolder() + "res/" + std::to_string(kPlanId));
}

void PlanRunWindowTest::ScriptRunAreas(const Json::Value& areas) {
  world.http().route("GET", "/api/InspectRecord/GetByIDAndTime", test_support::wire_json_reply(areas));
}

Json::Value PlanRunWindowTest::Area(int id, const std::string& name) {
  Json::Value area;
  area["AreaID"] = id;
  area["planID"] = kPlanId;
  area["AreaName"] = test_support::wire_text(name);
  area["PositionDevicelist"] = Json::Value(Json::arrayValue);
  return area;
}

Json::Value PlanRunWindowTest::Visit(int recordId, int checkpoint, const std::string& name, int state, int result,
                                     int abnormal, const std::string& time, const std::string& remark) {
  Json::Value visit;
  visit["ID"] = recordId;
  visit["PositionDeviceID"] = checkpoint;
  visit["Name"] = test_support::wire_text(name);
  visit["strCode"] = "C" + std::to_string(checkpoint);
  visit["iAbnormal"] = abnormal;
  visit["iState"] = state;
  visit["iType"] = 2;
  visit["strTime"] = time;
  visit["strReserve"] = test_support::wire_text(remark);
  visit["iPlanID"] = kPlanId;
  visit["strInspectPeopleID"] = "1";
  visit["strDate"] = "2024-05-01";
  visit["iResult"] = result;
  visit["strPhoto"] = "p.jpg";
  visit["strSound"] = "";
  return visit;
}

Strings PlanRunWindowTest::Toasts() { return toasts_.TextsWithSeconds(); }

Message PlanRunWindowTest::TakeMessage() {
  const HWND box = shelltest::FindWindowOfClass(L"MessagWnd");
  if (box == nullptr) return {};
  Message shown;
  shown.shown = true;
  bool hasYes = false;
  shelltest::OnWindowThread(box, [&] {
    shown.text = shelltest::FindControl(box, L"VContext")->GetText().GetData();
    SkinUI::CControlUI* yes = shelltest::ControlIfAny(box, L"yes");
    hasYes = yes != nullptr && yes->IsVisible();
  });
  ClickControl(box, hasYes ? L"yes" : L"close");
  driver.WaitIdle();
  return shown;
}

std::vector<Json::Value> PlanRunWindowTest::Bodies(const std::string& path) { return world.requestBodies(path); }

std::string PlanRunWindowTest::ProgramFolder() const {
  return platform::codepage::WideToUtf8(CommonTools::get_exe_dir()) + "/";
}

std::string PlanRunWindowTest::RunPictureFolder() const {
  return ProgramFolder() + "res/" + std::to_string(kPlanId) + "/" + kTimeKey;
}

}  // namespace plantest

// The skin folder as the program finds it: every file a skin or the code names is there
// with exactly that name, every control the code looks up is in its skin, every skin
// declares the one font list, and the generator draws exactly the committed pictures
// and icon resources.
// Later windows add their rows to the tables.
#include <gtest/gtest.h>

#include <tinyxml2.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kSkin = SKIN_SOURCE_DIR;
// The program's module resources, which the generator draws too.
const fs::path kResources = kSkin.parent_path() / "resources";

// The skins the code loads, and the controls it looks up in each by name.
const struct {
  const char* skin;
  std::vector<std::string> controls;
} kSkins[] = {
    {"message.xml", {"VContext", "YesNo", "mainContain", "close"}},
    {"MessageMultiline.xml", {"VContext", "YesNo", "mainContain", "close"}},
    {"PhotoFeedBackWindow.xml", {"title"}},
    {"BkWindow.xml", {}},
    {"LoadingGifWnd.xml", {"LoadingGifAnim", "lab_context"}},
    {"QR_CodeWndUI.xml", {"btn_close"}},
    {"TimeWndUI.xml", {"listHour", "listMinute", "btnClose", "btnCancel", "btnOk"}},
    {"MainFrameWnd.xml",
     {"label_Time", "label_SchoolName", "btn_close", "btn_min", "btn_logout", "btn_help", "btn_qr_code",
      "btn_userPhoto", "btn_userName", "btn_userIdentityCode", "tabMain", "tabPlan", "tabRouteManagement",
      "tabEquipmentManagement", "tabPeopleManagement", "tabResultManagement", "tabAuthorityManagement", "lab1",
      "lab2", "lab3", "lab4", "lab5", "lab6", "lab7"}},
    {"AlarmWindow.xml", {"lab_AlarmPeople", "lab_AlarmTime", "lab_Alarmpos", "btn_Cam1", "btn_Cam2", "btn_close"}},
    {"PeopleManageWndEx.xml",
     {"list-people", "Comb_PeopleType", "Rich_PeopleFind", "lab_listCounts", "btn_clear", "AddPeopleBtn",
      "RefreshPeopleBtn", "btn_Peoplefind", "btn_prev_page_People", "btn_next_page_People", "page_count_People",
      "current_page_People", "btn_goto_People", "PageShow_People", "hlNoContent"}},
    {"Authority.xml",
     {"list-Authority", "Rich_AuthorityEdit", "lab_AuthoritylistCounts", "btn_clear", "btn_Authorityfind",
      "btn_prev_page_People", "btn_next_page_People", "page_count_People", "current_page_People",
      "btn_goto_People", "PageShow_People", "hlNoContent"}},
    {"CAuthorityWnd.xml", {"AreaNum", "MoudleNum", "TL_Area", "TL_Moudle", "btn_Save", "lab_title", "btn_close",
                           "btn_Cancel"}},
    {"AddPeopleWnd.xml",
     {"TileLayout_AllUser", "TileLayout_SelectedUser", "SelectAll", "Safeck", "healthck", "canteenck",
      "dormitoryck", "teachingck", "deviceck", "fireck", "Rich_PeopleFind", "btn_Peoplefind", "btn_close",
      "btn_Cancel", "btn_Ok"}},
    {"EditPeopleWnd.xml", {"PeopleNamelab", "Safeck", "healthck", "canteenck", "dormitoryck", "teachingck",
                           "deviceck", "fireck", "btn_close", "btn_Cancel", "btn_Ok"}},
    {"CamPlay.xml", {"btn_close"}},
    {"CSmartPlayerWnd.xml", {}},
    {"AddDevicePositionWnd.xml",
     {"lab_title", "Edit_Name", "Edit_code", "Comb_Area", "Comb_Position", "Comb_Cam", "Edit_remark",
      "lb_remark_count", "btn_close", "btn_Cancel", "btn_Ok"}},
    {"AddDeviceWnd.xml",
     {"lab_title", "Btn_AddDevice", "Edit_Device_Code", "Edit_Device_Name", "Btn_AddFingerPrintPeople",
      "Comb_EmergencyContactPerson", "Edit_EmergencyContactPhone", "Comb_VoiceStatus", "Comb_Volume",
      "Comb_CallNotifyMethod", "Btn_InitializeDevice", "Comb_people", "TileLayout_people", "Edit_Device_Server",
      "IPport_CK", "Domain_CK", "HZ_fp", "InitializeDeviceHZ", "Btn_AddFingerPrint", "btn_close", "btn_Cancel",
      "btn_Ok"}},
    {"DeviceManageWndEx.xml",
     {"tabDevice", "tabPositionDevice", "label_DeviceNum", "Rich_DeviceFind", "btn_Devicefind", "AddDeviceBtn",
      "DeviceListManager", "PosDeviceList", "PageShow_Device", "btn_clear", "btn_prev_page_Device",
      "btn_next_page_Device", "page_count_Device", "current_page_Device", "btn_goto_Device", "hlNoContent"}},
    {"AddPlanWnd.xml",
     {"lab_title", "TileLayout_People", "SelectAll", "WorkingDayck", "SelectAllDate", "TimeVtc", "Edit_PlanName",
      "Edit_remark", "Comb_PlanType", "Comb_route", "Comb_Device", "dt_Startdate", "dt_Enddate", "lb_remark_count",
      "Comb_People", "Week1", "Week2", "Week3", "Week4", "Week5", "Week6", "Week7", "btn_close", "btn_Cancel",
      "btn_Ok", "btnAddTime", "btndeleteTime", "btn_Route"}},
    {"AddRouteWnd.xml",
     {"lab_title", "Edit_RouteName", "Comb_RouteType", "Comb_CampusName", "hz_BuildingRoads", "treeArealist", "ie",
      "btn_close", "btn_Cancel", "btn_Ok", "Btn_GoDigitizing"}},
    {"LoginWndUI.xml",
     {"conn_user_id", "conn_user_pwd", "user_id", "user_pwd", "remember_pwd", "forget_pwd", "tip_id", "tip_pwd",
      "tip_check", "btn_close", "btn_login"}},
    {"InputQVBaseAddrWnd.xml", {"QVBaseAddrEdit", "cb_outsideSchool", "check_tips", "CompleteBtn", "CancelBtn", "closebtn"}},
    {"DownWindow.xml", {"lab_path", "btn_find", "Comb_PlanType", "Dayck", "weekck", "monthck", "yearck", "btn_Ok",
                        "btn_Cancel", "btn_close"}},
    {"ResultWndEx.xml", {"tabLayout", "tabResult", "tabRecord", "tablog", "ImportBtn"}},
    {"InspectRecord.xml",
     {"list-Result", "Rich_PlanFind", "Comb_ResultPlanType", "dt_SResultdate", "dt_EResultdate",
      "btn_InspectRecordclear", "InspectRecordFind", "lab_ResultlistCounts", "hlNoInspectRecordContent",
      "PageShow_InspectRecord", "btn_prev_page_InspectRecord", "btn_next_page_InspectRecord",
      "page_count_InspectRecord", "current_page_InspectRecord", "btn_goto_InspectRecord", "ExportInpectRecordBtn"}},
    {"DeviceRecord.xml",
     {"list-Record", "Rich_DeviceFind", "dt_RecordStartdate", "dt_RecordEnddate", "btnStartTime", "btnEndTime",
      "btn_DeviceRecordclear", "btn_DeviceRecordfind", "lab_RecordlistCounts", "hlNoDeviceRecordContent",
      "PageShow_DeviceRecord", "btn_prev_page_DeviceRecord", "btn_next_page_DeviceRecord", "page_count_DeviceRecord",
      "current_page_DeviceRecord", "btn_goto_DeviceRecord", "ExportDeviceRecordBtn"}},
    {"SystemLog.xml",
     {"list-log", "Rich_LogFind", "dt_Startdate", "dt_Enddate", "btn_logclear", "btn_logfind", "lab_loglistCounts",
      "hlNoLogContent", "PageShow_log", "btn_prev_page_log", "btn_next_page_log", "page_count_log", "current_page_log",
      "btn_goto_log"}},
    {"PatrolPlanWndEx.xml",
     {"Comb_PlanType", "Comb_PlanStatus", "MyPlan_CK", "Rich_PlanFind", "TileLayout_plan", "btn_Planclear", "AddPlanBtn",
      "ExportInpectPlanBtn", "btn_Planfind", "lab_PlanCounts", "hlNoContent"}},
    {"Menu.xml", {"menu_EditPlan", "menu_deletePlan", "menu_LookPlan", "menu_ImportPlan"}},
    {"HomePageWndEx.xml",
     {"WkeWeb", "Control1", "Control2", "Comb_Type", "tabToday", "tabWeek", "tabMonth", "tabYear", "DownLoadBtn",
      "label_peopleNum", "label_positionNum", "label_DeviceNum", "label_DevicePlanNum", "label_fireNum",
      "label_healthNum", "label_TestNum", "label_SafeNum", "label_CanteenNum", "label_DormitoryNum",
      "label_TodayPlanNum", "TodayPlantreelist", "HistogramVL", "PiechartVL", "Histogramlab", "Piechartlab"}},
    {"LookPlanWnd.xml",
     {"lab_title", "lab_Type", "lab_people", "lab_route", "lab_Date", "lab_Remark", "list-Curplan", "hide_CK", "ie",
      "AreaHz", "btn_close", "btn_Cancel", "DownLoadBtn", "btn_ExceptionRecord", "taboldplan"}},
    {"ExceptionRecordWnd.xml",
     {"Edit_remark", "TileLayout_ExceptionRecord", "TileLayout_Pic", "btn_Ok", "btn_Add", "addhz", "btn_DownLoad", "hzok",
      "NoContextLab", "textNumberlab", "btn_close", "btn_Cancel"}},
    {"RouteManageWndEx.xml",
     {"Comb_RoutePlanType", "MyRoute_CK", "Rich_RouteFind", "TileLayout_route", "btn_clear", "AddRouteBtn",
      "btn_Routefind", "lab_RouteCounts", "hlNoContent"}},
    {"RouteUI.xml", {"RouteName", "Routetype", "Announcer", "TileLayout_area", "btn_Route"}},
    {"RouteMenu.xml", {"menu_EditRoute", "menu_deleteRoute"}},
};

// The pictures the code names itself (UTF-8, as the file system has them; narrow
// literals are GBK).
const char* const kCodeFiles[] = {
    u8"MessageUI/图标（中）---提示.png",       u8"MessageUI/图标（中）---询问.png",
    u8"MessageUI/图标（中）---操作成功.png",   u8"MessageUI/图标（中）---操作失败.png",
    u8"MessageUI/提示--弹窗背景-red.png",      u8"MessageUI/确定取消原始_26.png",
    u8"MessageUI/确定取消经过.png",            u8"MessageUI/确定取消常态-red.png",
    u8"MessageUI/确定取消经过按下状态-red.png", u8"MessageUI/确定取消常态.png",
    u8"MessageUI/确定取消经过按下状态.png",    u8"ExaminationManagement/浏览原始.png",
    u8"弹窗/滚动条beijng.png",                 u8"弹窗/滚动条原始.png",
    u8"2巡更计划/未打钩原始.png",              u8"2巡更计划/未打钩经过.png",
    u8"2巡更计划/已打勾原始.png",              u8"2巡更计划/已打勾经过.png",
    u8"4设备管理/编辑原始.png",                u8"4设备管理/编辑经过.png",
    u8"1首页/查看.png",                        u8"1首页/查看经过.png",
    u8"5人员管理/删除原始.png",                u8"5人员管理/删除经过.png",
    u8"弹窗/人员背景.png",                     u8"弹窗/删除原始.png",
    u8"弹窗/删除经过.png",
    u8"LoginWnd/账号-hover.png",               u8"LoginWnd/账号-normal.png",
    u8"LoginWnd/账号-error.png",               u8"LoginWnd/密码-hover.png",
    u8"LoginWnd/密码-normal.png",              u8"LoginWnd/密码-error.png",
    u8"4设备管理/删除经过.png",                u8"4设备管理/删除原始.png",
    u8"4设备管理/摄像头.png",                  u8"4设备管理/头像.png",
    u8"4设备管理/删除原始1.png",               u8"4设备管理/删除经过1.png",
    u8"6结果查看/查看经过_41.png",             u8"6结果查看/查看原始.png",
    u8"2巡更计划/已结束背景.png",              u8"2巡更计划/已启用背景.png",
    u8"2巡更计划/未开始背景.png",              u8"2巡更计划/管理员头像拷贝.png",
    u8"2巡更计划/更多原始.png",                u8"2巡更计划/更多经过.png",
    u8"1首页/校园安防.png",                    u8"1首页/设备.png",
    u8"1首页/消防.png",                        u8"Quillmarsh补充切图1015/界面/食堂.png",
    u8"1首页/宿舍检查.png",                    u8"Quillmarsh补充切图1015/界面/清洁卫生_49.png",
    u8"1首页/考试自习.png",
    u8"20211029补充切图/右侧上拉原始拷贝.png", u8"20211029补充切图/右侧上拉经过拷贝.png",
    u8"20211029补充切图/右侧下拉经过.png",     u8"20211029补充切图/右侧下拉原始.png",
    u8"1首页/小标题前面菱形.png",              u8"1首页/校园安防.png",
    u8"1首页/设备.png",                        u8"1首页/消防.png",
    u8"Quillmarsh补充切图1015/界面/食堂.png",  u8"1首页/宿舍检查.png",
    u8"Quillmarsh补充切图1015/界面/清洁卫生_49.png", u8"1首页/考试自习.png",
    u8"Quillmarsh补充切图1015/界面/未开始时间点.png", u8"Quillmarsh补充切图1015/界面/进行中时间点.png",
    u8"Quillmarsh补充切图1015/界面/已结束时间点.png", u8"2巡更计划/具体详情/有故障.png",
    u8"1首页/校园安防.png",                    u8"1首页/设备.png",
    u8"1首页/消防.png",                        u8"Quillmarsh补充切图1015/界面/食堂.png",
    u8"1首页/宿舍检查.png",                    u8"Quillmarsh补充切图1015/界面/清洁卫生_49.png",
    u8"1首页/考试自习.png",                    u8"2巡更计划/具体详情/录像.png",
    u8"Quillmarsh补充切图1015/界面/线路管理未使用背景.png",
    u8"Quillmarsh补充切图1015/界面/线路管理使用中背景.png",
    u8"3巡更线路/巡更点未检查.png",
};

std::vector<fs::path> SkinFiles() {
  std::vector<fs::path> skins;
  for (const fs::directory_entry& entry : fs::directory_iterator(kSkin)) {
    if (entry.path().extension() == ".xml") skins.push_back(entry.path());
  }
  return skins;
}

void Walk(const tinyxml2::XMLElement* element, const std::function<void(const tinyxml2::XMLElement&)>& visit) {
  for (; element != nullptr; element = element->NextSiblingElement()) {
    visit(*element);
    Walk(element->FirstChildElement(), visit);
  }
}

// Every "file='...'" of a value: image descriptions, and the attribute lists of
// styles that hold them.
std::vector<std::string> NamedFiles(const std::string& value) {
  const std::string key = "file='";
  std::vector<std::string> files;
  for (size_t start = value.find(key); start != std::string::npos; start = value.find(key, start + 1)) {
    const size_t end = value.find('\'', start + key.size());
    files.push_back(value.substr(start + key.size(), end - start - key.size()));
  }
  return files;
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string Bytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class SkinFolder : public ::testing::Test {
 protected:
  tinyxml2::XMLDocument& Load(const fs::path& skin) {
    documents_.emplace_back(new tinyxml2::XMLDocument);
    EXPECT_EQ(documents_.back()->LoadFile(skin.string().c_str()), tinyxml2::XML_SUCCESS) << skin;
    return *documents_.back();
  }

 private:
  std::vector<std::unique_ptr<tinyxml2::XMLDocument>> documents_;
};

TEST_F(SkinFolder, EveryFileASkinOrTheCodeNamesIsThereWithThatExactName) {
  std::set<std::string> named(std::begin(kCodeFiles), std::end(kCodeFiles));
  for (const auto& row : kSkins) named.insert(row.skin);
  for (const fs::path& skin : SkinFiles()) {
    Walk(Load(skin).RootElement(), [&](const tinyxml2::XMLElement& element) {
      for (const tinyxml2::XMLAttribute* a = element.FirstAttribute(); a != nullptr; a = a->Next()) {
        const std::vector<std::string> files = NamedFiles(a->Value());
        named.insert(files.begin(), files.end());
        // A picture's bare name.
        if (files.empty() && EndsWith(a->Name(), "image") && *a->Value() != '\0') named.insert(a->Value());
      }
    });
  }
  for (const std::string& file : named) {
    EXPECT_TRUE(fs::is_regular_file(kSkin / fs::u8path(file))) << file;
  }
}

TEST_F(SkinFolder, EveryControlTheCodeLooksUpIsInItsSkin) {
  for (const auto& row : kSkins) {
    std::set<std::string> names;
    Walk(Load(kSkin / row.skin).RootElement(), [&](const tinyxml2::XMLElement& element) {
      if (const char* name = element.Attribute("name")) names.insert(name);
    });
    for (const std::string& control : row.controls) EXPECT_EQ(names.count(control), 1u) << row.skin << ": " << control;
  }
}

TEST_F(SkinFolder, EverySkinDeclaresTheOneFontList) {
  std::vector<std::string> reference;
  for (const fs::path& skin : SkinFiles()) {
    std::vector<std::string> fonts;
    const tinyxml2::XMLElement* root = Load(skin).RootElement();
    for (const tinyxml2::XMLElement* font = root->FirstChildElement("Font"); font != nullptr;
         font = font->NextSiblingElement("Font")) {
      std::string declaration;
      for (const tinyxml2::XMLAttribute* a = font->FirstAttribute(); a != nullptr; a = a->Next()) {
        declaration += std::string(a->Name()) + "=" + a->Value() + " ";
      }
      fonts.push_back(declaration);
    }
    EXPECT_EQ(fonts.size(), 13u) << skin.filename() << ": fonts 0 to 12";
    if (reference.empty()) reference = fonts;
    EXPECT_EQ(fonts, reference) << skin.filename();
  }
}

// Every picture drawn is the committed one, and every committed picture is drawn.
void ExpectSameFolder(const fs::path& drawn, const fs::path& committed) {
  std::set<fs::path> produced;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(drawn)) {
    if (!entry.is_regular_file()) continue;
    const fs::path relative = fs::relative(entry.path(), drawn);
    produced.insert(relative);
    EXPECT_EQ(Bytes(entry.path()), Bytes(committed / relative)) << relative << " differs from the committed picture";
  }
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(committed)) {
    const fs::path extension = entry.path().extension();
    if (extension != ".png" && extension != ".gif") continue;
    EXPECT_EQ(produced.count(fs::relative(entry.path(), committed)), 1u) << entry.path() << " is drawn by nothing";
  }
}

TEST_F(SkinFolder, TheGeneratorDrawsExactlyTheCommittedPictures) {
  const fs::path drawn = fs::temp_directory_path() / ("skin-pictures-" + std::to_string(::getpid()));
  fs::remove_all(drawn);
  const std::string command = "python3 '" + (kSkin / "make-images.py").string() + "' '" + (drawn / "skin").string() +
                              "' '" + (drawn / "resources").string() + "'";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;

  ExpectSameFolder(drawn / "skin", kSkin);
  ExpectSameFolder(drawn / "resources", kResources);
  fs::remove_all(drawn);
}

}  // namespace

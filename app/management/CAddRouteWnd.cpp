#include "app/management/CAddRouteWnd.h"

#include <cstdlib>
#include <mutex>
#include <vector>

#include "CommonTools/Config.h"
#include "CommonTools/Conversions.h"
#include "CommonTools/QueryValue.h"
#include "CommonTools/TextTime.h"
#include "CommonTools/WebAddress.h"
#include "CommonTools/global_singleton.h"
#include "app/shell/SavableText.h"
#include "app/shell/ShellServices.h"
#include "app/shell/ShowMessage.h"
#include "data/DAL_PatrolServer.h"
#include "data/DalLog.h"
#include "data/PlatformUsers.h"
#include "data/StartupCaches.h"
#include "data/SubSystemInfo.h"
#include "ui/controls/CActiveXUI.h"
#include "ui/controls/CCheckBoxUI.h"
#include "ui/controls/CComboUI.h"
#include "ui/controls/CListLabelElementUI.h"
#include "ui/controls/CTreeNodeUI.h"
#include "ui/controls/CTreeViewUI.h"

namespace {

// Route types are the plan type codes 0 to 6.
const int kTypeCount = 7;

SkinUI::CUIString WideOf(const std::string& gbk) { return CommonTools::string_to_cstring(gbk).GetString(); }
std::string Narrow(const SkinUI::CUIString& text) { return CommonTools::cstring_to_string(text.GetData()); }

SkinUI::CCheckBoxUI* AsCheckBox(SkinUI::CControlUI* control) {
  if (control == nullptr || control->GetInterface(L"Option") == nullptr) return nullptr;
  return static_cast<SkinUI::CCheckBoxUI*>(control);
}

bool HasTypeRight(int type) {
  const global_singleton& session = global_singleton::get_const_instance();
  if (session.m_nAllTypes == 1 || session.m_nAllRights == 1) return true;
  return session.m_mapTypes.count(type) != 0;
}

bool LinksCheckpoint(const InspectRouteInfo& route, int buildingId, int checkpointId) {
  const auto area = route.mapArea.find(buildingId);
  if (area == route.mapArea.end()) return false;
  for (const InspectRouteDeviceInfo& link : area->second.listDevice) {
    if (link.iDeviceID == checkpointId) return true;
  }
  return false;
}

SkinUI::CCheckBoxUI* NewTreeBox(LPCTSTR dest) {
  auto* box = new SkinUI::CCheckBoxUI;
  const std::wstring d = dest;
  box->SetAttribute(L"normalimage", (L"file='2巡更计划/未打钩原始.png' dest='" + d + L"'").c_str());
  box->SetAttribute(L"hotimage", (L"file='2巡更计划/未打钩经过.png' dest='" + d + L"'").c_str());
  box->SetAttribute(L"selectedimage", (L"file='2巡更计划/已打勾原始.png' dest='" + d + L"'").c_str());
  box->SetAttribute(L"selectedhotimage", (L"file='2巡更计划/已打勾经过.png' dest='" + d + L"'").c_str());
  box->SetAttribute(L"float", L"true");
  return box;
}

std::vector<InspectPosDeviceInfo> CachedCheckpoints() {
  std::vector<InspectPosDeviceInfo> checkpoints;
  std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
  for (const auto& entry : g_mapInspectPosDevice) checkpoints.push_back(entry.second);
  return checkpoints;
}

}  // namespace

CAddRouteWnd::CAddRouteWnd(int mode) : m_nMode(mode) {}

LPCTSTR CAddRouteWnd::GetWindowClassName() const { return L"AddRouteWnd"; }

SkinUI::CUIString CAddRouteWnd::GetSkinXmlName() const { return L"AddRouteWnd.xml"; }

void CAddRouteWnd::OnSkinBuilt() {
  m_pTitle = m_pm.FindControl(L"lab_title");
  m_pName = m_pm.FindControl(L"Edit_RouteName");
  SkinUI::CControlUI* type = m_pm.FindControl(L"Comb_RouteType");
  m_pType = type == nullptr ? nullptr : static_cast<SkinUI::CComboUI*>(type->GetInterface(L"Combo"));
  SkinUI::CControlUI* campus = m_pm.FindControl(L"Comb_CampusName");
  m_pCampus = campus == nullptr ? nullptr : static_cast<SkinUI::CComboUI*>(campus->GetInterface(L"Combo"));
  SkinUI::CControlUI* buildings = m_pm.FindControl(L"hz_BuildingRoads");
  m_pBuildings = buildings == nullptr ? nullptr : static_cast<SkinUI::CContainerUI*>(buildings->GetInterface(L"Container"));
  SkinUI::CControlUI* tree = m_pm.FindControl(L"treeArealist");
  m_pTree = tree == nullptr ? nullptr : static_cast<SkinUI::CTreeViewUI*>(tree->GetInterface(L"TreeView"));
  SkinUI::CControlUI* host = m_pm.FindControl(L"ie");
  m_pBrowserHost = host == nullptr ? nullptr : static_cast<SkinUI::CActiveXUI*>(host->GetInterface(L"ActiveX"));
  if (m_nMode == 2 && m_pTitle != nullptr) m_pTitle->SetText(L"编辑路线");
  if (m_pBrowserHost != nullptr) {
    m_pBrowserHost->SetDelayCreate(false);
    if (m_pBrowserHost->CreateControlByClsid(CLSID_WebBrowser)) {
      m_pBrowserHost->QueryControl(IID_IWebBrowser2, m_pBrowser.PutVoid());
    }
  }
  if (m_nMode == 1) FillCampusCombo();
}

void CAddRouteWnd::FillCampusCombo() {
  if (m_pCampus == nullptr) return;
  m_pCampus->RemoveAll();
  int selected = 0;
  int row = 0;
  for (const auto& entry : g_mapCampus) {
    auto* item = new SkinUI::CListLabelElementUI;
    const SkinUI::CUIString name = WideOf(entry.second.campusName);
    item->SetAttribute(L"text", name.GetData());
    item->SetToolTip(name.GetData());
    item->SetAttribute(L"align", L"center");
    item->SetAttribute(L"textcolor", L"#EFFFFF");
    item->SetFixedHeight(30);
    m_pCampus->Add(item);
    if (entry.first == m_route.iCampusID) selected = row;
    ++row;
  }
  if (row > 0) m_pCampus->SelectItem(selected, false);
}

void CAddRouteWnd::LoadRoute(InspectRouteInfo route) {
  m_route = std::move(route);
  const SkinUI::CUIString name = WideOf(m_route.strName);
  if (m_pName != nullptr) {
    m_pName->SetText(name.GetData());
    m_pName->SetToolTip(name.GetData());
  }
  if (m_pType != nullptr) m_pType->SelectItem(m_route.iType, false);
  FillCampusCombo();
}

void CAddRouteWnd::OnCampusSelected() {
  if (m_pCampus == nullptr) return;
  const std::string text = Narrow(m_pCampus->GetText());
  for (const auto& entry : g_mapCampus) {
    if (entry.second.campusName != text) continue;
    m_listArea = entry.second.listArea;
    break;
  }
  BuildAreaTree();
}

void CAddRouteWnd::BuildAreaTree() {
  if (m_pTree == nullptr) return;
  m_pTree->RemoveAll();
  if (m_listArea.empty()) m_nCampusId = -1;
  for (const DigiAreaInfo& building : m_listArea) {
    m_nCampusId = building.campusId;
    auto* node = new SkinUI::CTreeNodeUI;
    const SkinUI::CUIString buildingName = WideOf(building.buildingName);
    node->SetItemText(buildingName.GetData());
    node->SetToolTip(buildingName.GetData());
    node->SetAttribute(L"height", L"35");
    node->SetAttribute(L"padding", L"5,15,0,0");
    node->SetAttribute(L"itemattr", L"padding=\"33,7,10,0\" width=\"180\" align=\"left\" font=\"0\"");
    node->SetAttribute(L"folderattr",
                       L"padding=\"0,5,5,0\" width=\"26\" height=\"26\" "
                       L"normalimage=\"file='20211029补充切图/右侧上拉原始拷贝.png' dest='0,10,14,17'\" "
                       L"selectedimage=\"file='20211029补充切图/右侧下拉原始.png' dest='0,10,14,17'\"");
    node->SetAttribute(L"itemtextcolor", L"0xffffffff");
    node->SetAttribute(L"itemhottextcolor", L"0xffECF319");
    node->SetAttribute(L"selitemtextcolor", L"0xffECF319");
    SkinUI::CCheckBoxUI* areaBox = NewTreeBox(L"2,8,18,24");
    areaBox->SetAttribute(L"width", L"20");
    areaBox->SetAttribute(L"height", L"35");
    areaBox->SetAttribute(L"pos", L"10,2,0,0");
    areaBox->SetName(L"area_ck");
    areaBox->SetUserData(std::to_wstring(building.buildingId).c_str());
    node->Add(areaBox);
    const auto floors = DAL_PatrolServer().DAL_InspectPosDevice_GetByAreaID(building.buildingId);
    if (floors.empty()) {
      delete node;
      continue;
    }
    m_pTree->AddNode(node);
    for (const auto& floor : floors) {
      for (const InspectPosDeviceInfo& checkpoint : floor.second) {
        auto* child = new SkinUI::CTreeNodeUI;
        const SkinUI::CUIString text =
            WideOf(checkpoint.strName + "_" + std::to_string(checkpoint.ifloor) + "层");
        child->SetItemText(text.GetData());
        child->SetToolTip(text.GetData());
        child->SetAttribute(L"height", L"35");
        child->SetAttribute(L"folderattr", L"padding=\"5,10,0,0\"  width=\"180\" height=\"2\"");
        child->SetAttribute(L"itemattr",
                            L"padding=\"40,10,0,0\" itemendellipsis=\"true\" width=\"180\" align=\"left\" font=\"0\"");
        child->SetAttribute(L"itemtextcolor", L"0xffffffff");
        child->SetAttribute(L"itemhottextcolor", L"0xffECF319");
        child->SetAttribute(L"selitemtextcolor", L"0xffECF319");
        node->AddChildNode(child);
        SkinUI::CCheckBoxUI* box = NewTreeBox(L"2,6,18,22");
        box->SetAttribute(L"width", L"30");
        box->SetAttribute(L"height", L"35");
        box->SetAttribute(L"pos", L"35,8,0,0");
        box->SetName((L"pos_" + std::to_wstring(checkpoint.iID)).c_str());
        box->SetCheck(LinksCheckpoint(m_route, building.buildingId, checkpoint.iID));
        child->Add(box);
      }
    }
  }
  ShowMapPage();
}

void CAddRouteWnd::ShowMapPage() {
  if (!m_pBrowser) return;
  const std::wstring folder = CommonTools::get_exe_dir();
  const std::wstring page = folder + L"\\InspectRecord\\index.html";
  if (!::PathFileExistsW(page.c_str())) {
    DalLog::TextLine("未发现InspectRecord\\index.html: " + CommonTools::wstring_to_string(page) + "\n");
    return;
  }
  const global_singleton& session = global_singleton::get_const_instance();
  // Before its first save a new route has no id; the page is told -1.
  const int routeId = m_nMode == 1 && m_route.iID <= 0 ? -1 : m_route.iID;
  const std::string query = "?token=" + CommonTools::query_value(session.m_userInfo.strToken) +
                            "&userID=" + CommonTools::query_value(session.m_userInfo.strUserID) +
                            "&campusId=" + std::to_string(m_nCampusId) + "&InspectRecordID=" +
                            std::to_string(routeId) + "&Date=2021-10-26&width=900&height=610&Type=" +
                            (m_nMode == 1 ? "4" : "3") + "&QVBaseAddr=" + CommonTools::query_value(session.m_strServerAddr);
  const std::wstring url = page + WideOf(query).GetData();
  BSTR text = ::SysAllocString(url.c_str());
  m_pBrowser->Navigate(text, nullptr, nullptr, nullptr, nullptr);
  ::SysFreeString(text);
}

void CAddRouteWnd::Notify(SkinUI::UINotifyRecord& msg) {
  if (msg.pSender == nullptr) return;
  const SkinUI::CUIString name = msg.pSender->GetName();
  if (msg.sType == L"itemselect" && name == L"Comb_CampusName") {
    OnCampusSelected();
    return;
  }
  if (msg.sType != L"click") return;
  if (name == L"btn_close" || name == L"btn_Cancel") {
    if (m_pBuildings != nullptr) m_pBuildings->RemoveAll();
    Close(2);
  } else if (name == L"btn_Ok") {
    if (Save()) Close(1);
  } else if (name == L"Btn_GoDigitizing") {
    GoDigitizing();
  } else if (name == L"area_ck") {
    TickBuilding(msg.pSender);
  }
}

void CAddRouteWnd::TickBuilding(SkinUI::CControlUI* box) {
  SkinUI::CCheckBoxUI* areaBox = AsCheckBox(box);
  if (areaBox == nullptr) return;
  // The box toggles after this notification: its new state is the opposite of now.
  const bool tick = !areaBox->IsSelected();
  const int buildingId = std::atoi(Narrow(areaBox->GetUserData()).c_str());
  for (const auto& floor : DAL_PatrolServer().DAL_InspectPosDevice_GetByAreaID(buildingId)) {
    for (const InspectPosDeviceInfo& checkpoint : floor.second) {
      SkinUI::CCheckBoxUI* pos = AsCheckBox(m_pm.FindControl((L"pos_" + std::to_wstring(checkpoint.iID)).c_str()));
      if (pos != nullptr) pos->SetCheck(tick);
    }
  }
}

void CAddRouteWnd::GoDigitizing() {
  const global_singleton& session = global_singleton::get_const_instance();
  const std::string address = GetSubSystemInfo("E01");
  const auto identities = GetUsersIdentityCode(session.m_userInfo.strToken, session.m_userInfo.strUserID, "");
  const std::string identity = identities.empty() ? "" : identities.front().IdentityCode;
  if (address.empty() || identity.empty()) {
    if (g_pFeedBackWnd != nullptr) ShowToast(L"获取Brenholt地址失败", 3);
    return;
  }
  // The token goes only to a web page: any other scheme would hand it to whatever
  // program the desktop runs for that scheme.
  if (!CommonTools::is_web_address(address)) {
    DalLog::TextLine("数字校园地址不是网页地址，未打开: " + address + "\n");
    if (g_pFeedBackWnd != nullptr) ShowToast(L"跳转Brenholt失败", 3);
    return;
  }
  const std::string url =
      address + "?qv_tk=" + CommonTools::query_value(session.m_userInfo.strToken) + "&qv_ic=" + CommonTools::query_value(identity);
  const HINSTANCE result = ::ShellExecuteW(nullptr, L"open", WideOf(url).GetData(), nullptr, nullptr, SW_SHOW);
  if (reinterpret_cast<INT_PTR>(result) <= 32 && g_pFeedBackWnd != nullptr) ShowToast(L"跳转Brenholt失败", 3);
}

bool CAddRouteWnd::Save() {
  const std::string name = m_pName == nullptr ? "" : Narrow(m_pName->GetText());
  if (name.empty()) {
    ShowMessage(L"线路名称不能为空!", m_hWnd, 1);
    return false;
  }
  if (!CheckSavableTexts(m_hWnd, {m_pName})) return false;
  // A route stored without one of the seven types shows under none of them.
  const int type = m_pType == nullptr ? -1 : m_pType->GetCurSel();
  if (type < 0 || type >= kTypeCount) {
    ShowMessage(L"请选择线路类型!", m_hWnd, 1);
    return false;
  }
  if (!HasTypeRight(type)) {
    ShowMessage(L"您不具有该类型权限,\r\n请联系超级管理员分配该计划类型权限!", m_hWnd, 1);
    return false;
  }
  if (!WriteRoute(name, type)) {
    ShowMessage(m_nMode == 1 ? L"添加失败!" : L"编辑失败!", m_hWnd, 7);
    return false;
  }
  const int failed = WriteLinks();
  if (m_nMode == 1) {
    g_mapInspectRoute.emplace(m_route.iID, m_route);
  } else {
    g_mapInspectRoute[m_route.iID] = m_route;
  }
  // The route is stored either way: staying open would let a second press add it again.
  if (failed > 0) ShowMessage(L"巡更点保存失败，请重新编辑路线!", m_hWnd, 7);
  return true;
}

bool CAddRouteWnd::WriteRoute(const std::string& name, int type) {
  DAL_PatrolServer server;
  if (m_nMode == 1) {
    const int id = server.DAL_InspectRoute_Add(name, type);
    if (id <= 0) return false;
    const global_singleton& session = global_singleton::get_const_instance();
    m_route.iID = id;
    m_route.strAnnouncerID = session.m_userInfo.strUserID;
    m_route.strAnnouncerName = session.m_userInfo.strUserName;
    m_route.strReserve = CommonTools::now_text();
  } else {
    const int result =
        server.DAL_InspectRoute_Update(m_route.iID, name, type, m_route.strAnnouncerID, m_route.strReserve);
    if (result <= 0) return false;
  }
  m_route.strName = name;
  m_route.iType = type;
  return true;
}

int CAddRouteWnd::WriteLinks() {
  DAL_PatrolServer server;
  server.DAL_InspectRouteDevice_Delete(m_route.iID);
  m_route.mapArea.clear();
  int failed = 0;
  for (const InspectPosDeviceInfo& checkpoint : CachedCheckpoints()) {
    SkinUI::CCheckBoxUI* box = AsCheckBox(m_pm.FindControl((L"pos_" + std::to_wstring(checkpoint.iID)).c_str()));
    if (box == nullptr || !box->IsSelected()) continue;
    if (server.DAL_InspectRouteDevice_Add(m_route.iID, checkpoint.iID) <= 0) {
      DalLog::TextLine("[DAL_InspectRouteDevice_Add]出错\n");
      ++failed;
      continue;
    }
    InspectRouteDeviceInfo link;
    link.iDeviceID = checkpoint.iID;
    link.strDeviceName = checkpoint.strName;
    link.strCode = checkpoint.strCode;
    link.CamName = checkpoint.strCamName;
    link.CamIp = checkpoint.strCamIp;
    link.CamAccount = checkpoint.strCamAccount;
    link.CamPassword = checkpoint.strCamPassword;
    link.CamPort = checkpoint.CamPort;
    auto area = m_route.mapArea.find(checkpoint.iAreaID);
    if (area == m_route.mapArea.end()) {
      RouteAreaInfo fresh;
      const auto building = g_mapDigiArea.find(checkpoint.iAreaID);
      if (building != g_mapDigiArea.end()) {
        fresh.buildingId = building->second.buildingId;
        fresh.buildingName = building->second.buildingName;
        fresh.flag = building->second.flag;
        fresh.buildingType = building->second.buildingType;
        fresh.floorNumber = building->second.floorNumber;
      }
      area = m_route.mapArea.emplace(checkpoint.iAreaID, fresh).first;
    }
    area->second.listDevice.push_back(link);
  }
  return failed;
}

#include "app/management/CPatrolRouteUI.h"

#include <algorithm>
#include <cwchar>
#include <mutex>
#include <string>

#include "data/StartupCaches.h"
#include "platform/base/CodePage.h"
#include "ui/controls/CLabelUI.h"
#include "ui/core/builder/CDialogBuilder.h"
#include "ui/core/control/CHorizontalLayoutUI.h"
#include "ui/core/control/CTileLayoutUI.h"
#include "ui/core/control/UIEventRecord.h"

namespace {

const int kNameWidthPerByte = 9;
const int kNameMaxWidth = 150;
const int kAreaColumns = 5;

// The type icon's picture; the plan card places types 1 to 3 elsewhere.
const wchar_t* TypeIcon(int type) {
  switch (type) {
    case 0: return L"file='1首页/校园安防.png'";
    case 1: return L"file='1首页/设备.png' dest='8,0,38,15'";
    case 2: return L"file='1首页/消防.png' dest='8,0,38,15'";
    case 3: return L"file='Quillmarsh补充切图1015/界面/食堂.png' dest='9,0,41,15'";
    case 4: return L"file='1首页/宿舍检查.png'";
    case 5: return L"file='Quillmarsh补充切图1015/界面/清洁卫生_49.png'";
    case 6: return L"file='1首页/考试自习.png'";
    default: return L"";
  }
}

std::wstring Wide(const std::string& gbk) { return platform::codepage::GbkToWide(gbk); }

SkinUI::CControlUI* CALLBACK FindByName(SkinUI::CControlUI* control, LPVOID name) {
  return std::wcscmp(control->GetName().GetData(), static_cast<const wchar_t*>(name)) == 0 ? control : nullptr;
}

SkinUI::CControlUI* Part(SkinUI::CControlUI* root, const wchar_t* name) {
  return root->FindControl(&FindByName, const_cast<wchar_t*>(name), SkinUI::UIFIND_ALL);
}

void SetTextAndTip(SkinUI::CControlUI* control, const std::wstring& text) {
  control->SetText(text.c_str());
  control->SetToolTip(text.c_str());
}

}  // namespace

const wchar_t* const CPatrolRouteUI::kUsedBackground = L"file='Quillmarsh补充切图1015/界面/线路管理使用中背景.png'";
const wchar_t* const CPatrolRouteUI::kUnusedBackground = L"file='Quillmarsh补充切图1015/界面/线路管理未使用背景.png'";

CPatrolRouteUI::CPatrolRouteUI(const InspectRouteInfo& route) {
  SetFixedWidth(CARD_WIDTH);
  SetFixedHeight(CARD_HEIGHT);
  Build();
  ShowRoute(route);
}

void CPatrolRouteUI::ShowRoute(const InspectRouteInfo& route) {
  m_route = route;
  if (m_pName != nullptr) {
    m_pName->SetFixedWidth(std::min(kNameWidthPerByte * static_cast<int>(m_route.strName.size()), kNameMaxWidth));
    SetTextAndTip(m_pName, Wide(m_route.strName));
    m_pType->SetAttribute(L"bkimage", TypeIcon(m_route.iType));
    SetTextAndTip(m_pAnnouncer, Wide(m_route.strAnnouncerName));
    m_pAreas->RemoveAll();
    for (const auto& area : m_route.mapArea) AddAreaRow(m_pAreas, area.second);
    if (m_pMenu != nullptr) m_pMenu->SetUserData(std::to_wstring(m_route.iID).c_str());
  }
  SetBkImage(IsUsedByAnyPlan(m_route.iID) ? kUsedBackground : kUnusedBackground);
}

// The plans are shared with the broker's thread.
bool CPatrolRouteUI::IsUsedByAnyPlan(int routeId) {
  std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
  return std::any_of(g_mapInspectPlan.begin(), g_mapInspectPlan.end(),
                     [routeId](const auto& plan) { return plan.second.iRouteID == routeId; });
}

bool CPatrolRouteUI::Build() {
  SkinUI::CDialogBuilder builder;
  SkinUI::CControlUI* content = builder.Create(L"RouteUI.xml");
  if (content == nullptr) return false;
  SkinUI::CControlUI* name = Part(content, L"RouteName");
  SkinUI::CControlUI* type = Part(content, L"Routetype");
  SkinUI::CControlUI* announcer = Part(content, L"Announcer");
  SkinUI::CControlUI* areaControl = Part(content, L"TileLayout_area");
  auto* areas = areaControl == nullptr ? nullptr
                                       : static_cast<SkinUI::CContainerUI*>(areaControl->GetInterface(L"Container"));
  if (name == nullptr || type == nullptr || announcer == nullptr || areas == nullptr) {
    delete content;
    return false;
  }
  Add(content);
  m_pName = name;
  m_pType = type;
  m_pAnnouncer = announcer;
  m_pAreas = areas;
  m_pMenu = Part(content, L"btn_Route");
  return true;
}

// The building's name, then five squares a row, one a checkpoint.
void CPatrolRouteUI::AddAreaRow(SkinUI::CContainerUI* areas, const RouteAreaInfo& area) {
  auto* row = new SkinUI::CHorizontalLayoutUI;
  row->SetAttributeList(L"height=\"30\"");
  row->SetAttributeList(L"width=\"240\"");
  auto* building = new SkinUI::CLabelUI;
  building->SetFixedWidth(70);
  building->SetFixedHeight(30);
  building->SetPadding(RECT{20, 0, 0, 0});
  SetTextAndTip(building, Wide(area.buildingName));
  building->SetAttribute(L"align", L"left");
  building->SetAttribute(L"textpadding", L"0,-5,0,0");
  building->SetAttribute(L"endellipsis", L"true");
  building->SetAttribute(L"textcolor", L"#FFFFFFFF");
  building->SetAttribute(L"font", L"4");
  row->Add(building);
  auto* checkpoints = new SkinUI::CTileLayoutUI;
  checkpoints->SetColumns(kAreaColumns);
  checkpoints->SetAttribute(L"height", L"26");
  checkpoints->SetAttribute(L"width", L"160");
  checkpoints->SetAttribute(L"vscrollbarstyle", L"width=\"6\"");
  for (const InspectRouteDeviceInfo& link : area.listDevice) {
    auto* square = new SkinUI::CLabelUI;
    square->SetFixedWidth(26);
    square->SetFixedHeight(26);
    square->SetPadding(RECT{5, 0, 0, 0});
    square->SetToolTip(Wide(link.strDeviceName).c_str());
    square->SetAttribute(L"bkimage", L"file='3巡更线路/巡更点未检查.png'");
    checkpoints->Add(square);
  }
  row->Add(checkpoints);
  areas->Add(row);
}

// The menu opens once the press is over: the page hears of it by a posted message.
void CPatrolRouteUI::HandleEvent(SkinUI::UIEventRecord& event) {
  if (event.Type == SkinUI::UIEVENT_BUTTONDOWN && event.pSender != nullptr &&
      event.pSender->GetName() == L"btn_Route" && m_hwndPage != nullptr) {
    const LPARAM id = std::wcstol(event.pSender->GetUserData().GetData(), nullptr, 10);
    ::PostMessageW(m_hwndPage, WM_ROUTEMENU, 0, id);
  }
  SkinUI::CVerticalLayoutUI::HandleEvent(event);
}

#include "app/management/CPatrolPlanUI.h"

#include <algorithm>
#include <string>

#include "platform/base/CodePage.h"
#include "ui/controls/CButtonUI.h"
#include "ui/controls/CLabelUI.h"
#include "ui/core/control/CHorizontalLayoutUI.h"

namespace {

using platform::codepage::GbkToWide;

const wchar_t* const kWeekdays[7] = {L"周一", L"周二", L"周三", L"周四", L"周五", L"周六", L"周日"};
const int kMaxNameWidth = 150;
const int kPixelsPerNameByte = 9;

// "MM-DD" of a "YYYY-MM-DD" date; a shorter text is shown whole.
std::wstring MonthAndDay(const std::string& date) {
  if (date.size() < 10) return GbkToWide(date);
  return GbkToWide(date.substr(5, 5));
}

std::wstring WeekdayWords(const std::string& mask) {
  std::wstring words;
  for (size_t i = 0; i < mask.size() && i < 7; ++i) {
    if (mask[i] != '1') continue;
    if (!words.empty()) words += L",";
    words += kWeekdays[i];
  }
  return words;
}

std::wstring PeopleNames(const InspectPlanInfo& plan) {
  std::wstring names;
  for (const PlanPeopleInfo& person : plan.listPeople) {
    if (!names.empty()) names += L"、";
    names += GbkToWide(person.strName);
  }
  return names;
}

std::wstring SlotsText(const InspectPlanInfo& plan) {
  std::wstring text = GbkToWide(plan.strTime);
  std::replace(text.begin(), text.end(), L'&', L' ');
  return text;
}

LPCTSTR StatusBackground(int status) {
  switch (status) {
    case 3: return L"file='2巡更计划/已结束背景.png'";
    case 2: return L"file='2巡更计划/已启用背景.png'";
    case 1: return L"file='2巡更计划/未开始背景.png'";
    default: return L"";
  }
}

LPCTSTR TypeIcon(int type) {
  switch (type) {
    case 0: return L"file='1首页/校园安防.png'";
    case 1: return L"file='1首页/设备.png' dest='0,0,30,15'";
    case 2: return L"file='1首页/消防.png' dest='0,0,30,15'";
    case 3: return L"file='Quillmarsh补充切图1015/界面/食堂.png' dest='0,0,32,15'";
    case 4: return L"file='1首页/宿舍检查.png'";
    case 5: return L"file='Quillmarsh补充切图1015/界面/清洁卫生_49.png'";
    case 6: return L"file='1首页/考试自习.png'";
    default: return L"";
  }
}

SkinUI::CHorizontalLayoutUI* Row(RECT padding) {
  auto* row = new SkinUI::CHorizontalLayoutUI;
  row->SetPadding(padding);
  row->SetFixedHeight(30);
  return row;
}

SkinUI::CLabelUI* Caption(LPCTSTR text) {
  auto* caption = new SkinUI::CLabelUI;
  caption->SetFixedWidth(70);
  caption->SetFixedHeight(30);
  caption->SetAttribute(L"align", L"right");
  caption->SetTextColor(0xFF41E0E1);
  caption->SetFont(4);
  caption->SetText(text);
  return caption;
}

SkinUI::CLabelUI* Value(int width, RECT padding, int font = 4) {
  auto* value = new SkinUI::CLabelUI;
  value->SetFixedWidth(width);
  value->SetFixedHeight(30);
  value->SetPadding(padding);
  value->SetTextColor(0xFFFFFFFF);
  value->SetFont(font);
  value->SetAttribute(L"endellipsis", L"true");
  return value;
}

void ShowText(SkinUI::CControlUI* control, const std::wstring& text, const std::wstring& tip) {
  control->SetText(text.c_str());
  control->SetToolTip(tip.c_str());
}

SkinUI::CControlUI* PersonIcon() {
  auto* icon = new SkinUI::CControlUI;
  icon->SetFixedWidth(24);
  icon->SetFixedHeight(24);
  icon->SetPadding(RECT{5, 3, 0, 0});
  icon->SetBkImage(L"2巡更计划/管理员头像拷贝.png");
  return icon;
}

}  // namespace

CPatrolPlanUI::CPatrolPlanUI(const InspectPlanInfo& plan) {
  SetFixedWidth(CARD_WIDTH);
  SetFixedHeight(CARD_HEIGHT);
  AddMenuButton();
  AddNameRow();
  AddRouteRow();
  AddPeopleRows();
  AddDatesRow();
  AddSlotsRow();
  ShowPlan(plan);
}

void CPatrolPlanUI::ShowPlan(const InspectPlanInfo& plan) {
  m_plan = plan;
  SetBkImage(StatusBackground(m_plan.iPlanState));
  m_pMenu->SetUserData(std::to_wstring(m_plan.iID).c_str());
  const std::wstring name = GbkToWide(m_plan.strName);
  ShowText(m_pName, name, name);
  m_pName->SetFixedWidth(std::min(kPixelsPerNameByte * static_cast<int>(m_plan.strName.size()), kMaxNameWidth));
  m_pType->SetBkImage(TypeIcon(m_plan.iType));
  const std::wstring route = GbkToWide(m_plan.strRouteName);
  ShowText(m_pRoute, route, route);
  const std::wstring announcer = GbkToWide(m_plan.strAnnouncerName);
  ShowText(m_pAnnouncer, announcer, announcer);
  const std::wstring people = PeopleNames(m_plan);
  ShowText(m_pPeople, people, people);
  const std::wstring words = WeekdayWords(m_plan.strWeek);
  ShowText(m_pDates, MonthAndDay(m_plan.strStartDate) + L"~" + MonthAndDay(m_plan.strEndDate) + L" " + words,
           GbkToWide(m_plan.strStartDate) + L"-" + GbkToWide(m_plan.strEndDate) + L" " + words);
  const std::wstring slots = SlotsText(m_plan);
  ShowText(m_pSlots, slots, slots);
}

// The menu button sits at the card's top right, above the rows.
void CPatrolPlanUI::AddMenuButton() {
  auto* button = new SkinUI::CButtonUI;
  button->SetAttributeList(L"tooltip=\"菜单\" name=\"btn_Plan\" width=\"18\" height=\"4\" ");
  button->SetNormalImage(L"2巡更计划/更多原始.png");
  button->SetHotImage(L"2巡更计划/更多经过.png");
  button->SetPadding(RECT{290, 5, 0, 0});
  Add(button);
  m_pMenu = button;
}

void CPatrolPlanUI::AddNameRow() {
  auto* row = new SkinUI::CHorizontalLayoutUI;
  row->SetAttributeList(L"height=\"40\"");
  row->Add(new SkinUI::CControlUI);
  m_pName = new SkinUI::CLabelUI;
  m_pName->SetAttributeList(
      L"name=\"PlanName\" textcolor=\"0xffffffff\" padding=\"0,23,0,0\" endellipsis=\"true\" align=\"right\" font=\"0\"");
  row->Add(m_pName);
  m_pType = new SkinUI::CControlUI;
  m_pType->SetFixedWidth(54);
  m_pType->SetFixedHeight(15);
  m_pType->SetPadding(RECT{5, 25, 0, 0});
  row->Add(m_pType);
  row->Add(new SkinUI::CControlUI);
  Add(row);
}

void CPatrolPlanUI::AddRouteRow() {
  SkinUI::CHorizontalLayoutUI* row = Row(RECT{15, 20, 0, 0});
  row->Add(Caption(L"巡更线路:"));
  m_pRoute = Value(220, RECT{5, 0, 0, 0});
  row->Add(m_pRoute);
  Add(row);
}

void CPatrolPlanUI::AddPeopleRows() {
  SkinUI::CHorizontalLayoutUI* announcer = Row(RECT{15, 0, 0, 0});
  announcer->Add(Caption(L"发布人:"));
  announcer->Add(PersonIcon());
  m_pAnnouncer = Value(200, RECT{3, 0, 0, 0});
  announcer->Add(m_pAnnouncer);
  Add(announcer);
  SkinUI::CHorizontalLayoutUI* people = Row(RECT{15, 0, 0, 0});
  people->Add(Caption(L"巡更人员:"));
  people->Add(PersonIcon());
  m_pPeople = Value(200, RECT{3, 0, 0, 0});
  people->Add(m_pPeople);
  Add(people);
}

void CPatrolPlanUI::AddDatesRow() {
  SkinUI::CHorizontalLayoutUI* row = Row(RECT{15, 0, 0, 0});
  row->Add(Caption(L"巡更时间:"));
  m_pDates = Value(210, RECT{5, 0, 0, 0});
  row->Add(m_pDates);
  Add(row);
}

void CPatrolPlanUI::AddSlotsRow() {
  SkinUI::CHorizontalLayoutUI* row = Row(RECT{90, 0, 0, 0});
  m_pSlots = Value(210, RECT{0, 0, 0, 0}, 0);
  row->Add(m_pSlots);
  Add(row);
}

void CPatrolPlanUI::HandleEvent(SkinUI::UIEventRecord& event) {
  if (event.Type == SkinUI::UIEVENT_BUTTONDOWN && event.pSender != nullptr &&
      event.pSender->GetName() == L"btn_Plan" && m_hwndPage != nullptr) {
    // Posted, so that the menu opens once the click has been handled.
    const LPARAM plan = _wtoi(event.pSender->GetUserData().GetData());
    ::PostMessageW(m_hwndPage, WM_PLANMENU, 0, plan);
  }
  SkinUI::CVerticalLayoutUI::HandleEvent(event);
}

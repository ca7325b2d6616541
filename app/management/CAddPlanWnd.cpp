#include "app/management/CAddPlanWnd.h"

#include <algorithm>
#include <cstdio>

#include "CommonTools/Conversions.h"
#include "app/management/CAddRouteWnd.h"
#include "app/management/PlanSaver.h"
#include "app/shell/SavableText.h"
#include "app/shell/ShowTimePicker.h"
#include "app/shell/ShellServices.h"
#include "app/shell/ShowMessage.h"
#include "data/DAL_PatrolServer.h"
#include "data/StartupCaches.h"
#include "ui/controls/CButtonUI.h"
#include "ui/controls/CCheckBoxUI.h"
#include "ui/controls/CComboUI.h"
#include "ui/controls/CLabelUI.h"
#include "ui/controls/CListLabelElementUI.h"
#include "ui/core/control/CHorizontalLayoutUI.h"
#include "ui/core/control/CTileLayoutUI.h"

namespace {

const int kMaxSlots = 6;
const int kSlotRowHeight = 40;
const int kSlotRowsShown = 3;

template <class T>
T* Find(SkinUI::CWindowManagerUI& manager, LPCTSTR name, LPCTSTR iface) {
  SkinUI::CControlUI* control = manager.FindControl(name);
  return control == nullptr ? nullptr : static_cast<T*>(control->GetInterface(iface));
}

SkinUI::CCheckBoxUI* AsCheckBox(SkinUI::CControlUI* control) {
  if (control == nullptr || control->GetInterface(L"Option") == nullptr) return nullptr;
  return static_cast<SkinUI::CCheckBoxUI*>(control);
}

std::string Narrow(const SkinUI::CUIString& text) { return CommonTools::cstring_to_string(text.GetData()); }
SkinUI::CUIString WideOf(const std::string& gbk) { return CommonTools::string_to_cstring(gbk).GetString(); }

// The person's types as "%07d": position p (1-based) holds "1" for type p - 1.
bool HasType(const PeopleInfo& person, int position) {
  char mask[16] = {0};
  std::snprintf(mask, sizeof mask, "%07d", person.iGroup);
  return position >= 1 && position <= 7 && mask[position - 1] == '1';
}

SkinUI::CUIString Numbered(LPCTSTR prefix, int n) {
  SkinUI::CUIString text;
  text.Format(L"%s%d", prefix, n);
  return text;
}

}  // namespace

CAddPlanWnd::CAddPlanWnd(int mode) : m_nMode(mode) {}

LPCTSTR CAddPlanWnd::GetWindowClassName() const { return L"AddPlanWnd"; }

SkinUI::CUIString CAddPlanWnd::GetSkinXmlName() const { return L"AddPlanWnd.xml"; }

void CAddPlanWnd::OnSkinBuilt() {
  if (m_nMode == 2) {
    if (SkinUI::CControlUI* title = m_pm.FindControl(L"lab_title")) title->SetText(L"编辑计划");
  }
  m_listPeople = DAL_PatrolServer().DAL_People_Get();
  m_pPeople = Find<SkinUI::CTileLayoutUI>(m_pm, L"TileLayout_People", L"TileLayout");
  m_pSelectAll = AsCheckBox(m_pm.FindControl(L"SelectAll"));
  m_pWorkingDays = AsCheckBox(m_pm.FindControl(L"WorkingDayck"));
  m_pEveryDay = AsCheckBox(m_pm.FindControl(L"SelectAllDate"));
  m_pTimeSlots = Find<SkinUI::CContainerUI>(m_pm, L"TimeVtc", L"Container");
  m_pName = m_pm.FindControl(L"Edit_PlanName");
  m_pRemark = m_pm.FindControl(L"Edit_remark");
  m_pType = Find<SkinUI::CComboUI>(m_pm, L"Comb_PlanType", L"Combo");
  m_pRoute = Find<SkinUI::CComboUI>(m_pm, L"Comb_route", L"Combo");
  m_pDevice = m_pm.FindControl(L"Comb_Device");
  m_pStartDate = m_pm.FindControl(L"dt_Startdate");
  m_pEndDate = m_pm.FindControl(L"dt_Enddate");
  m_pRemarkCount = m_pm.FindControl(L"lb_remark_count");
  FillPeopleTiles(0);
  if (m_nMode == 1) FillRouteCombo();
}

void CAddPlanWnd::FillRouteCombo() {
  if (m_pRoute == nullptr || m_pType == nullptr) return;
  m_pRoute->RemoveAll();
  const int type = m_pType->GetCurSel();
  int selected = 0;
  int row = 0;
  for (const auto& entry : g_mapInspectRoute) {
    const InspectRouteInfo& route = entry.second;
    if (route.iType != type) continue;
    auto* item = new SkinUI::CListLabelElementUI;
    const SkinUI::CUIString name = WideOf(route.strName);
    item->SetAttribute(L"text", name.GetData());
    item->SetToolTip(name.GetData());
    item->SetAttribute(L"align", L"center");
    item->SetAttribute(L"textcolor", L"#EFFFFF");
    item->SetFixedHeight(30);
    m_pRoute->Add(item);
    if (route.iID == m_plan.iRouteID) selected = row;
    ++row;
  }
  m_pRoute->SelectItem(selected, false);
}

void CAddPlanWnd::FillPeopleTiles(int position) {
  if (m_pPeople == nullptr) return;
  m_pPeople->RemoveAll();
  m_pPeople->SetColumns(3);
  for (const PeopleInfo& person : m_listPeople) {
    if (position != 0 && !HasType(person, position)) continue;
    auto* box = new SkinUI::CCheckBoxUI;
    box->SetAttribute(L"normalimage", L"file='2巡更计划/未打钩原始.png' dest='2,7,18,23'");
    box->SetAttribute(L"hotimage", L"file='2巡更计划/未打钩经过.png' dest='2,7,18,23'");
    box->SetAttribute(L"selectedimage", L"file='2巡更计划/已打勾原始.png' dest='2,7,18,23'");
    box->SetAttribute(L"selectedhotimage", L"file='2巡更计划/已打勾经过.png' dest='2,7,18,23'");
    const SkinUI::CUIString name = WideOf(person.strName);
    box->SetText(name.GetData());
    box->SetToolTip(name.GetData());
    box->SetUserData(std::to_wstring(person.iID).c_str());
    box->SetTextColor(0xFFE7E3E3);
    box->SetFont(0);
    box->SetAttribute(L"hottextcolor", L"#00FFFDFD");
    box->SetAttribute(L"textpadding", L"20,0,0,0");
    box->SetAttribute(L"width", L"80");
    box->SetAttribute(L"height", L"30");
    box->SetAttribute(L"endellipsis", L"true");
    box->SetName(L"userck");
    bool ticked = false;
    if (!m_plan.strName.empty()) {
      for (const PlanPeopleInfo& chosen : m_plan.listPeople) ticked = ticked || chosen.iID == person.iID;
    }
    box->SetCheck(ticked);
    m_pPeople->Add(box);
  }
}

void CAddPlanWnd::AddTimeSlotRow(SkinUI::CContainerUI* container, const std::wstring& start,
                                 const std::wstring& end) {
  if (container == nullptr) return;
  const int n = container->GetCount();
  if (n >= kMaxSlots) {
    ShowMessage(L"最多支持6个时间段!", m_hWnd, 1);
    return;
  }
  auto* row = new SkinUI::CHorizontalLayoutUI;
  row->SetFixedHeight(30);
  row->SetPadding(RECT{70, 10, 0, 0});
  auto* label = new SkinUI::CLabelUI;
  label->SetAttributeList(L"align=\"left\" width=\"50\" height=\"40\" font=\"0\" textcolor=\"0xffffffff\"");
  label->SetText((std::wstring(Numbered(L"时间", n + 1).GetData()) + L":").c_str());
  label->SetTextPadding(RECT{0, -13, 0, 0});
  row->Add(label);

  auto* startButton = new SkinUI::CButtonUI;
  startButton->SetAttributeList(
      L"width=\"90\" tooltip=\"请选开始时间\" textcolor=\"0xffffffff\" height=\"30\" font=\"0\"  bkcolor=\"0x2BBBE9\"");
  startButton->SetTextPadding(RECT{-25, 0, 0, 0});
  startButton->SetText(start.c_str());
  startButton->SetBkImage(L"file='2巡更计划/搜索原始.png' corner='50,5,50,5'");
  startButton->SetForeImage(L"file='弹窗/时间图标原始.png' dest='69,7,85,23' ");
  startButton->SetAttribute(L"hotforeimage", L"file='弹窗/时间图标经过.png' dest='69,7,85,23' ");
  startButton->SetHotImage(L"file='2巡更计划/搜索经过.png' corner='50,5,50,5'");
  startButton->SetName(Numbered(L"btnSetStartTime", n + 1).GetData());
  row->Add(startButton);

  auto* endButton = new SkinUI::CButtonUI;
  endButton->SetAttributeList(
      L"width=\"90\" tooltip=\"请选择结束时间\"  textcolor=\"0xffffffff\" height=\"30\" font=\"0\"  bkcolor=\"0x2BBBE9\"");
  endButton->SetTextPadding(RECT{-25, 0, 0, 0});
  endButton->SetPadding(RECT{10, 0, 0, 0});
  endButton->SetTextColor(0xFFFFFFFF);
  endButton->SetText(end.c_str());
  endButton->SetBkImage(L"file='2巡更计划/搜索原始.png' corner='50,5,50,5'");
  endButton->SetForeImage(L"file='弹窗/时间图标原始.png' dest='69,7,85,23' ");
  endButton->SetAttribute(L"hotforeimage", L"file='弹窗/时间图标经过.png' dest='69,7,85,23' ");
  endButton->SetHotImage(L"file='2巡更计划/搜索经过.png' corner='50,5,50,5'");
  endButton->SetName(Numbered(L"btnSetEndTime", n + 1).GetData());
  row->Add(endButton);

  container->Add(row);
  container->SetFixedHeight(kSlotRowHeight * std::min(n + 1, kSlotRowsShown));
}

void CAddPlanWnd::DeleteTimeSlotRow() {
  if (m_pTimeSlots == nullptr) return;
  const int count = m_pTimeSlots->GetCount();
  if (count == 1) {
    ShowMessage(L"时间段的数量大于1!", m_hWnd, 1);
    return;
  }
  if (count == 0) return;
  m_pTimeSlots->RemoveAt(count - 1);
  m_pTimeSlots->SetFixedHeight(kSlotRowHeight * std::min(count - 1, kSlotRowsShown));
}

void CAddPlanWnd::LoadPlan(InspectPlanInfo plan) {
  m_plan = std::move(plan);
  if (m_pName != nullptr) m_pName->SetText(WideOf(m_plan.strName).GetData());
  if (m_pType != nullptr) m_pType->SelectItem(m_plan.iType, false);
  FillPeopleTiles(0);
  if (m_pRemark != nullptr) m_pRemark->SetText(WideOf(m_plan.strRemark).GetData());
  UpdateRemarkCounter(L"Edit_remark");
  if (m_pEndDate != nullptr) m_pEndDate->SetText(WideOf(m_plan.strEndDate).GetData());
  if (m_pStartDate != nullptr) m_pStartDate->SetText(WideOf(m_plan.strStartDate).GetData());
  for (int i = 1; i <= 7; ++i) {
    SkinUI::CCheckBoxUI* day = AsCheckBox(m_pm.FindControl(Numbered(L"Week", i).GetData()));
    if (day == nullptr) continue;
    day->SetCheck(static_cast<int>(m_plan.strWeek.size()) >= i && m_plan.strWeek[i - 1] == '1');
  }
  if (m_plan.strWeek == "1111111") {
    if (m_pEveryDay != nullptr) m_pEveryDay->SetCheck(true);
  } else {
    if (m_pEveryDay != nullptr) m_pEveryDay->SetCheck(false);
    if (m_pWorkingDays != nullptr) m_pWorkingDays->SetCheck(m_plan.strWeek == "1111100");
  }
  if (m_pTimeSlots != nullptr) {
    m_pTimeSlots->RemoveAll();
    for (const PlanTimeSpan& span : m_plan.listTime) {
      AddTimeSlotRow(m_pTimeSlots, WideOf(span.strStart).GetData(), WideOf(span.strEnd).GetData());
    }
  }
  FillRouteCombo();
  if (m_plan.iPlanState != 3 && m_pStartDate != nullptr) {
    m_pStartDate->SetEnabled(false);
    m_pStartDate->SetToolTip(L"正在进行的计划，不支持编辑开始日期!");
  }
}

void CAddPlanWnd::Notify(SkinUI::UINotifyRecord& msg) {
  if (msg.pSender == nullptr) return;
  const SkinUI::CUIString name = msg.pSender->GetName();
  if (msg.sType == L"click") {
    OnClick(name, msg);
  } else if (msg.sType == L"itemselect" && name == L"Comb_PlanType") {
    // Without this a type chosen after the dialog opened would keep the routes of the
    // first one, and a plan of that type could never get a route of its own.
    FillRouteCombo();
  } else if (msg.sType == L"itemselect" && name == L"Comb_People") {
    auto* filter = static_cast<SkinUI::CComboUI*>(msg.pSender->GetInterface(L"Combo"));
    if (filter != nullptr) FillPeopleTiles(filter->GetCurSel());
  } else if (msg.sType == L"textchanged") {
    UpdateRemarkCounter(name);
  }
}

void CAddPlanWnd::OnClick(const SkinUI::CUIString& name, SkinUI::UINotifyRecord& msg) {
  const std::wstring text = name.GetData();
  if (text == L"btn_close" || text == L"btn_Cancel") {
    Close(2);
  } else if (text == L"btn_Ok") {
    Save();
  } else if (text.find(L"btnSetStartTime") != std::wstring::npos ||
             text.find(L"btnSetEndTime") != std::wstring::npos) {
    ShowTimePicker(this, msg);
  } else if (text == L"btndeleteTime") {
    DeleteTimeSlotRow();
  } else if (text == L"SelectAll") {
    // The box toggles after this notification: its state is still the old one.
    if (m_pSelectAll != nullptr) SelectAllPeople(!m_pSelectAll->IsSelected());
  } else if (text == L"SelectAllDate") {
    SelectWeekdays("1111111");
  } else if (text == L"WorkingDayck") {
    SelectWeekdays("1111100");
  } else if (text == L"userck") {
    SkinUI::CCheckBoxUI* box = AsCheckBox(msg.pSender);
    if (box != nullptr && box->IsSelected() && m_pSelectAll != nullptr) m_pSelectAll->SetCheck(false);
  } else if (text == L"btnAddTime") {
    AddTimeSlotRow(m_pTimeSlots, L"08:00", L"18:00");
  } else if (text == L"btn_Route") {
    EditRoute();
  }
}

void CAddPlanWnd::SelectAllPeople(bool select) {
  if (m_pPeople == nullptr) return;
  for (int i = 0; i < m_pPeople->GetCount(); ++i) {
    if (SkinUI::CCheckBoxUI* box = AsCheckBox(m_pPeople->GetItemAt(i))) box->SetCheck(select);
  }
}

void CAddPlanWnd::SelectWeekdays(const char* mask) {
  for (int i = 1; i <= 7; ++i) {
    SkinUI::CCheckBoxUI* day = AsCheckBox(m_pm.FindControl(Numbered(L"Week", i).GetData()));
    if (day != nullptr) day->SetCheck(mask[i - 1] == '1');
  }
}

void CAddPlanWnd::UpdateRemarkCounter(const SkinUI::CUIString& senderName) {
  if (senderName != L"Edit_remark" || m_pRemark == nullptr || m_pRemarkCount == nullptr) return;
  m_pRemarkCount->SetText((std::to_wstring(m_pRemark->GetText().GetLength()) + L"/80").c_str());
}

void CAddPlanWnd::EditRoute() {
  if (m_pRoute == nullptr) return;
  const std::string text = Narrow(m_pRoute->GetText());
  if (text.empty()) {
    ShowMessage(L"线路为空!", m_hWnd, 1);
    return;
  }
  const InspectRouteInfo* found = nullptr;
  for (const auto& entry : g_mapInspectRoute) {
    if (entry.second.strName == text) {
      found = &entry.second;
      break;
    }
  }
  if (found == nullptr || found->iID <= 0) return;
  CAddRouteWnd dialog(2);
  dialog.CreateWithStyle(m_hWnd, L"编辑巡更路线", 0, 0);
  dialog.LoadRoute(*found);
  dialog.CenterWindow();
  if (dialog.ShowModal() == 1 && g_pFeedBackWnd != nullptr) ShowToast(L"编辑成功!", 3);
}

bool CAddPlanWnd::ReadForm(PlanForm& form) {
  if (m_pName == nullptr || m_pRemark == nullptr || m_pType == nullptr || m_pRoute == nullptr ||
      m_pDevice == nullptr || m_pStartDate == nullptr || m_pEndDate == nullptr) {
    return false;
  }
  form.name = Narrow(m_pName->GetText());
  form.type = m_pType->GetCurSel();
  form.routeText = Narrow(m_pRoute->GetText());
  if (m_pPeople != nullptr) {
    for (int i = 0; i < m_pPeople->GetCount(); ++i) {
      SkinUI::CCheckBoxUI* box = AsCheckBox(m_pPeople->GetItemAt(i));
      if (box == nullptr || !box->IsSelected()) continue;
      PlanPeopleInfo person;
      person.iID = std::atoi(Narrow(box->GetUserData()).c_str());
      person.strName = Narrow(box->GetText());
      form.people.push_back(person);
    }
  }
  form.remark = Narrow(m_pRemark->GetText());
  form.startDate = Narrow(m_pStartDate->GetText());
  form.endDate = Narrow(m_pEndDate->GetText());
  for (int i = 1; i <= 7; ++i) {
    SkinUI::CCheckBoxUI* day = AsCheckBox(m_pm.FindControl(Numbered(L"Week", i).GetData()));
    if (day != nullptr) form.week += day->IsSelected() ? "1" : "0";
  }
  const int rows = m_pTimeSlots == nullptr ? 0 : m_pTimeSlots->GetCount();
  for (int i = 1; i <= rows; ++i) {
    SkinUI::CControlUI* start = m_pm.FindControl(Numbered(L"btnSetStartTime", i).GetData());
    SkinUI::CControlUI* end = m_pm.FindControl(Numbered(L"btnSetEndTime", i).GetData());
    if (start == nullptr || end == nullptr) return false;
    form.slots.emplace_back(Narrow(start->GetText()), Narrow(end->GetText()));
  }
  return true;
}

void CAddPlanWnd::Save() {
  PlanForm form;
  if (!ReadForm(form)) return;
  if (!CheckSavableTexts(m_hWnd, {m_pName, m_pRemark})) return;
  PlanSaver saver(m_nMode, [this](const std::wstring& text, int kind) { ShowMessage(text, m_hWnd, kind); });
  if (saver.Save(form, m_plan)) Close(1);
}

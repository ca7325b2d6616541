#pragma once
// The dialog in which a plan is added or edited: name, type, route, dates, weekdays, up
// to six daily time slots, up to six patrol people and a remark. "确定" saves through
// PlanSaver; the dialog closes with 1 after a save, 2 when closed or cancelled.
#include <list>
#include <string>

#include "app/management/PlanForm.h"
#include "data/InspectPlanInfo.h"
#include "data/PeopleInfo.h"
#include "ui/core/window/WindowImplBase.h"

namespace SkinUI {
class CCheckBoxUI;
class CComboUI;
class CContainerUI;
class CTileLayoutUI;
}  // namespace SkinUI

class CAddPlanWnd : public SkinUI::WindowImplBase {
 public:
  // 1 adds a plan, 2 edits the one given to LoadPlan.
  explicit CAddPlanWnd(int mode);

  // Edit mode: fills every control from the plan.
  void LoadPlan(InspectPlanInfo plan);
  void Save();

  void Notify(SkinUI::UINotifyRecord& msg) override;

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;
  void OnSkinBuilt() override;

 private:
  void OnClick(const SkinUI::CUIString& name, SkinUI::UINotifyRecord& msg);
  void FillRouteCombo();
  // Position 0 shows everybody, 1 to 7 the people of that type; ticks are rebuilt from
  // the loaded plan.
  void FillPeopleTiles(int position);
  void AddTimeSlotRow(SkinUI::CContainerUI* container, const std::wstring& start, const std::wstring& end);
  void DeleteTimeSlotRow();
  void UpdateRemarkCounter(const SkinUI::CUIString& senderName);
  void EditRoute();
  void SelectAllPeople(bool select);
  void SelectWeekdays(const char* mask);
  // False when a control the save needs is missing.
  bool ReadForm(PlanForm& form);

  int m_nMode;
  SkinUI::CTileLayoutUI* m_pPeople = nullptr;
  SkinUI::CCheckBoxUI* m_pSelectAll = nullptr;
  SkinUI::CCheckBoxUI* m_pWorkingDays = nullptr;
  SkinUI::CCheckBoxUI* m_pEveryDay = nullptr;
  SkinUI::CContainerUI* m_pTimeSlots = nullptr;
  SkinUI::CControlUI* m_pName = nullptr;
  SkinUI::CControlUI* m_pRemark = nullptr;
  SkinUI::CComboUI* m_pType = nullptr;
  SkinUI::CComboUI* m_pRoute = nullptr;
  SkinUI::CControlUI* m_pDevice = nullptr;
  SkinUI::CControlUI* m_pStartDate = nullptr;
  SkinUI::CControlUI* m_pEndDate = nullptr;
  SkinUI::CControlUI* m_pRemarkCount = nullptr;
  std::list<PeopleInfo> m_listPeople;
  InspectPlanInfo m_plan;
};

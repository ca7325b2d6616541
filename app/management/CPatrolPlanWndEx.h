#pragma once
// The page of patrol plans: a card for every cached plan that passes the page's filters
// (type, status, only the user's own, name search), with adding a plan, exporting the
// shown plans to a spreadsheet file, and each card's menu: edit, delete, or show the
// plan's results. It reads the plan cache only; the server is asked only to delete.
#include <functional>
#include <list>
#include <string>
#include <vector>

#include "app/management/CCardTilesUI.h"
#include "data/InspectPlanInfo.h"
#include "ui/core/window/WindowImplBase.h"

namespace SkinUI {
class CComboUI;
class CControlUI;
}  // namespace SkinUI

class CPatrolPlanWndEx : public SkinUI::WindowImplBase, private CCardTilesUI::Source {
 public:
  // What "menu_LookPlan" asks of the main frame: the results of that plan.
  using LookPlanHandler = std::function<void(int planId)>;

  CPatrolPlanWndEx() = default;

  void SetLookPlanHandler(LookPlanHandler handler) { m_lookPlan = std::move(handler); }

  // Rebuilds the cards from the cache; `mine` keeps only the logged-in user's plans.
  void RefreshPlanList(bool mine);
  // The plans of the last refresh, in the order of their cards.
  const std::list<InspectPlanInfo>& GetShownPlans() const { return m_shownPlans; }

  // What the main frame calls when it selects the page: the find button takes the focus.
  void FocusFindButton();

  void Notify(SkinUI::UINotifyRecord& msg) override;

  // The worker's part of the export: the file written, or "" when none was.
  static std::string ExportPlansTask(const std::string& folder, std::list<InspectPlanInfo> plans);

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;
  void OnSkinBuilt() override;
  SkinUI::CControlUI* CreateControl(LPCTSTR pstrClass) override;
  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;

 private:
  SkinUI::CControlUI* MakeCard() override;
  void ShowItem(SkinUI::CControlUI* card, int index) override;
  bool Passes(const InspectPlanInfo& plan, int typeIndex, int statusIndex, bool mine,
              const std::wstring& search) const;
  void ShowCount(int count);
  void ShowNoContent(bool empty);
  void OnSearchChanged();
  void ShowPlanMenu();
  void OnMenuCommand(const std::wstring& item);
  // The cached plan of the selected id, or a default plan when it is gone.
  InspectPlanInfo SelectedPlan() const;
  void AddPlan();
  void EditPlan(const InspectPlanInfo& plan);
  void DeletePlan(const InspectPlanInfo& plan);
  // Asks for a folder over the shade, then exports the shown plans into it.
  void Export();
  // Behind the busy window; the toast says where the file went, or that none was written.
  void ExportPlans(const std::string& folder);

  SkinUI::CComboUI* m_pType = nullptr;
  SkinUI::CComboUI* m_pStatus = nullptr;
  SkinUI::CControlUI* m_pMine = nullptr;
  SkinUI::CControlUI* m_pSearch = nullptr;
  CCardTilesUI* m_pTiles = nullptr;
  SkinUI::CControlUI* m_pClear = nullptr;
  int m_nSelectedPlan = -1;
  std::list<InspectPlanInfo> m_shownPlans;
  // The shown plans by their place in the grid.
  std::vector<const InspectPlanInfo*> m_shownByPlace;
  RECT m_rcWork = {0, 0, 0, 0};
  LookPlanHandler m_lookPlan;
};

#pragma once
// The card of one plan on the plan page: its name and type, route, announcer, people,
// dates and weekdays, daily time slots, a background by the plan's status, and the menu
// button that asks the page (message 1249, with the plan's id) to open the card's menu.
// The page sets its window after creating the card; the card keeps a copy of the plan,
// and shows another plan when the page's grid moves it to another place.
#include "data/InspectPlanInfo.h"
#include "platform/win32.h"
#include "ui/core/control/CVerticalLayoutUI.h"

namespace SkinUI {
class CControlUI;
class CLabelUI;
}

class CPatrolPlanUI : public SkinUI::CVerticalLayoutUI {
 public:
  enum : UINT { WM_PLANMENU = WM_USER + 225 };
  enum : int { CARD_WIDTH = 324, CARD_HEIGHT = 239 };

  explicit CPatrolPlanUI(const InspectPlanInfo& plan);

  void SetPageWindow(HWND hwndPage) { m_hwndPage = hwndPage; }
  // Every text, picture and the menu's plan id follow that plan.
  void ShowPlan(const InspectPlanInfo& plan);

  void HandleEvent(SkinUI::UIEventRecord& event) override;

 private:
  void AddNameRow();
  void AddRouteRow();
  void AddPeopleRows();
  void AddDatesRow();
  void AddSlotsRow();
  void AddMenuButton();

  InspectPlanInfo m_plan;
  HWND m_hwndPage = nullptr;
  SkinUI::CControlUI* m_pMenu = nullptr;
  SkinUI::CLabelUI* m_pName = nullptr;
  SkinUI::CControlUI* m_pType = nullptr;
  SkinUI::CLabelUI* m_pRoute = nullptr;
  SkinUI::CLabelUI* m_pAnnouncer = nullptr;
  SkinUI::CLabelUI* m_pPeople = nullptr;
  SkinUI::CLabelUI* m_pDates = nullptr;
  SkinUI::CLabelUI* m_pSlots = nullptr;
};

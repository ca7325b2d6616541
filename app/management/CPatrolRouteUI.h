#pragma once
// The card of one route on the route page, built from "RouteUI.xml": the name, the type's
// icon, the announcer, a row a building with a square a checkpoint, and a background
// that says whether a plan uses the route. Pressing its menu button tells the page which
// route's menu to open. The page's grid may move the card to show another route.
#include "data/InspectRouteInfo.h"
#include "platform/win32.h"
#include "ui/core/control/CVerticalLayoutUI.h"

class CPatrolRouteUI : public SkinUI::CVerticalLayoutUI {
 public:
  // What the card posts to its page, with the route id as lParam.
  enum : UINT { WM_ROUTEMENU = WM_USER + 225 };
  enum : int { CARD_WIDTH = 324, CARD_HEIGHT = 260 };

  explicit CPatrolRouteUI(const InspectRouteInfo& route);

  void SetPageWindow(HWND hwndPage) { m_hwndPage = hwndPage; }
  const InspectRouteInfo& GetRoute() const { return m_route; }
  // Every text, picture, building row and the menu's route id follow that route.
  void ShowRoute(const InspectRouteInfo& route);

  void HandleEvent(SkinUI::UIEventRecord& event) override;

  // Whether a cached plan patrols the route.
  static bool IsUsedByAnyPlan(int routeId);

  // The background of a route that a cached plan uses, and of one that none uses.
  static const wchar_t* const kUsedBackground;
  static const wchar_t* const kUnusedBackground;

 private:
  // False, and the card left empty, when the skin does not build or lacks a part.
  bool Build();
  void AddAreaRow(SkinUI::CContainerUI* areas, const RouteAreaInfo& area);

  InspectRouteInfo m_route;
  HWND m_hwndPage = nullptr;
  // The parts of "RouteUI.xml" that show the route; null when the skin did not build.
  SkinUI::CControlUI* m_pName = nullptr;
  SkinUI::CControlUI* m_pType = nullptr;
  SkinUI::CControlUI* m_pAnnouncer = nullptr;
  SkinUI::CContainerUI* m_pAreas = nullptr;
  SkinUI::CControlUI* m_pMenu = nullptr;
};

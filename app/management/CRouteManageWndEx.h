#pragma once
// The page of patrol routes: a card a cached route, filtered by type, by the user's own
// routes and by name, with add and, from each card's menu, edit and delete (refused while
// a cached plan uses the route). All on the UI thread, from the caches alone.
#include <string>
#include <vector>

#include "app/management/CCardTilesUI.h"
#include "data/InspectRouteInfo.h"
#include "ui/core/window/WindowImplBase.h"

namespace SkinUI {
class CCheckBoxUI;
class CComboUI;
class CControlUI;
}  // namespace SkinUI

class CRouteManageWndEx : public SkinUI::WindowImplBase, private CCardTilesUI::Source {
 public:
  // The size the menu is taken to have when choosing on which side of the cursor it opens.
  enum : int { MENU_WIDTH = 130, MENU_HEIGHT = 190 };

  CRouteManageWndEx() = default;

  // Rebuilds the cards from the cache; with `mine` only the logged-in user's routes.
  void RefreshRouteList(bool mine);
  // The menu of the selected route, at the cursor.
  void ShowRouteMenu();
  void OnMenuCommand(const std::wstring& item);

  // What the main frame calls when it selects the page: the search button takes the focus.
  void FocusFindButton();

  int GetSelectedRoute() const { return m_nSelectedRoute; }

  void Notify(SkinUI::UINotifyRecord& msg) override;

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;
  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void OnSkinBuilt() override;
  SkinUI::CControlUI* CreateControl(LPCTSTR pstrClass) override;

 private:
  SkinUI::CControlUI* MakeCard() override;
  void ShowItem(SkinUI::CControlUI* card, int index) override;
  void Refresh();
  bool IsMineOnly() const;
  void AddRoute();
  void EditRoute(int routeId);
  void DeleteRoute(int routeId);
  void OnSearchChanged();
  void ShowCount(int cards);
  int RouteIdOf(SkinUI::CControlUI* sender) const;

  SkinUI::CComboUI* m_pType = nullptr;
  SkinUI::CCheckBoxUI* m_pMine = nullptr;
  SkinUI::CControlUI* m_pSearch = nullptr;
  CCardTilesUI* m_pTiles = nullptr;
  // The routes that passed the filters, in the order of their places in the grid.
  std::vector<InspectRouteInfo> m_shownRoutes;
  SkinUI::CControlUI* m_pClear = nullptr;
  int m_nSelectedRoute = -1;
  RECT m_rcWork = {0, 0, 0, 0};
};

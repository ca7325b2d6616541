#pragma once
// The dialog in which a route is added or edited: name, type, and the checkpoints ticked
// in a tree of one campus's buildings, beside the local map page in the hosted web
// browser. It closes with 1 after a save, 2 when closed or cancelled; its openers say
// the outcome.
#include <list>
#include <string>

#include "data/DigiAreaInfo.h"
#include "data/InspectRouteInfo.h"
#include "platform/com/ComPtr.h"
#include "platform/com/WebBrowser.h"
#include "ui/core/window/WindowImplBase.h"

namespace SkinUI {
class CActiveXUI;
class CComboUI;
class CContainerUI;
class CTreeViewUI;
}  // namespace SkinUI

class CAddRouteWnd : public SkinUI::WindowImplBase {
 public:
  // 1 adds a route, 2 edits the one given to LoadRoute.
  explicit CAddRouteWnd(int mode);

  void LoadRoute(InspectRouteInfo route);
  bool Save();

  void Notify(SkinUI::UINotifyRecord& msg) override;

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;
  void OnSkinBuilt() override;

 private:
  void FillCampusCombo();
  void OnCampusSelected();
  void BuildAreaTree();
  void ShowMapPage();
  void TickBuilding(SkinUI::CControlUI* box);
  void GoDigitizing();
  // False (and nothing changed) when the server refused the route; failed links are
  // counted in `failedLinks`.
  bool WriteRoute(const std::string& name, int type);
  int WriteLinks();

  int m_nMode;
  int m_nCampusId = -1;
  SkinUI::CControlUI* m_pTitle = nullptr;
  SkinUI::CControlUI* m_pName = nullptr;
  SkinUI::CComboUI* m_pType = nullptr;
  SkinUI::CComboUI* m_pCampus = nullptr;
  SkinUI::CContainerUI* m_pBuildings = nullptr;
  SkinUI::CTreeViewUI* m_pTree = nullptr;
  InspectRouteInfo m_route;
  SkinUI::CActiveXUI* m_pBrowserHost = nullptr;
  std::list<DigiAreaInfo> m_listArea;
  platform::com::ComPtr<IWebBrowser2> m_pBrowser;
};

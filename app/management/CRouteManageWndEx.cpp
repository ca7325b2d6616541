#include "app/management/CRouteManageWndEx.h"

#include <cwchar>

#include "CommonTools/global_singleton.h"
#include "app/management/CAddRouteWnd.h"
#include "app/management/CPatrolRouteUI.h"
#include "app/management/CardGrid.h"
#include "app/management/ShadeScope.h"
#include "app/shell/ShellServices.h"
#include "app/shell/ShowMessage.h"
#include "data/DAL_PatrolServer.h"
#include "data/StartupCaches.h"
#include "platform/base/CodePage.h"
#include "ui/controls/CCheckBoxUI.h"
#include "ui/controls/CComboUI.h"
#include "ui/controls/CMenuWnd.h"
#include "ui/controls/MenuClickedItemName.h"

namespace {

const int kPageTop = 150;
const int kPageBottomMargin = 180;
const int kTilesBottomMargin = 216;
const int kToastSeconds = 3;

void Toast(const wchar_t* text) {
  if (g_pFeedBackWnd != nullptr) ShowToast(text, kToastSeconds);
}

}  // namespace

LPCTSTR CRouteManageWndEx::GetWindowClassName() const { return L"CSpliteScreenBase"; }

SkinUI::CUIString CRouteManageWndEx::GetSkinXmlName() const { return L"RouteManageWndEx.xml"; }

void CRouteManageWndEx::OnSkinBuilt() {
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &m_rcWork, 0);
  ::SetWindowPos(m_hWnd, nullptr, 0, kPageTop, m_rcWork.right - m_rcWork.left, m_rcWork.bottom - kPageBottomMargin,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  SkinUI::CControlUI* type = m_pm.FindControl(L"Comb_RoutePlanType");
  m_pType = type == nullptr ? nullptr : static_cast<SkinUI::CComboUI*>(type->GetInterface(L"Combo"));
  SkinUI::CControlUI* mine = m_pm.FindControl(L"MyRoute_CK");
  m_pMine = mine == nullptr || mine->GetInterface(L"Option") == nullptr ? nullptr
                                                                         : static_cast<SkinUI::CCheckBoxUI*>(mine);
  m_pSearch = m_pm.FindControl(L"Rich_RouteFind");
  SkinUI::CControlUI* tiles = m_pm.FindControl(L"TileLayout_route");
  m_pTiles = tiles == nullptr ? nullptr : static_cast<CCardTilesUI*>(tiles->GetInterface(L"CardTiles"));
  if (m_pTiles != nullptr) m_pTiles->SetSource(this);
  m_pClear = m_pm.FindControl(L"btn_clear");
  if (m_pTiles != nullptr) m_pTiles->SetFixedHeight(m_rcWork.bottom - kTilesBottomMargin);
  RefreshRouteList(false);
}

SkinUI::CControlUI* CRouteManageWndEx::CreateControl(LPCTSTR pstrClass) {
  if (pstrClass != nullptr && std::wcscmp(pstrClass, L"CardTiles") == 0) return new CCardTilesUI;
  return nullptr;
}

SkinUI::CControlUI* CRouteManageWndEx::MakeCard() {
  auto* card = new CPatrolRouteUI(InspectRouteInfo{});
  card->SetPadding(RECT{10, 20, 0, 0});
  card->SetPageWindow(m_hWnd);
  return card;
}

void CRouteManageWndEx::ShowItem(SkinUI::CControlUI* card, int index) {
  static_cast<CPatrolRouteUI*>(card)->ShowRoute(m_shownRoutes[static_cast<size_t>(index)]);
}

void CRouteManageWndEx::FocusFindButton() {
  SkinUI::CControlUI* button = m_pm.FindControl(L"btn_Routefind");
  if (button != nullptr) button->SetFocus();
}

bool CRouteManageWndEx::IsMineOnly() const { return m_pMine != nullptr && m_pMine->IsSelected(); }

void CRouteManageWndEx::Refresh() { RefreshRouteList(IsMineOnly()); }

void CRouteManageWndEx::RefreshRouteList(bool mine) {
  m_shownRoutes.clear();
  if (m_pTiles == nullptr) return;
  m_pTiles->SetColumns(CardGrid::Columns(m_rcWork.right - m_rcWork.left));
  const int typeIndex = m_pType == nullptr ? 0 : m_pType->GetCurSel();
  const std::wstring search = m_pSearch == nullptr ? L"" : m_pSearch->GetText().GetData();
  const std::string& userID = global_singleton::get_const_instance().m_userInfo.strUserID;
  for (const auto& entry : g_mapInspectRoute) {
    const InspectRouteInfo& route = entry.second;
    // No selection counts as "all types", like index 0.
    if (typeIndex > 0 && typeIndex != route.iType + 1) continue;
    if (mine && route.strAnnouncerID != userID) continue;
    if (!search.empty() && platform::codepage::GbkToWide(route.strName).find(search) == std::wstring::npos) continue;
    m_shownRoutes.push_back(route);
  }
  // Cards are made only for the rows on screen and about them; the grid asks for the rest.
  const int cards = static_cast<int>(m_shownRoutes.size());
  m_pTiles->ShowItems(cards);
  ShowCount(cards);
}

// The count, and the placeholder in the middle of the page in place of an empty grid.
void CRouteManageWndEx::ShowCount(int cards) {
  if (SkinUI::CControlUI* count = m_pm.FindControl(L"lab_RouteCounts")) {
    const std::wstring text = std::to_wstring(cards);
    count->SetText(text.c_str());
    count->SetToolTip(text.c_str());
    count->SetFixedWidth(15 * static_cast<int>(text.size()));
  }
  SkinUI::CControlUI* empty = m_pm.FindControl(L"hlNoContent");
  if (empty == nullptr) return;
  m_pTiles->SetVisible(cards > 0);
  empty->SetVisible(cards == 0);
  if (cards > 0) return;
  empty->SetPadding(RECT{(m_rcWork.right - m_rcWork.left) / 2 - 110,
                         (m_rcWork.bottom - kPageBottomMargin) / 2 - 90, 0, 0});
}

void CRouteManageWndEx::ShowRouteMenu() {
  CardGrid::OpenMenu(m_hWnd, m_pm, L"RouteMenu.xml", SIZE{MENU_WIDTH, MENU_HEIGHT});
}

LRESULT CRouteManageWndEx::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (uMsg == CPatrolRouteUI::WM_ROUTEMENU) {
    m_nSelectedRoute = static_cast<int>(lParam);
    ShowRouteMenu();
  } else if (uMsg == SkinUI::CMenuWnd::WM_MENUCLICK) {
    OnMenuCommand(SkinUI::GetMenuClickedItemName().GetData());
  }
  return WindowImplBase::HandleMessage(uMsg, wParam, lParam);
}

void CRouteManageWndEx::OnMenuCommand(const std::wstring& item) {
  if (item == L"menu_EditRoute") {
    EditRoute(m_nSelectedRoute);
  } else if (item == L"menu_deleteRoute") {
    DeleteRoute(m_nSelectedRoute);
  }
}

// The cache changed whatever the toast does, so the cards follow it even without one.
void CRouteManageWndEx::AddRoute() {
  ShadeScope shade(m_hWnd);
  CAddRouteWnd dialog(1);
  if (dialog.CreateWithStyle(shade.Owner(), L"新增巡更路线", 0, 0) == nullptr) return;
  dialog.CenterWindow();
  if (dialog.ShowModal() != 1) return;
  Refresh();
  Toast(L"添加成功!");
}

void CRouteManageWndEx::EditRoute(int routeId) {
  const auto cached = g_mapInspectRoute.find(routeId);
  InspectRouteInfo route = cached == g_mapInspectRoute.end() ? InspectRouteInfo{} : cached->second;
  ShadeScope shade(m_hWnd);
  CAddRouteWnd dialog(2);
  if (dialog.CreateWithStyle(shade.Owner(), L"编辑巡更路线", 0, 0) == nullptr) return;
  dialog.LoadRoute(std::move(route));
  dialog.CenterWindow();
  if (dialog.ShowModal() != 1) return;
  Refresh();
  Toast(L"编辑成功!");
}

void CRouteManageWndEx::DeleteRoute(int routeId) {
  if (CPatrolRouteUI::IsUsedByAnyPlan(routeId)) {
    ShowMessage(L"当前巡更线路已存在于巡更计划中，\r\n不能进行删除！", m_hWnd, 1);
    return;
  }
  if (!ShowMessage(L"是否删除路线?", m_hWnd, 2)) return;
  DAL_PatrolServer server;
  if (server.DAL_InspectRoute_Delete(routeId) != 1) {
    Toast(L"删除失败!");
    return;
  }
  const auto cached = g_mapInspectRoute.find(routeId);
  if (cached == g_mapInspectRoute.end()) return;
  server.DAL_SystemLog_Add("删除路线-" + cached->second.strName);
  g_mapInspectRoute.erase(cached);
  Refresh();
  Toast(L"删除成功!");
}

int CRouteManageWndEx::RouteIdOf(SkinUI::CControlUI* sender) const {
  return static_cast<int>(std::wcstol(sender->GetUserData().GetData(), nullptr, 10));
}

void CRouteManageWndEx::OnSearchChanged() {
  if (m_pClear != nullptr && m_pSearch != nullptr) m_pClear->SetVisible(!m_pSearch->GetText().IsEmpty());
  Refresh();
}

void CRouteManageWndEx::Notify(SkinUI::UINotifyRecord& msg) {
  if (msg.pSender == nullptr) return;
  const SkinUI::CUIString name = msg.pSender->GetName();
  if (msg.sType == L"itemselect" && name == L"Comb_RoutePlanType") {
    Refresh();
  } else if (msg.sType == L"return" && name == L"Rich_RouteFind") {
    Refresh();
  } else if (msg.sType == L"textchanged" && name == L"Rich_RouteFind") {
    OnSearchChanged();
  }
  if (msg.sType != L"click") return;
  if (name == L"AddRouteBtn") {
    AddRoute();
  } else if (name == L"EditRouteBtn") {
    EditRoute(RouteIdOf(msg.pSender));
  } else if (name == L"DeleteRouteBtn") {
    DeleteRoute(RouteIdOf(msg.pSender));
  } else if (name == L"MyRoute_CK") {
    // The box toggles after this notification.
    RefreshRouteList(m_pMine != nullptr && !m_pMine->IsSelected());
  } else if (name == L"btn_Routefind") {
    Refresh();
  } else if (name == L"btn_clear" && m_pSearch != nullptr) {
    m_pSearch->SetText(L"");
  }
}

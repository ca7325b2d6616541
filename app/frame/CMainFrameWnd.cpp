#include "app/frame/CMainFrameWnd.h"

#include <utility>

#include "CommonTools/Conversions.h"
#include "CommonTools/QueryValue.h"
#include "CommonTools/global_singleton.h"
#include "app/frame/ClockText.h"
#include "app/frame/IdentityIconLoader.h"
#include "app/frame/StartupCacheLoader.h"
#include "app/frame/UserBox.h"
#include "app/frame/UserPhotoLoader.h"
#include "app/frame/home/CHomePageWndEx.h"
#include "app/management/CAuthorityManageWndEx.h"
#include "app/management/CDeviceManageWndEx.h"
#include "app/management/CPatrolPlanWndEx.h"
#include "app/management/CPeopleManageWndEx.h"
#include "app/management/CRouteManageWndEx.h"
#include "app/records/CResultWndEx.h"
#include "app/shell/BkWindow.h"
#include "app/shell/CQRCodeWnd.h"
#include "app/shell/OnlineUserClient.h"
#include "app/shell/PhotoFeedBackWindow.h"
#include "app/shell/ShellServices.h"
#include "app/shell/ShowCannotOpen.h"
#include "app/shell/ShowMessage.h"
#include "data/PlatformUsers.h"
#include "platform/base/InstanceCounter.h"
#include "ui/controls/COptionUI.h"
#include "ui/core/control/CControlUI.h"

namespace {

const UINT kIconResource = 101;
const int kHomePage = 1;
const int kResultPage = 6;
const int kTabLeft = 10;
const int kTabWidth = 109;

// Tab options in page order, with the module of the user's rights that opens each (the
// rights page has none and its tab is always shown) and the title of the page's window.
const struct {
  const wchar_t* option;
  const char* module;
  const wchar_t* title;
} kTabs[CMainFrameWnd::PAGE_COUNT] = {
    {L"tabMain", "巡更主页", L"主页"},
    {L"tabPlan", "巡更计划管理", L"巡更计划"},
    {L"tabRouteManagement", "巡更线路", L"线路管理"},
    {L"tabEquipmentManagement", "巡更设备管理", L"设备管理"},
    {L"tabPeopleManagement", "巡更人员管理", L"人员管理"},
    {L"tabResultManagement", "巡更结果", L"结果查看"},
    {L"tabAuthorityManagement", nullptr, L"权限管理"},
};

const global_singleton& Session() { return global_singleton::get_const_instance(); }

std::wstring Wide(const std::string& gbk) { return CommonTools::string_to_wstring(gbk); }

// A shell that could not open the page (no xdg-open) is said so, rather than nothing
// happening at the click.
void OpenInBrowser(const std::wstring& url, HWND hwndFrame) {
  const HINSTANCE opened = ::ShellExecuteW(nullptr, L"open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  if (reinterpret_cast<INT_PTR>(opened) <= 32) ShowCannotOpen(hwndFrame);
}

// A child of the frame at the default place: the page places itself once its skin is
// built. A page that cannot be made leaves its tab without a page.
template <class Page>
SkinUI::CWindowWnd* CreateOnce(std::unique_ptr<Page>& page, HWND hwndFrame, int number) {
  if (page) return page.get();
  page = std::make_unique<Page>();
  if (page->Create(hwndFrame, kTabs[number - 1].title, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                   WS_EX_WINDOWEDGE, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT) == nullptr) {
    page.reset();
  }
  return page.get();
}

template <class Page>
void FocusSearchOf(const std::unique_ptr<Page>& page) {
  if (page) page->FocusFindButton();
}

}  // namespace

CMainFrameWnd::CMainFrameWnd() { global_singleton::get_mutable_instance().m_pMainFrame = this; }

CMainFrameWnd::~CMainFrameWnd() {
  global_singleton& session = global_singleton::get_mutable_instance();
  if (session.m_pMainFrame == this) session.m_pMainFrame = nullptr;
}

LPCTSTR CMainFrameWnd::GetWindowClassName() const { return L"CMainFrameWnd"; }

SkinUI::CUIString CMainFrameWnd::GetSkinXmlName() const { return L"MainFrameWnd.xml"; }

void CMainFrameWnd::OnSkinBuilt() {
  SetIcon(kIconResource);
  FillWorkArea();
  LoadStartupCaches();
  EnableAuthorizedTabs();
  ShowUserBox();
  SkinUI::CControlUI* school = m_pm.FindControl(L"label_SchoolName");
  if (school != nullptr) {
    const std::wstring name = Wide(Session().m_userInfo.strSchoolName);
    school->SetText(name.c_str());
    school->SetToolTip(name.c_str());
  }
  CreateSharedWindows();
  m_pTimeLabel = m_pm.FindControl(L"label_Time");
  ::SetTimer(m_hWnd, CLOCK_TIMER_ID, CLOCK_INTERVAL_MS, nullptr);
  ::SetTimer(m_hWnd, LOGIN_CHECK_TIMER_ID, LOGIN_CHECK_INTERVAL_MS, nullptr);
}

// Topmost while it is built; the entry makes it an ordinary window of the same size.
void CMainFrameWnd::FillWorkArea() {
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &m_rcWork, 0);
  ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, m_rcWork.right, m_rcWork.bottom, SWP_FRAMECHANGED);
}

void CMainFrameWnd::LoadStartupCaches() { StartupCacheLoader::Load(); }

void CMainFrameWnd::UpdatePlanStates() { StartupCacheLoader::UpdatePlanStates(); }

void CMainFrameWnd::ShowUserBox() {
  UserBox::Loaders loaders = UserBox::Show(m_pm, m_hWnd);
  m_photoLoader = std::move(loaders.photo);
  m_iconLoader = std::move(loaders.icon);
}

std::wstring CMainFrameWnd::FormatClockText(const SYSTEMTIME& local) { return ClockText::Format(local); }

void CMainFrameWnd::EnableAuthorizedTabs() {
  const global_singleton& session = Session();
  if (session.m_nAllRights == 1 || session.m_nAllModules == 1) {
    ShowStartPage(kHomePage);
    return;
  }
  bool started = false;
  for (int page = 1; page < PAGE_COUNT; ++page) {
    if (session.m_mapModules.count(kTabs[page - 1].module) == 0) {
      SkinUI::CControlUI* option = m_pm.FindControl(kTabs[page - 1].option);
      if (option != nullptr) option->SetVisible(false);
    } else if (!started) {
      ShowStartPage(page);
      started = true;
    }
  }
}

// The page the frame opens on: its tab selected and highlighted, the page shown, and for
// the home page today's charts. Nothing is refreshed behind the busy window yet: the frame
// is still being built.
void CMainFrameWnd::ShowStartPage(int page) {
  EnsurePage(page);
  if (page == kHomePage && m_pHomePage) m_pHomePage->DrawCharts(1);
  ShowOnly(page);
  auto* option = static_cast<SkinUI::COptionUI*>(m_pm.FindControl(kTabs[page - 1].option));
  if (option != nullptr) {
    m_bSelectingStartTab = true;
    option->SetSelected(true);
    m_bSelectingStartTab = false;
  }
  MoveTabHighlight(page);
}

void CMainFrameWnd::SelectPage(int page) {
  if (page < 1 || page > PAGE_COUNT) return;
  MoveTabHighlight(page);
  EnsurePage(page);
  ShowOnly(page);
  if (page == kHomePage) {
    RefreshHomePage();
  } else {
    FocusPageSearch(page);
  }
}

void CMainFrameWnd::FocusPageSearch(int page) {
  switch (page) {
    case 2: FocusSearchOf(m_pPlanPage); break;
    case 3: FocusSearchOf(m_pRoutePage); break;
    case 4: FocusSearchOf(m_pDevicePage); break;
    case 5: FocusSearchOf(m_pPeoplePage); break;
    case 6:
      if (m_pResultPage) m_pResultPage->FocusCurrentSearch();
      break;
    case 7: FocusSearchOf(m_pAuthorityPage); break;
    default: break;
  }
}

void CMainFrameWnd::CheckResultTab() {
  auto* plan = static_cast<SkinUI::COptionUI*>(m_pm.FindControl(L"tabPlan"));
  auto* result = static_cast<SkinUI::COptionUI*>(m_pm.FindControl(L"tabResultManagement"));
  if (result != nullptr) result->SetSelected(true);
  if (plan != nullptr) plan->SetSelected(false);
}

void CMainFrameWnd::ShowPlanResults(int planId) {
  CheckResultTab();
  SelectPage(kResultPage);
  if (m_pResultPage) m_pResultPage->ShowPlanResults(planId);
}

void CMainFrameWnd::MoveTabHighlight(int page) {
  for (int i = 1; i <= PAGE_COUNT; ++i) {
    SkinUI::CControlUI* label = m_pm.FindControl((L"lab" + std::to_wstring(i)).c_str());
    if (label == nullptr) continue;
    if (i != page) {
      label->SetVisible(false);
      continue;
    }
    label->SetPadding(RECT{kTabLeft + kTabWidth * (i - 1), 0, 0, 0});
    label->SetVisible(true);
  }
}

SkinUI::CWindowWnd* CMainFrameWnd::GetPage(int page) const {
  switch (page) {
    case 1: return m_pHomePage.get();
    case 2: return m_pPlanPage.get();
    case 3: return m_pRoutePage.get();
    case 4: return m_pDevicePage.get();
    case 5: return m_pPeoplePage.get();
    case 6: return m_pResultPage.get();
    case 7: return m_pAuthorityPage.get();
    default: return nullptr;
  }
}

SkinUI::CWindowWnd* CMainFrameWnd::EnsurePage(int page) {
  switch (page) {
    case 1: return CreateOnce(m_pHomePage, m_hWnd, 1);
    case 2:
      if (!m_pPlanPage) {
        CreateOnce(m_pPlanPage, m_hWnd, 2);
        if (m_pPlanPage) m_pPlanPage->SetLookPlanHandler([this](int planId) { ShowPlanResults(planId); });
      }
      return m_pPlanPage.get();
    case 3: return CreateOnce(m_pRoutePage, m_hWnd, 3);
    case 4: return CreateOnce(m_pDevicePage, m_hWnd, 4);
    case 5: return CreateOnce(m_pPeoplePage, m_hWnd, 5);
    case 6: return CreateOnce(m_pResultPage, m_hWnd, 6);
    case 7: return CreateOnce(m_pAuthorityPage, m_hWnd, 7);
    default: return nullptr;
  }
}

void CMainFrameWnd::ShowOnly(int page) {
  for (int i = 1; i <= PAGE_COUNT; ++i) {
    SkinUI::CWindowWnd* each = GetPage(i);
    if (each != nullptr) each->ShowWindow(i == page, true);
  }
  if (m_pHomePage) m_pHomePage->SetShown(page == kHomePage);
}

// A big school's day takes many requests: the frame answers input while they are made.
void CMainFrameWnd::RefreshHomePage() {
  if (m_pHomePage) m_pHomePage->ReloadTodayPlans();
}

// The toast and the shade live as long as the process.
void CMainFrameWnd::CreateSharedWindows() {
  if (g_pFeedBackWnd == nullptr) {
    auto* toast = new PhotoFeedBackWindow;
    toast->CreateHidden();
    g_pFeedBackWnd = toast;
  }
  if (g_pBkWnd == nullptr) {
    auto* shade = new BkWindow;
    shade->CreateHidden(m_hWnd);
    g_pBkWnd = shade;
  }
}

void CMainFrameWnd::Notify(SkinUI::UINotifyRecord& msg) {
  if (msg.pSender == nullptr) return;
  const SkinUI::CUIString name = msg.pSender->GetName();
  if (msg.sType == L"selectchanged") {
    const int page = PageOfTab(name);
    if (page != 0 && !m_bSelectingStartTab) SelectPage(page);
    return;
  }
  if (msg.sType != L"click") return;
  if (name == L"btn_close") {
    if (ShowMessage(L"是否退出系统", m_hWnd, 2)) Close(1);
  } else if (name == L"btn_min") {
    SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
  } else if (name == L"btn_logout") {
    Logout();
  } else if (name == L"btn_help") {
    OpenHelpPage();
  } else if (name == L"btn_qr_code") {
    ShowQRCode();
  } else if (name == L"btn_userPhoto" || name == L"btn_userName") {
    OpenPersonalCenter();
  }
}

int CMainFrameWnd::PageOfTab(const SkinUI::CUIString& name) {
  for (int page = 1; page <= PAGE_COUNT; ++page) {
    if (name == kTabs[page - 1].option) return page;
  }
  return 0;
}

LRESULT CMainFrameWnd::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (uMsg == WM_TIMER && wParam == CLOCK_TIMER_ID) {
    UpdateClock();
    return 0;
  }
  if (uMsg == WM_TIMER && wParam == LOGIN_CHECK_TIMER_ID) {
    CheckLogin();
    return 0;
  }
  if (uMsg == UserPhotoLoader::kReadyMessage) {
    if (wParam != 0 && m_photoLoader) UserBox::ShowPhoto(m_pm, *m_photoLoader);
    return 0;
  }
  if (uMsg == IdentityIconLoader::kReadyMessage) {
    if (wParam != 0 && m_iconLoader) UserBox::ShowIcon(m_pm, *m_iconLoader);
    return 0;
  }
  if (uMsg == WM_SIZE && wParam == SIZE_RESTORED) OnRestored();
  return WindowImplBase::HandleMessage(uMsg, wParam, lParam);
}

void CMainFrameWnd::UpdateClock() {
  if (m_pTimeLabel == nullptr) return;
  SYSTEMTIME now = {};
  ::GetLocalTime(&now);
  m_pTimeLabel->SetText(FormatClockText(now).c_str());
}

// A platform that cannot be asked keeps the user logged in; the question is asked once,
// and whatever the answer the frame closes.
void CMainFrameWnd::CheckLogin() {
  if (GetUsersAuthority() || m_bLoginExpired) return;
  m_bLoginExpired = true;
  if (ShowMessage(L"系统检测到当前用户登录认证失效,\r\n是否重新登录?", m_hWnd, 2)) Restart();
  Close(1);
}

void CMainFrameWnd::Logout() {
  if (!ShowMessage(L"您确定要退出当前账号重新登录吗？", m_hWnd, 2)) return;
  Restart();
  Close(1);
}

void CMainFrameWnd::Restart() {
  OnlineUserClient& component = OnlineUserClient::Instance();
  if (component.HasComponent()) component.Logout();
  component.Release();
  platform::InstanceCounter::Program().Lower();
  wchar_t path[MAX_PATH] = {0};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  WIN32_FIND_DATAW found = {};
  const HANDLE search = ::FindFirstFileW(path, &found);
  if (search == INVALID_HANDLE_VALUE) return;
  ::FindClose(search);
  ::ShellExecuteW(nullptr, L"open", path, nullptr, nullptr, SW_SHOWNORMAL);
}

void CMainFrameWnd::OpenHelpPage() {
  std::string server = Session().m_strServerAddr;
  while (!server.empty() && server.back() == '/') server.pop_back();
  OpenInBrowser(Wide(server) + L"/Help/Wardenfell.html?qv_tk=" +
                    Wide(CommonTools::query_value(Session().m_userInfo.strToken)),
                m_hWnd);
}

void CMainFrameWnd::OpenPersonalCenter() {
  const global_singleton& session = Session();
  OpenInBrowser(Wide(session.m_strBaseAddr) + L"html/personalMgr/index.html?qv_tk=" +
                    Wide(CommonTools::query_value(session.m_userInfo.strToken)) + L"&qv_ic=" +
                    Wide(CommonTools::query_value(session.m_strIdentityCode)),
                m_hWnd);
}

void CMainFrameWnd::ShowQRCode() { CQRCodeWnd::ShowOver(m_hWnd); }

// Restored from the task bar: back onto the work area.
void CMainFrameWnd::OnRestored() {
  if (::IsRectEmpty(&m_rcWork)) return;
  RECT now = {};
  ::GetWindowRect(m_hWnd, &now);
  if (::EqualRect(&now, &m_rcWork)) return;
  ::MoveWindow(m_hWnd, m_rcWork.left, m_rcWork.top, m_rcWork.right - m_rcWork.left, m_rcWork.bottom - m_rcWork.top,
               FALSE);
}

#pragma once
// The program's main window, run modally by the entry after login. It fills the work
// area, loads the start-up caches, shows the tabs of the pages the user may use and
// creates each page on its first selection, shows the clock, the school and the user box,
// and watches the login: every 5 seconds it asks the platform whether the user's token is
// still valid and, when not, offers to log in again. Logging out or logging in again
// starts the program anew; the frame then closes with 1, which ends this process.
#include <memory>
#include <string>

#include "ui/core/window/WindowImplBase.h"

class CAuthorityManageWndEx;
class CDeviceManageWndEx;
class CHomePageWndEx;
class CPatrolPlanWndEx;
class CPeopleManageWndEx;
class CResultWndEx;
class CRouteManageWndEx;
class IdentityIconLoader;
class UserPhotoLoader;

namespace SkinUI {
class CControlUI;
class CWindowWnd;
}

class CMainFrameWnd : public SkinUI::WindowImplBase {
 public:
  enum : UINT { CLOCK_TIMER_ID = 1250, LOGIN_CHECK_TIMER_ID = 1255 };
  enum : UINT { CLOCK_INTERVAL_MS = 1000, LOGIN_CHECK_INTERVAL_MS = 5000 };
  enum : int { PAGE_COUNT = 7 };

  CMainFrameWnd();
  ~CMainFrameWnd() override;

  // Page 1 to 7 in tab order: moves the highlight, creates the page on its first
  // selection, shows it and hides the others, then refreshes the home page behind the
  // busy window or gives the focus to the page's search.
  void SelectPage(int page);
  // The plan page shows a plan's results: the results tab becomes the selected one.
  void CheckResultTab();
  // A plan card's "查看结果": the results tab, then the results page showing the plan's runs.
  void ShowPlanResults(int planId);

  // The caches, and the plans' statuses for today.
  static void LoadStartupCaches();
  static void UpdatePlanStates();
  void ShowUserBox();

  static std::wstring FormatClockText(const SYSTEMTIME& local);

  // The pages created so far; null before their first selection.
  CHomePageWndEx* GetHomePage() const { return m_pHomePage.get(); }
  SkinUI::CWindowWnd* GetPage(int page) const;
  const RECT& GetWorkArea() const { return m_rcWork; }
  // The user's photo on its way; null when there is none to load.
  UserPhotoLoader* GetUserPhotoLoader() const { return m_photoLoader.get(); }
  // The identity's icon on its way; null when there is none to load.
  IdentityIconLoader* GetIdentityIconLoader() const { return m_iconLoader.get(); }

  void Notify(SkinUI::UINotifyRecord& msg) override;

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;
  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void OnSkinBuilt() override;

 private:
  void FillWorkArea();
  void EnableAuthorizedTabs();
  void ShowStartPage(int page);
  void MoveTabHighlight(int page);
  // Creates the page when it does not exist yet; null when it cannot be made.
  SkinUI::CWindowWnd* EnsurePage(int page);
  void FocusPageSearch(int page);
  void ShowOnly(int page);
  void RefreshHomePage();
  void CreateSharedWindows();
  void UpdateClock();
  void CheckLogin();
  void Logout();
  // The component logs out and is released, the instance count goes down and the
  // program's own file is started again; the caller then closes the frame.
  void Restart();
  void OpenHelpPage();
  void OpenPersonalCenter();
  void ShowQRCode();
  void OnRestored();
  // The page of a tab option's name, 0 for another control.
  static int PageOfTab(const SkinUI::CUIString& name);

  std::unique_ptr<CHomePageWndEx> m_pHomePage;
  std::unique_ptr<CPatrolPlanWndEx> m_pPlanPage;
  std::unique_ptr<CRouteManageWndEx> m_pRoutePage;
  std::unique_ptr<CDeviceManageWndEx> m_pDevicePage;
  std::unique_ptr<CPeopleManageWndEx> m_pPeoplePage;
  std::unique_ptr<CResultWndEx> m_pResultPage;
  std::unique_ptr<CAuthorityManageWndEx> m_pAuthorityPage;
  // Joined before the pages go: their threads touch none of them.
  std::unique_ptr<UserPhotoLoader> m_photoLoader;
  std::unique_ptr<IdentityIconLoader> m_iconLoader;
  SkinUI::CControlUI* m_pTimeLabel = nullptr;
  // Set once the re-login question has been asked; never cleared.
  bool m_bLoginExpired = false;
  // While the start tab is selected from code its "selectchanged" selects nothing.
  bool m_bSelectingStartTab = false;
  RECT m_rcWork = {0, 0, 0, 0};
};

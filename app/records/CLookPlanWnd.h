#pragma once
// The modal view of one run of one plan: the plan's header, the run drawn on the campus
// map by the local page in the hosted web browser, and every checkpoint of the route
// with what happened there. From it the user plays a checkpoint's camera, opens the
// run's exception record and exports the run (the list as a workbook, the remark and the
// pictures) into a folder. It closes with 2.
//
// LoadPlanRun may be called on a worker thread while the view's thread sits in the busy
// window's loop: the worker fetches, and the view's thread, sent the result, navigates
// and fills the list; no control is touched from the worker.
#include <list>
#include <string>
#include <vector>

#include "app/records/CheckpointRows.h"
#include "app/records/PlanRunRow.h"
#include "data/InspectPlanInfo.h"
#include "data/RecordAreaInfo.h"
#include "platform/com/ComPtr.h"
#include "platform/com/WebBrowser.h"
#include "ui/core/window/WindowImplBase.h"

namespace SkinUI {
class CActiveXUI;
class CCheckBoxUI;
class CListUI;
}  // namespace SkinUI

class CLookPlanWnd : public SkinUI::WindowImplBase {
 public:
  // Sent to the view, it loads the stored run again behind the busy window.
  enum : UINT { WM_RELOAD_PLAN_RUN = WM_USER + 227 };

  explicit CLookPlanWnd(int planId);
  ~CLookPlanWnd() override;

  // Stores the run key ("YYYY-MM-DD/HH:MM-HH:MM"), points the browser at the run's page
  // and rebuilds the checkpoint list. Callable from any thread (see above).
  void LoadPlanRun(std::string runKey);
  // Rebuilds the checkpoint list from the server for the stored run; on the view's thread.
  void FillCheckpointResults();

  void Notify(SkinUI::UINotifyRecord& msg) override;

 protected:
  LPCTSTR GetWindowClassName() const override;
  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void OnSkinBuilt() override;
  SkinUI::CUIString GetSkinXmlName() const override;

 private:
  // What one load fetched, ready to be shown on the view's thread.
  struct Load {
    std::string runKey;
    bool navigate = false;
    std::wstring url;
    std::list<RecordAreaInfo> areas;
    std::vector<CheckpointRow> rows;
  };

  void ShowPlanHeader();
  void CreateBrowser();
  Load Fetch(const std::string& runKey, bool withPage) const;
  std::wstring PageUrl(const std::string& runKey) const;
  void Apply(const Load& load);
  void FillList(const std::vector<CheckpointRow>& rows);
  void Reload();
  void ExportRun();
  void OpenExceptionRecord();
  void ToggleAreas(SkinUI::CControlUI* sender);
  void PlayCamera(SkinUI::CControlUI* sender);

  int m_nPlanId;
  InspectPlanInfo m_plan;
  std::string m_strPeople;
  std::string m_strRunKey;
  SkinUI::CControlUI* m_pTitle = nullptr;
  SkinUI::CControlUI* m_pType = nullptr;
  SkinUI::CControlUI* m_pPeople = nullptr;
  SkinUI::CControlUI* m_pRoute = nullptr;
  SkinUI::CControlUI* m_pDate = nullptr;
  SkinUI::CControlUI* m_pRemark = nullptr;
  SkinUI::CListUI* m_pList = nullptr;
  SkinUI::CActiveXUI* m_pBrowserHost = nullptr;
  platform::com::ComPtr<IWebBrowser2> m_pBrowser;
  std::list<PlanRunRow> m_rows;
  std::list<RecordAreaInfo> m_listAreas;
};

#pragma once
// The page of patrol people: the people cache twenty rows a page, filtered by patrol
// type and by name, with add, edit, delete (refused while a plan names the person) and
// a refresh of names, roles and telephones from the base platform, whose requests go out
// on a worker while the page answers input.
#include <vector>

#include "app/management/PeopleRefresh.h"
#include "app/shell/ListPager.h"
#include "data/PeopleInfo.h"
#include "ui/core/window/WindowImplBase.h"

namespace SkinUI {
class CComboUI;
class CControlUI;
class CListUI;
}  // namespace SkinUI

class CPeopleManageWndEx : public SkinUI::WindowImplBase {
 public:
  CPeopleManageWndEx() = default;

  // Rebuilds the rows of the page from the cache; with `toLast` the last page is shown.
  void FillPeopleList(int page, bool toLast);
  void PrevPage();
  void NextPage();
  void GotoPage();
  // Names, roles and telephones from the base platform, for every person found there;
  // the cache takes them when all are done. Nothing starts while one is under way.
  void RefreshPeople();

  // What the main frame calls when it selects the page: the search button takes the focus.
  void FocusFindButton();

  void Notify(SkinUI::UINotifyRecord& msg) override;

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;
  void OnSkinBuilt() override;
  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;

 private:
  void AddPeople();
  void EditPeople(SkinUI::CControlUI* sender);
  void DeletePeople(SkinUI::CControlUI* sender);
  void OnSearchChanged();
  void OnPeopleRefreshed();
  bool Passes(const PeopleInfo& person, int typeIndex, const std::wstring& search) const;
  void InsertRow(const PeopleInfo& person, int position);
  ListPager Pager();

  SkinUI::CListUI* m_pList = nullptr;
  SkinUI::CComboUI* m_pType = nullptr;
  SkinUI::CControlUI* m_pSearch = nullptr;
  SkinUI::CControlUI* m_pCount = nullptr;
  SkinUI::CControlUI* m_pClear = nullptr;
  int m_nCurrentPage = 1;
  std::vector<PeopleInfo> m_filtered;
  RECT m_rcWork = {0, 0, 0, 0};
  // Last: its end waits for the job, which posts to this page's window.
  PeopleRefresh m_refresh;
};

#pragma once
// The rights page: the users of the patrol module with the areas and modules their
// rights record grants, twenty a page, with a name search. An administrator sees
// everyone but super users and edits; anyone else sees only himself and looks.
#include <list>
#include <map>
#include <string>
#include <vector>

#include "app/shell/ListPager.h"
#include "data/AuthorityInfo.h"
#include "data/ModuleUserInfo.h"
#include "ui/core/window/WindowImplBase.h"

namespace SkinUI {
class CControlUI;
class CListUI;
}  // namespace SkinUI

class CAuthorityManageWndEx : public SkinUI::WindowImplBase {
 public:
  CAuthorityManageWndEx() = default;

  void FillUserList(int page);
  void PrevUserPage();
  void NextUserPage();
  void GotoUserPage();

  // What the main frame calls when it selects the page: the search button takes the focus.
  void FocusFindButton();

  void Notify(SkinUI::UINotifyRecord& msg) override;

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;
  void OnSkinBuilt() override;

 private:
  bool Shows(const ModuleUserInfo& user, bool administrator, const std::wstring& search) const;
  void InsertRow(const ModuleUserInfo& user, int position, bool administrator);
  ListPager Pager();
  void OpenRights(SkinUI::CControlUI* sender);

  SkinUI::CListUI* m_pList = nullptr;
  SkinUI::CControlUI* m_pSearch = nullptr;
  SkinUI::CControlUI* m_pCount = nullptr;
  SkinUI::CControlUI* m_pClear = nullptr;
  int m_nCurrentPage = 1;
  std::map<std::string, AuthorityInfo> m_rights;
  std::vector<ModuleUserInfo> m_filtered;
  std::list<ModuleUserInfo> m_users;
  RECT m_rcWork = {0, 0, 0, 0};
};

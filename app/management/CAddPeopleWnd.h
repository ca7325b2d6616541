#pragma once
// Turns users of the base platform into patrol people: the module's users who are not
// patrol people yet, as check-box tiles with a name search; up to thirty ticked users
// and at least one patrol type are added on a worker behind the busy window. Result of
// the modal run: 1 when people were added, 2 on close or cancel.
#include <list>
#include <map>
#include <string>
#include <vector>

#include "app/management/PatrolTypeBoxes.h"
#include "data/ModuleUserInfo.h"
#include "data/PeopleInfo.h"
#include "ui/core/window/WindowImplBase.h"

namespace SkinUI {
class COptionUI;
class CTileLayoutUI;
}  // namespace SkinUI

class CAddPeopleWnd : public SkinUI::WindowImplBase {
 public:
  // What one press of OK did: 1 all added, -1 the server refused some, 0 refused by
  // validation; the people the server took, with their new ids.
  struct AddOutcome {
    int result = 0;
    std::vector<PeopleInfo> added;
  };

  // The opener is not used.
  explicit CAddPeopleWnd(void* pOpener);

  // Reads the registered people and the module's users, and shows the users' tiles.
  void LoadUsers();
  void ShowUsers(const std::wstring& filter);
  void ShowSelected();

  // The adds, run on the worker: validation messages go to `hwndParent`; nothing here
  // touches the controls or the people cache.
  static AddOutcome AddPeople(HWND hwndParent, const std::map<std::string, std::string>& selected,
                              const std::list<ModuleUserInfo>& users, int group);

  void Notify(SkinUI::UINotifyRecord& msg) override;

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;
  void OnSkinBuilt() override;

 private:
  void OnOk();
  // After the worker: the added people go into the cache and leave the choice.
  void Apply(const AddOutcome& outcome);
  void OnUserClicked(SkinUI::COptionUI* box);
  void OnSelectAllClicked();
  void OnUserDeleteClicked(const std::string& userID);
  std::vector<SkinUI::COptionUI*> UserTiles() const;
  std::wstring SearchText() const;

  SkinUI::CTileLayoutUI* m_pAllUsers = nullptr;
  SkinUI::CTileLayoutUI* m_pSelectedUsers = nullptr;
  SkinUI::COptionUI* m_pSelectAll = nullptr;
  PatrolTypeBoxes m_boxes;
  std::map<std::string, std::string> m_existing;  // user id -> name of every patrol person
  std::list<ModuleUserInfo> m_users;
  std::map<std::string, std::string> m_selected;  // user id -> user name, GBK
};

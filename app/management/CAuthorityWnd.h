#pragma once
// One user's rights in the patrol module: the seven areas and the six modules as check
// boxes; an administrator saves them, anyone else only looks. Result of the modal run:
// 1 saved, 2 closed or cancelled.
#include <string>

#include "data/AuthorityInfo.h"
#include "ui/core/window/WindowImplBase.h"

namespace SkinUI {
class CContainerUI;
}

class CAuthorityWnd : public SkinUI::WindowImplBase {
 public:
  // The id and name of the user whose rights are shown, GBK.
  CAuthorityWnd(std::string strUserID, std::string strUserName);

  // Reads the user's record and shows it; after the window is created.
  void LoadRights();
  // Saves the ticked words; true when the server took them.
  bool Save();

  void Notify(SkinUI::UINotifyRecord& msg) override;

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;
  void OnSkinBuilt() override;

 private:
  void BuildCheckBoxes();

  std::string m_strUserID;
  std::string m_strUserName;
  AuthorityInfo m_rights;
  SkinUI::CControlUI* m_pAreaNum = nullptr;
  SkinUI::CControlUI* m_pModuleNum = nullptr;
  SkinUI::CContainerUI* m_pAreas = nullptr;
  SkinUI::CContainerUI* m_pModules = nullptr;
};

// The logged-in user is an administrator: identity "IC0001", or user type 6 or 8.
bool IsAdministrator();

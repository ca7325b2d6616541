#pragma once
// The login window ("LoginWndUI.xml"): a platform account and password, logged in through
// the local login component, optionally remembered in "Config.ini" (Base64, as the
// platform's other clients keep it). Closes with 1 after a successful login, 2 when the
// user closes it; it can be submitted any number of times meanwhile.
#include <string>

#include "CommonTools/OnlineUserInfo.h"
#include "ui/core/window/WindowImplBase.h"

namespace SkinUI {
class COptionUI;
}

class CLoginWnd : public SkinUI::WindowImplBase {
 public:
  // The user is written into `out` (which must outlive the window) on success.
  explicit CLoginWnd(OnlineUserInfo& out);

  void Notify(SkinUI::UINotifyRecord& msg) override;

  // The remembered account and password; false when "Config.ini" holds none or neither
  // decodes.
  bool LoadLoginInfo();
  // Writes the account and, when remembering, the password; not remembering clears a
  // password remembered earlier.
  void SaveLoginInfo(bool remember);
  void OnLogin();
  // Shows the hint and the error frame of the first empty field.
  bool ValidateInput();

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;
  void OnSkinBuilt() override;

 private:
  void ShowAccountFocus();
  void ShowPasswordFocus();
  void OpenPasswordRecovery();
  void ShowCheckTip(const std::wstring& text, bool withTooltip);
  void HideCheckTip();
  static void SetFrame(SkinUI::CControlUI* frame, LPCTSTR image);

  OnlineUserInfo& m_out;
  std::wstring m_account;
  std::wstring m_password;
  SkinUI::CControlUI* m_pAccountFrame = nullptr;
  SkinUI::CControlUI* m_pPasswordFrame = nullptr;
  SkinUI::CControlUI* m_pAccount = nullptr;
  SkinUI::CControlUI* m_pPassword = nullptr;
  SkinUI::COptionUI* m_pRemember = nullptr;
  SkinUI::CControlUI* m_pForget = nullptr;
  SkinUI::CControlUI* m_pTipAccount = nullptr;
  SkinUI::CControlUI* m_pTipPassword = nullptr;
  SkinUI::CControlUI* m_pTipCheck = nullptr;
};

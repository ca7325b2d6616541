#include "app/shell/CLoginWnd.h"

#include <cstdlib>

#include "CommonTools/Base64.h"
#include "CommonTools/Config.h"
#include "CommonTools/Conversions.h"
#include "CommonTools/LogHelper.h"
#include "CommonTools/global_singleton.h"
#include "app/shell/OnlineUserClient.h"
#include "ui/controls/COptionUI.h"

namespace {

const UINT kProgramIcon = 101;
const size_t kLongestMessage = 40;  // a longer text names no account the platform knows

const wchar_t kAccountHover[] = L"file='LoginWnd/账号-hover.png'";
const wchar_t kAccountNormal[] = L"file='LoginWnd/账号-normal.png'";
const wchar_t kAccountError[] = L"file='LoginWnd/账号-error.png'";
const wchar_t kPasswordHover[] = L"file='LoginWnd/密码-hover.png'";
const wchar_t kPasswordNormal[] = L"file='LoginWnd/密码-normal.png'";
const wchar_t kPasswordError[] = L"file='LoginWnd/密码-error.png'";

std::wstring TextOf(SkinUI::CControlUI* control) {
  return control != nullptr ? std::wstring(control->GetText().GetData()) : std::wstring();
}

void SetText(SkinUI::CControlUI* control, const std::wstring& text) {
  if (control != nullptr) control->SetText(text.c_str());
}

void Show(SkinUI::CControlUI* control, bool visible) {
  if (control != nullptr) control->SetVisible(visible);
}

// The Base64 of the text in GBK; empty when it does not encode (an empty text).
std::string Encoded(const std::wstring& text) {
  std::string encoded;
  return CommonTools::base64_encode(encoded, CommonTools::wstring_to_string(text)) ? encoded : std::string();
}

// The decoder completes leftover bits into a zero byte; the text ends before it, as a
// C string would.
std::wstring DecodedText(const std::string& decoded) {
  return CommonTools::string_to_wstring(decoded.substr(0, decoded.find('\0')));
}

}  // namespace

CLoginWnd::CLoginWnd(OnlineUserInfo& out) : m_out(out) {}

LPCTSTR CLoginWnd::GetWindowClassName() const { return L"LoginWnd"; }

SkinUI::CUIString CLoginWnd::GetSkinXmlName() const { return L"LoginWndUI.xml"; }

void CLoginWnd::OnSkinBuilt() {
  SetIcon(kProgramIcon);
  m_pAccountFrame = m_pm.FindControl(L"conn_user_id");
  m_pPasswordFrame = m_pm.FindControl(L"conn_user_pwd");
  m_pAccount = m_pm.FindControl(L"user_id");
  m_pPassword = m_pm.FindControl(L"user_pwd");
  SkinUI::CControlUI* remember = m_pm.FindControl(L"remember_pwd");
  m_pRemember = remember != nullptr ? static_cast<SkinUI::COptionUI*>(remember->GetInterface(L"Option")) : nullptr;
  m_pForget = m_pm.FindControl(L"forget_pwd");
  m_pTipAccount = m_pm.FindControl(L"tip_id");
  m_pTipPassword = m_pm.FindControl(L"tip_pwd");
  m_pTipCheck = m_pm.FindControl(L"tip_check");

  const bool loaded = LoadLoginInfo();
  if (loaded) {
    SetText(m_pAccount, m_account);
    SetText(m_pPassword, m_password);
  }
  if (m_pRemember != nullptr) m_pRemember->SetSelected(loaded && !m_account.empty() && !m_password.empty());

  ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  global_singleton& session = global_singleton::get_mutable_instance();
  if (!session.m_bLoginInit) session.m_bLoginInit = OnlineUserClient::Instance().Init() == 0;
  if (m_pAccountFrame != nullptr) m_pAccountFrame->SetFocus();
}

void CLoginWnd::Notify(SkinUI::UINotifyRecord& msg) {
  if (msg.pSender == nullptr) return;
  const SkinUI::CUIString name = msg.pSender->GetName();
  if (msg.sType == L"click") {
    if (name == L"btn_close") {
      Close(2);
    } else if (name == L"btn_login") {
      OnLogin();
    } else if (name == L"forget_pwd") {
      OpenPasswordRecovery();
    }
  } else if (msg.sType == L"setfocus") {
    if (name == L"user_id") ShowAccountFocus();
    if (name == L"user_pwd") ShowPasswordFocus();
  } else if (msg.sType == L"return") {
    if (name != L"user_id" && name != L"user_pwd") return;
    if (SkinUI::CControlUI* login = m_pm.FindControl(L"btn_login")) login->SetFocus();
    OnLogin();
  } else if (msg.sType == L"textchanged") {
    // A new account does not keep the password of the remembered one.
    if (name == L"user_id") SetText(m_pPassword, std::wstring());
    if (name == L"user_id" || name == L"user_pwd") HideCheckTip();
  }
}

void CLoginWnd::SetFrame(SkinUI::CControlUI* frame, LPCTSTR image) {
  if (frame != nullptr) frame->SetAttribute(L"bkimage", image);
}

void CLoginWnd::ShowAccountFocus() {
  SetFrame(m_pAccountFrame, kAccountHover);
  SetFrame(m_pPasswordFrame, kPasswordNormal);
}

void CLoginWnd::ShowPasswordFocus() {
  SetFrame(m_pPasswordFrame, kPasswordHover);
  SetFrame(m_pAccountFrame, kAccountNormal);
}

void CLoginWnd::OpenPasswordRecovery() {
  const std::wstring page = CommonTools::string_to_wstring(global_singleton::get_const_instance().m_strBaseAddr) +
                            L"UserMgr/Login/GetPwdBack/CheckUserID.aspx";
  ::ShellExecuteW(nullptr, L"open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void CLoginWnd::ShowCheckTip(const std::wstring& text, bool withTooltip) {
  if (m_pTipCheck == nullptr) return;
  m_pTipCheck->SetText(text.c_str());
  if (withTooltip) m_pTipCheck->SetToolTip(text.c_str());
  m_pTipCheck->SetVisible(true);
}

void CLoginWnd::HideCheckTip() { Show(m_pTipCheck, false); }

bool CLoginWnd::ValidateInput() {
  m_account = TextOf(m_pAccount);
  if (m_account.empty()) {
    Show(m_pTipAccount, true);
    SetFrame(m_pAccountFrame, kAccountError);
    return false;
  }
  Show(m_pTipAccount, false);
  m_password = TextOf(m_pPassword);
  if (m_password.empty()) {
    Show(m_pTipPassword, true);
    SetFrame(m_pPasswordFrame, kPasswordError);
    return false;
  }
  Show(m_pTipPassword, false);
  return true;
}

void CLoginWnd::OnLogin() {
  if (!ValidateInput()) return;
  m_out.strPassword = CommonTools::wstring_to_string(m_password);
  OnlineUserClient& client = OnlineUserClient::Instance();
  const std::string reply = client.Login(m_account, m_password);
  const size_t bar = reply.find('|');
  const std::string code = bar == std::string::npos ? reply : reply.substr(0, bar);
  const std::string text = bar == std::string::npos ? reply : reply.substr(bar + 1);
  if (std::atoi(code.c_str()) == 1) {
    if (!client.LoginByToken(m_out, text)) {
      ShowCheckTip(L"验证失败", false);
      return;
    }
    SaveLoginInfo(m_pRemember != nullptr && m_pRemember->IsSelected());
    Close(1);
    return;
  }
  if (text.size() > kLongestMessage) {
    ShowCheckTip(L"账号不存在", false);
  } else if (text == "密码错误") {
    ShowCheckTip(L"账号或密码错误", true);
  } else {
    ShowCheckTip(CommonTools::string_to_wstring(text), true);
  }
}

void CLoginWnd::SaveLoginInfo(bool remember) {
  const std::string account = Encoded(m_account);
  const std::string password = remember && !account.empty() ? Encoded(m_password) : std::string();
  if (account.empty() || (remember && password.empty())) CommonTools::log_helper::write(2, "账号信息加密失败...");
  const BOOL accountWritten =
      CommonTools::write_config(L"LoginInfo", L"Secret_ID", CommonTools::string_to_wstring(account).c_str());
  const BOOL passwordWritten =
      CommonTools::write_config(L"LoginInfo", L"Secret_PWD", CommonTools::string_to_wstring(password).c_str());
  if (!accountWritten || !passwordWritten) CommonTools::log_helper::write(2, "账号信息写入配置文件失败...");
}

bool CLoginWnd::LoadLoginInfo() {
  const std::string id = CommonTools::wstring_to_string(CommonTools::read_login_config(L"Secret_ID"));
  const std::string pwd = CommonTools::wstring_to_string(CommonTools::read_login_config(L"Secret_PWD"));
  if (id.empty() && pwd.empty()) {
    CommonTools::log_helper::write(2, "读取加密的用户信息失败...");
    return false;
  }
  std::string account;
  std::string password;
  const bool accountDecoded = CommonTools::base64_decode(account, id);
  const bool passwordDecoded = CommonTools::base64_decode(password, pwd);
  if (!accountDecoded && !passwordDecoded) {
    CommonTools::log_helper::write(2, "解密读取的用户信息失败...");
    return false;
  }
  m_account = accountDecoded ? DecodedText(account) : std::wstring();
  m_password = passwordDecoded ? DecodedText(password) : std::wstring();
  return true;
}

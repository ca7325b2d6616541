#include "app/shell/CInputQVBaseAddrWndUI.h"

#include <string>

#include "CommonTools/Config.h"
#include "CommonTools/Conversions.h"
#include "CommonTools/LogHelper.h"
#include "CommonTools/Network.h"
#include "CommonTools/global_singleton.h"
#include "data/SubSystemInfo.h"
#include "platform/base/UserName.h"
#include "ui/controls/COptionUI.h"

namespace {

// Without trailing carriage returns and blanks, and without leading blanks.
std::wstring TrimmedHost(std::wstring text) {
  const size_t end = text.find_last_not_of(L" \t\r");
  text.erase(end == std::wstring::npos ? 0 : end + 1);
  const size_t begin = text.find_first_not_of(L" \t");
  return begin == std::wstring::npos ? std::wstring() : text.substr(begin);
}

}  // namespace

LPCTSTR CInputQVBaseAddrWndUI::GetWindowClassName() const { return L"InputQVBaseAddrWndUI"; }

SkinUI::CUIString CInputQVBaseAddrWndUI::GetSkinXmlName() const { return L"InputQVBaseAddrWnd.xml"; }

void CInputQVBaseAddrWndUI::Notify(SkinUI::UINotifyRecord& msg) {
  if (msg.pSender == nullptr) return;
  const SkinUI::CUIString name = msg.pSender->GetName();
  if (msg.sType == L"click") {
    if (name == L"CancelBtn" || name == L"closebtn") {
      Close(2);
    } else if (name == L"CompleteBtn") {
      OnComplete();
    }
  } else if (msg.sType == L"return") {
    OnComplete();
  }
}

void CInputQVBaseAddrWndUI::OnComplete() {
  SkinUI::CControlUI* edit = m_pm.FindControl(L"QVBaseAddrEdit");
  if (edit == nullptr) {
    Close(2);
    return;
  }
  const std::wstring host = TrimmedHost(edit->GetText().GetData());
  if (host.empty()) return;
  global_singleton& session = global_singleton::get_mutable_instance();
  const std::string base = "http://" + CommonTools::wstring_to_string(host) + "/";
  session.m_strBaseAddr = base;  // the address service below is asked there

  SkinUI::CControlUI* check = m_pm.FindControl(L"cb_outsideSchool");
  auto* outsideOption = check != nullptr ? static_cast<SkinUI::COptionUI*>(check->GetInterface(L"Option")) : nullptr;
  const bool outside = outsideOption != nullptr && outsideOption->IsSelected();
  std::string server = outside ? GetSubSystemServerInfo("E61") : GetSubSystemInfo("E61");
  if (server.empty()) {
    if (SkinUI::CControlUI* tips = m_pm.FindControl(L"check_tips")) tips->SetVisible(true);
    return;
  }
  if (!CommonTools::resolve_url_host(server)) {
    CommonTools::log_helper::write(2, "基础平台返回的数据库地址解析失败:" + server);
    return;
  }

  CommonTools::write_config(L"LoginInfo", L"OutSideSchool", outside ? L"1" : L"0");
  const BOOL baseWritten = CommonTools::write_config(L"LoginInfo", L"QVBaseAddr", CommonTools::string_to_wstring(base).c_str());
  const BOOL serverWritten =
      CommonTools::write_config(L"LoginInfo", L"ServerAddr", CommonTools::string_to_wstring(server).c_str());
  if (!baseWritten || !serverWritten) CommonTools::log_helper::write(2, "基础平台地址写入配置文件失败...");
  // Kept for this run even when "Config.ini" could not be written: the run must not go
  // on against an empty server address.
  session.m_strServerAddr = server;
  session.m_nOutSideSchool = outside ? 1 : 0;
  SaveDefaultPictureSavePath();
  Close(1);
}

bool CInputQVBaseAddrWndUI::SaveDefaultPictureSavePath() {
  wchar_t name[260] = {0};
  DWORD length = 260;
  if (!::GetUserNameW(name, &length) || name[0] == L'\0') return false;
  const std::wstring folder = std::wstring(L"C:\\Users\\") + name + L"\\Pictures";
  return CommonTools::write_config(L"SystemSetting", L"PictureSavePath", folder.c_str()) != FALSE;
}

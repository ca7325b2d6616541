#include "app/shell/LoginSequence.h"

#include "CommonTools/Config.h"
#include "CommonTools/Conversions.h"
#include "CommonTools/Log.h"
#include "CommonTools/Network.h"
#include "CommonTools/SecretMask.h"
#include "CommonTools/TextTime.h"
#include "CommonTools/global_singleton.h"
#include "app/shell/CInputQVBaseAddrWndUI.h"
#include "app/shell/CLoginWnd.h"
#include "app/shell/OnlineUserClient.h"
#include "app/shell/ShowMessage.h"
#include "data/PlatformUsers.h"
#include "data/SubSystemInfo.h"

namespace {

const size_t kPrefixLength = 21;
const char kModuleID[] = "E61001";
const DWORD kDialogStyle = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU;

// A cut as the class library makes it: a start or count outside the text is clamped, so
// a part that is not there is empty instead of an error. npos stands for "not found" (-1).
std::wstring Mid(const std::wstring& text, long first, long count) {
  if (first < 0) first = 0;
  if (count < 0 || static_cast<size_t>(first) >= text.size()) return std::wstring();
  return text.substr(static_cast<size_t>(first), static_cast<size_t>(count));
}

long Position(size_t found) { return found == std::wstring::npos ? -1 : static_cast<long>(found); }

int NetworkModeFromConfig() { return CommonTools::read_login_config(L"OutSideSchool") == L"1" ? 1 : 0; }

// 0 when the component is (now) ready, else Init's code. A failure leaves the flag clear,
// so a later caller tries again.
int EnsureComponent() {
  global_singleton& session = global_singleton::get_mutable_instance();
  if (session.m_bLoginInit) return 0;
  const int result = OnlineUserClient::Instance().Init();
  session.m_bLoginInit = result == 0;
  return result;
}

UINT RunLoginWindow(OnlineUserInfo& out, LPCWSTR title) {
  CLoginWnd window(out);
  if (window.Create(nullptr, title, kDialogStyle, WS_EX_WINDOWEDGE, 0, 0, 0, 0) == nullptr) return 0;
  window.CenterWindow();
  return window.ShowModal();
}

// The module right; a user without it is logged out of the component.
bool HasModuleRight(const std::string& token, const OnlineUserInfo& user) {
  if (CheckUsersIdentity(token, user.strUserID, kModuleID) != 0) return true;
  OnlineUserClient::Instance().Logout();
  ShowMessage(L"您的权限不够！", nullptr, 1);
  return false;
}

}  // namespace

CommandLineParts SplitCommandLine(const std::wstring& argument) {
  const long first = Position(argument.find(L'$'));
  const long last = Position(argument.rfind(L'$'));
  CommandLineParts parts;
  parts.token = Mid(argument, static_cast<long>(kPrefixLength), first - static_cast<long>(kPrefixLength));
  parts.host = Mid(argument, first + 1, last - first - 1);
  const std::wstring identity = Mid(argument, last + 1, static_cast<long>(argument.size()));
  parts.identity = identity.substr(0, identity.find(L'"'));
  return parts;
}

OnlineUserInfo& CopyOnlineUserInfo(OnlineUserInfo& destination, const OnlineUserInfo& source) {
  destination.nUserType = source.nUserType;
  destination.strUserID = source.strUserID;
  destination.strUserName = source.strUserName;
  destination.strPassword = source.strPassword;
  destination.strSchoolID = source.strSchoolID;
  destination.strSchoolName = source.strSchoolName;
  destination.strExtra1 = source.strExtra1;
  destination.strExtra2 = source.strExtra2;
  destination.strExtra3 = source.strExtra3;
  destination.strExtra4 = source.strExtra4;
  destination.strPhotoUrl = source.strPhotoUrl;
  destination.strToken = source.strToken;
  return destination;
}

bool LoadBaseAddrConfig() {
  const std::wstring base = CommonTools::read_login_config(L"QVBaseAddr");
  const std::wstring server = CommonTools::read_login_config(L"ServerAddr");
  if (!base.empty() && !server.empty()) {
    global_singleton& session = global_singleton::get_mutable_instance();
    session.m_strBaseAddr = CommonTools::wstring_to_string(base);
    session.m_strServerAddr = CommonTools::wstring_to_string(server);
    session.m_nOutSideSchool = NetworkModeFromConfig();
    g_log.Write(6, "客户端启动，基础平台地址:[%s],数据库地址:[%s],启动时间:[%s]\n", session.m_strBaseAddr.c_str(),
                session.m_strServerAddr.c_str(), CommonTools::now_text().c_str());
    return true;
  }
  CInputQVBaseAddrWndUI dialog;
  if (dialog.Create(nullptr, L"InputQVBaseAddrWnd", kDialogStyle, WS_EX_WINDOWEDGE | WS_EX_ACCEPTFILES, 0, 0, 0, 0) ==
      nullptr) {
    return false;
  }
  dialog.CenterWindow();
  return dialog.ShowModal() == 1;
}

bool CommandLineLogin(OnlineUserInfo& out, const std::wstring& argument) {
  global_singleton& session = global_singleton::get_mutable_instance();
  session.m_nOutSideSchool = NetworkModeFromConfig();
  g_log.Write(6, "命令行传入参数为:%s\n", CommonTools::wstring_to_string(argument).c_str());
  const CommandLineParts parts = SplitCommandLine(argument);
  std::wstring host = parts.host;
  while (!host.empty() && host.back() == L'/') host.pop_back();
  session.m_strBaseAddr = "http://" + CommonTools::wstring_to_string(host) + "/";
  session.m_strIdentityCode = CommonTools::wstring_to_string(parts.identity);
  std::string server = GetSubSystemInfo("E61");
  if (!CommonTools::resolve_url_host(server)) {
    g_log.Write(3, "命令行传参调用，域名解析失败！基础平台地址：%s,数据库的地址为:%s\n", session.m_strBaseAddr.c_str(),
                server.c_str());
    return false;
  }
  CommonTools::write_config(L"LoginInfo", L"QVBaseAddr", CommonTools::string_to_wstring(session.m_strBaseAddr).c_str());
  CommonTools::write_config(L"LoginInfo", L"ServerAddr", CommonTools::string_to_wstring(server).c_str());
  session.m_strServerAddr = server;
  return CommandLineTokenLogin(out, parts.token);
}

bool CommandLineTokenLogin(OnlineUserInfo& out, const std::wstring& token) {
  if (EnsureComponent() != 0) {
    ShowMessage(L"命令行传参调用，登录框初始化失败，请联系管理员！", nullptr, 1);
    return false;
  }
  std::string checkedToken = CommonTools::wstring_to_string(token);
  if (!OnlineUserClient::Instance().LoginByToken(out, checkedToken)) {
    g_log.Write(3, "命令行传参调用，通过TOKEN获取用户信息失败，重新弹出登录框...token值为：%s\n",
                CommonTools::mask_secret(checkedToken).c_str());
    if (RunLoginWindow(out, L"校园巡查系统-登录") != 1) return false;
    // The refused token would fail the check for every user: ask with the token of the
    // user who has just logged in.
    checkedToken = out.strToken;
  }
  const std::string& identity = global_singleton::get_const_instance().m_strIdentityCode;
  if (identity == "IC0101" || identity == "IC0102") return true;
  return HasModuleRight(checkedToken, out);
}

bool LoginFromLocalMachine_Sch(OnlineUserInfo& out) {
  const int result = EnsureComponent();
  if (result != 0) {
    g_log.Write(3, "【LoginFromLocalMachine_Sch】登录框初始化失败，返回值为:%s\n", std::to_string(result).c_str());
    ShowMessage(L"登录框初始化失败，请联系管理员！", nullptr, 7);
    return false;
  }
  OnlineUserClient& client = OnlineUserClient::Instance();
  if (client.HasComponent() && client.IsUserOnline()) {
    if (!client.ReadOnlineUser(out)) return false;
  } else if (RunLoginWindow(out, L"vovivi-登录") != 1) {
    return false;
  }
  return HasModuleRight(out.strToken, out);
}

// The program's entry: the whole run on the UI thread, from the single-instance check to
// the exit records.
#include <memory>
#include <string>

#include "CommonTools/HttpHelper.h"
#include "CommonTools/Log.h"
#include "CommonTools/LogHelper.h"
#include "CommonTools/ProcessObjects.h"
#include "CommonTools/SecretMask.h"
#include "CommonTools/TextTime.h"
#include "CommonTools/global_singleton.h"
#include "app/client/CrashDump.h"
#include "app/client/ProgramLog.h"
#include "app/frame/CMainFrameWnd.h"
#include "app/shell/LoginSequence.h"
#include "app/shell/ShellRecordAlerts.h"
#include "app/shell/ShowMessage.h"
#include "app/shell/UserRights.h"
#include "data/DAL_LoginInfo.h"
#include "data/DAL_PatrolServer.h"
#include "data/DataCollection.h"
#include "data/rabbitmq_helper.h"
#include "platform/base/InstanceCounter.h"
#include "platform/login/OnlineUserObject.h"
#include "platform/spreadsheet/SpreadsheetApplication.h"
#include "platform/web/BrowserObject.h"
#include "platform/web/Wke.h"
#include "platform/win32.h"
#include "ui/controls/CWkeWebkitUI.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace {

const wchar_t kMainWindowTitle[] = L"duvira主界面";
const char kModuleID[] = "E61001";

// True when this process may run: no other instance counts. Otherwise the running
// instance's window comes forward, or the user is told that it is not there yet.
bool PassSingleInstance() {
  if (platform::InstanceCounter::Program().RaiseIfZero()) return true;
  if (HWND running = ::FindWindowW(nullptr, kMainWindowTitle)) {
    ::ShowWindow(running, SW_RESTORE);
  } else {
    ::MessageBoxW(nullptr, L"提示", L"未发现巡更系统", MB_OK);
  }
  return false;
}

// Our own classes and services stand where the system's would.
void RegisterServices() {
  platform::login::OnlineUserObject::Register();
  platform::spreadsheet::SpreadsheetApplication::Register();
  RecordAlerts::Install(std::make_shared<ShellRecordAlerts>());
}

bool LogIn(const std::wstring& commandLine) {
  if (!commandLine.empty()) {
    if (CommandLineLogin(g_OnlineUserInfo, commandLine)) return true;
    g_log.Write(3, "登陆失败！\n");
    return false;
  }
  if (!LoadBaseAddrConfig()) {
    ShowMessage(L"基础平台登陆失败", nullptr, 1);
    return false;
  }
  if (LoginFromLocalMachine_Sch(g_OnlineUserInfo)) return true;
  g_log.Write(3, "登陆失败！\n");
  return false;
}

void PublishUser() {
  global_singleton& session = global_singleton::get_mutable_instance();
  CopyOnlineUserInfo(session.m_userInfo, g_OnlineUserInfo);
  session.m_strToken = g_OnlineUserInfo.strToken;
}

void RecordLogin() {
  const global_singleton& session = global_singleton::get_const_instance();
  if (!DAL_LoginInfo_Get().SchoolID.empty()) return;
  LoginSessionInfo record;
  record.UserID = session.m_userInfo.strUserID;
  record.UserName = session.m_userInfo.strUserName;
  record.SchoolID = session.m_userInfo.strSchoolID;
  record.SchoolName = session.m_userInfo.strSchoolName;
  record.Token = session.m_strToken;
  record.Time = CommonTools::now_text();
  DAL_LoginInfo_Add(record);
}

// The refusal's message, or null when the user may go on.
const wchar_t* RightsRefusal(UserRightsResult result, int* kind) {
  switch (result) {
    case UserRightsResult::NoRights:
      *kind = 1;
      return L"您不具有登陆权限，\r\n请联系管理员分配权限！";
    case UserRightsResult::Unavailable:
      *kind = 7;
      return L"获取用户权限失败，请检查网络后重新登录!";
    default:
      return nullptr;
  }
}

void ReleaseServiceSingletons() {
  delete CommonTools::log_helper::instance();
  delete CommonTools::http_helper::instance();
}

// Runs the main window as the program's main loop, until it closes.
void RunMainWindow() {
  auto frame = std::make_unique<CMainFrameWnd>();
  if (frame->Create(nullptr, kMainWindowTitle, WS_VISIBLE | WS_OVERLAPPEDWINDOW, WS_EX_WINDOWEDGE, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT) == nullptr) {
    return;
  }
  RECT work = {0, 0, 0, 0};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  ::SetWindowPos(frame->GetHWND(), HWND_NOTOPMOST, 0, 0, work.right, work.bottom, SWP_FRAMECHANGED);
  frame->CenterWindow();
  frame->ShowModal();
}

}  // namespace

int wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR lpCmdLine, int) {
  const std::wstring commandLine = lpCmdLine != nullptr ? lpCmdLine : L"";
  if (!PassSingleInstance()) return 0;
  ::SetUnhandledExceptionFilter(&UnhandledExceptionHandler);
  LockUnhandledExceptionFilter();
  RegisterServices();

  SkinUI::CWindowManagerUI::SetInstance(hInstance);
  SkinUI::CWindowManagerUI::SetResourcePath(SkinUI::CWindowManagerUI::GetInstancePath() + L"./skin");
  wkeInitialize();
  jsBindFunction("jsToNative", &SkinUI::CWkeWebkitUI::OnJsToNative, 2);
  // The map pages' browser runs on the engine just started.
  platform::web::BrowserObject::Register();
  InitLog();

  if (!LogIn(commandLine)) return 0;
  PublishUser();
  // Owned for the whole run and never destroyed on the exit road, which ends the process
  // under its consumer.
  auto* broker = new rabbitmq_helper();
  broker->connect();
  const global_singleton& session = global_singleton::get_const_instance();
  g_log.Write(6, "[基础平台地址]:%s,[数据库地址]:%s,[用户名]:%s,[身份代码]:%s,[用户ID]:%s,[令牌]:%s\n",
              session.m_strBaseAddr.c_str(), session.m_strServerAddr.c_str(), session.m_userInfo.strUserName.c_str(),
              session.m_strIdentityCode.c_str(), session.m_userInfo.strUserID.c_str(),
              CommonTools::mask_secret(session.m_strToken).c_str());
  RecordLogin();

  int kind = 0;
  if (const wchar_t* refusal = RightsRefusal(LoadUserRights(), &kind)) {
    ShowMessage(refusal, nullptr, kind);
    broker->close();
    delete broker;
    return 0;
  }
  DAL_PatrolServer().DAL_SystemLog_Add("登陆巡更系统");
  const std::string loginTime = CommonTools::now_text();

  RunMainWindow();

  DAL_PatrolServer().DAL_SystemLog_Add("退出duvira");
  const std::string exitTime = CommonTools::now_text();
  SendLoginMegToBigDate(g_strUserID, kModuleID, loginTime, exitTime);
  g_log.Write(6, "[程序运行结束时间]:%s\n", CommonTools::now_text().c_str());
  ReleaseServiceSingletons();
  g_log.Write(6, "完全退出程序!\n");
  ::ExitProcess(0);
  // Reached only when a test intercepts the exit.
  broker->close();
  delete broker;
  return 0;
}

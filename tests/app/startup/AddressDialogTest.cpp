// The first-run address dialog: the host as typed, which address service is asked, what
// happens without a server address or with one that does not resolve, Enter, and a
// "Config.ini" that cannot be written.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <memory>
#include <string>

#include "CommonTools/Config.h"
#include "CommonTools/Conversions.h"
#include "app/shell/CInputQVBaseAddrWndUI.h"
#include "tests/app/startup/support/LoginWindowDriver.h"
#include "tests/app/startup/support/StartupWorld.h"

namespace {

using startuptest::LoginWindowDriver;

const char kInner[] = "/Base/WS/Service_Basic.asmx/WS_G_GetSubSystemInnerServerInfo";
const char kOuter[] = "/Base/WS/Service_Basic.asmx/WS_G_GetSubSystemServerInfo";

class AddressDialog : public startuptest::StartupWorld {
 protected:
  AddressDialog() {
    session().m_strBaseAddr.clear();
    session().m_strServerAddr.clear();
    host = CommonTools::string_to_wstring(patrol.base_url().substr(7, patrol.base_url().size() - 8));
  }
  ~AddressDialog() override {
    if (hwnd != nullptr && ::IsWindow(hwnd)) ::PostMessageW(hwnd, WM_CLOSE, 2, 0);
    driver.WaitIdle();
    ui.Call([this] { dialog.reset(); });
  }

  void Open() {
    ui.Call([this] { dialog.reset(); });
    ui.Post([this] {
      dialog = std::make_unique<CInputQVBaseAddrWndUI>();
      dialog->Create(nullptr, L"InputQVBaseAddrWnd",
                     WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU,
                     WS_EX_WINDOWEDGE | WS_EX_ACCEPTFILES, 0, 0, 0, 0);
      result = static_cast<int>(dialog->ShowModal());
    });
    ASSERT_TRUE(driver.WaitIdle());
    hwnd = dialog->GetHWND();
    ASSERT_NE(hwnd, nullptr);
  }

  void RemoveConfigAndSession() {
    startuptest::RemoveConfig();
    session().m_strBaseAddr.clear();
    session().m_strServerAddr.clear();
    result = -1;
  }

  void Submit(const std::wstring& typed, bool outside = false) {
    window.Type(hwnd, L"QVBaseAddrEdit", typed);
    window.Tick(hwnd, L"cb_outsideSchool", outside);
    window.Click(hwnd, L"CompleteBtn");
    ASSERT_TRUE(driver.WaitIdle());
  }

  std::wstring host;  // "127.0.0.1:<port>", the test platform
  std::unique_ptr<CInputQVBaseAddrWndUI> dialog;
  HWND hwnd = nullptr;
  std::atomic<int> result{-1};
  LoginWindowDriver window{driver};
};

TEST_F(AddressDialog, StoresTheTrimmedHostAndTheServer) {
  for (const std::wstring& typed : {host, L"  " + host + L" \r", L"\t" + host + L"\r\r  "}) {
    RemoveConfigAndSession();
    Open();
    Submit(typed);
    EXPECT_EQ(result.load(), 1) << CommonTools::wstring_to_string(typed);
    EXPECT_EQ(session().m_strBaseAddr, patrol.base_url());
    EXPECT_EQ(session().m_strServerAddr, patrol.base_url());
    EXPECT_EQ(CommonTools::read_login_config(L"QVBaseAddr"), CommonTools::string_to_wstring(patrol.base_url()));
    EXPECT_EQ(CommonTools::read_login_config(L"ServerAddr"), CommonTools::string_to_wstring(patrol.base_url()));
    EXPECT_EQ(CommonTools::read_login_config(L"OutSideSchool"), L"0");
    EXPECT_NE(startuptest::ConfigText().find("PictureSavePath=C:\\Users\\"), std::string::npos);
  }
}

TEST_F(AddressDialog, AsksTheOuterServiceFromOutside) {
  for (bool outside : {false, true}) {
    RemoveConfigAndSession();
    patrol.http().clear_requests();
    Open();
    Submit(host, outside);
    EXPECT_EQ(result.load(), 1);
    EXPECT_EQ(RequestsTo(kOuter).size(), outside ? 1u : 0u);
    EXPECT_EQ(RequestsTo(kInner).size(), outside ? 0u : 1u);
    EXPECT_EQ(session().m_nOutSideSchool, outside ? 1 : 0);
    EXPECT_EQ(CommonTools::read_login_config(L"OutSideSchool"), outside ? L"1" : L"0");
  }
}

TEST_F(AddressDialog, StaysOpenWithoutAUsableServer) {
  Open();
  Submit(L"   ");
  EXPECT_EQ(result.load(), -1);
  EXPECT_FALSE(window.Visible(hwnd, L"check_tips"));
  EXPECT_EQ(patrol.http().request_count(), 0u);

  platform.set_address("E61", "");
  Submit(host);
  EXPECT_EQ(result.load(), -1);
  EXPECT_TRUE(window.Visible(hwnd, L"check_tips"));

  platform.set_address("E61", "http://no-such-host.invalid/");
  Submit(host);
  EXPECT_EQ(result.load(), -1);
  EXPECT_EQ(CommonTools::read_login_config(L"ServerAddr"), L"");

  window.Click(hwnd, L"CancelBtn");
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(result.load(), 2);
}

TEST_F(AddressDialog, CancelAndTheCloseButtonEndWithTwoAndKeepNothing) {
  for (const wchar_t* button : {L"CancelBtn", L"closebtn"}) {
    SCOPED_TRACE(CommonTools::wstring_to_string(button));
    RemoveConfigAndSession();
    patrol.http().clear_requests();
    Open();
    window.Type(hwnd, L"QVBaseAddrEdit", host);
    window.Click(hwnd, button);
    ASSERT_TRUE(driver.WaitIdle());
    EXPECT_EQ(result.load(), 2);
    EXPECT_EQ(patrol.http().request_count(), 0u);
    EXPECT_EQ(session().m_strBaseAddr, "");
    EXPECT_EQ(CommonTools::read_login_config(L"QVBaseAddr"), L"");
  }
}

TEST_F(AddressDialog, EnterSubmits) {
  Open();
  window.Type(hwnd, L"QVBaseAddrEdit", host);
  driver.Tap(VK_RETURN);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(result.load(), 1);
}

// "Config.ini" as a folder: no write can succeed, whoever runs the test.
TEST_F(AddressDialog, KeepsTheAddressesForTheRunWhenConfigCannotBeWritten) {
  std::filesystem::create_directory(startuptest::ConfigFile());
  Open();
  Submit(host);
  EXPECT_EQ(result.load(), 1);
  EXPECT_EQ(session().m_strBaseAddr, patrol.base_url());
  EXPECT_EQ(session().m_strServerAddr, patrol.base_url());
  std::filesystem::remove(startuptest::ConfigFile());
}

}  // namespace

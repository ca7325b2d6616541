#pragma once
// What the tests of the management pages start from: the shell's window fixture (real
// skin, headless driver, a stand-in main frame on a UI thread) with every outside service
// faked and the session pointed at it, a page or dialog created over the frame, and ways to
// read the rows of a list and to answer the message boxes the windows show.
#include <memory>
#include <string>
#include <vector>

#include "tests/app/shell/support/ShellWindowTest.h"
#include "tests/data/CampusWorld.h"
#include "ui/core/window/WindowImplBase.h"

namespace managementtest {

class ManagementWindowTest : public shelltest::ShellWindowTest {
 protected:
  ManagementWindowTest();
  ~ManagementWindowTest() override;

  // Creates the window on the UI thread as a child of the frame, as the main frame does
  // with its pages.
  template <class Page, class... Args>
  Page* OpenPage(Args... args) {
    Page* page = nullptr;
    ClosePage();
    ui.Call([&] {
      auto made = std::make_unique<Page>(args...);
      page = made.get();
      made->CreateWithStyle(frame, L"", WS_CHILD | WS_VISIBLE, 0);
      window_ = std::move(made);
    });
    driver.WaitIdle();
    pageHwnd = page->GetHWND();
    return page;
  }

  // The open message box's text once jobs have settled; "" when none is open.
  std::wstring OpenMessage();
  // Closes the open message box with its "确定" (or, for boxes without one, its close
  // button) and gives its text; "" when none was open.
  std::wstring Answer();
  // Closes it with "取消".
  std::wstring Cancel();
  // Answers every box as it comes, until none is open; their texts in order.
  std::vector<std::wstring> AnswerAll();

  // The texts of the named cell of each row of the list, top to bottom.
  std::vector<std::wstring> Column(HWND hwnd, LPCTSTR list, LPCTSTR cell);
  // Clicks the named button of a row.
  void ClickRowButton(HWND hwnd, LPCTSTR list, int row, LPCTSTR button);
  // A control's text read on its thread; "<none>" when it is missing, so that a missing
  // control never passes for an empty one.
  std::wstring TextOf(HWND hwnd, LPCTSTR name);
  // Sends a notification from the named control, as a real event would, without waiting.
  void Notify(HWND hwnd, LPCTSTR name, LPCTSTR type, WPARAM wParam = 0);

  // A patrol person in the cache and on the fake server.
  void AddPerson(int id, const std::string& name, int group, const std::string& userID = "");
  // A user of the patrol module on the fake platform.
  void AddPlatformUser(const std::string& id, const std::string& name, const std::string& telephone,
                       int userType = 2, std::vector<std::string> identities = {"IC0002"});

  // The logged-in user, with the all-types flag login gives an administrator.
  void LogInAs(const std::string& userID, int userType, const std::string& identityCode);

  // The requests the fake servers received on that path.
  std::vector<test_support::RecordedRequest> RequestsTo(const std::string& path);

  CampusWorld world;
  HWND pageHwnd = nullptr;

 private:
  std::wstring Close(LPCTSTR button);
  void ClosePage();
  std::string savedIdentityCode_;
  std::unique_ptr<SkinUI::WindowImplBase> window_;
};

}  // namespace managementtest

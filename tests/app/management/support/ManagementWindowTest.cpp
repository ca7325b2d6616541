#include "tests/app/management/support/ManagementWindowTest.h"

#include <json/json.h>

#include "data/StartupCaches.h"
#include "platform/base/CodePage.h"
#include "ui/controls/CListUI.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace managementtest {

using shelltest::FindControl;
using shelltest::FindWindowOfClass;
using shelltest::ManagerOf;
using shelltest::OnWindowThread;

ManagementWindowTest::ManagementWindowTest() : savedIdentityCode_(world.session().m_strIdentityCode) {
  world.platform.add_identity(test_support::FakeIdentity{"IC0001", "超级管理员", "", 1});
  world.platform.add_identity(test_support::FakeIdentity{"IC0002", "保卫处", "", 0});
}

ManagementWindowTest::~ManagementWindowTest() {
  AnswerAll();
  ClosePage();
  world.session().m_strIdentityCode = savedIdentityCode_;
}

void ManagementWindowTest::LogInAs(const std::string& userID, int userType, const std::string& identityCode) {
  global_singleton& session = world.session();
  session.m_userInfo.strUserID = userID;
  session.m_userInfo.nUserType = userType;
  session.m_strIdentityCode = identityCode;
  const bool administrator = identityCode == "IC0001" || userType == 6 || userType == 8;
  session.m_nAllTypes = administrator ? 1 : 0;
}

void ManagementWindowTest::ClosePage() {
  ui.Call([this] {
    if (window_ != nullptr && ::IsWindow(window_->GetHWND())) ::DestroyWindow(window_->GetHWND());
    window_.reset();
  });
  driver.WaitIdle();
}

std::wstring ManagementWindowTest::OpenMessage() {
  Settle();
  const HWND box = FindWindowOfClass(L"MessagWnd");
  if (box == nullptr) return L"";
  std::wstring text;
  OnWindowThread(box, [&] {
    if (SkinUI::CControlUI* context = FindControl(box, L"VContext")) text = context->GetText().GetData();
  });
  return text;
}

std::wstring ManagementWindowTest::Close(LPCTSTR button) {
  const std::wstring text = OpenMessage();
  const HWND box = FindWindowOfClass(L"MessagWnd");
  if (box == nullptr) return L"";
  bool hasButton = false;
  OnWindowThread(box, [&] { hasButton = shelltest::ControlIfAny(box, button) != nullptr; });
  ClickControl(box, hasButton ? button : L"close");
  driver.WaitIdle();
  return text;
}

std::wstring ManagementWindowTest::Answer() { return Close(L"yes"); }

std::wstring ManagementWindowTest::Cancel() { return Close(L"cancle"); }

std::vector<std::wstring> ManagementWindowTest::AnswerAll() {
  std::vector<std::wstring> texts;
  for (std::wstring text = Answer(); !text.empty(); text = Answer()) texts.push_back(text);
  return texts;
}

std::vector<std::wstring> ManagementWindowTest::Column(HWND hwnd, LPCTSTR list, LPCTSTR cell) {
  std::vector<std::wstring> texts;
  OnWindowThread(hwnd, [&] {
    SkinUI::CWindowManagerUI* manager = ManagerOf(hwnd);
    SkinUI::CControlUI* control = manager->FindControl(list);
    auto* rows = static_cast<SkinUI::CListUI*>(control->GetInterface(L"List"));
    for (int i = 0; i < rows->GetCount(); ++i) {
      SkinUI::CControlUI* found = manager->FindSubControlByName(rows->GetItemAt(i), cell);
      texts.push_back(found == nullptr ? L"<none>" : found->GetText().GetData());
    }
  });
  return texts;
}

void ManagementWindowTest::ClickRowButton(HWND hwnd, LPCTSTR list, int row, LPCTSTR button) {
  POINT centre = {-1, -1};
  OnWindowThread(hwnd, [&] {
    SkinUI::CWindowManagerUI* manager = ManagerOf(hwnd);
    auto* rows = static_cast<SkinUI::CListUI*>(manager->FindControl(list)->GetInterface(L"List"));
    SkinUI::CControlUI* found = manager->FindSubControlByName(rows->GetItemAt(row), button);
    if (found == nullptr) return;
    const RECT rc = found->GetPos();
    centre = POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    ::ClientToScreen(hwnd, &centre);
  });
  ASSERT_NE(centre.x, -1) << "no button in that row";
  driver.Click(centre.x, centre.y);
}

std::wstring ManagementWindowTest::TextOf(HWND hwnd, LPCTSTR name) {
  std::wstring text = L"<none>";
  OnWindowThread(hwnd, [&] {
    if (SkinUI::CControlUI* control = FindControl(hwnd, name)) text = control->GetText().GetData();
  });
  return text;
}

void ManagementWindowTest::Notify(HWND hwnd, LPCTSTR name, LPCTSTR type, WPARAM wParam) {
  const std::wstring control = name;
  const std::wstring kind = type;
  ui.Post([hwnd, control, kind, wParam] {
    SkinUI::CWindowManagerUI* manager = ManagerOf(hwnd);
    SkinUI::CControlUI* sender = manager == nullptr ? nullptr : manager->FindControl(control.c_str());
    if (sender != nullptr) manager->SendNotify(sender, kind.c_str(), wParam);
  });
}

void ManagementWindowTest::AddPerson(int id, const std::string& name, int group, const std::string& userID) {
  PeopleInfo person;
  person.iID = id;
  person.iGroup = group;
  person.UserID = userID.empty() ? "p" + std::to_string(id) : userID;
  person.strName = name;
  person.iIdentity = 1;
  person.strTelephone = "139" + std::to_string(id);
  person.strReserve = "--";
  g_mapPeople[id] = person;
  Json::Value record;
  record["iID"] = id;
  record["iGroup"] = group;
  record["UserID"] = person.UserID;
  record["strName"] = platform::codepage::GbkToUtf8(name);
  record["iIdentity"] = person.iIdentity;
  record["strTelephone"] = person.strTelephone;
  record["strReserve"] = "--";
  world.patrol.people().seed(record);
}

void ManagementWindowTest::AddPlatformUser(const std::string& id, const std::string& name,
                                           const std::string& telephone, int userType,
                                           std::vector<std::string> identities) {
  world.platform.add_user(
      test_support::FakePlatformUser{id, name, "", "", telephone, "s1", userType, std::move(identities)});
}

std::vector<test_support::RecordedRequest> ManagementWindowTest::RequestsTo(const std::string& path) {
  std::vector<test_support::RecordedRequest> found;
  for (const auto& request : world.http().requests()) {
    if (request.path() == path) found.push_back(request);
  }
  return found;
}

}  // namespace managementtest

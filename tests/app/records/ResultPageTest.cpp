#include "tests/app/records/ResultPageTest.h"

#include <json/json.h>

#include <chrono>
#include <cstdio>
#include <mutex>
#include <thread>

#include "data/StartupCaches.h"
#include "platform/reader/ReaderBackend.h"
#include "testing/user/UserInput.h"
#include "ui/controls/CListUI.h"
#include "ui/core/control/CContainerUI.h"

namespace records_test {

namespace {

using shelltest::FindControl;
using shelltest::FindWindowOfClass;
using shelltest::OnWindowThread;

const wchar_t kMessageBox[] = L"MessagWnd";

std::string Numbered(const char* format, int n) {
  char text[64];
  std::snprintf(text, sizeof text, format, n);
  return text;
}

void RemoveAll(test_support::PatrolTable& table, const char* idKey) {
  for (const Json::Value& record : table.all()) table.remove(record[idKey].asInt());
}

// The control of that name inside a row of a list, or null.
SkinUI::CControlUI* InRow(HWND hwnd, LPCTSTR list, int row, LPCTSTR name) {
  auto* rows = static_cast<SkinUI::CListUI*>(FindControl(hwnd, list));
  if (rows == nullptr || row >= rows->GetCount()) return nullptr;
  auto* item = static_cast<SkinUI::CContainerUI*>(rows->GetItemAt(row));
  for (int c = 0; c < item->GetCount(); ++c) {
    auto* cell = static_cast<SkinUI::CContainerUI*>(item->GetItemAt(c));
    for (int i = 0; i < cell->GetCount(); ++i) {
      if (cell->GetItemAt(i)->GetName() == name) return cell->GetItemAt(i);
    }
  }
  return nullptr;
}

}  // namespace

ResultPageTest::ResultPageTest() : reader(scratch.file("reader")) {
  reader.Reset();
  platform::reader::ReaderBackend::UseSimulator(reader.Folder());
}

ResultPageTest::~ResultPageTest() {
  for (int round = 0; round < 10 && FindWindowOfClass(kMessageBox) != nullptr; ++round) Answer();
  Close();
  platform::reader::ReaderBackend::UseNone();
}

void ResultPageTest::Open() {
  ui.Call([this] {
    page = std::make_unique<CResultWndEx>();
    // Owned rather than a child, so that the whole page lies on the screen beside the
    // small stand-in frame.
    hwnd = page->Create(frame, L"结果查看", WS_POPUP | WS_VISIBLE, 0, 0, 0, 0, 0);
  });
  ASSERT_TRUE(driver.WaitIdle());
  ASSERT_NE(hwnd, nullptr);
  // The device records and the log come from a worker the driver does not wait for.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  for (;;) {
    bool fetching = true;
    shelltest::OnWindowThread(hwnd, [&] { fetching = page->IsFetching(); });
    if (!fetching) break;
    ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the page's opening fetch never came back";
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_TRUE(driver.WaitIdle());
  }
  ASSERT_TRUE(driver.WaitIdle());
}

void ResultPageTest::Close() {
  ui.Call([this] {
    if (hwnd != nullptr && ::IsWindow(hwnd)) ::DestroyWindow(hwnd);
    page.reset();
  });
  hwnd = nullptr;
  driver.WaitIdle();
}

void ResultPageTest::ClearTabSources() {
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    g_mapInspectPlan.clear();
  }
  RemoveAll(world.patrol.device_records(), "iID");
  RemoveAll(world.patrol.audit_log(), "iID");
}

void ResultPageTest::FillTab(CResultWndEx::Tab tab, int rows) {
  ClearTabSources();
  if (tab == CResultWndEx::TAB_RESULTS) {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    for (int id = 1; id <= rows; ++id) {
      InspectPlanInfo plan;
      plan.iID = id;
      plan.strName = Numbered("巡查%02d", id);
      plan.strStartDate = "2024-01-01";
      plan.strEndDate = "2024-12-31";
      plan.strWeek = "1111111";
      PlanTimeSpan slot;
      slot.strStart = "08:00";
      slot.strEnd = "09:00";
      plan.listTime.push_back(slot);
      plan.listPeople.push_back(PlanPeopleInfo{1, "张三"});
      g_mapInspectPlan[id] = plan;
    }
    return;
  }
  if (tab == CResultWndEx::TAB_DEVICE_RECORDS) {
    InspectDeviceInfo device;
    device.iID = 1;
    device.strName = "一号巡更机";
    device.strCode = "R1";
    FingerprintInfo finger;
    finger.strCode = "0000000001";
    finger.strPeopleName = "张三";
    device.listFingerprint.push_back(finger);
    g_mapInspectDevice[1] = device;
    {
      std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
      InspectPosDeviceInfo position;
      position.iID = 1;
      position.strCode = "P1";
      position.strName = "东门";
      position.strAreaName = "一号楼";
      g_mapInspectPosDevice[1] = position;
    }
    for (int n = 1; n <= rows; ++n) {
      Json::Value record;
      record["iID"] = n;
      record["iType"] = 2;
      record["strDeviceCode"] = "R1";
      record["strPeopleCode"] = "0000000001";
      record["strInspectPositionDeviceCode"] = "P1";
      // One a minute from 08:00, as the reader writes its times.
      record["strTime"] = Numbered("24010508%02d00", n - 1);
      record["strReserve"] = "--";
      world.patrol.device_records().seed(record);
    }
    return;
  }
  for (int n = 1; n <= rows; ++n) {
    Json::Value entry;
    entry["iID"] = n;
    entry["strUserID"] = "u1";
    entry["strUser"] = u8"管理员";
    entry["strUserIP"] = "10.0.0.1";
    entry["strTime"] = Numbered("2024-01-05 08:%02d:00", n - 1);
    entry["strEvent"] = Numbered(u8"删除巡查计划-%02d", n);
    world.patrol.audit_log().seed(entry);
  }
}

void ResultPageTest::Click(LPCTSTR name) {
  ClickControl(hwnd, name);
  Settle();
}

void ResultPageTest::Type(LPCTSTR name, const std::wstring& text) {
  ClickControl(hwnd, name);
  driver.WaitIdle();
  driver.Commit(text);
  Settle();
}

void ResultPageTest::PressReturn(LPCTSTR name) {
  ClickControl(hwnd, name);
  driver.WaitIdle();
  driver.Tap(VK_RETURN);
  Settle();
}

void ResultPageTest::TypeOver(LPCTSTR name, const std::wstring& text) { ShellWindowTest::TypeOver(hwnd, name, text); }

void ResultPageTest::PickDate(LPCTSTR name, WORD year, WORD month, WORD day, LPCTSTR away) {
  userinput::UserInput(driver).PickDate(hwnd, name, year, month, day, hwnd, away);
  Settle();
}

std::wstring ResultPageTest::Text(LPCTSTR name) { return ShellWindowTest::Text(hwnd, name); }

bool ResultPageTest::Visible(LPCTSTR name) { return ShellWindowTest::Visible(hwnd, name); }

bool ResultPageTest::Enabled(LPCTSTR name) { return ShellWindowTest::Enabled(hwnd, name); }

Texts ResultPageTest::Column(LPCTSTR list, int column) {
  Texts texts;
  OnWindowThread(hwnd, [&] {
    auto* rows = static_cast<SkinUI::CListUI*>(FindControl(hwnd, list));
    for (int i = 0; i < rows->GetCount(); ++i) {
      auto* cell = static_cast<SkinUI::CContainerUI*>(
          static_cast<SkinUI::CContainerUI*>(rows->GetItemAt(i))->GetItemAt(column));
      texts.push_back(cell->GetCount() > 0 ? cell->GetItemAt(0)->GetText().GetData() : L"");
    }
  });
  return texts;
}

std::wstring ResultPageTest::ButtonData(LPCTSTR list, int row, LPCTSTR button) {
  std::wstring data;
  OnWindowThread(hwnd, [&] {
    if (SkinUI::CControlUI* control = InRow(hwnd, list, row, button)) data = control->GetUserData().GetData();
  });
  return data;
}

void ResultPageTest::ClickInRow(LPCTSTR list, int row, LPCTSTR button) {
  POINT centre = {-1, -1};
  OnWindowThread(hwnd, [&] {
    SkinUI::CControlUI* control = InRow(hwnd, list, row, button);
    if (control == nullptr) return;
    const RECT rc = control->GetPos();
    centre = POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    ::ClientToScreen(hwnd, &centre);
  });
  ASSERT_NE(centre.x, -1) << "no such button in the row";
  driver.Click(centre.x, centre.y);
  Settle();
}

std::wstring ResultPageTest::Answer() {
  driver.WaitIdle();
  HWND box = FindWindowOfClass(kMessageBox);
  if (box == nullptr) return L"";
  std::wstring text;
  bool hasYes = false;
  OnWindowThread(box, [&] {
    text = FindControl(box, L"VContext")->GetText().GetData();
    hasYes = shelltest::ControlIfAny(box, L"yes") != nullptr;
  });
  ClickControl(box, hasYes ? L"yes" : L"close");
  Settle();
  return text;
}

std::vector<std::wstring> ResultPageTest::TakeToasts() { return toasts_.TakeTexts(); }

}  // namespace records_test

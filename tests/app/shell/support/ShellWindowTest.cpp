#include "tests/app/shell/support/ShellWindowTest.h"

#include <chrono>
#include <filesystem>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/user/WorkerThread.h"
#include "testing/ui/ProductWindowClasses.h"
#include "ui/core/manager/CWindowManagerList.h"

namespace shelltest {

namespace {

// Real-time rounds to wait for a worker (an HTTP exchange on loopback) before giving up.
const int kSettleRounds = 5000;

const wchar_t kFrameSkin[] =
    L"<Window size=\"1000,700\"><VerticalLayout bkcolor=\"#FF002971\"><Control /></VerticalLayout></Window>";

struct ClassSearch {
  std::wstring className;
  HWND found = nullptr;
};

BOOL CALLBACK MatchClass(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<ClassSearch*>(param);
  wchar_t name[128] = {0};
  ::GetClassNameW(hwnd, name, 128);
  if (search->className != name) return TRUE;
  search->found = hwnd;
  return FALSE;
}

std::string ProgramFolder() {
  wchar_t path[MAX_PATH] = {0};
  const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::string module = platform::codepage::WideToUtf8(std::wstring(path, length));
  return module.substr(0, module.rfind('/') + 1);
}

}  // namespace

void UseProgramSkin() {
  static std::once_flag once;
  std::call_once(once, [] {
    SkinUI::CWindowManagerUI::SetInstance(::GetModuleHandleW(nullptr));
    SkinUI::CWindowManagerUI::SetResourcePath(SkinUI::CWindowManagerUI::GetInstancePath() + L"skin");
  });
}

HWND FindWindowOfClass(const std::wstring& className) {
  if (!controltest::IsProductWindowClass(className)) {
    ADD_FAILURE() << "no window of the program has the class \"" << platform::codepage::WideToUtf8(className) << "\"";
    return nullptr;
  }
  ClassSearch search;
  search.className = className;
  ::EnumWindows(&MatchClass, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

SkinUI::CWindowManagerUI* ManagerOf(HWND hwnd) {
  for (const SkinUI::CWindowManagerList::Entry& entry : SkinUI::CWindowManagerList::Instance().Snapshot()) {
    if (entry.pManager->GetPaintWindow() == hwnd) return entry.pManager;
  }
  return nullptr;
}

void OnWindowThread(HWND hwnd, const std::function<void()>& call) {
  platform::user::RunOnOwnerThread(hwnd, [&call]() -> LRESULT {
    call();
    return 0;
  }, true);
}

SkinUI::CControlUI* ControlIfAny(HWND hwnd, LPCTSTR name) {
  SkinUI::CWindowManagerUI* manager = ManagerOf(hwnd);
  return manager == nullptr ? nullptr : manager->FindControl(name);
}

SkinUI::CControlUI* FindControl(HWND hwnd, LPCTSTR name) {
  SkinUI::CControlUI* control = ControlIfAny(hwnd, name);
  if (control == nullptr) {
    ADD_FAILURE() << "the window holds no control named \"" << platform::codepage::WideToUtf8(name) << "\"";
  }
  return control;
}

POINT ControlCentre(HWND hwnd, LPCTSTR name) {
  POINT centre = {-1, -1};
  OnWindowThread(hwnd, [&] {
    SkinUI::CControlUI* control = FindControl(hwnd, name);
    if (control == nullptr) return;
    const RECT rc = control->GetPos();
    centre = POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    ::ClientToScreen(hwnd, &centre);
  });
  return centre;
}

std::wstring ImagesOf::Background(SkinUI::CControlUI* control) {
  return (control->*&ImagesOf::m_diBk).GetAttributeString().GetData();
}

std::wstring ImagesOf::Normal(SkinUI::CControlUI* control) {
  return (control->*&ImagesOf::m_diNormal).GetAttributeString().GetData();
}

std::wstring ImagesOf::Hot(SkinUI::CControlUI* control) {
  return (control->*&ImagesOf::m_diHot).GetAttributeString().GetData();
}

std::wstring ImagesOf::Pushed(SkinUI::CControlUI* control) {
  return (control->*&ImagesOf::m_diPushed).GetAttributeString().GetData();
}

void SavePicture(HWND hwnd, const std::string& name) {
  platform::headless::HeadlessBackend* backend = platform::headless::HeadlessBackend::Instance();
  if (backend == nullptr) return;
  const std::string folder = ProgramFolder() + "pictures";
  std::filesystem::create_directories(folder);
  backend->SaveImagePng(hwnd, folder + "/" + name + ".png");
}

ShellWindowTest::ShellWindowTest() {
  UseProgramSkin();
  ui.Call([this] {
    frameWindow_ = std::make_unique<controltest::ControlTestWindow>(kFrameSkin, nullptr);
    frame = frameWindow_->Create(nullptr, L"巡更管理", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 0, 0, 0);
    ::ShowWindow(frame, SW_SHOW);
    ::SetForegroundWindow(frame);
  });
  driver.WaitIdle();
}

ShellWindowTest::~ShellWindowTest() {
  ui.Call([this] {
    if (::IsWindow(frame)) ::DestroyWindow(frame);
    frameWindow_.reset();
  });
  driver.WaitIdle();
}

void ShellWindowTest::ClickControl(HWND hwnd, LPCTSTR name) {
  const POINT centre = ControlCentre(hwnd, name);
  driver.Click(centre.x, centre.y);
}

std::wstring ShellWindowTest::Text(HWND hwnd, LPCTSTR name) {
  std::wstring text;
  OnWindowThread(hwnd, [&] {
    if (SkinUI::CControlUI* control = FindControl(hwnd, name)) text = control->GetText().GetData();
  });
  return text;
}

bool ShellWindowTest::Visible(HWND hwnd, LPCTSTR name) {
  bool visible = false;
  OnWindowThread(hwnd, [&] {
    if (SkinUI::CControlUI* control = FindControl(hwnd, name)) visible = control->IsVisible();
  });
  return visible;
}

bool ShellWindowTest::Enabled(HWND hwnd, LPCTSTR name) {
  bool enabled = false;
  OnWindowThread(hwnd, [&] {
    if (SkinUI::CControlUI* control = FindControl(hwnd, name)) enabled = control->IsEnabled();
  });
  return enabled;
}

void ShellWindowTest::SetText(HWND hwnd, LPCTSTR name, const std::wstring& text) {
  OnWindowThread(hwnd, [&] {
    if (SkinUI::CControlUI* control = FindControl(hwnd, name)) control->SetText(text.c_str());
  });
}

void ShellWindowTest::TypeOver(HWND hwnd, LPCTSTR name, const std::wstring& text) {
  const POINT centre = ControlCentre(hwnd, name);
  ASSERT_NE(centre.x, -1) << "no field to type into";
  driver.Click(centre.x, centre.y);
  ASSERT_TRUE(driver.WaitIdle());
  driver.KeyDown(VK_CONTROL);
  driver.Tap('A');
  driver.KeyUp(VK_CONTROL);
  driver.Tap(VK_DELETE);
  if (!text.empty()) driver.Commit(text);
  ASSERT_TRUE(driver.WaitIdle());
}

void ShellWindowTest::PickRow(HWND hwnd, LPCTSTR combo, int row) {
  RECT rc = {-1, -1, -1, -1};
  OnWindowThread(hwnd, [&] {
    if (SkinUI::CControlUI* control = FindControl(hwnd, combo)) rc = control->GetPos();
  });
  ASSERT_NE(rc.left, -1) << "no combo to pick from";
  // A third of the way in, then two thirds, as a person clicks anywhere on it: two
  // quick clicks on one spot would make a double click, which opens nothing.
  POINT at = {rc.left + (rc.right - rc.left) * (1 + picks_++ % 2) / 3, (rc.top + rc.bottom) / 2};
  ::ClientToScreen(hwnd, &at);
  driver.Click(at.x, at.y);
  ASSERT_TRUE(driver.WaitIdle());
  ASSERT_NE(FindWindowOfClass(L"ComboWnd"), nullptr) << "the click opened no drop-down";
  driver.Tap(VK_HOME);
  for (int step = 0; step < row; ++step) driver.Tap(VK_DOWN);
  driver.Tap(VK_RETURN);
  Settle();
  ASSERT_EQ(FindWindowOfClass(L"ComboWnd"), nullptr) << "Enter left the drop-down open";
}

void ShellWindowTest::PickTime(HWND hwnd, LPCTSTR button, int hour, int minute) {
  ASSERT_NE(ControlCentre(hwnd, button).x, -1) << "no time button";
  ClickControl(hwnd, button);
  ASSERT_TRUE(driver.WaitIdle());
  const HWND picker = FindWindowOfClass(L"CTimeWnd");
  ASSERT_NE(picker, nullptr) << "the click opened no time picker";
  const std::pair<LPCTSTR, int> lists[] = {{L"listHour", hour}, {L"listMinute", minute}};
  for (const auto& [list, row] : lists) {
    ASSERT_NE(ControlCentre(picker, list).x, -1) << "the picker has no list to pick from";
    ClickControl(picker, list);
    ASSERT_TRUE(driver.WaitIdle());
    driver.Tap(VK_HOME);
    for (int step = 0; step < row; ++step) driver.Tap(VK_DOWN);
    ASSERT_TRUE(driver.WaitIdle());
  }
  ClickControl(picker, L"btnOk");
  Settle();
  ASSERT_FALSE(::IsWindow(picker)) << "the picker stayed open after 确定";
}

void ShellWindowTest::Settle() {
  for (int round = 0; round < kSettleRounds; ++round) {
    // Read before the idle wait: what the UI thread does with the worker's result comes
    // after it.
    const bool working = platform::WorkerThread::Outstanding() > 0;
    driver.WaitIdle();
    if (FindWindowOfClass(L"MessagWnd") != nullptr) return;
    if (!working && FindWindowOfClass(L"LoadingGifWnd") == nullptr) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  ADD_FAILURE() << "the busy window stayed open";
}

void ShellWindowTest::CoverWorkArea() {
  RECT work = {0, 0, 0, 0};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  ui.Call([&] {
    ::SetWindowPos(frame, nullptr, work.left, work.top, work.right - work.left, work.bottom - work.top, SWP_NOZORDER);
  });
  driver.WaitIdle();
}

}  // namespace shelltest

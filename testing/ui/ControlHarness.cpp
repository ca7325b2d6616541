#include "testing/ui/ControlHarness.h"

#include <gtest/gtest.h>

#include <mutex>
#include <utility>

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/base/CodePage.h"
#include "testing/ui/ProductWindowClasses.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace controltest {

namespace {

// The framework's module once for the process (it also starts GDI+).
void EnsureInstance() {
  static std::once_flag once;
  std::call_once(once, [] { SkinUI::CWindowManagerUI::SetInstance(::GetModuleHandleW(nullptr)); });
}

}  // namespace

ControlHarness::ControlHarness(platform::headless::TestDriver& driver, std::wstring skin, POINT origin)
    : ControlHarness(driver, std::move(skin), origin, nullptr) {}

ControlHarness::ControlHarness(platform::headless::TestDriver& driver, std::wstring skin, POINT origin,
                               std::function<SkinUI::CControlUI*(LPCTSTR)> createControl)
    : driver_(driver) {
  EnsureInstance();
  gui_.Call([&] {
    window_ = std::make_unique<ControlTestWindow>(std::move(skin), &recorder_);
    window_->onCreateControl = std::move(createControl);
    hwnd_ = window_->Create(nullptr, L"control test", WS_POPUP | WS_CLIPCHILDREN, 0, origin.x, origin.y, 0, 0);
    if (hwnd_ == nullptr) return;
    ::SetWindowPos(hwnd_, nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::ShowWindow(hwnd_, SW_SHOW);
    ::SetForegroundWindow(hwnd_);
    ::UpdateWindow(hwnd_);
  });
  driver_.WaitIdle();
}

ControlHarness::~ControlHarness() {
  gui_.Call([this] {
    if (hwnd_ != nullptr && ::IsWindow(hwnd_)) ::DestroyWindow(hwnd_);
  });
  driver_.WaitIdle();
  gui_.Call([this] { window_.reset(); });
}

void ControlHarness::OnGui(const std::function<void()>& call) { gui_.Call(call); }

void ControlHarness::OnNotify(std::function<void(SkinUI::UINotifyRecord&)> handler) {
  gui_.Call([&] { window_->onNotify = std::move(handler); });
}

void ControlHarness::RunModal() {
  gui_.Post([this] { modalResult_.store(static_cast<int>(window_->ShowModal())); });
  driver_.WaitIdle();
}

bool ControlHarness::Closed() {
  bool closed = false;
  gui_.Call([&] { closed = !::IsWindow(hwnd_); });
  return closed;
}

SkinUI::CControlUI* ControlHarness::FindNamed(LPCTSTR name) {
  SkinUI::CControlUI* control = window_->Manager().FindControl(name);
  if (control == nullptr) ADD_FAILURE() << "the skin defines no control named " << platform::codepage::WideToUtf8(name);
  return control;
}

void ControlHarness::FailKind(LPCTSTR name) {
  ADD_FAILURE() << "the control " << platform::codepage::WideToUtf8(name) << " is not of the kind looked for";
}

RECT ControlHarness::ControlRect(LPCTSTR name) {
  RECT rc = {0, 0, 0, 0};
  gui_.Call([&] {
    SkinUI::CControlUI* control = FindNamed(name);
    if (control != nullptr) rc = control->GetPos();
  });
  return rc;
}

POINT ControlHarness::ScreenPoint(LPCTSTR name, POINT offset) {
  POINT pt = {0, 0};
  gui_.Call([&] {
    SkinUI::CControlUI* control = FindNamed(name);
    if (control == nullptr) return;
    pt = POINT{control->GetPos().left + offset.x, control->GetPos().top + offset.y};
    ::ClientToScreen(hwnd_, &pt);
  });
  return pt;
}

POINT ControlHarness::CentreOffset(LPCTSTR name) {
  const RECT rc = ControlRect(name);
  return POINT{(rc.right - rc.left) / 2, (rc.bottom - rc.top) / 2};
}

void ControlHarness::Click(LPCTSTR name) { ClickAt(name, CentreOffset(name)); }

void ControlHarness::ClickAt(LPCTSTR name, POINT offset) {
  const POINT pt = ScreenPoint(name, offset);
  driver_.Click(pt.x, pt.y);
}

void ControlHarness::MoveTo(LPCTSTR name, POINT offset) {
  const POINT pt = ScreenPoint(name, offset);
  driver_.MoveMouse(pt.x, pt.y);
}

void ControlHarness::Press(LPCTSTR name, POINT offset) {
  MoveTo(name, offset);
  driver_.Press();
}

void ControlHarness::Release() { driver_.Release(); }

void ControlHarness::Drag(LPCTSTR name, POINT from, POINT to) {
  const POINT start = ScreenPoint(name, from);
  const POINT end = ScreenPoint(name, to);
  driver_.MoveMouse(start.x, start.y);
  driver_.Press();
  const int kSteps = 4;
  for (int i = 1; i <= kSteps; ++i) {
    driver_.MoveMouse(start.x + (end.x - start.x) * i / kSteps, start.y + (end.y - start.y) * i / kSteps);
  }
  driver_.Release();
}

void ControlHarness::Wheel(LPCTSTR name, int delta) {
  MoveTo(name, CentreOffset(name));
  driver_.Wheel(delta);
}

void ControlHarness::Key(UINT vk) { driver_.Tap(vk); }

ControlPixels ControlHarness::Pixels(LPCTSTR name) {
  driver_.WaitIdle();
  return ControlPixels(hwnd_, ControlRect(name));
}

uint32_t ControlHarness::Pixel(LPCTSTR name, POINT offset) { return Pixels(name).At(offset.x, offset.y); }

int ControlHarness::PresentCount() {
  driver_.WaitIdle();
  platform::headless::HeadlessBackend* backend = platform::headless::HeadlessBackend::Instance();
  if (backend == nullptr) return 0;
  const auto snapshot = backend->Surface(hwnd_);
  return snapshot ? snapshot->presentCount : 0;
}

std::vector<OpenWindow> ControlHarness::OpenWindows(LPCTSTR className) {
  if (className != nullptr && !IsProductWindowClass(className)) {
    ADD_FAILURE() << "no window of the program has the class " << platform::codepage::WideToUtf8(className);
  }
  driver_.WaitIdle();
  std::vector<HWND> handles;
  ::EnumWindows(
      [](HWND hwnd, LPARAM lParam) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&handles));
  std::vector<OpenWindow> windows;
  for (HWND hwnd : handles) {
    OpenWindow window;
    window.hwnd = hwnd;
    wchar_t name[256] = {};
    ::GetClassNameW(hwnd, name, 256);
    window.className = name;
    if (className != nullptr && window.className != className) continue;
    window.style = static_cast<DWORD>(::GetWindowLongW(hwnd, GWL_STYLE));
    window.exStyle = static_cast<DWORD>(::GetWindowLongW(hwnd, GWL_EXSTYLE));
    window.owner = ::GetWindow(hwnd, GW_OWNER);
    ::GetWindowRect(hwnd, &window.rect);
    window.visible = ::IsWindowVisible(hwnd) != FALSE;
    windows.push_back(window);
  }
  return windows;
}

void ControlHarness::SetMonitors(std::vector<platform::backend::MonitorDesc> monitors) {
  driver_.WaitIdle();
  driver_.Backend().SetMonitors(std::move(monitors));
}

}  // namespace controltest

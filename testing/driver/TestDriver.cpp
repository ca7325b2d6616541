#include "testing/driver/TestDriver.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "platform/backend/BackendRegistry.h"
#include "platform/backend/headless/VirtualClock.h"
#include "platform/user/QueueRegistry.h"
#include "platform/user/ThreadQueue.h"
#include "platform/user/WindowHelpers.h"

namespace platform::headless {
namespace {

const uint64_t kIdleLimitMs = 20000;

HeadlessBackend* RequireHeadless() {
  std::string error;
  backend::BackendRegistry::Active(&error);
  user::ActiveBackend();
  HeadlessBackend* headless = HeadlessBackend::Instance();
  if (!headless) {
    std::fprintf(stderr, "TestDriver needs PLATFORM_BACKEND=headless (%s)\n", error.c_str());
    std::abort();
  }
  return headless;
}

}  // namespace

TestDriver::TestDriver() : TestDriver(HeadlessBackend::DefaultMonitors()) {}

TestDriver::TestDriver(std::vector<backend::MonitorDesc> monitors) : backend_(RequireHeadless()) {
  backend_->SetMonitors(std::move(monitors));
  user::ShellDialogScript::Instance().Reset();
  user::ShellDialogScript::Instance().SetActive(true);
}

TestDriver::~TestDriver() { WaitIdle(); }

std::vector<backend::MonitorDesc> TestDriver::TwoMonitors() {
  std::vector<backend::MonitorDesc> monitors = HeadlessBackend::DefaultMonitors();
  backend::MonitorDesc second;
  second.bounds = RECT{1920, 0, 3200, 1024};
  second.work = RECT{1920, 30, 3200, 1024};
  monitors.push_back(second);
  return monitors;
}

bool TestDriver::WaitIdle() {
  user::Guard guard = user::UserLock::Acquire();
  return user::QueueRegistry::Instance().WaitAllIdle(guard, user::ThreadQueue::CurrentIfAny(), kIdleLimitMs);
}

void TestDriver::Advance(uint64_t milliseconds) {
  const uint64_t target = VirtualClock::Now() + milliseconds;
  for (;;) {
    WaitIdle();
    uint64_t next;
    {
      user::Guard guard = user::UserLock::Acquire();
      next = user::QueueRegistry::Instance().NextDue();
    }
    if (next > target || next <= VirtualClock::Now()) break;
    VirtualClock::Set(next);
    {
      user::Guard guard = user::UserLock::Acquire();
      user::QueueRegistry::Instance().WakeAll();
    }
  }
  VirtualClock::Set(target);
  {
    user::Guard guard = user::UserLock::Acquire();
    user::QueueRegistry::Instance().WakeAll();
  }
  WaitIdle();
}

void TestDriver::Jump(uint64_t milliseconds) {
  WaitIdle();
  VirtualClock::Advance(milliseconds);
  {
    user::Guard guard = user::UserLock::Acquire();
    user::QueueRegistry::Instance().WakeAll();
  }
  WaitIdle();
}

void TestDriver::Input() { WaitIdle(); }

void TestDriver::MoveMouse(int x, int y) {
  backend_->InjectPointerMove(POINT{x, y});
  Input();
}

void TestDriver::Press(backend::MouseButton button) {
  backend_->InjectButton(button, true);
  Input();
}

void TestDriver::Release(backend::MouseButton button) {
  backend_->InjectButton(button, false);
  Input();
}

void TestDriver::Click(int x, int y, backend::MouseButton button) {
  MoveMouse(x, y);
  Press(button);
  Release(button);
}

void TestDriver::Wheel(int delta) {
  backend_->InjectWheel(delta);
  Input();
}

void TestDriver::KeyDown(UINT vk) {
  backend_->InjectKey(vk, true, L"");
  Input();
}

void TestDriver::KeyUp(UINT vk) {
  backend_->InjectKey(vk, false, L"");
  Input();
}

void TestDriver::Tap(UINT vk) {
  KeyDown(vk);
  KeyUp(vk);
}

void TestDriver::Commit(const std::wstring& text) {
  backend_->InjectText(text);
  Input();
}

std::vector<user::OpenMessageBox> TestDriver::MessageBoxes() const { return user::MessageBoxWindow::OpenBoxes(); }

bool TestDriver::AnswerMessageBox(int buttonId) {
  const auto limit = std::chrono::steady_clock::now() + std::chrono::milliseconds(kIdleLimitMs);
  std::vector<user::OpenMessageBox> boxes;
  for (;;) {
    WaitIdle();
    boxes = MessageBoxes();
    if (!boxes.empty() || std::chrono::steady_clock::now() > limit) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (boxes.empty()) {
    std::fprintf(stderr, "waited in vain for a message box to answer with button %d\n", buttonId);
    return false;
  }
  const bool ok = user::MessageBoxWindow::Answer(boxes.back().hwnd, buttonId);
  if (!ok) std::fprintf(stderr, "the open message box has no button %d\n", buttonId);
  WaitIdle();
  return ok;
}

void TestDriver::ScriptFolder(const std::wstring& path) {
  user::ShellDialogScript::Instance().QueueFolder(user::FolderAnswer{false, user::ShellItem{true, path}});
}

void TestDriver::ScriptNonFileSystemFolder(const std::wstring& displayName) {
  user::ShellDialogScript::Instance().QueueFolder(user::FolderAnswer{false, user::ShellItem{false, displayName}});
}

void TestDriver::ScriptFolderCancel() { user::ShellDialogScript::Instance().QueueFolder(user::FolderAnswer{}); }

std::vector<user::FolderChooserCall> TestDriver::FolderChooserCalls() const {
  return user::ShellDialogScript::Instance().FolderCalls();
}

void TestDriver::ScriptOpenFiles(std::vector<std::wstring> paths) {
  user::ShellDialogScript::Instance().QueueOpenFile(user::OpenFileAnswer{false, std::move(paths)});
}

void TestDriver::ScriptOpenFileCancel() { user::ShellDialogScript::Instance().QueueOpenFile(user::OpenFileAnswer{}); }

std::vector<user::OpenFileCall> TestDriver::OpenFileCalls() const {
  return user::ShellDialogScript::Instance().OpenFileCalls();
}

}  // namespace platform::headless

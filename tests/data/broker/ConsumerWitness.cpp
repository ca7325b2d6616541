#include "tests/data/broker/ConsumerWitness.h"

#include <chrono>
#include <mutex>

#include "app/shell/AlarmWindow.h"
#include "app/shell/ShellRecordAlerts.h"
#include "app/shell/ShellServices.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace broker_test {

namespace {

// Only its address matters: the consumer tests the pointer, never uses it.
char g_toastWindowStandIn;

// The alarm window builds its skin from the folder beside the test program, as the
// program's does.
void UseProgramSkin() {
  static std::once_flag once;
  std::call_once(once, [] {
    SkinUI::CWindowManagerUI::SetInstance(::GetModuleHandleW(nullptr));
    SkinUI::CWindowManagerUI::SetResourcePath(SkinUI::CWindowManagerUI::GetInstancePath() + L"skin");
  });
}

std::wstring WindowTitle(HWND window) {
  wchar_t title[64] = {};
  GetWindowTextW(window, title, 64);
  return title;
}

}  // namespace

ConsumerWitness::ConsumerWitness(Alarm alarm)
    : m_alarm(alarm), m_replacedAlerts(RecordAlerts::Install(std::make_shared<ShellRecordAlerts>())) {
  UseProgramSkin();
  SetToastWindow(true);
  SetToastHandler([this](const std::wstring& text, int seconds) {
    ConsumerEvent event;
    event.kind = ConsumerEvent::Kind::Toast;
    event.text = text;
    event.seconds = seconds;
    Record(event);
  });
  AlarmWindow::SetModalHandler([this](AlarmWindow& window) {
    ConsumerEvent opened;
    opened.kind = ConsumerEvent::Kind::AlarmOpened;
    opened.record = window.GetRecord();
    opened.window = window.GetHWND();
    opened.title = WindowTitle(window.GetHWND());
    Record(opened);
    if (m_alarm == Alarm::StayOpen) window.RunModalLoop();
    ConsumerEvent closed;
    closed.kind = ConsumerEvent::Kind::AlarmClosed;
    closed.record = window.GetRecord();
    Record(closed);
  });
}

ConsumerWitness::~ConsumerWitness() {
  AlarmWindow::SetModalHandler(nullptr);
  SetToastHandler(nullptr);
  g_pFeedBackWnd = nullptr;
  RecordAlerts::Install(m_replacedAlerts);
}

void ConsumerWitness::SetToastWindow(bool exists) {
  g_pFeedBackWnd = exists ? reinterpret_cast<PhotoFeedBackWindow*>(&g_toastWindowStandIn) : nullptr;
}

std::vector<ConsumerEvent> ConsumerWitness::Events() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_events;
}

std::vector<ConsumerEvent> ConsumerWitness::Toasts() const {
  std::vector<ConsumerEvent> toasts;
  for (const ConsumerEvent& event : Events()) {
    if (event.kind == ConsumerEvent::Kind::Toast) toasts.push_back(event);
  }
  return toasts;
}

bool ConsumerWitness::WaitForEvents(std::size_t count) const {
  std::unique_lock<std::mutex> lock(m_mutex);
  return m_changed.wait_for(lock, std::chrono::minutes(1), [&] { return m_events.size() >= count; });
}

void ConsumerWitness::CloseAlarm() const {
  HWND window = nullptr;
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const ConsumerEvent& event : m_events) {
      if (event.kind == ConsumerEvent::Kind::AlarmOpened) window = event.window;
    }
  }
  if (window) PostMessageW(window, WM_CLOSE, 0, 0);
}

void ConsumerWitness::Record(ConsumerEvent event) {
  event.thread = std::this_thread::get_id();
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_events.push_back(std::move(event));
  }
  m_changed.notify_all();
}

}  // namespace broker_test

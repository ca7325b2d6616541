#include "tests/app/management/support/DeviceWindowTest.h"

#include "app/management/ReaderLog.h"
#include "platform/reader/ReaderBackend.h"
#include "ui/controls/CComboUI.h"

namespace devicetest {

namespace {

using shelltest::FindControl;
using shelltest::FindWindowOfClass;
using shelltest::OnWindowThread;

const wchar_t kMessageBox[] = L"MessagWnd";

int KindOf(const std::wstring& icon) {
  if (icon.find(L"询问") != std::wstring::npos) return 2;
  if (icon.find(L"操作成功") != std::wstring::npos) return 6;
  if (icon.find(L"操作失败") != std::wstring::npos) return 7;
  if (icon.find(L"提示") != std::wstring::npos) return 1;
  return 0;
}

}  // namespace

DeviceWindowTest::DeviceWindowTest() : reader(scratch.file("reader")) {
  reader.Reset();
  platform::reader::ReaderBackend::UseSimulator(reader.Folder());
  ReaderLog::SetObserver([this](int level, const std::string& line) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_logLines.push_back(std::to_string(level) + " " + line);
  });
}

void DeviceWindowTest::CloseOpened() {
  for (int round = 0; round < 10 && FindWindowOfClass(kMessageBox) != nullptr; ++round) Answer(L"close");
  if (Opened() != nullptr) {
    ::PostMessageW(m_opened, WM_CLOSE, 0, 0);
    driver.WaitIdle();
  }
}

DeviceWindowTest::~DeviceWindowTest() {
  CloseOpened();
  ReaderLog::SetObserver(nullptr);
  platform::reader::ReaderBackend::UseNone();
}

void DeviceWindowTest::OpenModal(SkinUI::WindowImplBase* window, const wchar_t* title,
                                     const std::function<void()>& before, HWND parent) {
  m_modalResult = -1;
  HWND owner = parent != nullptr ? parent : frame;
  std::atomic<HWND> created{nullptr};
  ui.Post([this, window, title, before, owner, &created] {
    HWND hwnd = window->CreateWithStyle(owner, title, 0, 0);
    created = hwnd;
    if (hwnd == nullptr) return;
    if (before) before();
    window->CenterWindow();
    m_modalResult = static_cast<int>(window->ShowModal());
  });
  Settle();
  m_opened = created.load();
}

void DeviceWindowTest::Click(HWND hwnd, LPCTSTR name) {
  ClickControl(hwnd, name);
  Settle();
}

void DeviceWindowTest::Type(HWND hwnd, LPCTSTR name, const std::wstring& text) {
  ClickControl(hwnd, name);
  driver.WaitIdle();
  driver.Commit(text);
  Settle();
}

void DeviceWindowTest::Select(HWND hwnd, LPCTSTR name, int index) { PickRow(hwnd, name, index); }

int DeviceWindowTest::Selected(HWND hwnd, LPCTSTR name) {
  int index = -2;
  OnWindowThread(hwnd, [&] { index = static_cast<SkinUI::CComboUI*>(FindControl(hwnd, name))->GetCurSel(); });
  return index;
}

std::vector<std::wstring> DeviceWindowTest::Rows(HWND hwnd, LPCTSTR name) {
  std::vector<std::wstring> rows;
  OnWindowThread(hwnd, [&] {
    auto* combo = static_cast<SkinUI::CComboUI*>(FindControl(hwnd, name));
    for (int i = 0; i < combo->GetCount(); ++i) rows.push_back(combo->GetItemAt(i)->GetText().GetData());
  });
  return rows;
}

Message DeviceWindowTest::Answer(const wchar_t* button) {
  driver.WaitIdle();
  Message message;
  HWND box = FindWindowOfClass(kMessageBox);
  if (box == nullptr) return message;
  bool hasButton = false;
  OnWindowThread(box, [&] {
    SkinUI::CControlUI* context = FindControl(box, L"VContext");
    message.text = context->GetText().GetData();
    message.kind = KindOf(shelltest::ImagesOf::Background(context));
    hasButton = shelltest::ControlIfAny(box, button) != nullptr;
  });
  ClickControl(box, hasButton ? button : L"close");
  Settle();
  return message;
}

std::vector<std::wstring> DeviceWindowTest::AnswerAll(const wchar_t* button) {
  std::vector<std::wstring> texts;
  for (Message message = Answer(button); !message.text.empty(); message = Answer(button)) {
    texts.push_back(message.text);
  }
  return texts;
}

std::vector<std::wstring> DeviceWindowTest::Toasts() { return m_toasts.Texts(); }

std::vector<std::string> DeviceWindowTest::ReaderLogLines() {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_logLines;
}

void DeviceWindowTest::ClearRecords() {
  m_toasts.Clear();
  std::lock_guard<std::mutex> lock(m_mutex);
  m_logLines.clear();
}

std::string DeviceWindowTest::LastBody(const std::string& path) {
  std::string body;
  for (const test_support::RecordedRequest& request : world.http().requests()) {
    if (request.path() == path) body = request.body;
  }
  return body;
}

std::vector<std::string> DeviceWindowTest::Paths() {
  std::vector<std::string> paths;
  for (const test_support::RecordedRequest& request : world.http().requests()) paths.push_back(request.path());
  return paths;
}

}  // namespace devicetest

#pragma once
// What the tests of the device page and its dialogs start from: the shell's test UI
// thread with its stand-in main frame, every outside service on the test server with the
// caches empty, a simulated reader in a scratch folder, and the toasts and reader log
// lines collected. A window opened modally here runs on the UI thread; message boxes are
// read and answered with the driver.
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/reader/ReaderSimulatorControl.h"
#include "testing/files/ScratchFolder.h"
#include "tests/app/shell/support/ShellWindowTest.h"
#include "tests/app/shell/support/ToastLog.h"
#include "tests/data/CampusWorld.h"
#include "ui/core/window/WindowImplBase.h"

namespace devicetest {

// A message box as the user saw it.
struct Message {
  std::wstring text;
  int kind = 0;  // 1 information, 2 question, 7 failure (by its buttons and icon)
};

// Its tools are public, so that case tables can take the fixture.
class DeviceWindowTest : public shelltest::ShellWindowTest {
 public:
  DeviceWindowTest();
  ~DeviceWindowTest() override;

  // Creates the window on the UI thread over `parent` (the frame when null), lets
  // `before` run on it, and runs it modally; returns once every thread is idle.
  void OpenModal(SkinUI::WindowImplBase* window, const wchar_t* title,
                 const std::function<void()>& before = nullptr, HWND parent = nullptr);
  // Answers the boxes still open and closes the window of the last OpenModal; call it
  // before the window's object goes.
  void CloseOpened();
  // The modal result once the window closed; -1 while it runs.
  int ModalResult() const { return m_modalResult.load(); }
  // The window of the last OpenModal, null once it is gone.
  HWND Opened() const { return ::IsWindow(m_opened) ? m_opened : nullptr; }

  // Clicks a control of the window and waits until every thread has settled: the busy
  // window gone, or a message box open.
  void Click(HWND hwnd, LPCTSTR name);
  // Types into an edit as an input method would commit the text (after clicking it).
  void Type(HWND hwnd, LPCTSTR name, const std::wstring& text);
  using ShellWindowTest::SetText;
  using ShellWindowTest::TypeOver;
  using ShellWindowTest::Text;
  // Picks the row of a combo through its drop-down, by keys.
  void Select(HWND hwnd, LPCTSTR name, int index);
  int Selected(HWND hwnd, LPCTSTR name);
  // The texts of a combo's rows.
  std::vector<std::wstring> Rows(HWND hwnd, LPCTSTR name);
  using ShellWindowTest::Visible;

  // The open message box, answered with its button "yes", "cancle" or "close" (the only
  // one of kind 7); the text is empty when none is open.
  Message Answer(const wchar_t* button = L"yes");
  // Answers every box that opens until none is left; their texts in order.
  std::vector<std::wstring> AnswerAll(const wchar_t* button = L"yes");

  std::vector<std::wstring> Toasts();
  std::vector<std::string> ReaderLogLines();
  void ClearRecords();

  // The body of the last request to that path ("/api/..."), UTF-8; "" when none came.
  std::string LastBody(const std::string& path);
  // The paths of the requests received, in order.
  std::vector<std::string> Paths();

  using ShellWindowTest::Settle;

  CampusWorld world;
  test_support::ScratchFolder scratch;
  platform::reader::ReaderSimulatorControl reader;

 private:
  shelltest::ToastLog m_toasts;
  std::mutex m_mutex;
  std::vector<std::string> m_logLines;
  std::atomic<int> m_modalResult{-1};
  HWND m_opened = nullptr;
};

}  // namespace devicetest

#pragma once
// What the result page's tests start from: the page over the stand-in main frame, every
// outside service on the test server with the caches empty, a simulated reader, the
// toasts collected, and ways to fill each tab with rows, click, type and read what the
// page shows. The wall clock stands at Friday 2024-01-05 09:30:15, so every date field
// shows that day.
#include <memory>
#include <string>
#include <vector>

#include "app/records/CResultWndEx.h"
#include "platform/reader/ReaderSimulatorControl.h"
#include "testing/files/ScratchFolder.h"
#include "tests/app/records/RecordsTestSupport.h"
#include "tests/app/shell/support/ShellWindowTest.h"
#include "tests/app/shell/support/ToastLog.h"
#include "tests/data/CampusWorld.h"

namespace records_test {

using Texts = std::vector<std::wstring>;

class ResultPageTest : public shelltest::ShellWindowTest {
 public:
  // The pinned day as the date fields show it.
  static constexpr const char* kToday = "2024-01-05";

  ResultPageTest();
  ~ResultPageTest() override;

  void Open();
  // Destroys the page's window and object, as if it had never been opened.
  void Close();
  using ShellWindowTest::Settle;

  // The tab's source holds exactly that many rows for the pinned day, numbered from 1 and
  // each carrying "巡" in the text its search looks at: plans of one slot on the results
  // tab, device records of a cached reader, audit entries.
  void FillTab(CResultWndEx::Tab tab, int rows);

  // Clicks a control of the page and waits until everything has settled.
  void Click(LPCTSTR name);
  // Types into a search box as an input method commits text (after clicking it).
  void Type(LPCTSTR name, const std::wstring& text);
  void PickRow(LPCTSTR combo, int row) { ShellWindowTest::PickRow(hwnd, combo, row); }
  void PickTime(LPCTSTR button, int hour, int minute) { ShellWindowTest::PickTime(hwnd, button, hour, minute); }
  // Presses Enter in a search box.
  void PressReturn(LPCTSTR name);
  // Types over what a field holds, as a person does.
  void TypeOver(LPCTSTR name, const std::wstring& text);
  // Picks the day in the date field's own picker, typing it as a person does, and
  // closes the picker with a click on `away`, a label beside the field.
  void PickDate(LPCTSTR name, WORD year, WORD month, WORD day, LPCTSTR away);
  std::wstring Text(LPCTSTR name);
  bool Visible(LPCTSTR name);
  bool Enabled(LPCTSTR name);

  // The texts of one column of a list, row by row.
  Texts Column(LPCTSTR list, int column);
  // The user data of the named button in a row of a list; "" when it has none.
  std::wstring ButtonData(LPCTSTR list, int row, LPCTSTR button);
  void ClickInRow(LPCTSTR list, int row, LPCTSTR button);

  // The text of the open message box, which is then closed; "" when none is open.
  std::wstring Answer();
  std::vector<std::wstring> TakeToasts();

  CampusWorld world;
  test_support::ScratchFolder scratch;
  platform::reader::ReaderSimulatorControl reader;
  std::unique_ptr<CResultWndEx> page;
  HWND hwnd = nullptr;

 private:
  void ClearTabSources();

  PinnedClock clock_;
  shelltest::ToastLog toasts_;
};

}  // namespace records_test

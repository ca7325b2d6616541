#pragma once
// What a person does to a dialog, and nothing more: clicks on controls found by their
// skin names, text typed through the input method's path, rows chosen in a combo's
// drop-down, dates typed into the date picker and times picked in the time picker.
// A name the window does not have fails the test instead of clicking nowhere.
#include <string>

#include "platform/win32.h"
#include "testing/driver/TestDriver.h"

namespace managementtest {

class UserInput {
 public:
  explicit UserInput(platform::headless::TestDriver& driver) : driver_(driver) {}

  void Click(HWND hwnd, LPCTSTR name);
  // Clicks the field, selects what it holds (Ctrl+A) and types the text over it.
  void Type(HWND hwnd, LPCTSTR field, const std::wstring& text);
  // Opens the combo with a click and clicks the row that shows the text.
  void Choose(HWND hwnd, LPCTSTR combo, const std::wstring& row);
  // Opens the date field's picker with a click, types the digits of "YYYY-MM-DD" and
  // leaves it with a click on another control of the window.
  void TypeDate(HWND hwnd, LPCTSTR field, const std::wstring& date, LPCTSTR elsewhere);
  // Opens the date field's picker and leaves it again without a key.
  void OpenAndLeaveDate(HWND hwnd, LPCTSTR field, LPCTSTR elsewhere);
  // Opens the time picker with the button, walks each list to the hour and the minute
  // with the arrow keys and confirms with "确定".
  void PickTime(HWND hwnd, LPCTSTR button, int hour, int minute);
  // In an open time picker: clicks the row of the list in view, then walks to the row
  // with Home and Down.
  void PickInList(HWND picker, LPCTSTR list, int row);

 private:
  void ClickAt(POINT screen);

  platform::headless::TestDriver& driver_;
};

}  // namespace managementtest

#pragma once
// A person at the program's windows on the headless backend. Controls are found by
// their skin names in the open windows and clicked at the centre of where they are
// drawn; text arrives through the input method's path; keys, combo rows, dates in the
// date field's picker, times in the time picker and ticks in trees are worked as a
// person works them. Nothing here sets a control's state.
//
// Every lookup that finds nothing is a test failure naming what was looked for: a
// misspelt window class or control name can never pass for one that is merely absent.
// Controls are read (never changed) on their window's thread.
#include <functional>
#include <string>
#include <vector>

#include "platform/win32.h"
#include "testing/driver/TestDriver.h"

namespace SkinUI {
class CControlUI;
}

namespace userinput {

class UserInput {
 public:
  explicit UserInput(platform::headless::TestDriver& driver) : driver_(driver) {}

  platform::headless::TestDriver& Driver() { return driver_; }

  // Lets the threads run and the clock move on until `done` holds; a failure naming
  // `what` when it does not within a generous bound.
  bool WaitFor(const std::string& what, const std::function<bool()>& done);
  // Lets what is pending run: the GUI threads, the workers' answers and the timers due
  // within a short time.
  void Settle();

  // The visible window of that class, top-level or child, waiting for it to open; null
  // and a failure when none opens.
  HWND Window(const std::wstring& className);
  // Whether a visible window of that class is open now; the class must be one the
  // program has registered, so that a misspelt class is a failure, not an absence.
  bool IsOpen(const std::wstring& className);
  // Waits until no visible window of that class is open; a failure when one stays.
  bool WaitClosed(const std::wstring& className);

  // Waits until the named control is on the screen (its page may still be being made);
  // a failure naming it when it never shows.
  bool WaitShown(HWND window, const std::wstring& name);

  // Reading what a person sees. Each fails on a name the window does not hold.
  bool Has(HWND window, const std::wstring& name);
  std::wstring Text(HWND window, const std::wstring& name);
  bool Visible(HWND window, const std::wstring& name);
  bool Enabled(HWND window, const std::wstring& name);
  // An option's or check box's tick.
  bool Selected(HWND window, const std::wstring& name);
  // The texts of the direct items of a container (a list's rows, a combo's rows): each
  // item's own text, or when empty the texts of its labelled children joined by "|".
  std::vector<std::wstring> Items(HWND window, const std::wstring& container);
  // The text of the named control inside each item of a container.
  std::vector<std::wstring> ItemTexts(HWND window, const std::wstring& container, const std::wstring& name);

  // Reads what a control shows beyond its text (a chart's values, say) on its window's
  // thread; `read` must not change it. A failure when the name does not exist.
  void Read(HWND window, const std::wstring& name, const std::function<void(SkinUI::CControlUI*)>& read);

  // Clicks the centre of the named control where it is drawn; it must be shown and be
  // the control under that point. Waits for the threads after.
  void Click(HWND window, const std::wstring& name);
  void DoubleClick(HWND window, const std::wstring& name);
  // Clicks the named control inside the item at `index` of a container (a row's button).
  void ClickInItem(HWND window, const std::wstring& container, int index, const std::wstring& name);
  // Clicks the item of a container at `index` (a list row, a tile).
  void ClickItem(HWND window, const std::wstring& container, int index);
  // Clicks the item of a container whose text (as Items gives it) holds `text`.
  void ClickItemWithText(HWND window, const std::wstring& container, const std::wstring& text);

  // Clicks into the field, selects what it holds with Home and Shift+End, deletes it and
  // types the text through the input method.
  void Type(HWND window, const std::wstring& field, const std::wstring& text);
  // Types at the caret where the focus is.
  void TypeHere(const std::wstring& text);
  void Key(UINT vk);
  void KeyWith(UINT modifier, UINT vk);

  // Opens the combo's drop-down with a click and clicks the row that shows `row`, brought
  // into the drop-down's view with the arrow keys when it lies outside it.
  void PickCombo(HWND window, const std::wstring& combo, const std::wstring& row);

  // Clicks the date field, types the year, month and day into the picker's fields and
  // clicks the named control `away` (of window `awayWindow`) so the picker closes with it.
  void PickDate(HWND window, const std::wstring& field, int year, int month, int day, HWND awayWindow,
                const std::wstring& away);
  // Clicks the date field and clicks `away` without changing anything.
  void OpenAndLeaveDate(HWND window, const std::wstring& field, HWND awayWindow, const std::wstring& away);

  // Clicks the time button, picks the hour and the minute rows in the time picker and
  // confirms with its "确定".
  void PickTime(HWND window, const std::wstring& button, int hour, int minute);

  // Ticks (or unticks) the check box of the tree row whose text is `row`.
  void TickTreeRow(HWND window, const std::wstring& tree, const std::wstring& row);

  // The text of the open message box of the program, "" when none is open.
  std::wstring Message();
  // Closes the message box with the named button ("yes", "cancle" or "close"; none: its
  // "确定", or its close button when it has no other) and gives its text, waiting for one
  // to open (a worker may show it); a failure when none opens.
  std::wstring Answer(const std::wstring& button = L"");

 private:
  // The control of that name in the window or in the child windows it holds, run on
  // its window's thread; null and a failure when there is none.
  void OnControl(HWND window, const std::wstring& name, const std::function<void(SkinUI::CControlUI*, HWND)>& call);
  // Where a person clicks the control: the centre of what is drawn of it, on the
  // screen; false (and a failure) when it is hidden, scrolled away or covered.
  bool CentreOf(SkinUI::CControlUI* control, HWND paintWindow, POINT* screen, const std::wstring& what);
  void ClickPoint(POINT screen);
  // Scrolls the wheel over the container until the item is drawn whole, within bounds.
  void ScrollTo(HWND window, const std::wstring& container, int index);
  int IndexOfText(HWND window, const std::wstring& container, const std::wstring& text);

  platform::headless::TestDriver& driver_;
  // The window the next click is aimed at.
  HWND target_ = nullptr;
};

}  // namespace userinput

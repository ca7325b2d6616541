#pragma once
// The "SysMonthCal32" class as a date picker drops it down: a pop-up tool window
// below its picker (above it when the work area of the picker's monitor has no room
// below) with a title between two arrows that change the month, a row of weekday
// names and six weeks of days starting on Monday, today framed and the picker's date
// marked. It holds the focus and the mouse while it is open. A click on a day gives
// the picker that date, tells it with WM_NOTIFY (MCN_SELECT), and closes the calendar;
// a press outside it or Escape closes it too, and each of these gives the focus back
// to the picker. When the focus goes elsewhere it closes and the picker hears of the
// loss as if it had kept the focus.
#include "platform/user/CommCtrl.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStateMap.h"

namespace platform::user {

class MonthCalendarWindow {
 public:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  explicit MonthCalendarWindow(HWND hwnd);

 private:
  static WindowStateMap<MonthCalendarWindow>& States();

  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCreate(HWND picker);
  LRESULT OnHitTest(MCHITTESTINFO* info) const;
  void OnPress(POINT at);
  void OnFocusLost(HWND gainer);
  void OnPaint();

  // The first day shown: the Monday on or before the first of the month.
  SYSTEMTIME FirstShown() const;
  // What lies under a client point; `date` is set over a day.
  UINT HitAt(POINT at, SYSTEMTIME* date) const;
  void ShowMonth(int months);
  void PickDay(const SYSTEMTIME& date);
  void Close(bool giveFocusBack);
  void Measure();
  void Place();

  HWND hwnd_;
  HWND picker_ = nullptr;
  SYSTEMTIME month_{};     // the month shown (its day is unused)
  SYSTEMTIME selected_{};  // the picker's date
  SYSTEMTIME today_{};
  bool closing_ = false;
  HFONT font_ = nullptr;
  int cellWidth_ = 0;
  int cellHeight_ = 0;
  int titleHeight_ = 0;
};

}  // namespace platform::user

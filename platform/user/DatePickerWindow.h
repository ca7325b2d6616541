#pragma once
// The "SysDateTimePick32" class: a date shown as YYYY-MM-DD in three fields beside a
// drop button. Left and Right pick a field, Up, Down and digits change it; the drop
// button, Alt+Down and F4 open the month calendar below it (above when the work area
// has no room below), which exists only while it is open.
#include <string>

#include "platform/user/Window.h"
#include "platform/user/WindowStateMap.h"

namespace platform::user {

class DatePickerWindow {
 public:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  explicit DatePickerWindow(HWND hwnd);

 private:
  enum Field { kYear, kMonth, kDay, kFieldCount };

  // What one paint draws with: the system's colours, or those its parent answered.
  struct Colours {
    HBRUSH face = nullptr;
    HBRUSH buttonFace = nullptr;
    COLORREF frame = 0;
    COLORREF text = 0;
    COLORREF arrow = 0;
  };
  static Colours SystemColours(bool enabled);
  static Colours ParentColours(HBRUSH face, COLORREF text, bool enabled);

  static WindowStateMap<DatePickerWindow>& States();

  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnSetDate(WPARAM flag, const SYSTEMTIME* date);
  LRESULT OnGetDate(SYSTEMTIME* date) const;
  void OnKeyDown(UINT vk);
  void OnChar(wchar_t ch);
  void OnButtonDown(int x);
  void OnPaint();

  void SelectField(int field);
  // Up (+1) or Down (-1) on the selected field, wrapping inside its range.
  void Step(int delta);
  void SetField(int field, int value);
  void OpenCalendar();
  HWND Calendar() const;
  // Where each field's text and the drop button lie in the client area.
  RECT FieldRect(int field) const;
  RECT ButtonRect() const;
  std::wstring Shown() const;
  HFONT Font() const;

  HWND hwnd_;
  SYSTEMTIME date_{};
  HFONT font_ = nullptr;
  int field_ = kYear;
  std::wstring typed_;  // digits typed into the selected field so far
  HWND calendar_ = nullptr;
};

}  // namespace platform::user

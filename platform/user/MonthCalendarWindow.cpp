#include "platform/user/MonthCalendarWindow.h"

#include <algorithm>
#include <cstddef>

#include "platform/base/Clock.h"
#include "platform/base/WideFormat.h"
#include "platform/gdi/Gdi.h"
#include "platform/user/CivilCalendar.h"
#include "platform/user/Focus.h"
#include "platform/user/Input.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/Monitor.h"
#include "platform/user/Paint.h"
#include "platform/user/WindowPos.h"

namespace platform::user {
namespace {

const int kMargin = 4;
const int kWeeks = 6;
const int kDaysPerWeek = 7;
const wchar_t* const kWeekdayNames[kDaysPerWeek] = {L"一", L"二", L"三", L"四", L"五", L"六", L"日"};
const COLORREF kTodayFrame = RGB(220, 0, 0);

bool SameDay(const SYSTEMTIME& a, const SYSTEMTIME& b) {
  return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDay == b.wDay;
}

bool Inside(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

}  // namespace

WindowStateMap<MonthCalendarWindow>& MonthCalendarWindow::States() {
  static auto* states = new WindowStateMap<MonthCalendarWindow>;
  return *states;
}

MonthCalendarWindow::MonthCalendarWindow(HWND hwnd) : hwnd_(hwnd) {
  GetLocalTime(&today_);
  selected_ = month_ = today_;
}

LRESULT CALLBACK MonthCalendarWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return States().Dispatch(hwnd, message, wParam, lParam, &MonthCalendarWindow::Handle);
}

LRESULT MonthCalendarWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      OnCreate(reinterpret_cast<const CREATESTRUCTW*>(lParam)->hwndParent);
      return 0;
    case WM_DESTROY: closing_ = true; return 0;
    case MCM_HITTEST: return OnHitTest(reinterpret_cast<MCHITTESTINFO*>(lParam));
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (!closing_) OnPress(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_ESCAPE && !closing_) Close(true);
      return 0;
    case WM_KILLFOCUS:
      if (!closing_) OnFocusLost(reinterpret_cast<HWND>(wParam));
      return 0;
    case WM_CAPTURECHANGED:
      if (!closing_ && HWND(lParam) != hwnd_) Close(false);
      return 0;
    case WM_CANCELMODE:
      if (!closing_) Close(false);
      return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;
    default: return DefWindowProcW(hwnd_, message, wParam, lParam);
  }
}

void MonthCalendarWindow::OnCreate(HWND picker) {
  picker_ = picker;
  if (IsWindow(picker_)) {
    SYSTEMTIME date{};
    if (SendMessageW(picker_, DTM_GETSYSTEMTIME, 0, LPARAM(&date)) == GDT_VALID && CivilCalendar::IsValid(date)) {
      selected_ = month_ = date;
    }
    font_ = reinterpret_cast<HFONT>(SendMessageW(picker_, WM_GETFONT, 0, 0));
  }
  Measure();
  Place();
}

void MonthCalendarWindow::Measure() {
  HDC hdc = CreateCompatibleDC(nullptr);
  SelectObject(hdc, font_ ? HGDIOBJ(font_) : GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICW metrics{};
  GetTextMetricsW(hdc, &metrics);
  SIZE digits{}, name{};
  GetTextExtentPoint32W(hdc, L"00", 2, &digits);
  GetTextExtentPoint32W(hdc, kWeekdayNames[0], 1, &name);
  DeleteDC(hdc);
  cellWidth_ = std::max(digits.cx, name.cx) + 12;
  cellHeight_ = metrics.tmHeight + 6;
  titleHeight_ = metrics.tmHeight + 10;
}

void MonthCalendarWindow::Place() {
  const int width = 2 * kMargin + kDaysPerWeek * cellWidth_;
  const int height = 2 * kMargin + titleHeight_ + (kWeeks + 1) * cellHeight_;
  RECT picker{};
  GetWindowRect(picker_, &picker);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(picker_, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  int y = picker.bottom;
  if (y + height > work.bottom) y = picker.top - height;
  const int x = std::max<int>(work.left, std::min<int>(picker.left, work.right - width));
  SetWindowPos(hwnd_, HWND_TOP, x, y, width, height, SWP_NOACTIVATE);
}

SYSTEMTIME MonthCalendarWindow::FirstShown() const {
  SYSTEMTIME first = month_;
  first.wDay = 1;
  const int sinceMonday = (CivilCalendar::DayOfWeek(first.wYear, first.wMonth, 1) + 6) % kDaysPerWeek;
  return CivilCalendar::AddDays(first, -sinceMonday);
}

UINT MonthCalendarWindow::HitAt(POINT at, SYSTEMTIME* date) const {
  RECT client{};
  GetClientRect(hwnd_, &client);
  if (!Inside(client, at)) return MCHT_NOWHERE;
  const int titleBottom = kMargin + titleHeight_;
  if (at.y < titleBottom) {
    if (at.x < kMargin + titleHeight_) return MCHT_TITLEBTNPREV;
    if (at.x >= client.right - kMargin - titleHeight_) return MCHT_TITLEBTNNEXT;
    return MCHT_TITLEBK;
  }
  const int column = (at.x - kMargin) / std::max(cellWidth_, 1);
  const int row = (at.y - titleBottom) / std::max(cellHeight_, 1);
  if (at.x < kMargin || column >= kDaysPerWeek || row > kWeeks) return MCHT_CALENDARBK;
  if (row == 0) return MCHT_CALENDARDAY;
  const SYSTEMTIME day = CivilCalendar::AddDays(FirstShown(), (row - 1) * kDaysPerWeek + column);
  if (date) *date = day;
  if (day.wMonth == month_.wMonth) return MCHT_CALENDARDATE;
  const bool before = day.wYear * 12 + day.wMonth < month_.wYear * 12 + month_.wMonth;
  return before ? MCHT_CALENDARDATEPREV : MCHT_CALENDARDATENEXT;
}

LRESULT MonthCalendarWindow::OnHitTest(MCHITTESTINFO* info) const {
  const size_t covers = offsetof(MCHITTESTINFO, uHit) + sizeof(info->uHit);
  if (!info || info->cbSize < covers) return -1;
  SYSTEMTIME date{};
  info->uHit = HitAt(info->pt, &date);
  if (info->cbSize >= offsetof(MCHITTESTINFO, st) + sizeof(info->st)) info->st = date;
  return LRESULT(info->uHit);
}

void MonthCalendarWindow::OnPress(POINT at) {
  SYSTEMTIME date{};
  const UINT hit = HitAt(at, &date);
  if (hit == MCHT_NOWHERE) {
    Close(true);  // a press outside ends it, as a drop-down's does, and goes no further
    return;
  }
  if (hit == MCHT_TITLEBTNPREV) ShowMonth(-1);
  if (hit == MCHT_TITLEBTNNEXT) ShowMonth(1);
  if ((hit & MCHT_CALENDARDATE) == MCHT_CALENDARDATE) PickDay(date);
}

void MonthCalendarWindow::ShowMonth(int months) {
  month_ = CivilCalendar::AddMonths(month_, months);
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void MonthCalendarWindow::PickDay(const SYSTEMTIME& date) {
  // From here on the focus moving back to the picker is the calendar's own doing.
  closing_ = true;
  SYSTEMTIME picked = selected_;
  picked.wYear = date.wYear;
  picked.wMonth = date.wMonth;
  picked.wDay = date.wDay;
  picked.wDayOfWeek = date.wDayOfWeek;
  const HWND self = hwnd_;
  SendMessageW(picker_, DTM_SETSYSTEMTIME, GDT_VALID, LPARAM(&picked));
  NMSELCHANGE notice{};
  notice.nmhdr.hwndFrom = self;
  notice.nmhdr.idFrom = UINT_PTR(GetDlgCtrlID(self));
  notice.nmhdr.code = MCN_SELECT;
  notice.stSelStart = notice.stSelEnd = picked;
  SendMessageW(picker_, WM_NOTIFY, notice.nmhdr.idFrom, LPARAM(&notice));
  if (IsWindow(self)) Close(true);
}

void MonthCalendarWindow::OnFocusLost(HWND gainer) {
  const HWND picker = picker_;
  Close(false);
  // The picker lost the focus to the calendar and never heard of it; the focus now
  // leaves both, and the picker's own rule for losing it applies.
  if (gainer != picker && IsWindow(picker)) SendMessageW(picker, WM_KILLFOCUS, WPARAM(gainer), 0);
}

void MonthCalendarWindow::Close(bool giveFocusBack) {
  closing_ = true;
  const HWND self = hwnd_;
  if (GetCapture() == self) ReleaseCapture();
  if (giveFocusBack && IsWindow(picker_)) SetFocus(picker_);
  DestroyWindow(self);
}

void MonthCalendarWindow::OnPaint() {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hwnd_, &ps);
  if (!hdc) return;
  RECT client{};
  GetClientRect(hwnd_, &client);
  FillRect(hdc, &client, GetSysColorBrush(COLOR_WINDOW));
  FrameRect(hdc, &client, GetSysColorBrush(COLOR_BTNSHADOW));
  SelectObject(hdc, font_ ? HGDIOBJ(font_) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(hdc, TRANSPARENT);

  RECT title{kMargin, kMargin, client.right - kMargin, kMargin + titleHeight_};
  FillRect(hdc, &title, GetSysColorBrush(COLOR_BTNFACE));
  wchar_t caption[32];
  swprintf_s(caption, 32, L"%d年%d月", month_.wYear, month_.wMonth);
  SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
  DrawTextW(hdc, caption, -1, &title, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  // The two arrows, each a triangle drawn a line at a time.
  HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNTEXT));
  HGDIOBJ oldPen = SelectObject(hdc, pen);
  const int cy = (title.top + title.bottom) / 2;
  const int prevX = title.left + titleHeight_ / 2 - 2, nextX = title.right - titleHeight_ / 2 + 2;
  for (int i = 0; i < 5; ++i) {
    MoveToEx(hdc, prevX + i, cy - i, nullptr);
    LineTo(hdc, prevX + i, cy + i + 1);
    MoveToEx(hdc, nextX - i, cy - i, nullptr);
    LineTo(hdc, nextX - i, cy + i + 1);
  }
  SelectObject(hdc, oldPen);
  DeleteObject(pen);

  const int gridTop = kMargin + titleHeight_;
  SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
  for (int column = 0; column < kDaysPerWeek; ++column) {
    RECT cell{kMargin + column * cellWidth_, gridTop, kMargin + (column + 1) * cellWidth_, gridTop + cellHeight_};
    DrawTextW(hdc, kWeekdayNames[column], -1, &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  HBRUSH todayFrame = CreateSolidBrush(kTodayFrame);
  SYSTEMTIME day = FirstShown();
  for (int index = 0; index < kWeeks * kDaysPerWeek; ++index, day = CivilCalendar::AddDays(day, 1)) {
    const int column = index % kDaysPerWeek, row = index / kDaysPerWeek + 1;
    RECT cell{kMargin + column * cellWidth_, gridTop + row * cellHeight_, kMargin + (column + 1) * cellWidth_,
              gridTop + (row + 1) * cellHeight_};
    const bool picked = SameDay(day, selected_);
    if (picked) FillRect(hdc, &cell, GetSysColorBrush(COLOR_HIGHLIGHT));
    if (SameDay(day, today_)) FrameRect(hdc, &cell, todayFrame);
    const bool inMonth = day.wMonth == month_.wMonth;
    SetTextColor(hdc, GetSysColor(picked ? COLOR_HIGHLIGHTTEXT : inMonth ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    wchar_t number[4];
    swprintf_s(number, 4, L"%d", day.wDay);
    DrawTextW(hdc, number, -1, &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  DeleteObject(todayFrame);
  EndPaint(hwnd_, &ps);
}

}  // namespace platform::user

#include "platform/user/DatePickerWindow.h"

#include <algorithm>

#include "platform/base/Clock.h"
#include "platform/base/WideFormat.h"
#include "platform/gdi/Gdi.h"
#include "platform/user/CivilCalendar.h"
#include "platform/user/CommCtrl.h"
#include "platform/user/Focus.h"
#include "platform/user/Input.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/Paint.h"
#include "platform/user/WindowPos.h"

namespace platform::user {
namespace {

const int kTextMargin = 3;
const int kButtonWidth = 16;

// A notification the framework host sends back to the child it came from.
const UINT kReflectedNotify = WM_NOTIFY + 0x2000;

// Where each field starts in "YYYY-MM-DD" and how many digits it has.
const size_t kFieldStart[] = {0, 5, 8};
const size_t kFieldDigits[] = {4, 2, 2};

bool IsDigit(wchar_t ch) { return ch >= L'0' && ch <= L'9'; }

}  // namespace

WindowStateMap<DatePickerWindow>& DatePickerWindow::States() {
  static auto* states = new WindowStateMap<DatePickerWindow>;
  return *states;
}

DatePickerWindow::DatePickerWindow(HWND hwnd) : hwnd_(hwnd) { GetLocalTime(&date_); }

LRESULT CALLBACK DatePickerWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return States().Dispatch(hwnd, message, wParam, lParam, &DatePickerWindow::Handle);
}

LRESULT DatePickerWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY:
      // The calendar belongs to the picker's top-level window; it goes with the picker.
      if (HWND calendar = Calendar()) SendMessageW(calendar, WM_CANCELMODE, 0, 0);
      return 0;
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) InvalidateRect(hwnd_, nullptr, FALSE);
      return 0;
    case WM_GETFONT: return LRESULT(font_);
    case DTM_SETSYSTEMTIME: return OnSetDate(wParam, reinterpret_cast<const SYSTEMTIME*>(lParam));
    case DTM_GETSYSTEMTIME: return OnGetDate(reinterpret_cast<SYSTEMTIME*>(lParam));
    case DTM_GETMONTHCAL: return LRESULT(Calendar());
    case WM_KEYDOWN: OnKeyDown(UINT(wParam)); return 0;
    case WM_SYSKEYDOWN:
      if (wParam == VK_DOWN) {
        OpenCalendar();
        return 0;
      }
      return DefWindowProcW(hwnd_, message, wParam, lParam);
    case WM_CHAR: OnChar(wchar_t(wParam)); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: OnButtonDown(GET_X_LPARAM(lParam)); return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      typed_.clear();
      InvalidateRect(hwnd_, nullptr, FALSE);
      return 0;
    case WM_NOTIFY:
    case kReflectedNotify: return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;
    default: return DefWindowProcW(hwnd_, message, wParam, lParam);
  }
}

LRESULT DatePickerWindow::OnSetDate(WPARAM flag, const SYSTEMTIME* date) {
  if (flag != GDT_VALID || !date || !CivilCalendar::IsValid(*date)) return FALSE;
  date_ = *date;
  date_.wDayOfWeek = WORD(CivilCalendar::DayOfWeek(date_.wYear, date_.wMonth, date_.wDay));
  typed_.clear();
  InvalidateRect(hwnd_, nullptr, FALSE);
  return TRUE;
}

LRESULT DatePickerWindow::OnGetDate(SYSTEMTIME* date) const {
  if (!date) return GDT_ERROR;
  *date = date_;
  return GDT_VALID;
}

void DatePickerWindow::OnKeyDown(UINT vk) {
  switch (vk) {
    case VK_LEFT: SelectField(std::max(field_ - 1, int(kYear))); return;
    case VK_RIGHT: SelectField(std::min(field_ + 1, int(kDay))); return;
    case VK_UP: Step(1); return;
    case VK_DOWN: Step(-1); return;
    case VK_F4: OpenCalendar(); return;
    default: return;
  }
}

void DatePickerWindow::OnChar(wchar_t ch) {
  if (!IsDigit(ch)) return;
  typed_ += ch;
  const int value = std::stoi(typed_);
  const int limit = field_ == kYear ? CivilCalendar::kMaxYear
                    : field_ == kMonth ? 12
                                       : CivilCalendar::DaysInMonth(date_.wYear, date_.wMonth);
  const int least = field_ == kYear ? CivilCalendar::kMinYear : 1;
  // A field is complete when it has all its digits or no further digit could fit.
  const bool complete = typed_.size() >= kFieldDigits[field_] || value * 10 > limit;
  if (value >= least && value <= limit) SetField(field_, value);
  if (!complete) return;
  typed_.clear();
  if (field_ < kDay) SelectField(field_ + 1);
}

void DatePickerWindow::OnButtonDown(int x) {
  if (GetFocus() != hwnd_) SetFocus(hwnd_);
  if (!IsWindow(hwnd_)) return;
  const RECT button = ButtonRect();
  if (x >= button.left) {
    OpenCalendar();
    return;
  }
  for (int field = kYear; field < kFieldCount; ++field) {
    const RECT r = FieldRect(field);
    if (x < r.right + kTextMargin) {
      SelectField(field);
      return;
    }
  }
  SelectField(kDay);
}

void DatePickerWindow::SelectField(int field) {
  typed_.clear();
  if (field == field_) return;
  field_ = field;
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void DatePickerWindow::Step(int delta) {
  typed_.clear();
  switch (field_) {
    case kYear:
      SetField(kYear, std::clamp(date_.wYear + delta, CivilCalendar::kMinYear, CivilCalendar::kMaxYear));
      return;
    case kMonth: SetField(kMonth, (date_.wMonth - 1 + delta + 12) % 12 + 1); return;
    default: {
      const int days = CivilCalendar::DaysInMonth(date_.wYear, date_.wMonth);
      SetField(kDay, (date_.wDay - 1 + delta + days) % days + 1);
      return;
    }
  }
}

void DatePickerWindow::SetField(int field, int value) {
  if (field == kYear) date_.wYear = WORD(value);
  if (field == kMonth) date_.wMonth = WORD(value);
  if (field == kDay) date_.wDay = WORD(value);
  date_.wDay = WORD(std::min<int>(date_.wDay, CivilCalendar::DaysInMonth(date_.wYear, date_.wMonth)));
  date_.wDayOfWeek = WORD(CivilCalendar::DayOfWeek(date_.wYear, date_.wMonth, date_.wDay));
  InvalidateRect(hwnd_, nullptr, FALSE);
}

HWND DatePickerWindow::Calendar() const { return IsWindow(calendar_) ? calendar_ : nullptr; }

void DatePickerWindow::OpenCalendar() {
  if (Calendar()) return;
  typed_.clear();
  // The calendar finds its picker as the window it was created for, and places itself.
  calendar_ = CreateWindowExW(WS_EX_TOOLWINDOW, MONTHCAL_CLASSW, L"", WS_POPUP, 0, 0, 0, 0, hwnd_, nullptr,
                              nullptr, nullptr);
  if (!calendar_) return;
  ShowWindow(calendar_, SW_SHOWNOACTIVATE);
  SetFocus(calendar_);
  // Like a drop-down it sees every press, to close on one outside it.
  if (Calendar()) SetCapture(calendar_);
  InvalidateRect(hwnd_, nullptr, FALSE);  // no field is selected while the calendar is open
}

HFONT DatePickerWindow::Font() const {
  return font_ ? font_ : reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

std::wstring DatePickerWindow::Shown() const {
  wchar_t text[16];
  swprintf_s(text, 16, L"%04d-%02d-%02d", date_.wYear, date_.wMonth, date_.wDay);
  return text;
}

RECT DatePickerWindow::FieldRect(int field) const {
  const std::wstring shown = Shown();
  HDC hdc = CreateCompatibleDC(nullptr);
  SelectObject(hdc, Font());
  SIZE before{}, through{};
  GetTextExtentPoint32W(hdc, shown.c_str(), int(kFieldStart[field]), &before);
  GetTextExtentPoint32W(hdc, shown.c_str(), int(kFieldStart[field] + kFieldDigits[field]), &through);
  TEXTMETRICW metrics{};
  GetTextMetricsW(hdc, &metrics);
  DeleteDC(hdc);
  RECT client{};
  GetClientRect(hwnd_, &client);
  const int top = (client.bottom - metrics.tmHeight) / 2;
  return RECT{kTextMargin + before.cx, top, kTextMargin + through.cx, top + metrics.tmHeight};
}

RECT DatePickerWindow::ButtonRect() const {
  RECT client{};
  GetClientRect(hwnd_, &client);
  return RECT{std::max<LONG>(client.right - kButtonWidth, 0), 0, client.right, client.bottom};
}

void DatePickerWindow::OnPaint() {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hwnd_, &ps);
  if (!hdc) return;
  RECT client{};
  GetClientRect(hwnd_, &client);
  const bool enabled = IsWindowEnabled(hwnd_) != FALSE;
  // The fields are an edit to the parent, which may give them its own face and text
  // colour as it does an edit's; its answer leaves its text colour on the context.
  SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
  const HWND parent = GetParent(hwnd_);
  const UINT request = enabled ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC;
  const HBRUSH answered =
      IsWindow(parent) ? reinterpret_cast<HBRUSH>(SendMessageW(parent, request, WPARAM(hdc), LPARAM(hwnd_)))
                       : nullptr;
  if (!IsWindow(hwnd_)) {
    EndPaint(hwnd_, &ps);
    return;
  }
  const Colours colours = answered ? ParentColours(answered, GetTextColor(hdc), enabled) : SystemColours(enabled);
  HBRUSH frame = CreateSolidBrush(colours.frame);
  FillRect(hdc, &client, colours.face);
  FrameRect(hdc, &client, frame);
  SelectObject(hdc, Font());
  SetBkMode(hdc, TRANSPARENT);
  SetTextColor(hdc, colours.text);
  const std::wstring shown = Shown();
  const RECT first = FieldRect(kYear);
  TextOutW(hdc, kTextMargin, first.top, shown.c_str(), int(shown.size()));
  if (GetFocus() == hwnd_ && !Calendar()) {
    const RECT selected = FieldRect(field_);
    FillRect(hdc, &selected, GetSysColorBrush(COLOR_HIGHLIGHT));
    SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    TextOutW(hdc, selected.left, selected.top, shown.c_str() + kFieldStart[field_], int(kFieldDigits[field_]));
  }
  RECT button = ButtonRect();
  FillRect(hdc, &button, colours.buttonFace);
  FrameRect(hdc, &button, frame);
  // A small arrow pointing down, drawn a line at a time.
  const int cx = (button.left + button.right) / 2, cy = (button.top + button.bottom) / 2 - 1;
  HPEN pen = CreatePen(PS_SOLID, 1, colours.arrow);
  HGDIOBJ oldPen = SelectObject(hdc, pen);
  for (int row = 0; row < 3; ++row) {
    MoveToEx(hdc, cx - 3 + row, cy + row, nullptr);
    LineTo(hdc, cx + 4 - row, cy + row);
  }
  SelectObject(hdc, oldPen);
  DeleteObject(pen);
  DeleteObject(frame);
  EndPaint(hwnd_, &ps);
}

DatePickerWindow::Colours DatePickerWindow::SystemColours(bool enabled) {
  Colours colours;
  colours.face = GetSysColorBrush(COLOR_WINDOW);
  colours.buttonFace = GetSysColorBrush(COLOR_BTNFACE);
  colours.frame = GetSysColor(COLOR_BTNSHADOW);
  colours.text = GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
  colours.arrow = GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
  return colours;
}

// The parent's face runs under the drop button too, and its text colour draws the
// frame and the arrow, so no system grey is left beside its colours.
DatePickerWindow::Colours DatePickerWindow::ParentColours(HBRUSH face, COLORREF text, bool enabled) {
  Colours colours;
  colours.face = face;
  colours.buttonFace = face;
  colours.text = enabled ? text : GetSysColor(COLOR_GRAYTEXT);
  colours.arrow = colours.text;
  colours.frame = colours.text;
  return colours;
}

}  // namespace platform::user

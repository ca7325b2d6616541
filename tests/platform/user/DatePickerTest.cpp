// The "SysDateTimePick32" class and the "SysMonthCal32" calendar it drops down: the
// date in and out, keys on the fields, opening the calendar, its arrows, hit test,
// placement and the ways it closes. The picker is seen through a superclass, as the
// framework's date field sees it.
#include <gtest/gtest.h>

#include <functional>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "tests/platform/user/PresentedImage.h"
#include "tests/platform/user/TraceWindow.h"

namespace {

using platform::headless::GuiThread;
using platform::headless::TestDriver;
using test::PresentedImage;
typedef std::vector<std::string> Lines;

SYSTEMTIME Date(int year, int month, int day) {
  SYSTEMTIME date{};
  date.wYear = WORD(year);
  date.wMonth = WORD(month);
  date.wDay = WORD(day);
  date.wHour = 9;
  return date;
}

std::string Text(const SYSTEMTIME& date) {
  char text[32];
  std::snprintf(text, sizeof(text), "%04d-%02d-%02d", date.wYear, date.wMonth, date.wDay);
  return text;
}

// A superclass of the picker that records the key-ups, notifications and focus
// losses it sees before passing everything on.
class PickerSpy {
 public:
  static const wchar_t* ClassName() {
    static const bool registered = [] {
      WNDCLASSEXW wc{};
      wc.cbSize = sizeof(wc);
      GetClassInfoExW(nullptr, DATETIMEPICK_CLASSW, &wc);
      base = wc.lpfnWndProc;
      wc.lpfnWndProc = &Proc;
      wc.lpszClassName = L"PickerSpy";
      return RegisterClassExW(&wc) != 0;
    }();
    (void)registered;
    return L"PickerSpy";
  }

  static Lines Take() {
    std::lock_guard<std::mutex> lock(mutex);
    Lines taken;
    taken.swap(lines);
    return taken;
  }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    std::string line;
    if (message == WM_KEYUP) line = "WM_KEYUP " + std::to_string(wParam);
    if (message == WM_KILLFOCUS) line = "WM_KILLFOCUS";
    if (message == WM_NOTIFY) {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      line = header->code == MCN_SELECT ? "MCN_SELECT" : "WM_NOTIFY";
    }
    if (!line.empty()) {
      std::lock_guard<std::mutex> lock(mutex);
      lines.push_back(line);
    }
    return CallWindowProcW(base, hwnd, message, wParam, lParam);
  }

  static WNDPROC base;
  static std::mutex mutex;
  static Lines lines;
};

WNDPROC PickerSpy::base = nullptr;
std::mutex PickerSpy::mutex;
Lines PickerSpy::lines;

class PickerHost {
 public:
  static const RECT kPickerRect;  // in the host, which sits at (100, 100)

  explicit PickerHost(std::vector<platform::backend::MonitorDesc> monitors =
                          platform::headless::HeadlessBackend::DefaultMonitors())
      : driver(std::move(monitors)) {
    platform::PinWallClock(Date(2026, 12, 10));
    gui.Call([&] {
      font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
      test::WindowSpec spec{"host", WS_POPUP | WS_VISIBLE, 0, {100, 100, 500, 400}};
      spec.hook = [this](HWND, UINT m, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_LBUTTONDOWN) hostPresses++;
        if (m != WM_CTLCOLOREDIT && m != WM_CTLCOLORSTATIC) return std::nullopt;
        colourRequests.push_back(m == WM_CTLCOLOREDIT ? "WM_CTLCOLOREDIT" : "WM_CTLCOLORSTATIC");
        if (!colourAnswer) return std::nullopt;
        return colourAnswer(HDC(wParam));
      };
      host = test::TraceWindow::Create(trace, spec);
      const RECT& r = kPickerRect;
      picker = CreateWindowExW(0, PickerSpy::ClassName(), nullptr, WS_CHILD | WS_VISIBLE, r.left, r.top,
                               r.right - r.left, r.bottom - r.top, host, nullptr, nullptr, nullptr);
      SendMessageW(picker, WM_SETFONT, WPARAM(font), TRUE);
      SetFocus(picker);
    });
    driver.WaitIdle();
    PickerSpy::Take();
  }

  ~PickerHost() {
    gui.Call([&] {
      DestroyWindow(host);
      DeleteObject(font);
    });
    platform::UnpinWallClock();
  }

  SYSTEMTIME Picked() {
    SYSTEMTIME date{};
    gui.Call([&] { EXPECT_EQ(SendMessageW(picker, DTM_GETSYSTEMTIME, 0, LPARAM(&date)), GDT_VALID); });
    return date;
  }

  void SetDate(const SYSTEMTIME& date) {
    gui.Call([&] { EXPECT_TRUE(SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, LPARAM(&date))); });
  }

  HWND Calendar() {
    HWND found = FindWindowW(MONTHCAL_CLASSW, nullptr);
    HWND told = nullptr;
    gui.Call([&] { told = HWND(SendMessageW(picker, DTM_GETMONTHCAL, 0, 0)); });
    EXPECT_EQ(found, told) << "the picker names the calendar that exists";
    return found;
  }

  HWND Focus() {
    HWND focus = nullptr;
    gui.Call([&] { focus = GetFocus(); });
    return focus;
  }

  UINT HitTest(POINT client, SYSTEMTIME* date = nullptr) {
    MCHITTESTINFO info{};
    info.cbSize = sizeof(info);
    info.pt = client;
    gui.Call([&] { SendMessageW(Calendar(), MCM_HITTEST, 0, LPARAM(&info)); });
    if (date) *date = info.st;
    return info.uHit;
  }

  // A client point of the calendar over `date`, found through the hit test.
  POINT DayPoint(const SYSTEMTIME& date) {
    RECT r{};
    GetClientRect(Calendar(), &r);
    for (int y = 0; y < r.bottom; y += 3) {
      for (int x = 0; x < r.right; x += 3) {
        SYSTEMTIME at{};
        const UINT hit = HitTest(POINT{x, y}, &at);
        if ((hit & MCHT_CALENDARDATE) == MCHT_CALENDARDATE && Text(at) == Text(date)) return POINT{x + 2, y + 2};
      }
    }
    ADD_FAILURE() << "no cell for " << Text(date);
    return POINT{0, 0};
  }

  void ClickCalendar(POINT client) {
    POINT screen = client;
    ClientToScreen(Calendar(), &screen);
    driver.Click(screen.x, screen.y);
  }

  TestDriver driver;
  test::Trace trace;
  GuiThread gui;
  HWND host = nullptr;
  HWND picker = nullptr;
  HFONT font = nullptr;
  std::atomic<int> hostPresses{0};
  // Read and written on the GUI thread only: the colour requests the host heard, and
  // its answer to them (none: the default window procedure's).
  Lines colourRequests;
  std::function<LRESULT(HDC)> colourAnswer;
};

const RECT PickerHost::kPickerRect{20, 20, 160, 44};

TEST(DatePicker, StartsOnTodayAndTakesValidDatesOnly) {
  PickerHost host;
  EXPECT_EQ(Text(host.Picked()), "2026-12-10");
  EXPECT_EQ(host.Picked().wDayOfWeek, 4) << "a Thursday";
  const SYSTEMTIME february30 = Date(2026, 2, 30);
  host.gui.Call([&] {
    EXPECT_FALSE(SendMessageW(host.picker, DTM_SETSYSTEMTIME, GDT_VALID, LPARAM(&february30)));
    EXPECT_FALSE(SendMessageW(host.picker, DTM_SETSYSTEMTIME, GDT_NONE, 0)) << "there is no empty date";
  });
  EXPECT_EQ(Text(host.Picked()), "2026-12-10");
  const uint32_t white = PresentedImage::Opaque(GetSysColor(COLOR_WINDOW));
  const RECT& r = PickerHost::kPickerRect;
  EXPECT_GT(PresentedImage(host.driver, host.host).Count(r, [white](uint32_t p) { return p != white; }), 100)
      << "the date and the drop button are drawn";
}

// The picker's fields are an edit to their parent: it asks for their colours as an edit
// does, and paints with the parent's face and text colour when it answers.
const COLORREF kFace = RGB(0, 0x29, 0x64);
const COLORREF kInk = RGB(255, 0, 0);

struct PaintCase {
  const char* name;
  bool disabled;
  bool answer;
  const char* expectedRequest;
  COLORREF face;    // under the fields
  COLORREF button;  // under the drop button's arrow
  COLORREF text;
};

void PrintTo(const PaintCase& c, std::ostream* os) { *os << c.name; }

class PickerPaint : public ::testing::TestWithParam<PaintCase> {};

TEST_P(PickerPaint, FollowsTheParentsColours) {
  const PaintCase& c = GetParam();
  PickerHost host;
  host.gui.Call([&] {
    if (c.answer) {
      host.colourAnswer = [](HDC hdc) -> LRESULT {
        static HBRUSH brush = CreateSolidBrush(kFace);
        SetTextColor(hdc, kInk);
        return LRESULT(brush);
      };
    }
    if (c.disabled) EnableWindow(host.picker, FALSE);
    SetFocus(host.host);  // no field is highlighted
    host.colourRequests.clear();
    InvalidateRect(host.picker, nullptr, FALSE);
  });
  host.driver.WaitIdle();
  Lines heard;
  host.gui.Call([&] { heard = host.colourRequests; });
  ASSERT_FALSE(heard.empty()) << "the picker asked its parent for nothing";
  EXPECT_EQ(heard.back(), c.expectedRequest);

  PresentedImage image(host.driver, host.host);
  const RECT& r = PickerHost::kPickerRect;
  const int buttonLeft = r.right - 16;
  EXPECT_EQ(image.At(buttonLeft - 4, r.top + 3), PresentedImage::Opaque(c.face)) << "beside the date";
  EXPECT_EQ(image.At(r.right - 4, r.top + 3), PresentedImage::Opaque(c.button)) << "in the drop button";
  const RECT dateArea{r.left, r.top, buttonLeft, r.bottom};
  const uint32_t wanted = PresentedImage::Opaque(c.text);
  EXPECT_GT(image.Count(dateArea, [wanted](uint32_t p) { return PresentedImage::Near(p, wanted, 60); }), 20)
      << "the date drawn in " << std::hex << wanted;
  if (!c.answer) return;
  const uint32_t white = PresentedImage::Opaque(GetSysColor(COLOR_WINDOW));
  const uint32_t grey = PresentedImage::Opaque(GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(image.Count(r, [&](uint32_t p) { return p == white || p == grey; }), 0)
      << "system colours left beside the parent's";
}

const PaintCase kPaintCases[] = {
    {"SystemColoursWithoutAnAnswer", false, false, "WM_CTLCOLOREDIT", GetSysColor(COLOR_WINDOW),
     GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_WINDOWTEXT)},
    {"TheAnsweredFaceUnderTheFieldsAndTheButton", false, true, "WM_CTLCOLOREDIT", kFace, kFace, kInk},
    {"DisabledAsksAsStaticAndGreysTheText", true, true, "WM_CTLCOLORSTATIC", kFace, kFace,
     GetSysColor(COLOR_GRAYTEXT)},
};

INSTANTIATE_TEST_SUITE_P(Table, PickerPaint, ::testing::ValuesIn(kPaintCases),
                         [](const ::testing::TestParamInfo<PaintCase>& info) { return info.param.name; });

struct KeyCase {
  const char* name;
  SYSTEMTIME start;
  std::vector<UINT> keys;
  const char* expected;
};

class PickerKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(PickerKeys, ChangeTheSelectedField) {
  const KeyCase& c = GetParam();
  PickerHost host;
  host.SetDate(c.start);
  for (UINT key : c.keys) host.driver.Tap(key);
  EXPECT_EQ(Text(host.Picked()), c.expected);
  EXPECT_EQ(host.Calendar(), nullptr);
}

const KeyCase kKeyCases[] = {
    {"UpOnTheYear", Date(2026, 12, 10), {VK_UP}, "2027-12-10"},
    {"LeftStopsAtTheYear", Date(2026, 12, 10), {VK_LEFT, VK_DOWN}, "2025-12-10"},
    {"MonthWrapsUp", Date(2026, 12, 10), {VK_RIGHT, VK_UP}, "2026-01-10"},
    {"DayDown", Date(2026, 12, 10), {VK_RIGHT, VK_RIGHT, VK_DOWN}, "2026-12-09"},
    {"DayWrapsInsideItsMonth", Date(2026, 12, 31), {VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_UP}, "2026-12-01"},
    {"MonthChangeKeepsTheDayInTheMonth", Date(2024, 1, 31), {VK_RIGHT, VK_UP}, "2024-02-29"},
    {"DigitsFillAFieldAndMoveOn", Date(2026, 12, 10), {'2', '0', '2', '4', '0', '3', '0', '5'}, "2024-03-05"},
    {"ADigitThatLeavesNoRoomCompletesTheMonth", Date(2026, 12, 10), {VK_RIGHT, '7', '1', '5'}, "2026-07-15"},
};

INSTANTIATE_TEST_SUITE_P(Table, PickerKeys, ::testing::ValuesIn(kKeyCases),
                         [](const ::testing::TestParamInfo<KeyCase>& info) { return info.param.name; });

TEST(DatePicker, KeyUpsAndReflectedNotificationsPassThroughAndDestroyNothing) {
  PickerHost host;
  for (UINT key : {VK_DELETE, VK_BACK, VK_ESCAPE}) host.driver.Tap(key);
  EXPECT_EQ(PickerSpy::Take(), (Lines{"WM_KEYUP 46", "WM_KEYUP 8", "WM_KEYUP 27"}));
  host.gui.Call([&] { EXPECT_EQ(SendMessageW(host.picker, WM_NOTIFY + 0x2000, 0, 0), 0); });
  EXPECT_TRUE(IsWindow(host.picker));
  EXPECT_EQ(host.Focus(), host.picker);
  EXPECT_EQ(Text(host.Picked()), "2026-12-10");
}

struct OpenCase {
  const char* name;
  std::function<void(PickerHost&)> open;
};

class CalendarOpening : public ::testing::TestWithParam<OpenCase> {};

TEST_P(CalendarOpening, DropsAFindableCalendarBelowThePicker) {
  PickerHost host;
  ASSERT_EQ(host.Calendar(), nullptr);
  GetParam().open(host);
  HWND calendar = host.Calendar();
  ASSERT_NE(calendar, nullptr);
  EXPECT_EQ(host.Focus(), calendar);
  EXPECT_NE(GetWindowLongW(calendar, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
  EXPECT_NE(GetWindowLongW(calendar, GWL_STYLE) & WS_POPUP, 0u);
  RECT picker{}, dropped{};
  GetWindowRect(host.picker, &picker);
  GetWindowRect(calendar, &dropped);
  EXPECT_EQ(dropped.top, picker.bottom);
  EXPECT_EQ(dropped.left, picker.left);
  EXPECT_GT(dropped.right - dropped.left, 7 * 20);
}

const OpenCase kOpenCases[] = {
    {"F4", [](PickerHost& h) { h.driver.Tap(VK_F4); }},
    {"AltDown", [](PickerHost& h) {
       h.driver.KeyDown(VK_MENU);
       h.driver.Tap(VK_DOWN);
       h.driver.KeyUp(VK_MENU);
     }},
    {"TheDropButton", [](PickerHost& h) {
       const RECT& r = PickerHost::kPickerRect;
       h.driver.Click(100 + r.right - 6, 100 + (r.top + r.bottom) / 2);
     }},
};

INSTANTIATE_TEST_SUITE_P(Table, CalendarOpening, ::testing::ValuesIn(kOpenCases),
                         [](const ::testing::TestParamInfo<OpenCase>& info) { return info.param.name; });

TEST(MonthCalendar, OpensAboveThePickerWhenTheWorkAreaEndsBelowIt) {
  platform::backend::MonitorDesc monitor = platform::headless::HeadlessBackend::DefaultMonitors()[0];
  monitor.work.bottom = 200;  // the picker's bottom is at 144
  PickerHost host({monitor});
  host.driver.Tap(VK_F4);
  RECT picker{}, dropped{};
  GetWindowRect(host.picker, &picker);
  GetWindowRect(host.Calendar(), &dropped);
  EXPECT_EQ(dropped.bottom, picker.top);
}

TEST(MonthCalendar, ArrowsChangeTheMonthAndKeepItOpen) {
  PickerHost host;
  host.driver.Tap(VK_F4);
  HWND calendar = host.Calendar();
  RECT client{};
  GetClientRect(calendar, &client);
  const POINT prev{8, 8}, next{client.right - 8, 8};
  EXPECT_EQ(host.HitTest(prev), UINT(MCHT_TITLEBTNPREV));
  EXPECT_EQ(host.HitTest(next), UINT(MCHT_TITLEBTNNEXT));
  EXPECT_EQ(host.HitTest(POINT{client.right / 2, 8}), UINT(MCHT_TITLEBK));
  host.ClickCalendar(next);
  host.ClickCalendar(next);
  EXPECT_EQ(host.Calendar(), calendar);
  host.DayPoint(Date(2027, 2, 14));  // February 2027 is shown
  host.ClickCalendar(prev);
  host.DayPoint(Date(2027, 1, 14));
  EXPECT_EQ(host.Calendar(), calendar);
  EXPECT_EQ(host.Focus(), calendar);
  EXPECT_EQ(Text(host.Picked()), "2026-12-10") << "browsing picks nothing";
}

TEST(MonthCalendar, HitTestAcceptsAnySizeCoveringWhatItAnswers) {
  PickerHost host;
  host.driver.Tap(VK_F4);
  SYSTEMTIME twelfth{};
  const POINT cell = host.DayPoint(Date(2026, 12, 12));
  EXPECT_EQ(host.HitTest(cell, &twelfth), UINT(MCHT_CALENDARDATE));
  EXPECT_EQ(Text(twelfth), "2026-12-12");
  MCHITTESTINFO info{};
  info.pt = cell;
  info.cbSize = UINT(offsetof(MCHITTESTINFO, st));  // no room for the date
  host.gui.Call([&] { EXPECT_EQ(SendMessageW(host.Calendar(), MCM_HITTEST, 0, LPARAM(&info)), MCHT_CALENDARDATE); });
  EXPECT_EQ(info.st.wYear, 0) << "the date is written only where the caller made room";
  info.cbSize = UINT(offsetof(MCHITTESTINFO, uHit));
  host.gui.Call([&] { EXPECT_EQ(SendMessageW(host.Calendar(), MCM_HITTEST, 0, LPARAM(&info)), -1); });
}

TEST(MonthCalendar, ADayClickSetsTheDateNotifiesClosesAndGivesTheFocusBack) {
  PickerHost host;
  host.driver.Tap(VK_F4);
  PickerSpy::Take();
  host.ClickCalendar(host.DayPoint(Date(2026, 12, 24)));
  EXPECT_EQ(host.Calendar(), nullptr);
  EXPECT_EQ(Text(host.Picked()), "2026-12-24");
  EXPECT_EQ(host.Picked().wHour, 9) << "the time of day is kept";
  EXPECT_EQ(host.Focus(), host.picker);
  EXPECT_EQ(PickerSpy::Take(), (Lines{"MCN_SELECT"}));
}

TEST(MonthCalendar, ADayOfTheNextMonthInTheGridIsPickedToo) {
  PickerHost host;
  host.driver.Tap(VK_F4);
  SYSTEMTIME trailing{};
  EXPECT_EQ(host.HitTest(host.DayPoint(Date(2027, 1, 3)), &trailing), UINT(MCHT_CALENDARDATENEXT));
  host.ClickCalendar(host.DayPoint(Date(2027, 1, 3)));
  EXPECT_EQ(Text(host.Picked()), "2027-01-03");
}

struct CloseCase {
  const char* name;
  std::function<void(PickerHost&)> close;
  bool focusBack;
  Lines pickerHears;
};

class CalendarClosing : public ::testing::TestWithParam<CloseCase> {};

TEST_P(CalendarClosing, KeepsTheDate) {
  const CloseCase& c = GetParam();
  PickerHost host;
  host.driver.Tap(VK_F4);
  ASSERT_NE(host.Calendar(), nullptr);
  PickerSpy::Take();
  c.close(host);
  host.driver.WaitIdle();
  EXPECT_EQ(FindWindowW(MONTHCAL_CLASSW, nullptr), nullptr);
  EXPECT_EQ(host.Focus() == host.picker, c.focusBack);
  if (IsWindow(host.picker)) {
    EXPECT_EQ(Text(host.Picked()), "2026-12-10");
  }
  EXPECT_EQ(host.hostPresses.load(), 0) << "the press that closed it goes no further";
  EXPECT_EQ(PickerSpy::Take(), c.pickerHears);
}

const CloseCase kCloseCases[] = {
    {"Escape", [](PickerHost& h) { h.driver.Tap(VK_ESCAPE); }, true, {"WM_KEYUP 27"}},
    {"APressOutside", [](PickerHost& h) { h.driver.Click(400, 350); }, true, {}},
    {"ARightPressOutside",
     [](PickerHost& h) { h.driver.Click(400, 350, platform::backend::MouseButton::Right); }, true, {}},
    {"TheProgramLosingTheFocus", [](PickerHost& h) { h.driver.Backend().InjectFocusLeftProgram(); }, false,
     {"WM_KILLFOCUS"}},
    {"ThePickerGoing", [](PickerHost& h) { h.gui.Call([&] { DestroyWindow(h.picker); }); }, false, {}},
};

INSTANTIATE_TEST_SUITE_P(Table, CalendarClosing, ::testing::ValuesIn(kCloseCases),
                         [](const ::testing::TestParamInfo<CloseCase>& info) { return info.param.name; });

TEST(MonthCalendar, FramesTodayInItsMonthOnly) {
  PickerHost host;
  host.driver.Tap(VK_F4);
  HWND calendar = host.Calendar();
  RECT r{};
  GetClientRect(calendar, &r);
  const uint32_t red = PresentedImage::Opaque(RGB(220, 0, 0));
  auto framed = [&] {
    host.driver.WaitIdle();
    return PresentedImage(host.driver, calendar).Count(r, [red](uint32_t p) { return p == red; });
  };
  EXPECT_GT(framed(), 20);
  host.ClickCalendar(POINT{r.right - 8, 8});
  host.ClickCalendar(POINT{r.right - 8, 8});
  EXPECT_EQ(framed(), 0) << "February shows no day of December";
}

}  // namespace

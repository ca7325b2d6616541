// The date field in a skin window: today's date when new, the picker it lays over
// itself on a click, what Up, Escape, Delete and Backspace in the picker leave in its
// text, its month calendar's arrows, days and closing, a calendar opening above a
// field near the bottom of the work area, and the control going away while its picker
// is open; the date the picker opens on following whatever text the field was given.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "testing/base/PinnedWallClock.h"
#include "testing/ui/ControlHarness.h"
#include "tests/ui/controls/support/NativeWindows.h"
#include "tests/ui/controls/support/TestSkin.h"
#include "ui/controls/CDateTimeUI.h"
#include "ui/core/control/CContainerUI.h"

namespace {

using controltest::ControlHarness;
using controltest::FindNativeWindow;
using controltest::TestSkin;
using Lines = std::vector<std::string>;

// The wall clock pinned on a Thursday for the whole test.
struct PinnedToday : test_support::PinnedWallClock {
  PinnedToday() : PinnedWallClock(test_support::LocalTime(2026, 12, 10, 10)) {}
};

// The window focuses its first tab stop when it shows: a button, so that the date
// field starts closed.
const wchar_t kFields[] =
    L"<Button name=\"first\" text=\"First\" height=\"30\"/>"
    L"<VerticalLayout name=\"box\" height=\"30\">"
    L"<DateTime name=\"date\" height=\"30\" width=\"160\"/>"
    L"</VerticalLayout>"
    L"<Button name=\"other\" text=\"Other\" height=\"30\"/>";

HWND Picker(ControlHarness& h) { return FindNativeWindow(h.Window(), L"DateTimeWnd"); }

HWND Calendar() { return FindWindowW(MONTHCAL_CLASSW, nullptr); }

std::wstring TextOf(ControlHarness& h) {
  std::wstring text;
  h.OnGui([&] { text = h.Find(L"date")->GetText().GetData(); });
  return text;
}

std::wstring PickerDate(ControlHarness& h) {
  SYSTEMTIME date{};
  h.OnGui([&] { SendMessageW(Picker(h), DTM_GETSYSTEMTIME, 0, LPARAM(&date)); });
  wchar_t text[16];
  swprintf_s(text, L"%04d-%02d-%02d", date.wYear, date.wMonth, date.wDay);
  return text;
}

// A client point of the open calendar over `day` of its month, found through its hit test.
POINT CalendarDay(ControlHarness& h, int day) {
  RECT r{};
  GetClientRect(Calendar(), &r);
  for (int y = 0; y < r.bottom; y += 3) {
    for (int x = 0; x < r.right; x += 3) {
      MCHITTESTINFO info{};
      info.cbSize = sizeof(info);
      info.pt = POINT{x, y};
      h.OnGui([&] { SendMessageW(Calendar(), MCM_HITTEST, 0, LPARAM(&info)); });
      if (info.uHit == MCHT_CALENDARDATE && info.st.wDay == day) return POINT{x + 2, y + 2};
    }
  }
  ADD_FAILURE() << "no cell for day " << day;
  return POINT{0, 0};
}

void ClickCalendar(ControlHarness& h, POINT client) {
  ClientToScreen(Calendar(), &client);
  h.Driver().Click(client.x, client.y);
}

typedef std::function<void(ControlHarness&)> Input;

struct DateCase {
  const char* what;
  Input input;
  std::wstring text;
  bool open;  // the picker is still open afterwards
};

void PrintTo(const DateCase& c, std::ostream* os) { *os << c.what; }

class DateTimeKeys : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateTimeKeys, LeaveTheText) {
  const DateCase& c = GetParam();
  PinnedToday today;
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(kFields));
  ASSERT_TRUE(h.Created());
  EXPECT_EQ(TextOf(h), L"2026-12-10") << "a new field shows today";
  h.Click(L"date");
  ASSERT_NE(Picker(h), nullptr);
  c.input(h);
  driver.WaitIdle();
  EXPECT_EQ(TextOf(h), c.text);
  EXPECT_EQ(Picker(h) != nullptr, c.open);
}

const DateCase kDateCases[] = {
    {"UpOnTheDayThenAClickElsewhereWritesTheDate",
     [](ControlHarness& h) {
       h.Key(VK_RIGHT);
       h.Key(VK_RIGHT);
       h.Key(VK_UP);
       h.Click(L"other");
     },
     L"2026-12-11", false},
    {"TheOpenPickerKeepsTheTextUntilItCloses",
     [](ControlHarness& h) {
       h.Key(VK_UP);
     },
     L"2026-12-10", true},
    {"EscapeKeepsTheText",
     [](ControlHarness& h) {
       h.Key(VK_UP);
       h.Key(VK_ESCAPE);
     },
     L"2026-12-10", false},
    {"DeleteEmptiesTheText", [](ControlHarness& h) { h.Key(VK_DELETE); }, L"", false},
    {"BackspaceEmptiesTheText", [](ControlHarness& h) { h.Key(VK_BACK); }, L"", false},
    {"APressInsideThePickerKeepsItOpen",
     [](ControlHarness& h) {
       h.Key(VK_UP);
       h.ClickAt(L"date", POINT{10, 10});
     },
     L"2026-12-10", true},
};

INSTANTIATE_TEST_SUITE_P(Table, DateTimeKeys, ::testing::ValuesIn(kDateCases));

// A field given a text: the picker opens on that day and leaving it keeps it; a text
// that is no date opens on today.
struct GivenText {
  const char* what;
  std::wstring text;
  std::wstring opensOn;
};

void PrintTo(const GivenText& c, std::ostream* os) { *os << c.what; }

class DateTimeGivenText : public ::testing::TestWithParam<GivenText> {};

const GivenText kGivenTexts[] = {
    {"ADate", L"2022-07-31", L"2022-07-31"},
    {"ALeapDay", L"2024-02-29", L"2024-02-29"},
    {"TheFirstOfAYear", L"2030-01-01", L"2030-01-01"},
    {"NoSuchDay", L"2023-02-29", L"2026-12-10"},
    {"NoSuchMonth", L"2023-13-01", L"2026-12-10"},
    {"UnpaddedDigits", L"2022-7-31", L"2026-12-10"},
    {"Letters", L"abcd-ef-gh", L"2026-12-10"},
    {"ADateAndATime", L"2022-07-31 08:00", L"2026-12-10"},
};

TEST_P(DateTimeGivenText, OpensOnItAndKeepsItWhenLeft) {
  const GivenText& c = GetParam();
  PinnedToday today;
  platform::headless::TestDriver driver;
  for (const bool bySkin : {true, false}) {
    SCOPED_TRACE(bySkin ? "text from the skin" : "text set after the field was built");
    std::wstring fields = kFields;
    if (bySkin) fields.replace(fields.find(L"name=\"date\""), 11, L"name=\"date\" text=\"" + c.text + L"\"");
    ControlHarness h(driver, TestSkin(fields));
    ASSERT_TRUE(h.Created());
    if (!bySkin) h.OnGui([&] { h.Find(L"date")->SetText(c.text.c_str()); });
    h.Click(L"date");
    ASSERT_NE(Picker(h), nullptr);
    EXPECT_EQ(PickerDate(h), c.opensOn);
    h.Click(L"other");
    EXPECT_EQ(Picker(h), nullptr);
    EXPECT_EQ(TextOf(h), c.opensOn);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, DateTimeGivenText, ::testing::ValuesIn(kGivenTexts));

TEST(DateTime, AClickOpensAPickerChildOverTheField) {
  PinnedToday today;
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(kFields));
  ASSERT_TRUE(h.Created());
  EXPECT_EQ(Picker(h), nullptr);
  h.Click(L"date");
  HWND picker = Picker(h);
  ASSERT_NE(picker, nullptr);
  EXPECT_NE(GetWindowLongW(picker, GWL_STYLE) & WS_CHILD, 0);
  EXPECT_TRUE(IsWindowVisible(picker));
  const RECT field = h.ControlRect(L"date");
  const RECT placed = controltest::RectInHost(h.Window(), picker);
  EXPECT_EQ(placed.left, field.left);
  EXPECT_EQ(placed.top, field.top);
  EXPECT_EQ(placed.right, field.right);
  EXPECT_EQ(placed.bottom, field.bottom);
  h.OnGui([&] { EXPECT_EQ(GetFocus(), picker); });
  EXPECT_EQ(PickerDate(h), L"2026-12-10");
  EXPECT_EQ(h.Notifications().Count("click"), 0) << "the press opens the picker instead";
}

TEST(DateTime, AnEmptiedFieldOpensOnTodayNextTime) {
  PinnedToday today;
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(kFields));
  ASSERT_TRUE(h.Created());
  h.Click(L"date");
  h.Key(VK_UP);  // 2027
  h.Key(VK_DELETE);
  EXPECT_EQ(TextOf(h), L"");
  platform::PinWallClock(test_support::LocalTime(2027, 3, 4, 10));
  h.Click(L"date");
  EXPECT_EQ(PickerDate(h), L"2027-03-04");
  h.Click(L"other");
  EXPECT_EQ(TextOf(h), L"2027-03-04");
}

TEST(DateTime, TheCalendarsArrowsAndADayPickTheDate) {
  PinnedToday today;
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(kFields));
  ASSERT_TRUE(h.Created());
  h.Click(L"date");
  h.Key(VK_F4);
  HWND calendar = Calendar();
  ASSERT_NE(calendar, nullptr) << "F4 opens a findable calendar";
  HWND picker = Picker(h);
  RECT client{};
  GetClientRect(calendar, &client);
  const POINT next{client.right - 8, 8};
  MCHITTESTINFO info{};
  info.cbSize = sizeof(info);
  info.pt = next;
  h.OnGui([&] { SendMessageW(calendar, MCM_HITTEST, 0, LPARAM(&info)); });
  EXPECT_EQ(info.uHit, UINT(MCHT_TITLEBTNNEXT));
  ClickCalendar(h, next);
  EXPECT_EQ(Calendar(), calendar) << "the arrows keep the calendar";
  EXPECT_EQ(Picker(h), picker) << "and the picker";
  ClickCalendar(h, CalendarDay(h, 15));
  EXPECT_EQ(Calendar(), nullptr);
  EXPECT_EQ(Picker(h), picker);
  h.OnGui([&] { EXPECT_EQ(GetFocus(), picker) << "the focus is back on the picker"; });
  EXPECT_EQ(PickerDate(h), L"2027-01-15");
  EXPECT_EQ(TextOf(h), L"2026-12-10") << "written when the picker closes";
  h.Click(L"other");
  EXPECT_EQ(Picker(h), nullptr);
  EXPECT_EQ(TextOf(h), L"2027-01-15");
}

TEST(DateTime, APressOutsideTheCalendarClosesItAndASecondThePicker) {
  PinnedToday today;
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(kFields));
  ASSERT_TRUE(h.Created());
  h.Click(L"date");
  h.Key(VK_UP);  // 2027-12-10
  h.Key(VK_F4);
  ASSERT_NE(Calendar(), nullptr);
  h.Notifications().Clear();
  const POINT besideTheCalendar{350, 15};  // the calendar hangs over the button's left part
  h.ClickAt(L"other", besideTheCalendar);
  EXPECT_EQ(Calendar(), nullptr);
  EXPECT_NE(Picker(h), nullptr);
  EXPECT_EQ(h.Notifications().Lines(), Lines{}) << "the first press is the calendar's";
  h.ClickAt(L"other", besideTheCalendar);
  EXPECT_EQ(Picker(h), nullptr);
  EXPECT_EQ(TextOf(h), L"2027-12-10");
  EXPECT_EQ(h.Notifications().Count("click"), 1);
}

TEST(DateTime, ACalendarNearTheBottomOfTheWorkAreaOpensAbove) {
  PinnedToday today;
  platform::backend::MonitorDesc monitor = platform::headless::HeadlessBackend::DefaultMonitors()[0];
  monitor.work.bottom = 250;  // the field's bottom lies at 160
  platform::headless::TestDriver driver({monitor});
  ControlHarness h(driver, TestSkin(kFields));
  ASSERT_TRUE(h.Created());
  h.Click(L"date");
  h.Key(VK_F4);
  ASSERT_NE(Calendar(), nullptr);
  RECT picker{}, dropped{};
  GetWindowRect(Picker(h), &picker);
  GetWindowRect(Calendar(), &dropped);
  EXPECT_EQ(dropped.bottom, picker.top);
}

TEST(DateTime, TheFieldDestroyedWithItsPickerOpenTakesThePickerWithIt) {
  PinnedToday today;
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(kFields));
  ASSERT_TRUE(h.Created());
  h.Click(L"date");
  h.Key(VK_F4);
  HWND picker = Picker(h);
  ASSERT_NE(picker, nullptr);
  h.OnGui([&] { h.Find<SkinUI::CContainerUI>(L"box")->Remove(h.Find(L"date")); });
  driver.WaitIdle();
  EXPECT_FALSE(IsWindow(picker));
  EXPECT_EQ(Calendar(), nullptr);
  h.Key(VK_DELETE);
  h.Click(L"other");
  EXPECT_EQ(h.Notifications().Count("click"), 1) << "the window goes on working";
}

}  // namespace

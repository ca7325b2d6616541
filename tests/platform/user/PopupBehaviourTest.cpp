// The life of a pop-up as the combo's drop-down and the menus live it: a tool window
// owned by the window that opens it, created empty and placed afterwards, activated
// and focused on showing, told who takes the focus when it loses it, fed the keys,
// the wheel and every mouse button while it has it, closed through posted messages
// in the order they were posted, destroyed before its owner, and placed against the
// work area of its own monitor.
#include <gtest/gtest.h>

#include <map>
#include <mutex>
#include <set>

#include "testing/driver/TestDriver.h"
#include "tests/platform/user/TracedTest.h"
#include "tests/platform/user/TraceWindow.h"

namespace {

using platform::backend::MouseButton;
using platform::headless::TestDriver;
using test::Trace;
using test::TraceWindow;
using test::WindowSpec;
typedef std::vector<std::string> Lines;

// What the opener posts itself when a menu item was clicked.
const UINT kMenuClicked = WM_USER + 121;

// A pop-up's class as the drop-down registers it: a drop shadow asked for, no
// double clicks.
const wchar_t* PopupClass() {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DROPSHADOW;
    wc.lpfnWndProc = &TraceWindow::Proc;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"PopupProbe";
    return RegisterClassExW(&wc) != 0;
  }();
  return registered ? L"PopupProbe" : nullptr;
}

enum class Kind { DropDown, Menu };

// The lines the pop-ups' tests read, each under the message it tells of (0 for the
// test's own lines, which every reading keeps).
class Log {
 public:
  void Add(UINT message, const std::string& line) {
    std::lock_guard<std::mutex> lock(mutex_);
    entries_.emplace_back(message, line);
  }
  void Add(const std::string& line) { Add(0, line); }
  // All lines, or those of `messages` and the test's own; either way cleared.
  Lines Take(const std::set<UINT>& messages = {}) {
    std::lock_guard<std::mutex> lock(mutex_);
    Lines out;
    for (const auto& [message, line] : entries_) {
      if (messages.empty() || message == 0 || messages.count(message)) out.push_back(line);
    }
    entries_.clear();
    return out;
  }

 private:
  std::mutex mutex_;
  std::vector<std::pair<UINT, std::string>> entries_;
};

// The frame with a page and a field on it that has the focus, and the pop-ups opened
// over it; every window logs activation, focus, keys, buttons and its end into `log`,
// naming the window at the other side.
class Popups : public test::TracedTest {
 protected:
  Popups() = default;
  explicit Popups(std::vector<platform::backend::MonitorDesc> monitors) : TracedTest(std::move(monitors)) {}
  // The windows log into members that go before the thread that would destroy them.
  ~Popups() override {
    gui.Call([this] {
      for (const auto& entry : names_) {
        if (IsWindow(entry.first)) DestroyWindow(entry.first);
      }
    });
  }

  void OpenFrame() {
    gui.Call([&] {
      frame = Open(WindowSpec{"frame", WS_POPUP | WS_VISIBLE, 0, {100, 100, 500, 400}});
      page = Open(WindowSpec{"page", WS_CHILD | WS_VISIBLE, 0, {0, 0, 400, 300}, frame});
      field = Open(WindowSpec{"field", WS_CHILD | WS_VISIBLE, 0, {10, 10, 200, 40}, page});
      SetFocus(field);
    });
    log.Take();
  }

  // On the GUI thread: as the drop-down and the menus open theirs, created with an
  // empty rectangle and placed afterwards at `screen`.
  HWND OpenPopup(const std::string& name, Kind kind, HWND owner, RECT screen) {
    const DWORD exStyle = kind == Kind::Menu ? WS_EX_TOOLWINDOW | WS_EX_TOPMOST : WS_EX_TOOLWINDOW;
    WindowSpec spec{name, WS_POPUP, exStyle, {0, 0, 0, 0}, owner};
    spec.className = PopupClass();
    const HWND popup = Open(spec);
    log.Add("created " + name);
    const int cx = screen.right - screen.left, cy = screen.bottom - screen.top;
    if (kind == Kind::DropDown) {
      SetWindowPos(popup, nullptr, screen.left, screen.top, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
      ShowWindow(popup, SW_SHOW);
      RootOwnerKeepsItsCaption(popup);
      return popup;
    }
    ShowWindow(popup, SW_SHOW);
    RootOwnerKeepsItsCaption(popup);
    SetForegroundWindow(popup);
    MoveWindow(popup, screen.left, screen.top, cx, cy, FALSE);
    SetWindowPos(popup, HWND_TOPMOST, screen.left, screen.top, cx, cy, SWP_SHOWWINDOW);
    return popup;
  }

  void RootOwnerKeepsItsCaption(HWND popup) {
    const LRESULT answer = SendMessageW(GetAncestor(popup, GA_ROOTOWNER), WM_NCACTIVATE, TRUE, 0);
    log.Add("caption kept " + std::to_string(answer));
  }

  std::string NameOf(HWND hwnd) const {
    if (!hwnd) return "none";
    auto it = names_.find(hwnd);
    return it == names_.end() ? "unknown" : it->second;
  }

  HWND Open(WindowSpec spec) {
    spec.hook = [this, name = spec.name](HWND h, UINT m, WPARAM wp, LPARAM lp) -> std::optional<LRESULT> {
      Record(h, name, m, wp, lp);
      return std::nullopt;
    };
    const HWND hwnd = TraceWindow::Create(trace, spec);
    names_[hwnd] = spec.name;
    return hwnd;
  }

  Log log;
  HWND frame = nullptr;
  HWND page = nullptr;
  HWND field = nullptr;

 private:
  void Record(HWND hwnd, const std::string& name, UINT m, WPARAM wp, LPARAM lp) {
    switch (m) {
      case WM_CREATE: log.Add(m, name + ":WM_CREATE"); break;
      case WM_NCACTIVATE: log.Add(m, name + ":WM_NCACTIVATE " + std::to_string(wp)); break;
      case WM_ACTIVATE:
        log.Add(m, name + ":WM_ACTIVATE " + (LOWORD(wp) == WA_INACTIVE ? "inactive " : "active ") + NameOf(HWND(lp)));
        break;
      case WM_KILLFOCUS:
        log.Add(m, name + ":WM_KILLFOCUS " + NameOf(HWND(wp)));
        break;
      case WM_SETFOCUS: log.Add(m, name + ":WM_SETFOCUS " + NameOf(HWND(wp))); break;
      case WM_KEYDOWN: log.Add(m, name + ":WM_KEYDOWN " + std::to_string(wp)); break;
      case WM_MOUSEWHEEL: log.Add(m, name + ":WM_MOUSEWHEEL " + std::to_string(GET_WHEEL_DELTA_WPARAM(wp))); break;
      case WM_LBUTTONDOWN: log.Add(m, name + ":WM_LBUTTONDOWN"); break;
      case WM_LBUTTONDBLCLK: log.Add(m, name + ":WM_LBUTTONDBLCLK"); break;
      case WM_LBUTTONUP: log.Add(m, name + ":WM_LBUTTONUP"); break;
      case WM_RBUTTONDOWN: log.Add(m, name + ":WM_RBUTTONDOWN"); break;
      case WM_RBUTTONUP: log.Add(m, name + ":WM_RBUTTONUP"); break;
      case WM_RBUTTONDBLCLK: log.Add(m, name + ":WM_RBUTTONDBLCLK"); break;
      case WM_CONTEXTMENU: log.Add(m, name + ":WM_CONTEXTMENU"); break;
      case WM_CLOSE: log.Add(m, name + ":WM_CLOSE"); break;
      case WM_DESTROY: {
        const HWND owner = GetWindow(hwnd, GW_OWNER);
        log.Add(m, name + ":WM_DESTROY" + (owner && IsWindow(owner) ? ", its owner still there" : ""));
        break;
      }
      case kMenuClicked: log.Add(m, name + ":menu clicked " + std::to_string(lp)); break;
      default: break;
    }
  }

  std::map<HWND, std::string> names_;
};

// --- Opening ---

struct OpeningCase {
  const char* scenario;
  Kind kind;
  bool ownedThroughThePage;  // the opener passes its child window, as a page's combo does
  Lines expected;
};

void PrintTo(const OpeningCase& c, std::ostream* out) { *out << c.scenario; }

class Opening : public Popups, public ::testing::WithParamInterface<OpeningCase> {};

TEST_P(Opening, CreatesInsideTheCallActivatesFocusesAndStacksAboveTheProgram) {
  const OpeningCase& c = GetParam();
  OpenFrame();
  HWND popup = nullptr, other = nullptr;
  gui.Call([&] {
    other = Open(WindowSpec{"other", WS_POPUP, 0, {600, 100, 800, 300}});
    ShowWindow(other, SW_SHOWNOACTIVATE);
    log.Take();
    popup = OpenPopup("popup", c.kind, c.ownedThroughThePage ? page : frame, RECT{110, 140, 310, 400});
    EXPECT_EQ(log.Take(), c.expected);
    EXPECT_EQ(GetActiveWindow(), popup);
    EXPECT_EQ(GetFocus(), popup);
    EXPECT_EQ(GetForegroundWindow(), popup);
    EXPECT_EQ(GetParent(popup), frame);
    EXPECT_EQ(GetAncestor(popup, GA_ROOTOWNER), frame);
    EXPECT_EQ(DWORD(GetClassLongW(popup, GCL_STYLE)), DWORD(CS_DROPSHADOW));
    RECT placed{};
    GetWindowRect(popup, &placed);
    EXPECT_EQ(placed.left, 110);
    EXPECT_EQ(placed.top, 140);
    EXPECT_EQ(placed.right, 310);
    EXPECT_EQ(placed.bottom, 400);
  });
  ASSERT_TRUE(driver.WaitIdle());
  const auto surface = driver.Backend().Surface(popup);
  ASSERT_TRUE(surface.has_value());
  EXPECT_EQ(surface->rect.left, 110);
  EXPECT_EQ(surface->rect.bottom, 400);
  EXPECT_EQ(surface->topmost, c.kind == Kind::Menu);
  const std::vector<HWND> order = driver.Backend().StackingOrder();
  ASSERT_FALSE(order.empty());
  EXPECT_EQ(order.front(), popup) << "above every window of the program";
}

// The field had the focus: it hears who took it. The root owner answers the caption
// message without any change of activation.
INSTANTIATE_TEST_SUITE_P(
    Table, Opening,
    ::testing::Values(
        OpeningCase{"a drop-down",
                    Kind::DropDown,
                    false,
                    {"popup:WM_CREATE", "created popup", "frame:WM_NCACTIVATE 0", "frame:WM_ACTIVATE inactive popup",
                     "popup:WM_NCACTIVATE 1", "popup:WM_ACTIVATE active frame", "field:WM_KILLFOCUS popup",
                     "popup:WM_SETFOCUS field", "frame:WM_NCACTIVATE 1", "caption kept 1"}},
        OpeningCase{"a drop-down of a combo on a page",
                    Kind::DropDown,
                    true,
                    {"popup:WM_CREATE", "created popup", "frame:WM_NCACTIVATE 0", "frame:WM_ACTIVATE inactive popup",
                     "popup:WM_NCACTIVATE 1", "popup:WM_ACTIVATE active frame", "field:WM_KILLFOCUS popup",
                     "popup:WM_SETFOCUS field", "frame:WM_NCACTIVATE 1", "caption kept 1"}},
        OpeningCase{"a menu, brought to the foreground and made topmost after showing",
                    Kind::Menu,
                    false,
                    {"popup:WM_CREATE", "created popup", "frame:WM_NCACTIVATE 0", "frame:WM_ACTIVATE inactive popup",
                     "popup:WM_NCACTIVATE 1", "popup:WM_ACTIVATE active frame", "field:WM_KILLFOCUS popup",
                     "popup:WM_SETFOCUS field", "frame:WM_NCACTIVATE 1", "caption kept 1"}}),
    [](const ::testing::TestParamInfo<OpeningCase>& info) { return "Case" + std::to_string(info.index); });

// --- Losing the focus ---

enum class Away { ClickOnTheOpener, ProgramLosesTheFocus, SubMenuOpens, OwnerTakesTheFocus };

struct AwayCase {
  const char* scenario;
  Away how;
  Lines expected;  // what the pop-up and the opener hear, in order
  std::string focus;
};

void PrintTo(const AwayCase& c, std::ostream* out) { *out << c.scenario; }

class FocusAway : public Popups, public ::testing::WithParamInterface<AwayCase> {};

TEST_P(FocusAway, TellsThePopupWhichWindowTookTheFocus) {
  const AwayCase& c = GetParam();
  OpenFrame();
  HWND popup = nullptr;
  gui.Call([&] {
    popup = OpenPopup("popup", Kind::Menu, frame, RECT{110, 140, 310, 400});
    log.Take();
  });
  switch (c.how) {
    case Away::ClickOnTheOpener: driver.Click(150, 120); break;
    case Away::ProgramLosesTheFocus: driver.Backend().InjectFocusLeftProgram(); break;
    case Away::SubMenuOpens: gui.Call([&] { OpenPopup("sub", Kind::Menu, popup, RECT{310, 140, 410, 300}); }); break;
    case Away::OwnerTakesTheFocus: gui.Call([&] { SetFocus(frame); }); break;
  }
  ASSERT_TRUE(driver.WaitIdle());
  const std::set<UINT> focusAndButtons = {WM_KILLFOCUS, WM_SETFOCUS, WM_LBUTTONDOWN};
  EXPECT_EQ(log.Take(focusAndButtons), c.expected);
  gui.Call([&] { EXPECT_EQ(NameOf(GetFocus()), c.focus); });
}

INSTANTIATE_TEST_SUITE_P(
    Table, FocusAway,
    ::testing::Values(
        // The press moves the focus to the window it lands in and is still delivered.
        AwayCase{"a press on the opener's field", Away::ClickOnTheOpener,
                 {"popup:WM_KILLFOCUS frame", "frame:WM_SETFOCUS popup", "field:WM_LBUTTONDOWN"}, "frame"},
        AwayCase{"the program loses the keyboard", Away::ProgramLosesTheFocus, {"popup:WM_KILLFOCUS none"}, "none"},
        AwayCase{"a sub-menu opens from it", Away::SubMenuOpens,
                 {"created sub", "popup:WM_KILLFOCUS sub", "sub:WM_SETFOCUS popup", "caption kept 1"}, "sub"},
        AwayCase{"its owner takes the focus", Away::OwnerTakesTheFocus,
                 {"popup:WM_KILLFOCUS frame", "frame:WM_SETFOCUS popup"}, "frame"}),
    [](const ::testing::TestParamInfo<AwayCase>& info) { return "Case" + std::to_string(info.index); });

TEST_F(Popups, AKillFocusPostedToItselfIsAPlainMessageThatMovesNoFocus) {
  OpenFrame();
  HWND popup = nullptr;
  gui.Call([&] {
    popup = OpenPopup("popup", Kind::DropDown, frame, RECT{110, 140, 310, 400});
    log.Take();
    PostMessageW(popup, WM_KILLFOCUS, 0, 0);
    log.Add("posted");
  });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(log.Take(), (Lines{"posted", "popup:WM_KILLFOCUS none"}));
  gui.Call([&] {
    EXPECT_EQ(GetFocus(), popup);
    EXPECT_EQ(GetActiveWindow(), popup);
  });
}

// --- Input while open ---

TEST_F(Popups, KeysAndTheWheelGoToThePopupWhileItHasTheFocus) {
  OpenFrame();
  gui.Call([&] { OpenPopup("popup", Kind::DropDown, frame, RECT{110, 140, 310, 400}); });
  log.Take();
  driver.MoveMouse(450, 350);  // over the frame, not the pop-up
  driver.Tap(VK_DOWN);
  driver.Tap(VK_F4);
  driver.Wheel(-120);
  EXPECT_EQ(log.Take({WM_KEYDOWN, WM_MOUSEWHEEL}),
            (Lines{"popup:WM_KEYDOWN " + std::to_string(VK_DOWN), "popup:WM_KEYDOWN " + std::to_string(VK_F4),
                   "popup:WM_MOUSEWHEEL -120"}));
}

TEST_F(Popups, EveryButtonArrivesInThePopupWithoutDoubleClicksAndKeepsItActive) {
  OpenFrame();
  gui.Call([&] { OpenPopup("popup", Kind::Menu, frame, RECT{110, 140, 310, 400}); });
  log.Take();
  driver.Click(200, 200);
  driver.Advance(100);
  driver.Click(200, 200);
  driver.Click(200, 220, MouseButton::Right);
  driver.Advance(100);
  driver.Click(200, 220, MouseButton::Right);
  EXPECT_EQ(log.Take(),
            (Lines{"popup:WM_LBUTTONDOWN", "popup:WM_LBUTTONUP", "popup:WM_LBUTTONDOWN", "popup:WM_LBUTTONUP",
                   "popup:WM_RBUTTONDOWN", "popup:WM_RBUTTONUP", "popup:WM_CONTEXTMENU", "popup:WM_RBUTTONDOWN",
                   "popup:WM_RBUTTONUP", "popup:WM_CONTEXTMENU"}));
}

// --- Closing ---

// A leaf click posts the opener its message, then every menu its WM_CLOSE, the
// deepest first: the opener handles its message while the menus still exist.
TEST_F(Popups, PostedMessagesArriveInTheOrderTheyWerePostedWhateverTheirWindow) {
  OpenFrame();
  HWND popup = nullptr, sub = nullptr;
  gui.Call([&] {
    popup = OpenPopup("popup", Kind::Menu, frame, RECT{110, 140, 310, 400});
    sub = OpenPopup("sub", Kind::Menu, popup, RECT{310, 140, 410, 300});
    log.Take();
    PostMessageW(frame, kMenuClicked, 0, 1);
    PostMessageW(sub, WM_CLOSE, 0, 0);
    PostMessageW(popup, WM_CLOSE, 0, 0);
  });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(log.Take({WM_CLOSE, kMenuClicked}),
            (Lines{"frame:menu clicked 1", "sub:WM_CLOSE", "popup:WM_CLOSE"}));
  EXPECT_FALSE(IsWindow(sub));
  EXPECT_FALSE(IsWindow(popup));
}

TEST_F(Popups, DestroyingTheOwnerDestroysItsPopupsFirstWhileItIsStillThere) {
  OpenFrame();
  gui.Call([&] {
    const HWND popup = OpenPopup("popup", Kind::Menu, frame, RECT{110, 140, 310, 400});
    OpenPopup("sub", Kind::Menu, popup, RECT{310, 140, 410, 300});
    log.Take();
    DestroyWindow(frame);
  });
  const Lines destroyed = log.Take({WM_DESTROY});
  ASSERT_GE(destroyed.size(), 3u);
  EXPECT_EQ(Lines(destroyed.begin(), destroyed.begin() + 3),
            (Lines{"sub:WM_DESTROY, its owner still there", "popup:WM_DESTROY, its owner still there",
                   "frame:WM_DESTROY"}));
}

// --- Monitors ---

class PopupMonitors : public Popups {
 protected:
  PopupMonitors() : Popups(TestDriver::TwoMonitors()) {}
};

TEST_F(PopupMonitors, APopupIsOnTheMonitorItMostlyCoversAndANullWindowMeansThePrimary) {
  OpenFrame();
  gui.Call([&] {
    const HMONITOR primary = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    const HMONITOR second = MonitorFromPoint(POINT{2000, 500}, MONITOR_DEFAULTTONULL);
    const struct {
      RECT rect;
      HMONITOR expected;
    } cases[] = {{RECT{110, 140, 310, 400}, primary},
                 {RECT{2000, 900, 2200, 1100}, second},
                 {RECT{1900, 100, 2100, 300}, second},
                 {RECT{5000, 100, 5200, 300}, second}};
    for (const auto& c : cases) {
      const HWND popup = OpenPopup("popup", Kind::DropDown, frame, c.rect);
      EXPECT_EQ(MonitorFromWindow(popup, MONITOR_DEFAULTTONEAREST), c.expected) << c.rect.left;
      DestroyWindow(popup);
    }
    EXPECT_EQ(MonitorFromWindow(nullptr, MONITOR_DEFAULTTONEAREST), primary);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetMonitorInfoW(second, &info));
    EXPECT_EQ(info.rcWork.top, 30);
    EXPECT_EQ(info.rcWork.bottom, 1024);
  });
}

}  // namespace

// Creation and destruction orders, owners and parents, window data.
#include <gtest/gtest.h>

#include "testing/driver/TestDriver.h"
#include "tests/platform/user/TracedTest.h"
#include "tests/platform/user/TraceWindow.h"

namespace {

using platform::headless::TestDriver;
using test::Trace;
using test::TraceWindow;
using test::WindowSpec;
typedef std::vector<std::string> Lines;

const std::set<UINT> kLifecycle = {WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE, WM_DESTROY,
                                   WM_NCDESTROY, WM_PARENTNOTIFY, WM_SHOWWINDOW};

test::Hook Answer(UINT message, LRESULT value) {
  return [message, value](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == message) return value;
    return std::nullopt;
  };
}

struct CreationCase {
  const char* scenario;
  DWORD style;
  test::Hook hook;
  bool created;
  Lines expected;
};

class CreationOrder : public test::TracedTest, public ::testing::WithParamInterface<CreationCase> {};

TEST_P(CreationOrder, SendsTheWindowsSequence) {
  const CreationCase& c = GetParam();
  HWND created = nullptr;
  gui.Call([&] {
    WindowSpec spec{"w", c.style, 0, RECT{10, 20, 110, 70}};
    spec.hook = c.hook;
    created = TraceWindow::Create(trace, spec);
  });
  EXPECT_EQ(created != nullptr, c.created);
  EXPECT_EQ(trace.Take(kLifecycle), c.expected);
  if (!c.created) {
    EXPECT_FALSE(IsWindow(created));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, CreationOrder,
    ::testing::Values(
        CreationCase{"hidden pop-up", WS_POPUP, nullptr, true,
                     {"w:WM_NCCREATE", "w:WM_NCCALCSIZE", "w:WM_CREATE", "w:WM_SIZE", "w:WM_MOVE"}},
        CreationCase{"visible pop-up is shown last", WS_POPUP | WS_VISIBLE, nullptr, true,
                     {"w:WM_NCCREATE", "w:WM_NCCALCSIZE", "w:WM_CREATE", "w:WM_SIZE", "w:WM_MOVE", "w:WM_SHOWWINDOW"}},
        CreationCase{"WM_NCCREATE refuses", WS_POPUP, Answer(WM_NCCREATE, FALSE), false,
                     {"w:WM_NCCREATE", "w:WM_NCDESTROY"}},
        CreationCase{"WM_CREATE refuses", WS_POPUP, Answer(WM_CREATE, -1), false,
                     {"w:WM_NCCREATE", "w:WM_NCCALCSIZE", "w:WM_CREATE", "w:WM_DESTROY", "w:WM_NCDESTROY"}}),
    [](const ::testing::TestParamInfo<CreationCase>& info) { return "Case" + std::to_string(info.index); });

// An overlapped window hears of its size and place when it is first shown (or sized),
// not when it is created; pop-ups and children hear of it at creation.
struct ShowSequenceCase {
  const char* scenario;
  DWORD style;
  Lines created;
  Lines firstShow;
  Lines hide;
  Lines secondShow;
};

class ShowSequence : public test::TracedTest, public ::testing::WithParamInterface<ShowSequenceCase> {};

const std::set<UINT> kShowing = {WM_NCCREATE,   WM_CREATE, WM_SIZE,     WM_MOVE,     WM_SHOWWINDOW,
                                 WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS, WM_WINDOWPOSCHANGED};

TEST_P(ShowSequence, SendsTheWindowsMessagesInItsOrder) {
  const ShowSequenceCase& c = GetParam();
  HWND w = nullptr;
  gui.Call([&] { w = TraceWindow::Create(trace, WindowSpec{"w", c.style, 0, RECT{10, 20, 110, 70}}); });
  EXPECT_EQ(trace.Take(kShowing), c.created);
  gui.Call([&] { ShowWindow(w, SW_SHOW); });
  EXPECT_EQ(trace.Take(kShowing), c.firstShow);
  gui.Call([&] { ShowWindow(w, SW_HIDE); });
  EXPECT_EQ(trace.Take(kShowing), c.hide);
  gui.Call([&] { ShowWindow(w, SW_SHOW); });
  EXPECT_EQ(trace.Take(kShowing), c.secondShow);
}

const Lines kShown = {"w:WM_SHOWWINDOW", "w:WM_NCACTIVATE", "w:WM_ACTIVATE", "w:WM_SETFOCUS", "w:WM_WINDOWPOSCHANGED"};
const Lines kHidden = {"w:WM_SHOWWINDOW", "w:WM_WINDOWPOSCHANGED", "w:WM_NCACTIVATE", "w:WM_ACTIVATE",
                       "w:WM_KILLFOCUS"};

Lines Then(Lines first, const Lines& more) {
  first.insert(first.end(), more.begin(), more.end());
  return first;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ShowSequence,
    ::testing::Values(ShowSequenceCase{"overlapped", WS_OVERLAPPEDWINDOW,
                                       {"w:WM_NCCREATE", "w:WM_CREATE"},
                                       Then(kShown, {"w:WM_SIZE", "w:WM_MOVE"}),
                                       kHidden,
                                       kShown},
                      ShowSequenceCase{"pop-up", WS_POPUP,
                                       {"w:WM_NCCREATE", "w:WM_CREATE", "w:WM_SIZE", "w:WM_MOVE"},
                                       kShown,
                                       kHidden,
                                       kShown}),
    [](const ::testing::TestParamInfo<ShowSequenceCase>& info) { return "Case" + std::to_string(info.index); });

TEST_F(ShowSequence, AnOverlappedWindowSizedBeforeItIsShownHearsOfItOnce) {
  HWND w = nullptr;
  gui.Call([&] {
    w = TraceWindow::Create(trace, WindowSpec{"w", WS_OVERLAPPEDWINDOW, 0, RECT{10, 20, 110, 70}});
    trace.Clear();
    SetWindowPos(w, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  });
  EXPECT_EQ(trace.Take({WM_SIZE}), Lines{"w:WM_SIZE"});
  gui.Call([&] { ShowWindow(w, SW_SHOW); });
  EXPECT_EQ(trace.Take({WM_SIZE, WM_MOVE}), Lines{});
}

TEST_F(ShowSequence, HidingAWindowThatIsNotActiveLeavesActivationAndZOrderAlone) {
  UINT flags = 0;
  test::Hook keep = [&flags](HWND, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
    if (m == WM_WINDOWPOSCHANGED) flags = reinterpret_cast<const WINDOWPOS*>(l)->flags;
    return std::nullopt;
  };
  UINT activeHide = 0, inactiveHide = 0;
  gui.Call([&] {
    WindowSpec a{"a", WS_POPUP | WS_VISIBLE};
    a.hook = keep;
    WindowSpec b{"b", WS_POPUP | WS_VISIBLE};
    b.hook = keep;
    const HWND first = TraceWindow::Create(trace, a);
    const HWND second = TraceWindow::Create(trace, b);
    ShowWindow(first, SW_HIDE);
    inactiveHide = flags;
    ShowWindow(second, SW_HIDE);
    activeHide = flags;
  });
  const UINT kCommon = SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOCLIENTSIZE | SWP_NOCLIENTMOVE;
  EXPECT_EQ(activeHide, kCommon);
  EXPECT_EQ(inactiveHide, kCommon | SWP_NOACTIVATE | SWP_NOZORDER);
}

using WindowLifecycle = test::TracedTest;

TEST_F(WindowLifecycle, DestroyingAnOwnerDestroysOwnedWindowsThenChildrenInOrder) {
  HWND frame = nullptr, child = nullptr, grandchild = nullptr, dialog = nullptr;
  gui.Call([&] {
    frame = TraceWindow::Create(trace, WindowSpec{"frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, {0, 0, 400, 300}});
    child = TraceWindow::Create(trace, WindowSpec{"page", WS_CHILD | WS_VISIBLE, 0, {0, 0, 200, 100}, frame});
    grandchild = TraceWindow::Create(trace, WindowSpec{"edit", WS_CHILD | WS_VISIBLE, 0, {0, 0, 20, 10}, child});
    dialog = TraceWindow::Create(trace, WindowSpec{"dialog", WS_POPUP | WS_VISIBLE, 0, {0, 0, 50, 50}, child});
    trace.Clear();
    DestroyWindow(frame);
  });
  EXPECT_EQ(trace.Take({WM_DESTROY, WM_NCDESTROY}),
            (Lines{"dialog:WM_DESTROY", "dialog:WM_NCDESTROY", "frame:WM_DESTROY", "page:WM_DESTROY",
                   "edit:WM_DESTROY", "edit:WM_NCDESTROY", "page:WM_NCDESTROY", "frame:WM_NCDESTROY"}));
  for (HWND h : {frame, child, grandchild, dialog}) EXPECT_FALSE(IsWindow(h));
}

TEST_F(WindowLifecycle, HandlesAreNeverReusedAndCallsOnDeadWindowsFailHarmlessly) {
  HWND first = nullptr, second = nullptr;
  gui.Call([&] {
    first = TraceWindow::Create(trace, WindowSpec{"a"});
    DestroyWindow(first);
    second = TraceWindow::Create(trace, WindowSpec{"b"});
    EXPECT_FALSE(DestroyWindow(first));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_WINDOW_HANDLE));
  });
  EXPECT_NE(first, second);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_FALSE(PostMessageW(first, WM_APP, 0, 0));
  EXPECT_EQ(SendMessageW(first, WM_APP, 0, 0), 0);
  RECT r;
  EXPECT_FALSE(GetWindowRect(first, &r));
}

struct OwnerCase {
  const char* scenario;
  int parentKind;  // 0 none, 1 desktop, 2 the frame, 3 a child of the frame
  DWORD style;
  int expectedOwner;  // 0 none, 2 the frame
  int expectedParent;  // GetParent: 0 none, 2 the frame, 3 the page
};

class OwnerRules : public test::TracedTest, public ::testing::WithParamInterface<OwnerCase> {};

TEST_P(OwnerRules, FollowTheParentArgument) {
  const OwnerCase& c = GetParam();
  gui.Call([&] {
    HWND frame = TraceWindow::Create(trace, WindowSpec{"frame", WS_OVERLAPPEDWINDOW});
    HWND page = TraceWindow::Create(trace, WindowSpec{"page", WS_CHILD, 0, {0, 0, 10, 10}, frame});
    const HWND parents[] = {nullptr, GetDesktopWindow(), frame, page};
    HWND w = TraceWindow::Create(trace, WindowSpec{"w", c.style, 0, {0, 0, 10, 10}, parents[c.parentKind]});
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(GetWindow(w, GW_OWNER), parents[c.expectedOwner]);
    EXPECT_EQ(GetParent(w), parents[c.expectedParent]);
    EXPECT_EQ(GetAncestor(page, GA_ROOT), frame);
  });
}

INSTANTIATE_TEST_SUITE_P(Table, OwnerRules,
                         ::testing::Values(OwnerCase{"unowned pop-up", 0, WS_POPUP, 0, 0},
                                           OwnerCase{"desktop means no owner", 1, WS_POPUP, 0, 0},
                                           OwnerCase{"pop-up owned by the frame", 2, WS_POPUP, 2, 2},
                                           OwnerCase{"overlapped owned window has no parent", 2, WS_OVERLAPPED, 2, 0},
                                           OwnerCase{"owned through a page: the page's frame", 3, WS_POPUP, 2, 2},
                                           OwnerCase{"child of the page", 3, WS_CHILD, 0, 3}));

using WindowData = test::TracedTest;

TEST_F(WindowData, LongsPropertiesAndSubclassing) {
  static Trace* subclassTrace = &trace;
  static WNDPROC previous = nullptr;
  gui.Call([&] {
    HWND w = TraceWindow::Create(trace, WindowSpec{"w"});
    EXPECT_EQ(SetWindowLongW(w, GWL_STYLE, WS_POPUP | WS_CLIPCHILDREN), LONG(WS_POPUP));
    EXPECT_EQ(DWORD(GetWindowLongW(w, GWL_STYLE)), DWORD(WS_POPUP | WS_CLIPCHILDREN));
    EXPECT_TRUE(SetPropW(w, L"WndX", HANDLE(0x1234)));
    EXPECT_EQ(GetPropW(w, L"WndX"), HANDLE(0x1234));
    EXPECT_EQ(RemovePropW(w, L"WndX"), HANDLE(0x1234));
    EXPECT_EQ(GetPropW(w, L"WndX"), nullptr);
    previous = WNDPROC(SetWindowLongPtrW(
        w, GWLP_WNDPROC, LONG_PTR(+[](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
          if (m == WM_APP) subclassTrace->Add("subclass:WM_APP");
          return CallWindowProcW(previous, h, m, wp, lp);
        })));
    EXPECT_EQ(previous, &TraceWindow::Proc);
    trace.Clear();
    SendMessageW(w, WM_APP, 0, 0);
    EXPECT_EQ(trace.Take({WM_APP}), (Lines{"subclass:WM_APP", "w:WM_APP"}));
  });
}

TEST(WindowClasses, SecondRegistrationFailsAndSuperclassingFindsTheSystemClass) {
  TestDriver driver;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = HINSTANCE(0x400000);
  wc.lpszClassName = L"TwiceRegistered";
  EXPECT_NE(RegisterClassExW(&wc), 0);
  EXPECT_EQ(RegisterClassExW(&wc), 0);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_CLASS_ALREADY_EXISTS));
  WNDCLASSEXW info{};
  info.cbSize = sizeof(info);
  EXPECT_TRUE(GetClassInfoExW(nullptr, L"tooltips_class32", &info));
  EXPECT_NE(info.lpfnWndProc, nullptr);
  EXPECT_FALSE(GetClassInfoExW(HINSTANCE(0x400000), L"NoSuchClass", &info));
  UnregisterClassW(L"TwiceRegistered", HINSTANCE(0x400000));  // a repeated run starts afresh
}

}  // namespace

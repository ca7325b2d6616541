// Programmatic resizing within the track sizes, and the flags show commands carry.
#include <gtest/gtest.h>

#include <functional>

#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "tests/platform/user/TraceWindow.h"
#include "tests/platform/user/TracedTest.h"

namespace {

using platform::headless::GuiThread;
using platform::headless::TestDriver;
using test::Trace;
using test::TraceWindow;
using test::WindowSpec;

// The program's frames answer their own limits.
std::optional<LRESULT> FrameLimits(HWND, UINT m, WPARAM, LPARAM lp) {
  if (m != WM_GETMINMAXINFO) return std::nullopt;
  auto* mmi = reinterpret_cast<MINMAXINFO*>(lp);
  mmi->ptMinTrackSize = POINT{200, 100};
  mmi->ptMaxTrackSize = POINT{600, 400};
  return 0;
}

struct ResizeCase {
  const char* scenario;
  DWORD style;
  bool frameLimits;
  std::function<void(HWND)> resize;
  SIZE expected;
  bool asks;  // whether WM_GETMINMAXINFO was sent
};

void PrintTo(const ResizeCase& c, std::ostream* out) { *out << c.scenario; }

class Resize : public test::TracedCaseTest<ResizeCase> {};

TEST_P(Resize, KeepsWithinTheTrackSizesTheWindowAnswers) {
  const ResizeCase& c = GetParam();
  gui.Call([&] {
    WindowSpec spec{"w", c.style, 0, {100, 100, 400, 300}};
    if (c.frameLimits) spec.hook = FrameLimits;
    HWND w = TraceWindow::Create(trace, spec);
    trace.Clear();
    c.resize(w);
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(r.right - r.left, c.expected.cx);
    EXPECT_EQ(r.bottom - r.top, c.expected.cy);
    EXPECT_EQ(!trace.Take({WM_GETMINMAXINFO}).empty(), c.asks);
  });
}

void SetSize(HWND w, int cx, int cy) { SetWindowPos(w, nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER); }

INSTANTIATE_TEST_SUITE_P(
    Table, Resize,
    ::testing::Values(
        ResizeCase{"a sizing frame too small grows to its least size", WS_POPUP | WS_THICKFRAME, true,
                   [](HWND w) { SetSize(w, 50, 20); }, SIZE{200, 100}, true},
        ResizeCase{"a sizing frame too large through MoveWindow", WS_POPUP | WS_THICKFRAME, true,
                   [](HWND w) { MoveWindow(w, 0, 0, 900, 700, TRUE); }, SIZE{600, 400}, true},
        ResizeCase{"within the limits stays as asked", WS_POPUP | WS_THICKFRAME, true,
                   [](HWND w) { SetSize(w, 500, 150); }, SIZE{500, 150}, true},
        ResizeCase{"an overlapped window keeps the system's least size", WS_OVERLAPPED, false,
                   [](HWND w) { SetSize(w, 50, 20); }, SIZE{136, 39}, true},
        ResizeCase{"a pop-up without a sizing frame takes any size", WS_POPUP, true,
                   [](HWND w) { SetSize(w, 50, 20); }, SIZE{50, 20}, false},
        ResizeCase{"a move alone asks nothing", WS_POPUP | WS_THICKFRAME, true,
                   [](HWND w) { SetWindowPos(w, nullptr, 5, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER); },
                   SIZE{300, 200}, false}),
    [](const ::testing::TestParamInfo<ResizeCase>& info) { return "Case" + std::to_string(info.index); });

std::string FlagNames(UINT flags) {
  static const std::pair<UINT, const char*> names[] = {
      {SWP_NOSIZE, "NOSIZE"},         {SWP_NOMOVE, "NOMOVE"},         {SWP_NOZORDER, "NOZORDER"},
      {SWP_NOACTIVATE, "NOACTIVATE"}, {SWP_SHOWWINDOW, "SHOWWINDOW"}, {SWP_HIDEWINDOW, "HIDEWINDOW"}};
  std::string out;
  for (const auto& [flag, name] : names) {
    if (flags & flag) out += (out.empty() ? "" : "|") + std::string(name);
  }
  return out;
}

struct ShowCase {
  const char* scenario;
  bool child;
  bool visible;
  std::function<void(HWND)> show;
  std::string flags;  // of WM_WINDOWPOSCHANGING
  std::string top;    // the topmost top-level window afterwards
};

void PrintTo(const ShowCase& c, std::ostream* out) { *out << c.scenario; }

class ShowFlags : public ::testing::TestWithParam<ShowCase> {};

TEST_P(ShowFlags, AreTheWindowsOnes) {
  const ShowCase& c = GetParam();
  TestDriver driver;
  Trace trace;
  std::string flags;  // outlives the windows, which write it until they are gone
  GuiThread gui;
  gui.Call([&] {
    WindowSpec spec{"target", WS_POPUP, 0, {0, 0, 100, 100}};
    spec.hook = [&flags](HWND, UINT m, WPARAM, LPARAM lp) -> std::optional<LRESULT> {
      if (m == WM_WINDOWPOSCHANGING) flags = FlagNames(reinterpret_cast<WINDOWPOS*>(lp)->flags);
      return std::nullopt;
    };
    HWND parent = TraceWindow::Create(trace, WindowSpec{"parent", WS_POPUP | WS_VISIBLE, 0, {0, 0, 300, 300}});
    if (c.child) {
      spec.style = WS_CHILD;
      spec.parent = parent;
    }
    if (c.visible) spec.style |= WS_VISIBLE;
    HWND target = TraceWindow::Create(trace, spec);
    TraceWindow::Create(trace, WindowSpec{"cover", WS_POPUP | WS_VISIBLE, 0, {200, 200, 300, 300}});
    flags.clear();
    c.show(target);
    EXPECT_EQ(flags, c.flags);
    HWND top = GetTopWindow(nullptr);
    EXPECT_EQ(top == target ? "target" : top == parent ? "parent" : "cover", c.top);
  });
}

INSTANTIATE_TEST_SUITE_P(
    Table, ShowFlags,
    ::testing::Values(
        ShowCase{"SW_SHOW raises and activates", false, false, [](HWND w) { ShowWindow(w, SW_SHOW); },
                 "NOSIZE|NOMOVE|SHOWWINDOW", "target"},
        ShowCase{"SW_SHOWNA raises without activating", false, false, [](HWND w) { ShowWindow(w, SW_SHOWNA); },
                 "NOSIZE|NOMOVE|NOACTIVATE|SHOWWINDOW", "target"},
        ShowCase{"SW_SHOWNOACTIVATE raises without activating", false, false,
                 [](HWND w) { ShowWindow(w, SW_SHOWNOACTIVATE); }, "NOSIZE|NOMOVE|NOACTIVATE|SHOWWINDOW", "target"},
        ShowCase{"SW_HIDE of a top-level window that is not active", false, true,
                 [](HWND w) { ShowWindow(w, SW_HIDE); }, "NOSIZE|NOMOVE|NOZORDER|NOACTIVATE|HIDEWINDOW", "cover"},
        ShowCase{"SW_SHOW of a child keeps its place", true, false, [](HWND w) { ShowWindow(w, SW_SHOW); },
                 "NOSIZE|NOMOVE|NOZORDER|NOACTIVATE|SHOWWINDOW", "cover"},
        ShowCase{"SW_HIDE of a child", true, true, [](HWND w) { ShowWindow(w, SW_HIDE); },
                 "NOSIZE|NOMOVE|NOZORDER|NOACTIVATE|HIDEWINDOW", "cover"},
        ShowCase{"a show that asks to keep the place keeps it", false, false,
                 [](HWND w) {
                   SetWindowPos(w, nullptr, 0, 0, 0, 0,
                                SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
                 },
                 "NOSIZE|NOMOVE|NOZORDER|NOACTIVATE|SHOWWINDOW", "cover"}),
    [](const ::testing::TestParamInfo<ShowCase>& info) { return "Case" + std::to_string(info.index); });

// A window that moves itself while it is told of a move: the call made inside the
// message has the last word, as the frames that lay themselves out in WM_SIZE rely on,
// and the last WM_MOVE and WM_SIZE it hears tell where it ended.
struct NestedCase {
  const char* scenario;
  bool child;
  UINT reactTo;                       // the message whose first arrival makes the inner call
  std::function<void(HWND)> outer;
  std::function<void(HWND)> inner;
  RECT expected;                      // in the parent's client coordinates for a child
};

void PrintTo(const NestedCase& c, std::ostream* out) { *out << c.scenario; }

class NestedMove : public test::TracedCaseTest<NestedCase> {};

TEST_P(NestedMove, EndsWhereTheInnerCallPutTheWindow) {
  const NestedCase& c = GetParam();
  gui.Call([&] {
    HWND parent = nullptr;
    if (c.child) parent = TraceWindow::Create(trace, WindowSpec{"parent", WS_POPUP | WS_VISIBLE, 0, {0, 0, 800, 600}});
    bool armed = false;
    bool reacted = false;
    LPARAM lastMove = 0;
    LPARAM lastSize = 0;
    WindowSpec spec{"w", DWORD((c.child ? WS_CHILD : WS_POPUP) | WS_VISIBLE), 0, {100, 100, 400, 300}, parent};
    spec.hook = [&](HWND hwnd, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
      if (message == WM_MOVE) lastMove = lParam;
      if (message == WM_SIZE) lastSize = lParam;
      if (armed && message == c.reactTo && !reacted) {
        reacted = true;
        c.inner(hwnd);
      }
      return std::nullopt;
    };
    HWND w = TraceWindow::Create(trace, spec);
    armed = true;
    c.outer(w);
    EXPECT_TRUE(reacted);
    RECT r;
    GetWindowRect(w, &r);
    if (parent) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, c.expected.left);
    EXPECT_EQ(r.top, c.expected.top);
    EXPECT_EQ(r.right, c.expected.right);
    EXPECT_EQ(r.bottom, c.expected.bottom);
    RECT client;
    GetClientRect(w, &client);
    EXPECT_EQ(client.right, c.expected.right - c.expected.left);
    EXPECT_EQ(client.bottom, c.expected.bottom - c.expected.top);
    EXPECT_EQ(LOWORD(lastSize), c.expected.right - c.expected.left) << "the last WM_SIZE";
    EXPECT_EQ(HIWORD(lastSize), c.expected.bottom - c.expected.top) << "the last WM_SIZE";
    EXPECT_EQ(GET_X_LPARAM(lastMove), c.expected.left) << "the last WM_MOVE";
    EXPECT_EQ(GET_Y_LPARAM(lastMove), c.expected.top) << "the last WM_MOVE";
    if (!parent) {
      const auto surface = driver.Backend().Surface(w);
      ASSERT_TRUE(surface.has_value());
      EXPECT_EQ(surface->rect.left, c.expected.left) << "the surface on the screen";
      EXPECT_EQ(surface->rect.top, c.expected.top);
      EXPECT_EQ(surface->rect.right, c.expected.right);
      EXPECT_EQ(surface->rect.bottom, c.expected.bottom);
    }
    DestroyWindow(w);
    if (parent) DestroyWindow(parent);
  });
}

void MoveTo(HWND w, int x, int y) { SetWindowPos(w, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER); }

INSTANTIATE_TEST_SUITE_P(
    Table, NestedMove,
    ::testing::Values(
        NestedCase{"MoveWindow in WM_SIZE of a SetWindowPos", false, WM_SIZE,
                   [](HWND w) { SetWindowPos(w, nullptr, 10, 20, 500, 400, SWP_NOZORDER); },
                   [](HWND w) { MoveWindow(w, 50, 60, 300, 200, TRUE); }, RECT{50, 60, 350, 260}},
        NestedCase{"MoveWindow in WM_SIZE of a resize alone", false, WM_SIZE,
                   [](HWND w) { SetSize(w, 500, 400); }, [](HWND w) { MoveWindow(w, 50, 60, 300, 250, TRUE); },
                   RECT{50, 60, 350, 310}},
        NestedCase{"a move alone in WM_SIZE keeps the outer size", false, WM_SIZE,
                   [](HWND w) { MoveWindow(w, 10, 20, 500, 400, TRUE); }, [](HWND w) { MoveTo(w, 70, 80); },
                   RECT{70, 80, 570, 480}},
        NestedCase{"a resize alone in WM_SIZE keeps the outer place", false, WM_SIZE,
                   [](HWND w) { MoveWindow(w, 10, 20, 500, 400, TRUE); }, [](HWND w) { SetSize(w, 320, 240); },
                   RECT{10, 20, 330, 260}},
        NestedCase{"MoveWindow in WM_MOVE", false, WM_MOVE,
                   [](HWND w) { MoveWindow(w, 10, 20, 500, 400, TRUE); },
                   [](HWND w) { MoveWindow(w, 50, 60, 300, 200, TRUE); }, RECT{50, 60, 350, 260}},
        NestedCase{"MoveWindow in WM_WINDOWPOSCHANGED", false, WM_WINDOWPOSCHANGED,
                   [](HWND w) { MoveWindow(w, 10, 20, 500, 400, TRUE); },
                   [](HWND w) { MoveWindow(w, 50, 60, 300, 200, TRUE); }, RECT{50, 60, 350, 260}},
        NestedCase{"a child moved in its WM_SIZE", true, WM_SIZE,
                   [](HWND w) { MoveWindow(w, 10, 20, 500, 400, TRUE); },
                   [](HWND w) { MoveWindow(w, 0, 150, 640, 300, FALSE); }, RECT{0, 150, 640, 450}},
        NestedCase{"MoveWindow in WM_SIZE of a frame change", false, WM_SIZE,
                   [](HWND w) { SetWindowPos(w, nullptr, 10, 20, 500, 400, SWP_NOZORDER | SWP_FRAMECHANGED); },
                   [](HWND w) { MoveWindow(w, 50, 60, 300, 200, TRUE); }, RECT{50, 60, 350, 260}},
        NestedCase{"an overlapped window", false, WM_SIZE,
                   [](HWND w) {
                     SetWindowLongPtrW(w, GWL_STYLE, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
                     SetWindowPos(w, nullptr, 10, 20, 500, 400, SWP_NOZORDER | SWP_FRAMECHANGED);
                   },
                   [](HWND w) { MoveWindow(w, 50, 60, 300, 200, TRUE); }, RECT{50, 60, 350, 260}},
        NestedCase{"MoveWindow in WM_SIZE of a maximise", false, WM_SIZE,
                   [](HWND w) { ShowWindow(w, SW_MAXIMIZE); },
                   [](HWND w) { MoveWindow(w, 50, 60, 300, 200, TRUE); }, RECT{50, 60, 350, 260}}),
    [](const ::testing::TestParamInfo<NestedCase>& info) { return "Case" + std::to_string(info.index); });

}  // namespace

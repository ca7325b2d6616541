// Positions, z-order, show commands, maximising on monitors, system commands.
#include <gtest/gtest.h>

#include "testing/driver/TestDriver.h"
#include "tests/platform/user/TracedTest.h"
#include "tests/platform/user/TraceWindow.h"

namespace {

using platform::headless::TestDriver;
using test::TraceWindow;
using test::WindowSpec;
typedef std::vector<std::string> Lines;

// Maximises into the work area of the window's monitor, as the program's windows do.
std::optional<LRESULT> WorkAreaMaximise(HWND h, UINT m, WPARAM, LPARAM lp) {
  if (m != WM_GETMINMAXINFO) return std::nullopt;
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(MonitorFromWindow(h, MONITOR_DEFAULTTONEAREST), &info);
  auto* mmi = reinterpret_cast<MINMAXINFO*>(lp);
  mmi->ptMaxPosition = POINT{info.rcWork.left - info.rcMonitor.left, info.rcWork.top - info.rcMonitor.top};
  mmi->ptMaxTrackSize = POINT{info.rcWork.right - info.rcWork.left, info.rcWork.bottom - info.rcWork.top};
  return 0;
}

class Maximise : public test::TracedTest {
 protected:
  Maximise() : TracedTest(TestDriver::TwoMonitors()) {}
};

TEST_F(Maximise, IntoTheWorkAreaOfASecondMonitorAndBack) {
  HWND w = nullptr;
  std::vector<std::string> sizes;
  gui.Call([&] {
    WindowSpec spec{"w", WS_POPUP | WS_VISIBLE | WS_THICKFRAME, 0, {2000, 100, 2600, 500}};
    spec.hook = [this](HWND h, UINT m, WPARAM wp, LPARAM lp) -> std::optional<LRESULT> {
      if (m == WM_SIZE) trace.Add("size " + std::to_string(wp) + " " + std::to_string(LOWORD(lp)) + "x" +
                                  std::to_string(HIWORD(lp)));
      return WorkAreaMaximise(h, m, wp, lp);
    };
    w = TraceWindow::Create(trace, spec);
    trace.Clear();
    SendMessageW(w, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_TRUE(IsZoomed(w)) << "the state has changed when the call returns";
    EXPECT_TRUE(GetWindowLongW(w, GWL_STYLE) & WS_MAXIMIZE);
  });
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, 1920);
  EXPECT_EQ(r.top, 30);
  EXPECT_EQ(r.right, 3200);
  EXPECT_EQ(r.bottom, 1024);
  gui.Call([&] {
    SendMessageW(w, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsZoomed(w));
  });
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, 2000);
  EXPECT_EQ(r.right, 2600);
  EXPECT_EQ(trace.Take(std::set<UINT>{}), (Lines{"size 2 1280x994", "size 0 600x400"}));
}

struct ShowCase {
  const char* scenario;
  int command;
  bool visible;
  bool iconic;
  bool zoomed;
  bool active;
  UINT sizeKind;  // the last WM_SIZE kind, or 99 for none
};

class ShowCommands : public test::TracedCaseTest<ShowCase> {};

TEST_P(ShowCommands, SetTheStateSynchronously) {
  const ShowCase& c = GetParam();
  UINT lastSize = 99;
  gui.Call([&] {
    WindowSpec spec{"w", WS_POPUP, 0, {10, 10, 210, 110}};
    spec.hook = [&lastSize](HWND, UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
      if (m == WM_SIZE) lastSize = UINT(wp);
      return std::nullopt;
    };
    HWND w = TraceWindow::Create(trace, spec);
    lastSize = 99;
    ShowWindow(w, c.command);
    EXPECT_EQ(bool(IsWindowVisible(w)), c.visible);
    EXPECT_EQ(bool(IsIconic(w)), c.iconic);
    EXPECT_EQ(bool(IsZoomed(w)), c.zoomed);
    EXPECT_EQ(GetActiveWindow() == w, c.active);
  });
  EXPECT_EQ(lastSize, c.sizeKind);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ShowCommands,
    ::testing::Values(ShowCase{"SW_HIDE on a hidden window", SW_HIDE, false, false, false, false, 99},
                      ShowCase{"SW_SHOWNORMAL", SW_SHOWNORMAL, true, false, false, true, 99},
                      ShowCase{"SW_SHOW", SW_SHOW, true, false, false, true, 99},
                      ShowCase{"SW_SHOWNA", SW_SHOWNA, true, false, false, false, 99},
                      ShowCase{"SW_SHOWNOACTIVATE", SW_SHOWNOACTIVATE, true, false, false, false, 99},
                      ShowCase{"SW_SHOWMAXIMIZED", SW_SHOWMAXIMIZED, true, false, true, true, SIZE_MAXIMIZED},
                      ShowCase{"SW_SHOWMINNOACTIVE", SW_SHOWMINNOACTIVE, true, true, false, false, SIZE_MINIMIZED},
                      ShowCase{"SW_MINIMIZE", SW_MINIMIZE, true, true, false, false, SIZE_MINIMIZED}),
    [](const ::testing::TestParamInfo<ShowCase>& info) { return "Case" + std::to_string(info.index); });

TEST_F(ShowCommands, RestoringAMinimisedWindowSendsSizeRestored) {
  gui.Call([&] {
    WindowSpec spec{"w", WS_POPUP | WS_VISIBLE, 0, {10, 10, 210, 110}};
    spec.hook = [this](HWND, UINT m, WPARAM wp, LPARAM lp) -> std::optional<LRESULT> {
      if (m == WM_SIZE) trace.Add("size " + std::to_string(wp) + " " + std::to_string(LOWORD(lp)));
      return std::nullopt;
    };
    HWND w = TraceWindow::Create(trace, spec);
    trace.Clear();
    SendMessageW(w, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ShowWindow(w, SW_RESTORE);
    EXPECT_FALSE(IsIconic(w));
  });
  EXPECT_EQ(trace.Take(std::set<UINT>{}), (Lines{"size 1 0", "size 0 200"}));
}

// Named apart from the call they test, which a fixture of that name would hide.
using WindowPositions = test::TracedTest;

TEST_F(WindowPositions, ChangingHandlerAdjustsTheValuesAndChangedSendsMoveThenSize) {
  HWND w = nullptr;
  gui.Call([&] {
    WindowSpec spec{"w", WS_POPUP | WS_VISIBLE, 0, {0, 0, 100, 100}};
    spec.hook = [](HWND, UINT m, WPARAM, LPARAM lp) -> std::optional<LRESULT> {
      if (m == WM_WINDOWPOSCHANGING) reinterpret_cast<WINDOWPOS*>(lp)->cx = 150;  // a fixed width
      return std::nullopt;
    };
    w = TraceWindow::Create(trace, spec);
    trace.Clear();
    SetWindowPos(w, nullptr, 5, 6, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
  });
  EXPECT_EQ(trace.Take({WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}),
            (Lines{"w:WM_WINDOWPOSCHANGING", "w:WM_NCCALCSIZE", "w:WM_WINDOWPOSCHANGED", "w:WM_MOVE", "w:WM_SIZE"}));
  RECT r;
  GetClientRect(w, &r);
  EXPECT_EQ(r.right, 150);
  EXPECT_EQ(r.bottom, 300);
}

TEST_F(WindowPositions, TopmostBandAndOwnedWindowsAboveTheirOwner) {
  HWND host = nullptr, shadow = nullptr, other = nullptr, toast = nullptr;
  gui.Call([&] {
    host = TraceWindow::Create(trace, WindowSpec{"host", WS_POPUP | WS_VISIBLE});
    shadow = TraceWindow::Create(trace, WindowSpec{"shadow", WS_POPUP | WS_VISIBLE, 0, {0, 0, 10, 10}, host});
    toast = TraceWindow::Create(trace, WindowSpec{"toast", WS_POPUP | WS_VISIBLE});
    SetWindowPos(toast, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    other = TraceWindow::Create(trace, WindowSpec{"other", WS_POPUP | WS_VISIBLE});
    SetWindowPos(host, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  });
  ASSERT_TRUE(driver.WaitIdle());
  const std::vector<HWND> order = driver.Backend().StackingOrder();
  EXPECT_EQ(order, (std::vector<HWND>{toast, shadow, host, other}));
  EXPECT_TRUE(GetWindowLongW(toast, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST(Monitors, LookupsByPointWindowAndWorkArea) {
  TestDriver driver(TestDriver::TwoMonitors());
  HMONITOR primary = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
  HMONITOR second = MonitorFromPoint(POINT{2000, 500}, MONITOR_DEFAULTTONULL);
  EXPECT_NE(primary, second);
  EXPECT_EQ(MonitorFromPoint(POINT{-500, 10}, MONITOR_DEFAULTTONULL), nullptr);
  EXPECT_EQ(MonitorFromPoint(POINT{5000, 10}, MONITOR_DEFAULTTONEAREST), second);
  EXPECT_EQ(MonitorFromWindow(nullptr, MONITOR_DEFAULTTONEAREST), primary);
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetMonitorInfoW(second, &info));
  EXPECT_EQ(info.rcWork.top, 30);
  EXPECT_EQ(info.dwFlags, 0u);
  ASSERT_TRUE(GetMonitorInfoW(primary, &info));
  EXPECT_EQ(info.dwFlags, DWORD(MONITORINFOF_PRIMARY));
  RECT work;
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
  EXPECT_EQ(work.bottom, 1040);
  EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 2);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1920);
  EXPECT_EQ(GetSystemMetrics(SM_CXICON), 32);
  EXPECT_EQ(GetSystemMetrics(SM_CXSMICON), 16);
}

}  // namespace

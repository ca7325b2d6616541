// Windows reach the display: they map with what was painted, in the role that
// decides how they are mapped, and follow the layer's moves and z-order.
#include <gtest/gtest.h>

#include "testing/driver/GuiThread.h"
#include "testing/x11/TestDisplay.h"
#include "tests/platform/x11/SmokeWindow.h"

namespace {

using platform::headless::GuiThread;
using x11test::SmokeSpec;
using x11test::SmokeWindow;
using x11test::TestDisplay;

const uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kGreen = 0x00FF00;

struct RoleCase {
  const char* name;
  DWORD style;
  DWORD exStyle;
  bool owned;
  bool overrideRedirect;
};

class RoleTest : public testing::TestWithParam<RoleCase> {};

TEST_P(RoleTest, MapsWithItsPictureAndRole) {
  const RoleCase& c = GetParam();
  TestDisplay display;
  ASSERT_TRUE(display.ok());
  GuiThread gui;
  HWND window = nullptr;
  gui.Call([&] {
    HWND owner = nullptr;
    if (c.owned) {
      SmokeSpec ownerSpec;
      ownerSpec.rect = RECT{0, 0, 60, 60};
      owner = SmokeWindow::Create(ownerSpec);
    }
    SmokeSpec spec;
    spec.rect = RECT{200, 150, 360, 270};
    spec.style = c.style;
    spec.exStyle = c.exStyle;
    spec.colour = RGB(0, 0, 255);
    spec.owner = owner;
    window = SmokeWindow::Create(spec);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
  });
  ASSERT_TRUE(TestDisplay::FlushBackend());
  EXPECT_TRUE(display.WaitForPixel(280, 210, kBlue)) << c.name << ": the painted colour never showed";
  display.SaveScreen(std::string("role-") + c.name);
  const unsigned long native = TestDisplay::NativeWindow(window);
  ASSERT_NE(native, 0u);
  EXPECT_EQ(display.OverrideRedirect(native), c.overrideRedirect) << c.name;
  gui.Call([&] { DestroyWindow(window); });
  ASSERT_TRUE(TestDisplay::FlushBackend());
  EXPECT_FALSE(display.Viewable(native));
}

INSTANTIATE_TEST_SUITE_P(Roles, RoleTest,
                         testing::Values(RoleCase{"plain_popup", WS_POPUP, 0, false, false},
                                         RoleCase{"owned_dialog", WS_POPUP, 0, true, false},
                                         RoleCase{"menu", WS_POPUP, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, true, true},
                                         RoleCase{"no_activate", WS_POPUP, WS_EX_NOACTIVATE, false, true}),
                         [](const testing::TestParamInfo<RoleCase>& info) { return std::string(info.param.name); });

TEST(Mapping, FollowsMovesAndZOrder) {
  TestDisplay display;
  ASSERT_TRUE(display.ok());
  GuiThread gui;
  HWND red = nullptr, blue = nullptr;
  gui.Call([&] {
    SmokeSpec a;
    a.rect = RECT{100, 100, 300, 250};
    a.colour = RGB(255, 0, 0);
    red = SmokeWindow::Create(a);
    SmokeSpec b;
    b.rect = RECT{200, 150, 400, 300};
    b.colour = RGB(0, 0, 255);
    blue = SmokeWindow::Create(b);
    ShowWindow(red, SW_SHOWNOACTIVATE);
    ShowWindow(blue, SW_SHOWNOACTIVATE);
    UpdateWindow(red);
    UpdateWindow(blue);
  });
  ASSERT_TRUE(TestDisplay::FlushBackend());
  EXPECT_TRUE(display.WaitForPixel(250, 200, kBlue)) << "the later window is on top";
  EXPECT_TRUE(display.WaitForPixel(120, 120, kRed));

  gui.Call([&] { SetWindowPos(red, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE); });
  ASSERT_TRUE(TestDisplay::FlushBackend());
  EXPECT_TRUE(display.WaitForPixel(250, 200, kRed)) << "raised over the other";

  gui.Call([&] { MoveWindow(red, 500, 400, 200, 150, TRUE); });
  ASSERT_TRUE(TestDisplay::FlushBackend());
  EXPECT_TRUE(display.WaitForPixel(550, 450, kRed)) << "moved";
  EXPECT_TRUE(display.WaitForPixel(250, 200, kBlue)) << "uncovered what it left";
  display.SaveScreen("moves-and-zorder");
}

TEST(Mapping, WindowRegionCutsTheWindow) {
  TestDisplay display;
  ASSERT_TRUE(display.ok());
  GuiThread gui;
  HWND back = nullptr, front = nullptr;
  gui.Call([&] {
    SmokeSpec b;
    b.rect = RECT{600, 100, 800, 300};
    b.colour = RGB(0, 255, 0);
    back = SmokeWindow::Create(b);
    SmokeSpec f;
    f.rect = RECT{600, 100, 800, 300};
    f.colour = RGB(255, 0, 0);
    front = SmokeWindow::Create(f);
    SetWindowRgn(front, CreateRectRgn(50, 50, 150, 150), TRUE);
    ShowWindow(back, SW_SHOWNOACTIVATE);
    ShowWindow(front, SW_SHOWNOACTIVATE);
    UpdateWindow(back);
    UpdateWindow(front);
  });
  ASSERT_TRUE(TestDisplay::FlushBackend());
  EXPECT_TRUE(display.WaitForPixel(700, 200, kRed)) << "inside the region";
  EXPECT_TRUE(display.WaitForPixel(610, 110, kGreen)) << "outside the region the window below shows";
  (void)back;
}

TEST(Mapping, OpacityIsPublishedForTheCompositor) {
  TestDisplay display;
  ASSERT_TRUE(display.ok());
  GuiThread gui;
  HWND window = nullptr;
  gui.Call([&] {
    SmokeSpec spec;
    spec.exStyle = WS_EX_LAYERED;
    window = SmokeWindow::Create(spec);
    SetLayeredWindowAttributes(window, 0, 128, LWA_ALPHA);
  });
  ASSERT_TRUE(TestDisplay::FlushBackend());
  const unsigned long native = TestDisplay::NativeWindow(window);
  const std::vector<long> opacity = display.CardinalProperty(native, "_NET_WM_WINDOW_OPACITY");
  ASSERT_EQ(opacity.size(), 1u);
  EXPECT_EQ(uint32_t(opacity[0]), 0x80808080u) << "128 of 255, scaled to the full 32 bits";
  gui.Call([&] { SetLayeredWindowAttributes(window, 0, 255, LWA_ALPHA); });
  ASSERT_TRUE(TestDisplay::FlushBackend());
  EXPECT_TRUE(display.CardinalProperty(native, "_NET_WM_WINDOW_OPACITY").empty()) << "opaque again: no property";
}

}  // namespace

namespace {

TEST(Mapping, MonitorsComeFromTheDisplay) {
  // The suite's Xvfb screen is 1280 x 1024; a window manager may take some for panels.
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetMonitorInfoW(MonitorFromPoint(POINT{10, 10}, MONITOR_DEFAULTTOPRIMARY), &info));
  EXPECT_EQ(info.rcMonitor.left, 0);
  EXPECT_EQ(info.rcMonitor.top, 0);
  EXPECT_EQ(info.rcMonitor.right, 1280);
  EXPECT_EQ(info.rcMonitor.bottom, 1024);
  EXPECT_TRUE(info.dwFlags & MONITORINFOF_PRIMARY);
  EXPECT_GE(info.rcWork.left, info.rcMonitor.left);
  EXPECT_LE(info.rcWork.right, info.rcMonitor.right);
  EXPECT_LT(info.rcWork.top, info.rcWork.bottom);
}

}  // namespace

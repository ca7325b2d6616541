// The window side of the manager that needs no painting: the window and its DC,
// the initial size and the whole-window opacity.
#include <gtest/gtest.h>

#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "tests/ui/core/support/UiTestSupport.h"

namespace {

using platform::headless::GuiThread;
using platform::headless::TestDriver;
using SkinUI::CWindowManagerUI;
using uitest::Host;
using uitest::Lines;
using uitest::LogContainer;

class WindowSettings : public ::testing::Test {
 protected:
  TestDriver driver;
  GuiThread gui;
  Lines log;
};

TEST_F(WindowSettings, InitKeepsTheWindowAndADcThatMeasuresText) {
  gui.Call([] {
    Host host;
    EXPECT_EQ(host.Manager().GetPaintWindow(), host.Window());
    HDC dc = host.Manager().GetPaintDC();
    ASSERT_NE(dc, nullptr);
    SIZE extent = {};
    EXPECT_TRUE(GetTextExtentPoint32W(dc, L"abc", 3, &extent));
    EXPECT_GT(extent.cx, 0);
  });
}

TEST_F(WindowSettings, TheInitialSizeResizesTheWindowOnlyBeforeTheRootComes) {
  gui.Call([&] {
    Host host(RECT{10, 20, 110, 70});
    CWindowManagerUI& m = host.Manager();
    m.SetInitSize(300, 200);
    RECT rc = {};
    GetWindowRect(host.Window(), &rc);
    EXPECT_EQ(rc.right - rc.left, 300);
    EXPECT_EQ(rc.bottom - rc.top, 200);
    EXPECT_EQ(rc.left, 10) << "the window stays where it is";
    m.AttachRoot(new LogContainer(&log, L"root"));
    m.SetInitSize(50, 40);
    GetWindowRect(host.Window(), &rc);
    EXPECT_EQ(rc.right - rc.left, 300);
    EXPECT_EQ(m.GetInitSize().cx, 50);
    CWindowManagerUI loose;
    loose.SetInitSize(5, 6);
    EXPECT_EQ(loose.GetInitSize().cy, 6);
  });
}

struct OpacityCase {
  const char* scenario;
  int value;
  bool layered;
  BYTE alpha;  // what the window was given, when layered
};

class Opacity : public WindowSettings, public ::testing::WithParamInterface<OpacityCase> {};

TEST_P(Opacity, MakesTheWindowLayeredForValuesInRange) {
  const OpacityCase& c = GetParam();
  gui.Call([&] {
    Host host;
    host.Manager().SetOpacity(c.value);
    const DWORD exStyle = DWORD(GetWindowLongW(host.Window(), GWL_EXSTYLE));
    EXPECT_EQ((exStyle & WS_EX_LAYERED) != 0, c.layered) << c.scenario;
    if (c.layered) {
      BYTE alpha = 0;
      DWORD flags = 0;
      ASSERT_TRUE(GetLayeredWindowAttributes(host.Window(), nullptr, &alpha, &flags));
      EXPECT_EQ(alpha, c.alpha);
      EXPECT_EQ(flags & LWA_ALPHA, DWORD(LWA_ALPHA));
    }
  });
}

INSTANTIATE_TEST_SUITE_P(Table, Opacity,
                         ::testing::Values(OpacityCase{"half", 128, true, 128}, OpacityCase{"opaque", 255, true, 255},
                                           OpacityCase{"clear", 0, true, 0},
                                           OpacityCase{"above the range", 300, false, 0},
                                           OpacityCase{"below the range", -1, false, 0}),
                         [](const ::testing::TestParamInfo<OpacityCase>& info) {
                           return "Case" + std::to_string(info.index);
                         });

TEST_F(WindowSettings, OpacityOutOfRangeTakesTheLayeredStyleAwayAgain) {
  gui.Call([] {
    Host host;
    host.Manager().SetOpacity(100);
    host.Manager().SetOpacity(256);
    EXPECT_EQ(DWORD(GetWindowLongW(host.Window(), GWL_EXSTYLE)) & WS_EX_LAYERED, 0u);
  });
}

}  // namespace

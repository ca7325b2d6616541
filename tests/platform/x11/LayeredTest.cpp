// Layered windows with and without a compositing manager: translucency where one
// runs, and never black where none does.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "testing/driver/GuiThread.h"
#include "testing/x11/TestDisplay.h"
#include "tests/platform/x11/SmokeWindow.h"

namespace {

using platform::headless::GuiThread;
using x11test::SmokeSpec;
using x11test::SmokeWindow;
using x11test::TestDisplay;

const uint32_t kBlue = 0x0000FF, kRed = 0xFF0000;

bool CompositorExpected() {
  const char* mode = std::getenv("X11_SMOKE_MODE");
  return mode && std::strcmp(mode, "compositor") == 0;
}

// An opaque blue window with a layered window over it: half-transparent red, with a
// fully transparent strip of 50 pixels on its left.
class LayeredTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(display_.ok());
    if (CompositorExpected()) {
      ASSERT_TRUE(TestDisplay::WaitUntil([this] { return display_.CompositorRunning(); }))
          << "xcompmgr never took _NET_WM_CM_S0";
    }
    gui_.Call([this] {
      SmokeSpec back;
      back.rect = RECT{300, 600, 600, 800};
      back.colour = RGB(0, 0, 255);
      backdrop_ = SmokeWindow::Create(back);
      ShowWindow(backdrop_, SW_SHOWNOACTIVATE);
      UpdateWindow(backdrop_);
      SmokeSpec top;
      top.rect = RECT{350, 650, 550, 750};
      top.exStyle = WS_EX_LAYERED;
      layered_ = SmokeWindow::Create(top);
      SmokeWindow::ShowLayered(layered_, 200, 100, 0x80800000u, 50);
      ShowWindow(layered_, SW_SHOWNOACTIVATE);
    });
    ASSERT_TRUE(TestDisplay::FlushBackend());
  }

  TestDisplay display_;
  GuiThread gui_;
  HWND backdrop_ = nullptr;
  HWND layered_ = nullptr;
};

TEST_F(LayeredTest, CompositorShowsTranslucency) {
  if (!display_.CompositorRunning()) GTEST_SKIP() << "no compositing manager on this display";
  // Half red over blue, and the transparent strip shows the blue below.
  EXPECT_TRUE(display_.WaitForPixel(500, 700, 0x80007F, 3)) << std::hex << display_.ScreenPixel(500, 700);
  EXPECT_TRUE(display_.WaitForPixel(370, 700, kBlue, 3)) << std::hex << display_.ScreenPixel(370, 700);
  display_.SaveScreen("layered-composited");
}

TEST_F(LayeredTest, WithoutCompositorNothingIsBlack) {
  if (display_.CompositorRunning()) GTEST_SKIP() << "a compositing manager runs on this display";
  // The translucent part shows its own colour, the transparent strip is cut away.
  EXPECT_TRUE(display_.WaitForPixel(500, 700, kRed, 3)) << std::hex << display_.ScreenPixel(500, 700);
  EXPECT_TRUE(display_.WaitForPixel(370, 700, kBlue)) << std::hex << display_.ScreenPixel(370, 700);
  display_.SaveScreen("layered-plain");
}

TEST_F(LayeredTest, ShadowsShowOnlyWithACompositor) {
  HWND shadow = nullptr;
  gui_.Call([&] {
    SmokeSpec spec;
    spec.rect = RECT{340, 640, 560, 760};
    spec.exStyle = WS_EX_LAYERED | WS_EX_TRANSPARENT;
    spec.owner = layered_;
    shadow = SmokeWindow::Create(spec);
    SmokeWindow::ShowLayered(shadow, 220, 120, 0x40000000u, 0);
    ShowWindow(shadow, SW_SHOWNA);
  });
  ASSERT_TRUE(TestDisplay::FlushBackend());
  const unsigned long native = TestDisplay::NativeWindow(shadow);
  ASSERT_NE(native, 0u);
  EXPECT_TRUE(display_.OverrideRedirect(native));
  if (display_.CompositorRunning()) {
    EXPECT_TRUE(TestDisplay::WaitUntil([&] { return display_.Viewable(native); })) << "shown over a compositor";
  } else {
    EXPECT_FALSE(display_.Viewable(native)) << "a shadow without a compositor would be a black frame";
  }
}

}  // namespace
